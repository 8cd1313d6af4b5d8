#include "ui/board_geometry.h"

void GetPitOrigin(int nRow, int nIndex, int& x, int& y) {
    x = nRow == 0 ? 64 + kPlacePitch * nIndex : 349 - kPlacePitch * nIndex;
    y = 64 - kPlacePitch * nRow;
    // The stores stand between the rows; the division truncates towards zero, which leaves the
    // user's store one pixel lower than the computer's.
    if (nIndex == 6)
        y += (114 * nRow - 57) / 2;
}

int HitTestPit(int x, int y, int& nPit, int& nRow) {
    const int dx = x - 64;
    const int dy = y - 64;
    if (dx < 0 || dx >= 6 * kPlacePitch || dy < 0 || dy >= kPlacePitch)
        return 0;
    const int nHitPit = dx / kPlacePitch;
    const int nHitRow = dy / kPlacePitch;
    // Only the square of each step counts: the gaps between the pits and the band below them
    // are dead.
    if (dx - kPlacePitch * nHitPit > kPlaceSize - 1 || dy - kPlacePitch * nHitRow > kPlaceSize - 1)
        return 0;
    nPit = nHitPit;
    nRow = nHitRow;
    return 1;
}

int HitTestPlace(int x, int y, int& nRow, int& nIndex) {
    for (int r = 0; r < 2; ++r) {
        for (int i = 0; i < 7; ++i) {
            int x0 = 0;
            int y0 = 0;
            GetPitOrigin(r, i, x0, y0);
            if (x >= x0 && x < x0 + kPlaceSize && y >= y0 && y < y0 + kPlaceSize) {
                nRow = r;
                nIndex = i;
                return 1;
            }
        }
    }
    return 0;
}
