#pragma once

// Where the fourteen places of the position lie on the board, in logical pixels: one description
// for the game's geometry and hit test and for the picture generator that draws the boards. Plain
// C++ without Qt, so that the generator reads it too.
//
// Every pit and store is a 50 x 50 square on a 57-pixel pitch. The user's pits run left to right
// along the bottom to the user's store at the right end; the computer's pits run right to left
// along the top to its store at the left end; the stores stand between the rows.
namespace board_layout {

inline constexpr int kBoardWidth = 470; // the view's board area
inline constexpr int kBoardHeight = 128;
inline constexpr int kPictureWidth = 463; // a board picture; the strips beyond it stay black
inline constexpr int kPictureHeight = 122;
inline constexpr int kPlaceSize = 50;
inline constexpr int kPlacePitch = 57;
// A store's well goes on below its square, to just above this line, so that the marbles beyond
// the 25th, drawn in further lines downwards, still lie inside it.
inline constexpr int kStoreWellBottom = 116;

struct Point {
    int x;
    int y;
};

// The top-left corner of place nIndex (0-5 the pits, 6 the store) of row nRow (0 the user's
// lower row, 1 the computer's upper row).
constexpr Point PlaceOrigin(int nRow, int nIndex) {
    Point origin{nRow == 0 ? 64 + kPlacePitch * nIndex : 349 - kPlacePitch * nIndex,
                 64 - kPlacePitch * nRow};
    // The stores stand between the rows; the division truncates towards zero, which leaves the
    // user's store one pixel lower than the computer's.
    if (nIndex == 6)
        origin.y += (114 * nRow - 57) / 2;
    return origin;
}

// A place's well in the board pictures: its square, lengthened downwards for a store.
struct Rect {
    int x0, y0, x1, y1; // [x0, x1) x [y0, y1)
};
constexpr Rect WellOf(int nRow, int nIndex) {
    const Point origin = PlaceOrigin(nRow, nIndex);
    return {origin.x, origin.y, origin.x + kPlaceSize,
            nIndex == 6 ? kStoreWellBottom : origin.y + kPlaceSize};
}

} // namespace board_layout
