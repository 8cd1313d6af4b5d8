#pragma once

class QPainter;
class QString;

// One marble of the current colour with its top-left pixel at (x, y): the mask blackens the
// disc, then the picture's colours are or-ed into it, so the board shows through around it. On
// a device of more than one pixel per logical pixel, the sharper marble is laid over the board
// by its own alpha.
void DrawMarble(QPainter* pDC, int x, int y);

// The progress as the status bar shows it: the number right-aligned in three places, then the
// full-width percent sign.
QString FormatProgress(int nProgress);
