#include "view/ravelo2_view.h"
#include "test_pictures.h"
#include "ui/board_drawing.h"
#include "ui/board_geometry.h"
#include "ui/pictures.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kRed = 0xffff0000;

QImage Paint(CRavelo2View& view) {
    QImage image(kBoardWidth, kBoardHeight, QImage::Format_RGB32);
    image.fill(qRgb(255, 0, 255));
    QPainter painter(&image);
    view.OnDraw(&painter);
    return image;
}

// Every pixel of the marble square at (x, y): the marble's colour on the disc, the board
// around it (pixels outside the image are not looked at).
::testing::AssertionResult MarbleAt(const QImage& image, int x, int y) {
    for (int dy = 0; dy < 10; ++dy) {
        for (int dx = 0; dx < 10; ++dx) {
            const int px = x + dx;
            const int py = y + dy;
            if (!image.rect().contains(px, py))
                continue;
            const QRgb ground = px < 463 && py < 122 ? CTestPictures::BoardPixel(px, py) : kBlack;
            const QRgb expected =
                CTestPictures::OnDisc(dx, dy) ? CTestPictures::kMarbleColour : ground;
            if (image.pixel(px, py) != expected)
                return ::testing::AssertionFailure()
                       << "pixel (" << px << ", " << py << ") is " << std::hex
                       << image.pixel(px, py) << ", expected " << expected;
        }
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult BoardOnly(const QImage& image, int x, int y, int w, int h) {
    for (int py = y; py < y + h; ++py) {
        for (int px = x; px < x + w; ++px) {
            if (image.pixel(px, py) != CTestPictures::BoardPixel(px, py))
                return ::testing::AssertionFailure() << "pixel (" << px << ", " << py << ")";
        }
    }
    return ::testing::AssertionSuccess();
}

class DrawingTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(m_view.OnCreate(), 0);
        m_view.KillTimerForTest();
    }

    // Only the place (nRow, nIndex) holds marbles.
    void PutOnly(int nRow, int nIndex, int nCount) {
        Position position = {};
        position[nRow][nIndex] = nCount;
        m_view.Board().SetPosition(position);
    }

    CTestPictures m_pictures;
    CRavelo2View m_view;
};

TEST_F(DrawingTest, BoardAtTheOriginAndBlackStripsRightAndBelow) {
    PutOnly(0, 0, 0);
    const QImage image = Paint(m_view);
    EXPECT_TRUE(BoardOnly(image, 0, 0, 463, 122));
    for (int y = 0; y < kBoardHeight; ++y) {
        for (int x = 0; x < kBoardWidth; ++x) {
            if (x >= 463 || y >= 122) {
                ASSERT_EQ(image.pixel(x, y), kBlack) << "(" << x << ", " << y << ")";
            }
        }
    }
}

TEST_F(DrawingTest, StartPositionHasFourMarblesInEachPitAndEmptyStores) {
    const QImage image = Paint(m_view);
    for (int nRow = 0; nRow < 2; ++nRow) {
        for (int nIndex = 0; nIndex < 6; ++nIndex) {
            int x0 = 0;
            int y0 = 0;
            GetPitOrigin(nRow, nIndex, x0, y0);
            for (int k = 0; k < 4; ++k)
                EXPECT_TRUE(MarbleAt(image, x0 + 10 * k, y0)) << nRow << "/" << nIndex;
            EXPECT_TRUE(BoardOnly(image, x0 + 40, y0, 10, 10));
            EXPECT_TRUE(BoardOnly(image, x0, y0 + 10, 50, 40));
        }
        int x0 = 0;
        int y0 = 0;
        GetPitOrigin(nRow, 6, x0, y0);
        EXPECT_TRUE(BoardOnly(image, x0, y0, 50, 50)) << "store of row " << nRow;
    }
}

// The marbles of a place run in lines of five from the square's corner, and go on below the
// square without limit.
TEST_F(DrawingTest, MarblesFillLinesOfFiveAndOverflowDownwards) {
    struct Case {
        int nRow, nIndex, nCount;
    };
    const Case cases[] = {{0, 2, 1}, {0, 2, 5}, {0, 2, 6}, {1, 3, 25}, {1, 3, 26}, {0, 6, 12}};
    for (const Case& c : cases) {
        PutOnly(c.nRow, c.nIndex, c.nCount);
        const QImage image = Paint(m_view);
        int x0 = 0;
        int y0 = 0;
        GetPitOrigin(c.nRow, c.nIndex, x0, y0);
        for (int k = 0; k < c.nCount; ++k) {
            EXPECT_TRUE(MarbleAt(image, x0 + 10 * (k % 5), y0 + 10 * (k / 5)))
                << c.nCount << " marbles, marble " << k;
        }
        // The place right after the last marble is still board.
        const int k = c.nCount;
        EXPECT_TRUE(BoardOnly(image, x0 + 10 * (k % 5), y0 + 10 * (k / 5), 10, 10))
            << c.nCount << " marbles";
    }
}

