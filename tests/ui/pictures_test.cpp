#include "res/resource.h"
#include "ui/pictures.h"

#include <QBitmap>
#include <QCursor>
#include <QImage>
#include <gtest/gtest.h>

namespace {

// The pictures' own content is checked where they are made; here, that each one reaches the
// program through the embedded resources at its size.
TEST(Pictures, EveryNumberedPictureAndTheHandLoadFromTheResources) {
    QImage image;
    for (int nId = IDB_BOARD_DARK_MONO; nId <= IDB_BOARD_DARK_WOOD; ++nId) {
        ASSERT_EQ(LoadBitmapInto(image, nId), 1) << nId;
        EXPECT_EQ(image.size(), QSize(463, 122)) << nId;
    }
    for (int nId = IDB_MARBLE_YELLOW; nId <= IDB_MARBLE_BLUE; ++nId) {
        ASSERT_EQ(LoadBitmapInto(image, nId), 1) << nId;
        EXPECT_EQ(image.size(), QSize(10, 10)) << nId;
    }
    EXPECT_EQ(LoadBitmapInto(image, 999), 0);
    EXPECT_TRUE(image.isNull());

    QCursor* pCursor = LoadPickCursor();
    ASSERT_NE(pCursor, nullptr);
    EXPECT_EQ(pCursor->hotSpot(), QPoint(5, 5));
    EXPECT_EQ(pCursor->bitmap().size(), QSize(32, 32));
    // Opaque where the hand is: the mask's centre of the palm is set, its corner is not.
    const QImage mask = pCursor->mask().toImage();
    EXPECT_NE(mask.pixelIndex(0, 0), mask.pixelIndex(12, 16));
    delete pCursor;
}

} // namespace
