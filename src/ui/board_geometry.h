#pragma once

#include "ui/board_layout.h"

// Where the fourteen places of the position lie in the view, and which point hits which pit. The
// board area is 470 x 128 pixels at the view's origin; the layout is board_layout's.

using board_layout::kBoardHeight;
using board_layout::kBoardWidth;
using board_layout::kPlacePitch;
using board_layout::kPlaceSize;

// Top-left corner of the square of place nIndex (0-5 pits, 6 the store) of row nRow
// (0 the user's lower row, 1 the computer's upper row).
void GetPitOrigin(int nRow, int nIndex, int& x, int& y);

// Whether (x, y) lies on the square of any of the fourteen places; then its row and index are
// written. A miss leaves both untouched.
bool HitTestPlace(int x, int y, int& nRow, int& nIndex);

// Non-zero when (x, y) lies on one of the six pits of the user's row; then nPit (0-5) and
// nRow (always 0) are written. A miss leaves both untouched.
int HitTestPit(int x, int y, int& nPit, int& nRow);
