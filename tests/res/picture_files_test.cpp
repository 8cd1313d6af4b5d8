// The pictures the build draws, read as the game reads them: every file with its size and colour
// table, the marbles against their mask and the hand's hot spot.
#include <QImage>
#include <QRect>
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF, kBlack = 0xFF000000;
const char* const kMarbles[] = {"marble_yellow", "marble_green", "marble_red",
                                "marble_purple", "marble_aqua",  "marble_blue"};
const char* const kBoards[] = {"board_dark_mono", "board_light_wood", "board_red",
                               "board_pale_blue", "board_light_mono", "board_dark_wood"};

QImage Load(const std::string& stem) {
    return QImage(QString::fromStdString(RAVELO2_PICTURES_DIR "/" + stem + ".bmp"));
}

// Calls pixel(x, y) for each pixel of the rectangle, row by row.
template <typename Fn> void ForEachPixel(const QRect& r, Fn pixel) {
    for (int i = 0; i < r.width() * r.height(); ++i)
        pixel(r.x() + i % r.width(), r.y() + i / r.width());
}

TEST(PictureFiles, EachHasItsSizeAndColourTable) {
    // Stem, size, colours in the bitmap's table.
    std::vector<std::tuple<std::string, QSize, int>> pictures = {{"cursor_pick", {32, 32}, 2},
                                                                 {"cursor_pick_mask", {32, 32}, 2},
                                                                 {"marble_mask", {10, 10}, 2},
                                                                 {"app_icon", {32, 32}, 16}};
    for (const char* board : kBoards)
        pictures.push_back({board, {463, 122}, 256});
    for (const char* marble : kMarbles)
        pictures.push_back({marble, {10, 10}, 16});
    for (const auto& [stem, size, colours] : pictures) {
        const QImage bitmap = Load(stem);
        EXPECT_EQ(bitmap.size(), size) << stem;
        EXPECT_EQ(bitmap.colorCount(), colours) << stem << ": not an indexed bitmap";
        if (colours == 2) {
            EXPECT_EQ(bitmap.colorTable(), (QList<QRgb>{kWhite, kBlack})) << stem;
        }
    }
}

TEST(Marbles, AreBlackExactlyOutsideTheMasksDisc) {
    const QImage mask = Load("marble_mask");
    for (const char* stem : kMarbles) {
        const QImage marble = Load(stem);
        ForEachPixel(QRect(0, 0, 10, 10), [&](int x, int y) {
            // The OR blit leaves the board as it was only where the marble is black.
            EXPECT_EQ(marble.pixel(x, y) == kBlack, mask.pixel(x, y) == kWhite) << stem;
        });
    }
}

TEST(PickCursor, HotSpotIsAnOpaquePixelAtTheFingertip) {
    const QImage mask = Load("cursor_pick_mask");
    EXPECT_EQ(mask.pixel(5, 5), kBlack);
    int further = 0; // pixels of the hand further up and to the left
    ForEachPixel(QRect(0, 0, 5, 5), [&](int x, int y) { further += mask.pixel(x, y) == kBlack; });
    EXPECT_EQ(further, 0);
}

} // namespace
