// The six board pictures: the 14 squares at the exact places where the game draws marbles, recessed and darker
// than the board, nothing else drawn on the board, and each board the colour its menu item names.
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

struct Mean {
    double r = 0, g = 0, b = 0, luma = 0;
    int n = 0;
    void Add(Rgb c) {
        r += c.r;
        g += c.g;
        b += c.b;
        luma += Luma(c);
        ++n;
    }
    Mean Done() const { return {r / n, g / n, b / n, luma / n, n}; }
};

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

TEST_P(BoardPicture, EverySquareEdgeIsDarkerThanTheBoardJustOutside) {
    // The cut edge: each pixel of a square's outermost ring against its neighbour outside.
    for (const Origin& o : kSquares) {
        SCOPED_TRACE(::testing::Message() << "square at " << o.x << ", " << o.y);
        double smallest = 255;
        for (int k = 0; k < kSquare; ++k) {
            const int sides[4][4] = {
                {o.x + k, o.y, o.x + k, o.y - 1},                     // top
                {o.x + k, o.y + kSquare - 1, o.x + k, o.y + kSquare}, // bottom
                {o.x, o.y + k, o.x - 1, o.y + k},                     // left
                {o.x + kSquare - 1, o.y + k, o.x + kSquare, o.y + k}, // right
            };
            for (const auto& s : sides) {
                const double step = Luma(bmp.ColourAt(s[2], s[3])) - Luma(bmp.ColourAt(s[0], s[1]));
                smallest = std::min(smallest, step);
            }
        }
        EXPECT_GE(smallest, 10.0);
    }
}

TEST_P(BoardPicture, SquaresLookRecessedAndTheirFloorsDark) {
    for (const Origin& o : kSquares) {
        SCOPED_TRACE(::testing::Message() << "square at " << o.x << ", " << o.y);
        Mean shadowWalls, litWalls, floor, around;
        for (int k = 4; k < kSquare - 4; ++k) {
            for (int d = 1; d <= 3; ++d) {
                shadowWalls.Add(bmp.ColourAt(o.x + k, o.y + d));
                shadowWalls.Add(bmp.ColourAt(o.x + d, o.y + k));
                litWalls.Add(bmp.ColourAt(o.x + k, o.y + kSquare - 1 - d));
                litWalls.Add(bmp.ColourAt(o.x + kSquare - 1 - d, o.y + k));
            }
        }
        for (int y = 10; y < kSquare - 10; ++y) {
            for (int x = 10; x < kSquare - 10; ++x) {
                floor.Add(bmp.ColourAt(o.x + x, o.y + y));
            }
        }
        for (int k = 0; k < kSquare; ++k) {
            for (int d = 1; d <= 3; ++d) {
                around.Add(bmp.ColourAt(o.x + k, o.y - d));
                around.Add(bmp.ColourAt(o.x + k, o.y + kSquare - 1 + d));
                around.Add(bmp.ColourAt(o.x - d, o.y + k));
                around.Add(bmp.ColourAt(o.x + kSquare - 1 + d, o.y + k));
            }
        }
        // Light from the upper left: the top and left walls in shadow, the others lit.
        EXPECT_LT(shadowWalls.Done().luma + 20, litWalls.Done().luma);
        EXPECT_LT(shadowWalls.Done().luma, around.Done().luma);
        EXPECT_GT(litWalls.Done().luma, around.Done().luma);
        EXPECT_LT(floor.Done().luma, 0.8 * around.Done().luma);
    }
}

TEST_P(BoardPicture, BackgroundIsTextured) {
    // A plain fill would be a dull board: the background must use many colours.
    std::vector<bool> used(256, false);
    int count = 0;
    for (int y = 0; y < bmp.height; ++y) {
        for (int x = 0; x < bmp.width; ++x) {
            if (!InSquare(x, y) && !used[bmp.At(x, y)]) {
                used[bmp.At(x, y)] = true;
                ++count;
            }
        }
    }
    EXPECT_GE(count, 48);
}

INSTANTIATE_TEST_SUITE_P(Boards, BoardPicture, ::testing::ValuesIn(kBoards), [](const auto& info) {
    std::string name = info.param;
    return name.substr(0, name.find('.'));
});

Mean BackgroundMean(const Bmp& bmp) {
    Mean m;
    for (int y = 0; y < bmp.height; ++y) {
        for (int x = 0; x < bmp.width; ++x) {
            if (!InSquare(x, y)) {
                m.Add(bmp.ColourAt(x, y));
            }
        }
    }
    return m.Done();
}

// Each file holds the board its menu item names, not another one.
TEST(BoardColours, EachBoardIsTheColourItsNameSays) {
    Bmp bmp;
    ASSERT_TRUE(LoadBmp("board_dark_mono.bmp", bmp));
    const Mean darkMono = BackgroundMean(bmp);
    ASSERT_TRUE(LoadBmp("board_light_mono.bmp", bmp));
    const Mean lightMono = BackgroundMean(bmp);
    ASSERT_TRUE(LoadBmp("board_light_wood.bmp", bmp));
    const Mean lightWood = BackgroundMean(bmp);
    ASSERT_TRUE(LoadBmp("board_dark_wood.bmp", bmp));
    const Mean darkWood = BackgroundMean(bmp);
    ASSERT_TRUE(LoadBmp("board_red.bmp", bmp));
    const Mean red = BackgroundMean(bmp);
    ASSERT_TRUE(LoadBmp("board_pale_blue.bmp", bmp));
    const Mean paleBlue = BackgroundMean(bmp);

    for (const Mean& grey : {darkMono, lightMono}) {
        EXPECT_LT(std::max({grey.r, grey.g, grey.b}) - std::min({grey.r, grey.g, grey.b}), 12);
    }
    EXPECT_LT(darkMono.luma, 110);
    EXPECT_GT(lightMono.luma, 170);
    for (const Mean& wood : {lightWood, darkWood}) {
        EXPECT_GT(wood.r, wood.g + 20);
        EXPECT_GT(wood.g, wood.b + 15);
    }
    EXPECT_GT(lightWood.luma, 160);
    EXPECT_LT(darkWood.luma, 100);
    EXPECT_GT(red.r, 2 * red.g);
    EXPECT_GT(red.r, 2 * red.b);
    EXPECT_GT(paleBlue.b, paleBlue.r + 20);
    EXPECT_GT(paleBlue.luma, 170);
}

} // namespace
} // namespace restest
