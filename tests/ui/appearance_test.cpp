#include "view/ravelo2_view.h"
#include "res/resource.h"
#include "ui/command_menu.h"
#include "ui/pictures.h"

#include <QAction>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

struct Choice {
    int nCommand;
    int nBitmap;
    int nIndex;
};

// Each choice with the picture it loads and the index that drives its check mark.
constexpr Choice kBoards[] = {
    {ID_BOARD_LIGHT_MONO, IDB_BOARD_LIGHT_MONO, 4}, {ID_BOARD_DARK_MONO, IDB_BOARD_DARK_MONO, 0},
    {ID_BOARD_LIGHT_WOOD, IDB_BOARD_LIGHT_WOOD, 1}, {ID_BOARD_DARK_WOOD, IDB_BOARD_DARK_WOOD, 5},
    {ID_BOARD_PALE_BLUE, IDB_BOARD_PALE_BLUE, 3},   {ID_BOARD_RED, IDB_BOARD_RED, 2},
};
constexpr Choice kMarbles[] = {
    {ID_MARBLE_RED, IDB_MARBLE_RED, 0},       {ID_MARBLE_BLUE, IDB_MARBLE_BLUE, 2},
    {ID_MARBLE_YELLOW, IDB_MARBLE_YELLOW, 1}, {ID_MARBLE_GREEN, IDB_MARBLE_GREEN, 3},
    {ID_MARBLE_AQUA, IDB_MARBLE_AQUA, 4},     {ID_MARBLE_PURPLE, IDB_MARBLE_PURPLE, 5},
};

QImage Loaded(int nBitmap) {
    QImage image;
    LoadBitmapInto(image, nBitmap);
    return image;
}

class AppearanceTest : public ::testing::Test {
protected:
    void SetUp() override {
        LoadBitmapInto(g_bmpMarbleMask, IDB_MARBLE_MASK);
        LoadBitmapInto(g_bmpMarble, IDB_MARBLE_YELLOW);
        LoadBitmapInto(g_bmpBoard, IDB_BOARD_LIGHT_WOOD);
        ASSERT_EQ(m_view.OnCreate(), 0);
        m_view.KillTimerForTest();
        m_menu.Build(&m_menuBar);
        m_menu.SetRoute({&m_view});
    }

    // The check marks of one popup after it has been asked, as its opening does.
    std::vector<int> CheckedIds(int nPopup) {
        QMenu* pPopup = m_menu.Popups().at(static_cast<std::size_t>(nPopup));
        m_menu.UpdatePopup(pPopup);
        std::vector<int> ids;
        for (QAction* pAction : pPopup->actions()) {
            EXPECT_TRUE(pAction->isEnabled());
            if (pAction->isChecked())
                ids.push_back(pAction->data().toInt());
        }
        return ids;
    }

    QImage Paint() {
        QImage image(470, 128, QImage::Format_RGB32);
        QPainter painter(&image);
        m_view.OnDraw(&painter);
        return image;
    }

    CRavelo2View m_view;
    QMenuBar m_menuBar;
    CCommandMenu m_menu;
};

constexpr int kBoardPopup = 2;
constexpr int kMarblePopup = 3;

TEST_F(AppearanceTest, LightWoodAndYellowAreCheckedAtStart) {
    EXPECT_EQ(CheckedIds(kBoardPopup), std::vector<int>{ID_BOARD_LIGHT_WOOD});
    EXPECT_EQ(CheckedIds(kMarblePopup), std::vector<int>{ID_MARBLE_YELLOW});
}

TEST_F(AppearanceTest, EachBoardChoiceLoadsItsPictureAndMovesTheCheck) {
    for (const Choice& choice : kBoards) {
        m_menu.FindAction(choice.nCommand)->trigger();
        EXPECT_EQ(m_view.BoardStyle(), choice.nIndex);
        EXPECT_FALSE(g_bmpBoard.isNull());
        EXPECT_EQ(g_bmpBoard, Loaded(choice.nBitmap)) << choice.nCommand;
        EXPECT_EQ(CheckedIds(kBoardPopup), std::vector<int>{choice.nCommand});
        EXPECT_EQ(CheckedIds(kMarblePopup), std::vector<int>{ID_MARBLE_YELLOW});
        // The next paint shows the new board at the origin.
        const QImage image = Paint();
        EXPECT_EQ(image.pixel(0, 0), g_bmpBoard.pixel(0, 0));
        EXPECT_EQ(image.pixel(462, 121), g_bmpBoard.pixel(462, 121));
    }
}

TEST_F(AppearanceTest, EachMarbleChoiceRecoloursEveryMarbleInTheNextPaint) {
    for (const Choice& choice : kMarbles) {
        m_menu.FindAction(choice.nCommand)->trigger();
        EXPECT_EQ(m_view.MarbleColor(), choice.nIndex);
        EXPECT_FALSE(g_bmpMarble.isNull());
        EXPECT_EQ(g_bmpMarble, Loaded(choice.nBitmap)) << choice.nCommand;
        EXPECT_EQ(CheckedIds(kMarblePopup), std::vector<int>{choice.nCommand});
        EXPECT_EQ(CheckedIds(kBoardPopup), std::vector<int>{ID_BOARD_LIGHT_WOOD});
        // The centre of every marble shows the marble picture's own centre.
        const QImage image = Paint();
        const QRgb centre = g_bmpMarble.pixel(4, 4);
        for (int nPit = 0; nPit < 6; ++nPit) {
            for (int k = 0; k < 4; ++k) {
                EXPECT_EQ(image.pixel(64 + 57 * nPit + 10 * k + 4, 64 + 4), centre);
                EXPECT_EQ(image.pixel(349 - 57 * nPit + 10 * k + 4, 7 + 4), centre);
            }
        }
    }
}

} // namespace
