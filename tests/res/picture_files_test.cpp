// The pictures the build draws, read from the embedded resources as the game reads them: every
// picture at every scale, the boards' wells and the last-move bar on them, the marbles against
// their mask and the hand's hot spot.
#include "res/bitmap_table.h"
#include "res/resource.h"
#include "ui/board_layout.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF, kBlack = 0xFF000000;
constexpr int kMarbles[] = {IDB_MARBLE_YELLOW, IDB_MARBLE_GREEN, IDB_MARBLE_RED,
                            IDB_MARBLE_PURPLE, IDB_MARBLE_AQUA,  IDB_MARBLE_BLUE};

// The picture of a number at a scale; IDC_PICK stands for the hand.
QImage Picture(int id, int scale) {
    return QImage(id == IDC_PICK ? CursorResourcePath(scale) : BitmapResourcePath(id, scale));
}

// The sum of f(x, y) over the pixels of the rectangle; for a test, how many pass it.
template <typename Fn> double Sum(const QRect& r, Fn f) {
    double sum = 0;
    for (int i = 0; i < r.width() * r.height(); ++i)
        sum += f(r.x() + i % r.width(), r.y() + i / r.width());
    return sum;
}

TEST(Pictures, HaveTheirSizeAtEachScaleDrawnAndTheBitmapsTheirColourTables) {
    // Number, logical size, colours in the 1x bitmap's table, and the highest scale drawn.
    std::vector<std::tuple<int, QSize, int, int>> pictures = {{IDC_PICK, {32, 32}, 2, 3},
                                                              {IDB_MARBLE_MASK, {10, 10}, 2, 1}};
    for (int id = IDB_BOARD_DARK_MONO; id <= IDB_BOARD_DARK_WOOD; ++id)
        pictures.push_back({id, {463, 122}, 256, 3});
    for (int id : kMarbles)
        pictures.push_back({id, {10, 10}, 16, 3});
    for (const auto& [id, size, colours, scales] : pictures) {
        EXPECT_EQ(Picture(id, 1).colorCount(), colours) << id << ": not an indexed bitmap";
        if (colours == 2) {
            EXPECT_EQ(Picture(id, 1).colorTable(), (QList<QRgb>{kWhite, kBlack})) << id;
        }
        for (int s = 1; s <= 4; ++s) // no file above the highest scale
            EXPECT_EQ(Picture(id, s).size(), size * (s <= scales ? s : 0)) << id << " at " << s;
    }
    EXPECT_EQ(QImage(IconResourcePath()).colorCount(), 16);
    EXPECT_EQ(QImage(IconResourcePath()).size(), QSize(32, 32));
}

TEST(Marbles, AreBlackOutsideTheMasksDiscAt1xAndDrawnSmoothOverItsAreaAbove) {
    const QImage mask = Picture(IDB_MARBLE_MASK, 1);
    const double disc = Sum(mask.rect(), [&](int x, int y) { return mask.pixel(x, y) == kBlack; });
    for (int id : kMarbles) {
        // The OR blit leaves the board as it was only where the marble is black.
        EXPECT_EQ(Picture(id, 1).createMaskFromColor(kBlack), mask.createMaskFromColor(kWhite))
            << id;
        for (int s : {2, 3}) {
            const QImage high = Picture(id, s);
            const double area =
                Sum(high.rect(), [&](int x, int y) { return qAlpha(high.pixel(x, y)); });
            // Pixels partly covered and unlike their block's corner: a smooth edge drawn at this
            // density, not the 1x marble blown up.
            const double smooth = Sum(high.rect(), [&](int x, int y) {
                const QRgb p = high.pixel(x, y);
                return qAlpha(p) % 255 != 0 && p != high.pixel(x - x % s, y - y % s);
            });
            EXPECT_GT(smooth, 0) << id << " at " << s << "x";
            EXPECT_NEAR(area / 255 / (s * s), disc, 2.0) << id << " at " << s << "x";
        }
    }
}

