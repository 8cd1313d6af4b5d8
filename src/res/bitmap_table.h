#pragma once

#include <QString>

// Where each numbered picture and the hand cursor live among the embedded resources.
// An unknown number or scale gives an empty path.
//
// The boards, the marbles and the hand come at scale 1 (the indexed bitmaps that the game blits,
// a marble through the mask) and at scales 2 and 3 for screens of that many device pixels a
// logical pixel: RGBA pictures drawn at that density, a marble with a smooth alpha edge that
// needs no mask. The mask has scale 1 only.
QString BitmapResourcePath(int nId, int nScale = 1);
// Scale 1: the hand's picture, black outline and white fill, hot spot (5, 5); 2 and 3: the whole
// hand with alpha, hot spot (10, 10) and (15, 15). The hot spot is the index finger's tip.
QString CursorResourcePath(int nScale = 1);
QString CursorMaskResourcePath(); // the 1x hand's mask: black where the hand is opaque
QString IconResourcePath();