TEST_F(DrawingTest, TwentySixthMarbleLiesBelowTheSquare) {
    PutOnly(1, 3, 26);
    const QImage image = Paint(m_view);
    EXPECT_TRUE(MarbleAt(image, 178, 7 + 50));
    EXPECT_TRUE(BoardOnly(image, 188, 57, 10, 10));
}

TEST_F(DrawingTest, FortyEightMarblesInAComputerPitReachOverTheUserSquare) {
    PutOnly(1, 0, 48);
    const QImage image = Paint(m_view);
    // Ten lines, the last three marbles of the tenth line from y = 97 to 106.
    for (int k = 45; k < 48; ++k)
        EXPECT_TRUE(MarbleAt(image, 349 + 10 * (k % 5), 97));
    EXPECT_TRUE(BoardOnly(image, 349 + 30, 97, 20, 10));
    EXPECT_TRUE(BoardOnly(image, 349, 107, 50, 7));
}

TEST_F(DrawingTest, FortyEightMarblesInTheUserStoreAreCutByTheImage) {
    PutOnly(0, 6, 48);
    const QImage image = Paint(m_view);
    // The tenth line starts at y = 126: its top two rows cover the black bottom strip.
    EXPECT_EQ(image.pixel(406 + 4, 126), CTestPictures::kMarbleColour);
    EXPECT_EQ(image.pixel(406 + 4, 127), CTestPictures::kMarbleColour);
    EXPECT_EQ(image.pixel(406 + 24, 126), CTestPictures::kMarbleColour);
    EXPECT_EQ(image.pixel(406 + 34, 126), kBlack); // no 49th marble
    EXPECT_TRUE(MarbleAt(image, 406 + 20, 116));
}

TEST_F(DrawingTest, WithoutPicturesNothingIsDrawnButTheBlackGround) {
    g_bmpBoard = QImage();
    g_bmpMarble = QImage();
    g_bmpMarbleMask = QImage();
    const QImage image = Paint(m_view);
    for (int y = 0; y < kBoardHeight; y += 3) {
        for (int x = 0; x < kBoardWidth; x += 3)
            ASSERT_EQ(image.pixel(x, y), kBlack);
    }
}

// The marker: a 50 x 4 bar across the top edge of the square, black outline, red inside.
TEST(LastMoveMarker, OutlineAndRedInteriorOverTheSquaresTopEdge) {
    struct Case {
        int nPit, nRow;
    };
    for (const Case c : {Case{0, 1}, Case{5, 1}, Case{3, 0}}) {
        CGameBoard board;
        board.NewGame();
        board.RecordMove(c.nPit, c.nRow, 4);
        QImage image(kBoardWidth, kBoardHeight, QImage::Format_RGB32);
        const QRgb kGround = qRgb(10, 200, 30);
        image.fill(kGround);
        {
            QPainter painter(&image);
            board.DrawLastMove(&painter);
        }
        int x = 0;
        int y = 0;
        GetPitOrigin(c.nRow, c.nPit, x, y);
        for (int py = y - 5; py <= y + 2; ++py) {
            for (int px = x - 2; px <= x + 52; ++px) {
                QRgb expected = kGround;
                if (px >= x && px < x + 50 && py >= y - 3 && py <= y) {
                    const bool bEdge = px == x || px == x + 49 || py == y - 3 || py == y;
                    expected = bEdge ? kBlack : kRed;
                }
                ASSERT_EQ(image.pixel(px, py), expected)
                    << "pit " << c.nPit << " row " << c.nRow << " (" << px << ", " << py << ")";
            }
        }
    }
}

TEST(LastMoveMarker, EmptyHistoryDrawsNothing) {
    CGameBoard board;
    board.NewGame();
    QImage image(kBoardWidth, kBoardHeight, QImage::Format_RGB32);
    image.fill(qRgb(1, 2, 3));
    const QImage before = image;
    {
        QPainter painter(&image);
        board.DrawLastMove(&painter);
    }
    EXPECT_EQ(image, before);
}

TEST(ProgressText, RightAlignedInThreePlacesWithFullWidthPercent) {
    EXPECT_EQ(FormatProgress(0), QString::fromUtf8("  0％"));
    EXPECT_EQ(FormatProgress(7), QString::fromUtf8("  7％"));
    EXPECT_EQ(FormatProgress(42), QString::fromUtf8(" 42％"));
    EXPECT_EQ(FormatProgress(100), QString::fromUtf8("100％"));
    CGameBoard board;
    board.NewGame();
    EXPECT_EQ(board.GetProgressText(), QString::fromUtf8("  0％"));
}

} // namespace
