#include "ui/board_geometry.h"

#include <gtest/gtest.h>

namespace {

TEST(PitOrigin, EveryPlaceOfBothRows) {
    struct Case {
        int nRow, nIndex, x, y;
    };
    const Case cases[] = {
        {0, 0, 64, 64},  {0, 1, 121, 64}, {0, 2, 178, 64}, {0, 3, 235, 64}, {0, 4, 292, 64},
        {0, 5, 349, 64}, {0, 6, 406, 36}, {1, 0, 349, 7},  {1, 1, 292, 7},  {1, 2, 235, 7},
        {1, 3, 178, 7},  {1, 4, 121, 7},  {1, 5, 64, 7},   {1, 6, 7, 35},
    };
    for (const Case& c : cases) {
        int x = -1;
        int y = -1;
        GetPitOrigin(c.nRow, c.nIndex, x, y);
        EXPECT_EQ(x, c.x) << "row " << c.nRow << " index " << c.nIndex;
        EXPECT_EQ(y, c.y) << "row " << c.nRow << " index " << c.nIndex;
    }
}

TEST(HitTest, EdgesOfTheSquaresGapsAndDeadPlaces) {
    struct Case {
        int x, y, bHit, nPit;
    };
    const Case cases[] = {
        {64, 64, 1, 0},   {113, 113, 1, 0}, {114, 64, 0, 0}, {120, 64, 0, 0}, {121, 64, 1, 1},
        {398, 113, 1, 5}, {399, 64, 0, 0},  {405, 64, 0, 0}, {406, 64, 0, 0}, {64, 63, 0, 0},
        {64, 114, 0, 0},  {63, 64, 0, 0},   {420, 50, 0, 0}, {100, 20, 0, 0}, {-5, 70, 0, 0},
        {70, -5, 0, 0},   {-64, -64, 0, 0}, {64, 120, 0, 0}, {292, 90, 1, 4}, {235, 113, 1, 3},
    };
    for (const Case& c : cases) {
        int nPit = 99;
        int nRow = 99;
        const int bHit = HitTestPit(c.x, c.y, nPit, nRow);
        EXPECT_EQ(bHit != 0, c.bHit != 0) << "(" << c.x << ", " << c.y << ")";
        if (c.bHit) {
            EXPECT_EQ(nPit, c.nPit) << "(" << c.x << ", " << c.y << ")";
            EXPECT_EQ(nRow, 0);
        } else {
            // A miss leaves the out-values alone.
            EXPECT_EQ(nPit, 99);
            EXPECT_EQ(nRow, 99);
        }
    }
}

// Over the whole view and a margin around it, a point hits exactly when it lies in the square
// of a user pit as the origins place it, and then it names that pit.
TEST(HitTest, LiveAreasAreExactlyTheUserPitSquares) {
    for (int y = -10; y < kBoardHeight + 10; ++y) {
        for (int x = -10; x < kBoardWidth + 10; ++x) {
            int nExpected = -1;
            for (int nPit = 0; nPit < 6; ++nPit) {
                int x0 = 0;
                int y0 = 0;
                GetPitOrigin(0, nPit, x0, y0);
                if (x >= x0 && x < x0 + kPlaceSize && y >= y0 && y < y0 + kPlaceSize)
                    nExpected = nPit;
            }
            int nPit = -1;
            int nRow = -1;
            const int bHit = HitTestPit(x, y, nPit, nRow);
            ASSERT_EQ(bHit != 0, nExpected >= 0) << "(" << x << ", " << y << ")";
            if (bHit) {
                ASSERT_EQ(nPit, nExpected) << "(" << x << ", " << y << ")";
            }
        }
    }
}

} // namespace
