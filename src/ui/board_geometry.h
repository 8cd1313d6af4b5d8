#pragma once

// Where the fourteen places of the position lie in the view, and which point hits which pit.
// The board area is 470 x 128 pixels at the view's origin; every pit and store is a 50 x 50
// square on a 57-pixel pitch.

inline constexpr int kBoardWidth = 470;
inline constexpr int kBoardHeight = 128;
inline constexpr int kPlaceSize = 50;
inline constexpr int kPlacePitch = 57;

// Top-left corner of the square of place nIndex (0-5 pits, 6 the store) of row nRow
// (0 the user's lower row, 1 the computer's upper row).
void GetPitOrigin(int nRow, int nIndex, int& x, int& y);

// Non-zero when (x, y) lies on the square of any of the fourteen places; then its row and
// index are written. A miss leaves both untouched.
int HitTestPlace(int x, int y, int& nRow, int& nIndex);

// Non-zero when (x, y) lies on one of the six pits of the user's row; then nPit (0-5) and
// nRow (always 0) are written. A miss leaves both untouched.
int HitTestPit(int x, int y, int& nPit, int& nRow);
