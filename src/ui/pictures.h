#pragma once

#include <QImage>

class QCursor;

// The program-wide pictures and cursors. Start-up fills them, painting reads them, and the
// appearance commands replace the board and the marble; all of it on the window's thread.
// A picture that could not be loaded is a null image, which draws nothing.
extern QImage g_bmpBoard;
extern QImage g_bmpMarble;
extern QImage g_bmpMarbleMask;
extern QCursor* g_hcurArrow;
extern QCursor* g_hcurPick;

// Drops the picture that the holder has and puts the numbered picture in its place, ready for
// the marble's raster operations (32-bit RGB). Returns 0 when the picture cannot be loaded; the
// holder is then empty.
int LoadBitmapInto(QImage& bitmap, int nId);

// The hand from its picture and mask (black = opaque), hot spot at the fingertip (5, 5).
// A null cursor pointer when either picture is missing.
QCursor* LoadPickCursor();

// The system arrow and the hand; both live until the process ends.
void LoadCursors();
