// The marbles and their mask, the hand cursor and the icon.
#include "picture_support.h"

#include <queue>
#include <vector>

namespace restest {
namespace {

const Rgb kWhite = {255, 255, 255}, kBlack = {0, 0, 0};

// --- Marbles and mask (drawn by AND-ing the mask, then OR-ing the marble) ----------------------------

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

TEST_P(Marble, HasItsColourAHighlightAtTheUpperLeftAndADarkerRim) {
    double sum[3] = {0, 0, 0};
    double brightest = -1;
    int brightX = 0, brightY = 0, n = 0;
    double rim = 0, middle = 0;
    int rimN = 0, middleN = 0;
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            if (mask.At(x, y) != 1) {
                continue;
            }
            const Rgb c = marble.ColourAt(x, y);
            sum[0] += c.r;
            sum[1] += c.g;
            sum[2] += c.b;
            ++n;
            if (Luma(c) > brightest) {
                brightest = Luma(c);
                brightX = x;
                brightY = y;
            }
            const bool edge = x == 0 || y == 0 || x == 9 || y == 9 || mask.At(x - 1, y) == 0 ||
                              mask.At(x + 1, y) == 0 || mask.At(x, y - 1) == 0 ||
                              mask.At(x, y + 1) == 0;
            (edge ? rim : middle) += Luma(c);
            (edge ? rimN : middleN) += 1;
        }
    }
    const int want[3] = {GetParam().r, GetParam().g, GetParam().b};
    double high = 0, low = 255;
    for (int k = 0; k < 3; ++k) {
        if (want[k] > 0) {
            low = std::min(low, sum[k] / n);
        } else if (want[k] < 0) {
            high = std::max(high, sum[k] / n);
        }
    }
    EXPECT_GT(low, high + 40) << "mean colour " << sum[0] / n << ", " << sum[1] / n << ", "
                              << sum[2] / n;
    EXPECT_LT(brightX, 5);
    EXPECT_LT(brightY, 5);
    EXPECT_GT(brightest, 200) << "a glassy highlight";
    EXPECT_LT(rim / rimN + 20, middle / middleN) << "a darker rim";
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

TEST_F(PickCursor, BlackOutlineAroundAWhiteHand) {
    int outline = 0, fill = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (!Opaque(x, y)) {
                EXPECT_EQ(image.At(x, y), 0) << "transparent pixels stay white: " << x << ", " << y;
                continue;
            }
            const bool border =
                !Opaque(x - 1, y) || !Opaque(x + 1, y) || !Opaque(x, y - 1) || !Opaque(x, y + 1);
            if (border) {
                EXPECT_EQ(image.At(x, y), 1) << "outline gap at " << x << ", " << y;
            }
            (image.At(x, y) == 1 ? outline : fill) += 1;
        }
    }
    EXPECT_GT(fill, outline) << "a white hand, not a black blob";
    EXPECT_GE(outline + fill, 250) << "big enough to read as a hand";
}

TEST_F(PickCursor, TheHandIsOnePiece) {
    std::vector<bool> seen(32 * 32, false);
    std::queue<std::pair<int, int>> todo;
    todo.push({5, 5});
    seen[5 * 32 + 5] = true;
    int reached = 0;
    while (!todo.empty()) {
        const auto [x, y] = todo.front();
        todo.pop();
        ++reached;
        const int nx[4] = {x - 1, x + 1, x, x}, ny[4] = {y, y, y - 1, y + 1};
        for (int k = 0; k < 4; ++k) {
            if (Opaque(nx[k], ny[k]) && !seen[ny[k] * 32 + nx[k]]) {
                seen[ny[k] * 32 + nx[k]] = true;
                todo.push({nx[k], ny[k]});
            }
        }
    }
    int opaque = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            opaque += Opaque(x, y);
        }
    }
    EXPECT_EQ(reached, opaque);
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

// The design in 32-unit coordinates: a pit with a red marble, one with a blue marble, the wood
// between the rows, and the transparent corners.
TEST(Icon, EverySizeShowsTheSameDesign) {
    for (int size : {32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        Png png;
        ASSERT_TRUE(LoadPng("app_icon_" + std::to_string(size) + ".png", png));
        auto at = [&](double u, double v) {
            return std::pair{
                png.ColourAt(static_cast<int>(u * size / 32), static_cast<int>(v * size / 32)),
                png.AlphaAt(static_cast<int>(u * size / 32), static_cast<int>(v * size / 32))};
        };
        for (auto [u, v] : {std::pair{0.2, 0.2}, {31.8, 0.2}, {0.2, 31.8}, {31.8, 31.8}}) {
            EXPECT_EQ(at(u, v).second, 0) << "transparent corner " << u << ", " << v;
        }
        const auto [red, redAlpha] = at(23.5, 12.5);
        EXPECT_EQ(redAlpha, 255);
        EXPECT_GT(red.r, red.g + 80) << "red marble";
        const auto [blue, blueAlpha] = at(9.5, 20.5);
        EXPECT_EQ(blueAlpha, 255);
        EXPECT_GT(blue.b, blue.r + 80) << "blue marble";
        const auto [wood, woodAlpha] = at(16.5, 15.8);
        EXPECT_EQ(woodAlpha, 255);
        EXPECT_GT(wood.r, wood.g);
        EXPECT_GT(wood.g, wood.b + 20) << "wood";
    }
}

} // namespace
} // namespace restest
