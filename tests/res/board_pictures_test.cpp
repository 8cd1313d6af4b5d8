// The six board pictures: the 14 squares at the exact places where the game draws marbles and
// nothing else drawn on the board.
//
// The generator keeps colour-table entries 0-127 for the background and 128-255 for the squares,
// so each pixel's index says whether it is part of a square: that pins every square to the pixel.
#include "picture_support.h"

#include <vector>

namespace restest {
namespace {

constexpr int kSquare = 50;
constexpr int kFirstSquareIndex = 128;

struct Origin {
    int x, y;
};

// The square origins, written out rather than computed.
const Origin kSquares[14] = {
    {64, 64}, {121, 64}, {178, 64}, {235, 64}, {292, 64}, {349, 64}, {406, 36}, // user row, store
    {349, 7}, {292, 7},  {235, 7},  {178, 7},  {121, 7},  {64, 7},   {7, 35},   // computer row
};

const char* const kBoards[] = {"board_dark_mono.bmp",  "board_light_wood.bmp",
                               "board_red.bmp",        "board_pale_blue.bmp",
                               "board_light_mono.bmp", "board_dark_wood.bmp"};

bool InSquare(int x, int y) {
    for (const Origin& o : kSquares) {
        if (x >= o.x && x < o.x + kSquare && y >= o.y && y < o.y + kSquare) {
            return true;
        }
    }
    return false;
}

class BoardPicture : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override { ASSERT_TRUE(LoadBmp(GetParam(), bmp)); }
    Bmp bmp;
};

TEST_P(BoardPicture, SquaresUseSquareColoursAndOnlyThey) {
    ASSERT_EQ(bmp.width, 463);
    ASSERT_EQ(bmp.height, 122);
    int wrong = 0;
    for (int y = 0; y < bmp.height; ++y) {
        for (int x = 0; x < bmp.width; ++x) {
            const bool square = bmp.At(x, y) >= kFirstSquareIndex;
            if (square != InSquare(x, y) && ++wrong <= 5) {
                ADD_FAILURE() << "pixel (" << x << ", " << y << ") "
                              << (square ? "drawn as a square outside every square"
                                         : "inside a square drawn as background");
            }
        }
    }
    EXPECT_EQ(wrong, 0);
}

TEST_P(BoardPicture, GapsBetweenSquaresAndRowsAreBareBoard) {
    // The 7-pixel gaps between neighbouring pits, the band between the rows, and the bands
    // between the stores and the rows: no pixel there may carry a square colour.
    auto bare = [&](int x0, int y0, int x1, int y1) {
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) {
                if (bmp.At(x, y) >= kFirstSquareIndex) {
                    return false;
                }
            }
        }
        return true;
    };
    EXPECT_TRUE(bare(64, 57, 399, 64)) << "between the rows";
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(bare(114 + 57 * i, 7, 121 + 57 * i, 57)) << "computer gap " << i;
        EXPECT_TRUE(bare(114 + 57 * i, 64, 121 + 57 * i, 114)) << "user gap " << i;
    }
    EXPECT_TRUE(bare(57, 0, 64, 122)) << "left of the pits";
    EXPECT_TRUE(bare(399, 0, 406, 122)) << "right of the pits";
    EXPECT_TRUE(bare(0, 0, 463, 7)) << "top margin";
    EXPECT_TRUE(bare(0, 114, 463, 122)) << "bottom margin";
}

INSTANTIATE_TEST_SUITE_P(Boards, BoardPicture, ::testing::ValuesIn(kBoards), [](const auto& info) {
    std::string name = info.param;
    return name.substr(0, name.find('.'));
});

} // namespace
} // namespace restest
