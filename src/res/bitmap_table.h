#pragma once

#include <QString>

// Where each numbered picture and the hand cursor live among the embedded resources.
// An unknown number gives an empty path.
QString BitmapResourcePath(int nId);
// The sharper version drawn for nScale (2 or 3) device pixels per logical pixel.
QString BitmapResourcePath(int nId, int nScale);
QString CursorResourcePath(int nScale);
QString CursorResourcePath();     // the hand's picture: black outline, white fill
QString CursorMaskResourcePath(); // the hand's mask: black where the hand is opaque
QString IconResourcePath();