TEST(PickCursor, HotSpotIsAnOpaquePixelAtTheFingertipAtEveryScale) {
    for (int s : {1, 2, 3}) {
        // At 1x the mask tells: black where the hand is opaque.
        const QImage hand = s == 1 ? QImage(CursorMaskResourcePath()) : Picture(IDC_PICK, s);
        auto alpha = [&](QRgb p) { return s == 1 ? 255 - qRed(p) : qAlpha(p); };
        EXPECT_EQ(alpha(hand.pixel(5 * s, 5 * s)), 255) << s;
        const QRect further(0, 0, 5 * s, 5 * s); // up and to the left of the fingertip
        EXPECT_EQ(Sum(further, [&](int x, int y) { return alpha(hand.pixel(x, y)) > 0; }), 0) << s;
    }
}

// CIE 1976 colour difference of an sRGB colour from the bar's pure red (L* 53.24, a* 80.09,
// b* 67.20), white point D65.
double DifferenceFromRed(QRgb c) {
    double v[3] = {qRed(c) / 255.0, qGreen(c) / 255.0, qBlue(c) / 255.0}, f[3];
    for (double& u : v)
        u = u <= 0.04045 ? u / 12.92 : std::pow((u + 0.055) / 1.055, 2.4);
    // sRGB to XYZ, each row divided by the white point's own coordinate.
    const double m[3][3] = {
        {0.4339, 0.3762, 0.1899}, {0.2126, 0.7152, 0.0722}, {0.0177, 0.1095, 0.8728}};
    for (int i = 0; i < 3; ++i) {
        const double t = m[i][0] * v[0] + m[i][1] * v[1] + m[i][2] * v[2];
        f[i] = t > 216.0 / 24389 ? std::cbrt(t) : t * 841 / 108 + 4.0 / 29;
    }
    return std::hypot(116 * f[1] - 16 - 53.24, 500 * (f[0] - f[1]) - 80.09,
                      200 * (f[1] - f[2]) - 67.20);
}

TEST(Boards, EachWellIsAFlatFloorWithItsRimOutsideAndTheLastMoveBarStandsOutAtEveryScale) {
    // The places' squares as the game draws them; the stores' wells go on down, room for three
    // more lines of marbles below the square.
    std::vector<QRect> wells;
    for (int nPlace = 0; nPlace < 14; ++nPlace) {
        const board_layout::Rect w = board_layout::WellOf(nPlace / 7, nPlace % 7);
        wells.push_back(QRect(QPoint(w.x0, w.y0), QPoint(w.x1 - 1, w.y1 - 1)));
    }
    for (int id = IDB_BOARD_DARK_MONO; id <= IDB_BOARD_DARK_WOOD; ++id) {
        for (int s : {1, 2, 3}) {
            SCOPED_TRACE(testing::Message() << "board " << id << " at " << s << "x");
            const QImage board = Picture(id, s).convertToFormat(QImage::Format_RGB32);
            for (const QRect& w : wells) {
                const QRect well(w.topLeft() * s, w.size() * s);
                // Floor outside the well, or anything else inside it.
                const double wrong = Sum(well.adjusted(-1, -1, 1, 1), [&](int x, int y) {
                    return (board.pixel(x, y) == board.pixel(well.topLeft())) !=
                           well.contains(x, y);
                });
                EXPECT_EQ(wrong, 0) << "well at " << w.x() << ", " << w.y();
            }
            // The last-move bar covers rows 4 to 7 over the computer's pits: what lies around it
            // must differ clearly from its red, as a mid-red board (about 40) does not.
            const double close = Sum(QRect(0, 4 * s - 1, 463 * s, 4 * s + 2), [&](int x, int y) {
                return DifferenceFromRed(board.pixel(x, y)) < 50;
            });
            EXPECT_EQ(close, 0);
        }
    }
}

} // namespace
