// The marbles and their mask, the hand cursor and the icon.
#include "picture_support.h"

#include <queue>
#include <vector>

namespace restest {
namespace {

const Rgb kWhite = {255, 255, 255}, kBlack = {0, 0, 0};

// --- Marbles and mask (drawn by AND-ing the mask, then OR-ing the marble)
// ----------------------------

struct MarbleFile {
    const char* file;
    // Which channels dominate the marble's mean colour: +1 high, -1 low, 0 either.
    int r, g, b;
};

const MarbleFile kMarbles[] = {
    {"marble_yellow.bmp", +1, +1, -1}, {"marble_green.bmp", -1, +1, -1},
    {"marble_red.bmp", +1, -1, -1},    {"marble_purple.bmp", +1, -1, +1},
    {"marble_aqua.bmp", -1, +1, +1},   {"marble_blue.bmp", -1, -1, +1},
};

TEST(MarbleMask, IsABlackDiscOnWhite) {
    Bmp mask;
    ASSERT_TRUE(LoadBmp("marble_mask.bmp", mask));
    ASSERT_EQ(mask.palette.size(), 2u);
    EXPECT_EQ(mask.palette[0], kWhite);
    EXPECT_EQ(mask.palette[1], kBlack);
    int area = 0;
    for (int y = 0; y < 10; ++y) {
        int first = -1, last = -1;
        for (int x = 0; x < 10; ++x) {
            const int v = mask.At(x, y);
            // Round: the same under both mirrors and the diagonal.
            EXPECT_EQ(v, mask.At(9 - x, y));
            EXPECT_EQ(v, mask.At(x, 9 - y));
            EXPECT_EQ(v, mask.At(y, x));
            if (v == 1) {
                first = first < 0 ? x : first;
                last = x;
                ++area;
            }
        }
        // Each row one solid run, touching the edge only in the middle rows.
        ASSERT_GE(first, 0) << "row " << y;
        for (int x = first; x <= last; ++x) {
            EXPECT_EQ(mask.At(x, y), 1) << x << ", " << y;
        }
        EXPECT_EQ(first == 0, y >= 3 && y <= 6) << "row " << y;
    }
    EXPECT_EQ(mask.At(0, 0), 0);
    EXPECT_GE(area, 72) << "a disc that nearly fills the 10 x 10 square";
    EXPECT_LE(area, 80);
}

class Marble : public ::testing::TestWithParam<MarbleFile> {
protected:
    void SetUp() override {
        ASSERT_TRUE(LoadBmp(GetParam().file, marble));
        ASSERT_TRUE(LoadBmp("marble_mask.bmp", mask));
    }
    Bmp marble, mask;
};

TEST_P(Marble, IsBlackExactlyOutsideTheMasksDisc) {
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            if (mask.At(x, y) == 1) {
                EXPECT_NE(marble.ColourAt(x, y), kBlack)
                    << "a hole in the marble at " << x << ", " << y;
            } else {
                EXPECT_EQ(marble.ColourAt(x, y), kBlack)
                    << "the OR blit would tint the board at " << x << ", " << y;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Marbles, Marble, ::testing::ValuesIn(kMarbles), [](const auto& info) {
    std::string name = info.param.file;
    return name.substr(0, name.find('.'));
});

// --- Hand cursor (resource 138) --------------------------------------------------------------

class PickCursor : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(LoadBmp("cursor_pick.bmp", image));
        ASSERT_TRUE(LoadBmp("cursor_pick_mask.bmp", mask));
        ASSERT_EQ(image.palette.size(), 2u);
        ASSERT_EQ(mask.palette.size(), 2u);
    }
    bool Opaque(int x, int y) const {
        return x >= 0 && y >= 0 && x < 32 && y < 32 && mask.At(x, y) == 1;
    }
    Bmp image, mask;
};

TEST_F(PickCursor, BothBitmapsUseWhiteForIndex0AndBlackForIndex1) {
    for (const Bmp* bmp : {&image, &mask}) {
        EXPECT_EQ(bmp->palette[0], kWhite);
        EXPECT_EQ(bmp->palette[1], kBlack);
    }
}

TEST_F(PickCursor, HotSpotIsTheFingertip) {
    // (5, 5) is opaque outline, and nothing of the hand lies above and to the left of it.
    EXPECT_TRUE(Opaque(5, 5));
    EXPECT_EQ(image.At(5, 5), 1);
    for (int y = 0; y <= 5; ++y) {
        for (int x = 0; x <= 5; ++x) {
            if (x != 5 || y != 5) {
                EXPECT_FALSE(Opaque(x, y)) << x << ", " << y;
            }
        }
    }
}

// --- Icon (resource 128) and its desktop renderings -------------------------------------------

TEST(Icon, BmpIsOpaqueExactlyWhereThe32PixelPngIs) {
    // app_icon.bmp has no alpha: pure black marks the transparent surround, as for the marbles.
    Bmp bmp;
    Png png;
    ASSERT_TRUE(LoadBmp("app_icon.bmp", bmp));
    ASSERT_TRUE(LoadPng("app_icon_32.png", png));
    ASSERT_EQ(png.width, 32);
    int opaque = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const bool pngOpaque = png.AlphaAt(x, y) >= 128;
            EXPECT_EQ(bmp.ColourAt(x, y) != kBlack, pngOpaque) << x << ", " << y;
            opaque += pngOpaque;
        }
    }
    EXPECT_GE(opaque, 32 * 16) << "the board fills the icon's width and half its height";
}

} // namespace
} // namespace restest
