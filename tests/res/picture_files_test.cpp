// The pictures the build draws, read as the game reads them: every file at every scale, the
// boards' wells and the last-move bar on them, the marbles against their mask, the hand's hot spot,
// and the paths that find them among the embedded resources.
#include "res/bitmap_table.h"
#include "res/resource.h"

#include <QImage>
#include <QRect>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr int kScales[] = {1, 2, 3};
constexpr QRgb kWhite = 0xFFFFFFFF, kBlack = 0xFF000000, kRed = 0xFFFF0000;
const char* const kMarbles[] = {"marble_yellow", "marble_green", "marble_red",
                                "marble_purple", "marble_aqua",  "marble_blue"};
const char* const kBoards[] = {"board_dark_mono", "board_light_wood", "board_red",
                               "board_pale_blue", "board_light_mono", "board_dark_wood"};

// "<stem>.bmp" at 1x, "<stem>@2x.png" and "<stem>@3x.png" above it.
QImage Load(const std::string& stem, int scale) {
    const std::string file = scale == 1 ? ".bmp" : "@" + std::to_string(scale) + "x.png";
    return QImage(QString::fromStdString(RAVELO2_PICTURES_DIR "/" + stem + file));
}

// Calls pixel(x, y) for each pixel of the rectangle, row by row.
template <typename Fn> void ForEachPixel(const QRect& r, Fn pixel) {
    for (int i = 0; i < r.width() * r.height(); ++i)
        pixel(r.x() + i % r.width(), r.y() + i / r.width());
}

TEST(PictureFiles, EachScaleHasItsSizeAndEachBitmapItsColourTable) {
    // Stem, logical size, colours in the 1x bitmap's table, and the highest scale drawn.
    std::vector<std::tuple<std::string, QSize, int, int>> pictures = {
        {"cursor_pick", {32, 32}, 2, 3},
        {"cursor_pick_mask", {32, 32}, 2, 1},
        {"marble_mask", {10, 10}, 2, 1},
        {"app_icon", {32, 32}, 16, 1}};
    for (const char* board : kBoards)
        pictures.push_back({board, {463, 122}, 256, 3});
    for (const char* marble : kMarbles)
        pictures.push_back({marble, {10, 10}, 16, 3});
    for (const auto& [stem, size, colours, scales] : pictures) {
        const QImage bitmap = Load(stem, 1);
        EXPECT_EQ(bitmap.size(), size) << stem;
        EXPECT_EQ(bitmap.colorCount(), colours) << stem << ": not an indexed bitmap";
        if (colours == 2) {
            EXPECT_EQ(bitmap.colorTable(), (QList<QRgb>{kWhite, kBlack})) << stem;
        }
        for (int s = 2; s <= scales; ++s)
            EXPECT_EQ(Load(stem, s).size(), size * s) << stem << " at " << s << "x";
    }
}

TEST(Marbles, AreBlackOutsideTheMasksDiscAt1xAndDrawnSmoothOverItsAreaAbove) {
    const QImage mask = Load("marble_mask", 1);
    for (const char* stem : kMarbles) {
        const QImage marble = Load(stem, 1);
        double discArea = 0;
        ForEachPixel(QRect(0, 0, 10, 10), [&](int x, int y) {
            // The OR blit leaves the board as it was only where the marble is black.
            EXPECT_EQ(marble.pixel(x, y) == kBlack, mask.pixel(x, y) == kWhite) << stem;
            discArea += mask.pixel(x, y) == kBlack;
        });
        for (int s : {2, 3}) {
            const QImage high = Load(stem, s);
            double area = 0;
            int partial = 0, unlikeTheirBlock = 0;
            ForEachPixel(QRect(0, 0, 10 * s, 10 * s), [&](int x, int y) {
                const int alpha = qAlpha(high.pixel(x, y));
                area += alpha / 255.0 / (s * s);
                partial += alpha > 0 && alpha < 255;
                unlikeTheirBlock += high.pixel(x, y) != high.pixel(x - x % s, y - y % s);
            });
            EXPECT_GT(partial, 0) << stem << " at " << s << "x has no smooth edge";
            EXPECT_GT(unlikeTheirBlock, 0) << stem << " at " << s << "x is the 1x blown up";
            EXPECT_NEAR(area, discArea, 2.0) << stem << " at " << s << "x";
        }
    }
}

