#include "res/bitmap_table.h"
#include "res/resource.h"
#include "ui/pictures.h"

#include <QBitmap>
#include <QCursor>
#include <QImage>
#include <gtest/gtest.h>

namespace {

TEST(Pictures, EveryBoardAndMarblePictureLoadsAtItsSize) {
    const int boards[] = {IDB_BOARD_DARK_MONO, IDB_BOARD_LIGHT_WOOD, IDB_BOARD_RED,
                          IDB_BOARD_PALE_BLUE, IDB_BOARD_LIGHT_MONO, IDB_BOARD_DARK_WOOD};
    const int marbles[] = {IDB_MARBLE_YELLOW, IDB_MARBLE_GREEN, IDB_MARBLE_RED,
                           IDB_MARBLE_PURPLE, IDB_MARBLE_AQUA,  IDB_MARBLE_BLUE};
    QImage image;
    for (int nId : boards) {
        ASSERT_EQ(LoadBitmapInto(image, nId), 1) << nId;
        EXPECT_EQ(image.size(), QSize(463, 122)) << nId;
    }
    for (int nId : marbles) {
        ASSERT_EQ(LoadBitmapInto(image, nId), 1) << nId;
        EXPECT_EQ(image.size(), QSize(10, 10)) << nId;
    }
    ASSERT_EQ(LoadBitmapInto(image, IDB_MARBLE_MASK), 1);
    EXPECT_EQ(image.size(), QSize(10, 10));
}

// The marble's two blits only work when every marble is black wherever the mask is white:
// the OR would otherwise tint the board around the disc.
TEST(Pictures, MarblesAreBlackOutsideTheMaskDisc) {
    QImage mask;
    ASSERT_EQ(LoadBitmapInto(mask, IDB_MARBLE_MASK), 1);
    int nDisc = 0;
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            const QRgb pixel = mask.pixel(x, y) & 0xffffff;
            ASSERT_TRUE(pixel == 0 || pixel == 0xffffff) << "mask is black or white only";
            nDisc += pixel == 0;
        }
    }
    EXPECT_GT(nDisc, 50);
    EXPECT_EQ(mask.pixel(0, 0) & 0xffffff, 0xffffffu);
    EXPECT_EQ(mask.pixel(4, 4) & 0xffffff, 0u);
    for (int nId : {IDB_MARBLE_YELLOW, IDB_MARBLE_GREEN, IDB_MARBLE_RED, IDB_MARBLE_PURPLE,
                    IDB_MARBLE_AQUA, IDB_MARBLE_BLUE}) {
        QImage marble;
        ASSERT_EQ(LoadBitmapInto(marble, nId), 1);
        for (int y = 0; y < 10; ++y) {
            for (int x = 0; x < 10; ++x) {
                if ((mask.pixel(x, y) & 0xffffff) == 0xffffff) {
                    ASSERT_EQ(marble.pixel(x, y) & 0xffffff, 0u) << nId << " (" << x << "," << y;
                }
            }
        }
        EXPECT_NE(marble.pixel(4, 4) & 0xffffff, 0u) << nId;
    }
}

TEST(Pictures, UnknownNumberLeavesTheHolderEmpty) {
    QImage image(5, 5, QImage::Format_RGB32);
    EXPECT_EQ(LoadBitmapInto(image, 999), 0);
    EXPECT_TRUE(image.isNull());
}

TEST(Pictures, HandCursorHasItsHotSpotAtTheFingertip) {
    QCursor* pCursor = LoadPickCursor();
    ASSERT_NE(pCursor, nullptr);
    EXPECT_EQ(pCursor->hotSpot(), QPoint(5, 5));
    EXPECT_EQ(pCursor->bitmap().size(), QSize(32, 32));
    EXPECT_EQ(pCursor->mask().size(), QSize(32, 32));
    delete pCursor;
}

TEST(Pictures, IconIs32By32) {
    const QImage icon(IconResourcePath());
    EXPECT_EQ(icon.size(), QSize(32, 32));
}

} // namespace
