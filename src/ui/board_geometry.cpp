#include "ui/board_geometry.h"

void GetPitOrigin(int nRow, int nIndex, int& x, int& y) {
    const board_layout::Point origin = board_layout::PlaceOrigin(nRow, nIndex);
    x = origin.x;
    y = origin.y;
}

int HitTestPit(int x, int y, int& nPit, int& nRow) {
    const board_layout::Point first = board_layout::PlaceOrigin(0, 0);
    const int dx = x - first.x;
    const int dy = y - first.y;
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

bool HitTestPlace(int x, int y, int& nRow, int& nIndex) {
    for (int r = 0; r < 2; ++r) {
        for (int i = 0; i < 7; ++i) {
            const board_layout::Point origin = board_layout::PlaceOrigin(r, i);
            if (x >= origin.x && x < origin.x + kPlaceSize && y >= origin.y &&
                y < origin.y + kPlaceSize) {
                nRow = r;
                nIndex = i;
                return true;
            }
        }
    }
    return false;
}
