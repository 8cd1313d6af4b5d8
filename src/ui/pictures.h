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
// the marble's raster operations (32-bit RGB). Returns false when the picture cannot be loaded; the
// holder is then empty.
bool LoadBitmapInto(QImage& bitmap, int nId);

// The sharper set that a screen with this many device pixels per logical pixel draws from: 2 up
// to a ratio of 2, 3 above; a ratio between two sets is met by scaling the higher one down.
int PictureScaleFor(double dRatio);

// The holder's picture as drawn for nScale (2 or 3) device pixels per logical pixel, with that
// device pixel ratio: the generator's own version of the numbered picture that the holder was
// loaded from. A picture without one (not loaded by number, or its version missing) comes back
// as it is, to be scaled smoothly; a marble is given the disc of the mask as its alpha, so that
// it needs no mask either way.
QImage HighDensityPicture(const QImage& holder, int nScale, const QImage* pMask = nullptr);

// The hand from its picture and mask (black = opaque), hot spot at the fingertip (5, 5); on a
// screen of more than one device pixel per logical pixel, from the sharper set of its ratio.
// A null cursor pointer when the pictures are missing.
QCursor* LoadPickCursor(double dRatio = 1.0);

// The system arrow and the hand; both live until the process ends.
void LoadCursors();