TEST(PickCursor, HotSpotIsAnOpaquePixelAtTheFingertipAtEveryScale) {
    for (int s : kScales) {
        const QImage hand = Load(s == 1 ? "cursor_pick_mask" : "cursor_pick", s);
        auto alpha = [&](int x, int y) {
            return s == 1 ? (hand.pixel(x, y) == kBlack ? 255 : 0) : qAlpha(hand.pixel(x, y));
        };
        EXPECT_EQ(alpha(5 * s, 5 * s), 255) << s;
        int further = 0; // pixels of the hand further up and to the left
        ForEachPixel(QRect(0, 0, 5 * s, 5 * s), [&](int x, int y) { further += alpha(x, y) > 0; });
        EXPECT_EQ(further, 0) << s;
    }
}

// CIE 1976 colour difference of two sRGB colours, white point D65.
double ColourDifference(QRgb a, QRgb b) {
    auto lab = [](QRgb c) {
        // sRGB to XYZ, each row divided by the white point's own coordinate.
        const double m[3][3] = {
            {0.4339, 0.3762, 0.1899}, {0.2126, 0.7152, 0.0722}, {0.0177, 0.1095, 0.8728}};
        double rgb[3] = {qRed(c) / 255.0, qGreen(c) / 255.0, qBlue(c) / 255.0}, f[3];
        for (double& v : rgb)
            v = v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        for (int i = 0; i < 3; ++i) {
            const double t = m[i][0] * rgb[0] + m[i][1] * rgb[1] + m[i][2] * rgb[2];
            f[i] = t > 216.0 / 24389 ? std::cbrt(t) : t * 841 / 108 + 4.0 / 29;
        }
        return std::array<double, 3>{116 * f[1] - 16, 500 * (f[0] - f[1]), 200 * (f[1] - f[2])};
    };
    const std::array<double, 3> p = lab(a), q = lab(b);
    return std::hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]);
}

TEST(Boards, EachWellIsAFlatFloorWithItsRimOutsideAndTheLastMoveBarStandsOutAtEveryScale) {
    // The places' squares as the game draws them (x, y, height; 50 wide); the stores' wells go on
    // down to y = 116, room for three more lines of marbles below the square.
    const std::array<int, 3> wells[] = {{64, 64, 50},  {121, 64, 50}, {178, 64, 50}, {235, 64, 50},
                                        {292, 64, 50}, {349, 64, 50}, {406, 36, 80}, {349, 7, 50},
                                        {292, 7, 50},  {235, 7, 50},  {178, 7, 50},  {121, 7, 50},
                                        {64, 7, 50},   {7, 35, 81}};
    for (const char* stem : kBoards) {
        for (int s : kScales) {
            SCOPED_TRACE(std::string(stem) + " at " + std::to_string(s) + "x");
            const QImage board = Load(stem, s).convertToFormat(QImage::Format_RGB32);
            for (const auto& [wx, wy, height] : wells) {
                const QRgb floor = board.pixel(wx * s, wy * s);
                const QRect well(wx * s, wy * s, 50 * s, height * s);
                int wrong = 0; // floor outside the well, or anything else inside it
                ForEachPixel(well.adjusted(-1, -1, 1, 1), [&](int x, int y) {
                    wrong += (board.pixel(x, y) == floor) != well.contains(x, y);
                });
                EXPECT_EQ(wrong, 0) << "well at " << wx << ", " << wy;
            }
            // The bar covers rows 4 to 7 across a computer pit's 50 columns. Its red interior
            // must differ clearly from every pixel around the bar; a mid-red board differs by
            // about 40.
            double least = 1000;
            for (int pit = 0; pit < 6; ++pit) {
                const QRect bar((349 - 57 * pit) * s, 4 * s, 50 * s, 4 * s);
                ForEachPixel(bar.adjusted(-1, -1, 1, 1), [&](int x, int y) {
                    if (!bar.contains(x, y))
                        least = std::min(least, ColourDifference(board.pixel(x, y), kRed));
                });
            }
            EXPECT_GE(least, 50);
        }
    }
}

TEST(ResourcePaths, NameTheEmbeddedPictureOfEachScale) {
    for (int s : kScales) {
        EXPECT_EQ(QImage(BitmapResourcePath(IDB_MARBLE_BLUE, s)).size(), QSize(10, 10) * s);
        EXPECT_EQ(QImage(BitmapResourcePath(IDB_BOARD_RED, s)).size(), QSize(463, 122) * s);
        EXPECT_EQ(QImage(CursorResourcePath(s)).size(), QSize(32, 32) * s);
    }
    EXPECT_TRUE(BitmapResourcePath(IDB_MARBLE_MASK, 2).isEmpty()) << "the mask has 1x only";
    EXPECT_TRUE(BitmapResourcePath(IDB_MARBLE_YELLOW, 4).isEmpty());
}

} // namespace
