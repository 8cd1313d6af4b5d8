#include "app/main_frame.h"
#include "app/ravelo2_app.h"
#include "app/ravelo2_doc.h"
#include "view/ravelo2_view.h"
#include "message_recorder.h"
#include "res/resource.h"
#include "shell_fixture.h"
#include "ui/command_menu.h"
#include "ui/pictures.h"
#include "ui/status_bar.h"
#include "ui/wait_cursor.h"

#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QStatusTipEvent>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

// The window tests use the whole program, as the menu and help tests do.
using FrameTest = ShellTest;

TEST_F(FrameTest, TitleIsRavelo2WithCloseButtonAndNoSizing) {
    EXPECT_EQ(m_pFrame->windowTitle(), QStringLiteral("Ravelo2"));
    EXPECT_TRUE(m_pFrame->isVisible());
    const Qt::WindowFlags flags = m_pFrame->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowTitleHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(m_pFrame->windowIcon().isNull());
    EXPECT_EQ(m_pFrame->minimumSize(), m_pFrame->maximumSize());
    // A new document leaves the title as it was.
    m_app.OnFileNew();
    EXPECT_EQ(m_pFrame->windowTitle(), QStringLiteral("Ravelo2"));
}

TEST_F(FrameTest, ClientAreaIsMenuBarViewAndStatusBar) {
    EXPECT_EQ(m_pFrame->centralWidget(), m_pView);
    EXPECT_EQ(m_pView->size(), QSize(470, 128));
    EXPECT_EQ(m_pView->minimumSize(), m_pView->maximumSize());
    const int nExpected =
        m_pFrame->menuBar()->sizeHint().height() + 128 + StatusBar()->sizeHint().height();
    EXPECT_EQ(m_pFrame->height(), nExpected);
    EXPECT_EQ(m_pFrame->width(), 470);
    EXPECT_TRUE(m_pView->testAttribute(Qt::WA_OpaquePaintEvent));
}

TEST_F(FrameTest, IndicatorsShowUntilTheViewFirstPaints) {
    ASSERT_EQ(StatusBar()->GetPaneCount(), 3);
    EXPECT_EQ(StatusBar()->GetPaneText(0), U("ラヴェロへようこそ"));
    // The window is shown but no paint has run yet on the offscreen platform.
    EXPECT_EQ(StatusBar()->GetPaneText(1), U("人間側とコンピュータ."));
    EXPECT_EQ(StatusBar()->GetPaneText(2), U("---％"));

    const int nTurnWidth = StatusBar()->GetPaneWidth(1);
    const int nProgressWidth = StatusBar()->GetPaneWidth(2);
    const QFontMetrics metrics(StatusBar()->font());
    EXPECT_GE(nTurnWidth, metrics.horizontalAdvance(U("人間側とコンピュータ.")));
    EXPECT_GE(nProgressWidth, metrics.horizontalAdvance(U("---％")));
    EXPECT_LT(nProgressWidth, nTurnWidth);

    m_pView->grab(); // a real paint of the view
    EXPECT_EQ(StatusBar()->GetPaneText(1), U("あなたの番です"));
    EXPECT_EQ(StatusBar()->GetPaneText(2), U("---％"));
    EXPECT_EQ(StatusBar()->GetPaneWidth(1), nTurnWidth);
    EXPECT_EQ(StatusBar()->GetPaneWidth(2), nProgressWidth);
}

// The menu bar as the user reads it, with each item's command number.
TEST_F(FrameTest, MenuBarReadsGameLevelBoardMarbleHelp) {
    QStringList lines;
    for (QMenu* pPopup : m_pFrame->GetCommandMenu()->Popups()) {
        QStringList items;
        for (QAction* pAction : pPopup->actions()) {
            items << (pAction->isSeparator()
                          ? QStringLiteral("-")
                          : pAction->text() + QLatin1Char('=') + pAction->data().toString());
        }
        lines << pPopup->title() + QStringLiteral(": ") + items.join(QLatin1Char(' '));
    }
    const QStringList expected = {
        U("ゲーム(&F): 先手で新規ゲーム(&N)=32775 後手で新規ゲーム(&C)=32776 - "
          "ちょっと待った！=32777 - "
          "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)=57665"),
        U("思考レベル(&L): 初心者向け=32771 普通の人向け=32772 玄人向け=32773 仙人向け=32774"),
        U("ボード: 明るいモノクロ=32789 暗いモノクロ=32785 明るい木目=32786 暗い木目=32790 "
          "淡い水色=32788 厳しい赤=32787"),
        U("ビー玉: 赤=32779 青=32780 黄=32781 緑=32782 水=32783 紫=32784"),
        U("ヘルプ(&H): Ravelo2 のﾊﾞｰｼﾞｮﾝ情報(&A)...=57664 説明(&H)=32778"),
    };
    EXPECT_EQ(lines, expected);
}

TEST_F(FrameTest, QuitCommandClosesTheWindow) {
    EXPECT_EQ(m_pFrame->GetCommandMenu()->Execute(ID_APP_EXIT), 1);
    EXPECT_FALSE(m_pFrame->isVisible());
}

TEST(AppExit, ExitCodeIsOneAndPicturesAreDropped) {
    CRavelo2App app;
    ASSERT_EQ(app.InitInstance(CCommandLineInfo{}), 1);
    EXPECT_FALSE(g_bmpBoard.isNull());
    EXPECT_FALSE(g_bmpMarble.isNull());
    EXPECT_FALSE(g_bmpMarbleMask.isNull());
    ASSERT_NE(g_hcurPick, nullptr);
    ASSERT_NE(g_hcurArrow, nullptr);
    app.GetMainWnd()->close();
    EXPECT_EQ(app.ExitInstance(), 1);
    EXPECT_TRUE(g_bmpBoard.isNull());
    EXPECT_TRUE(g_bmpMarble.isNull());
    EXPECT_TRUE(g_bmpMarbleMask.isNull());
    EXPECT_EQ(app.GetMainWnd(), nullptr);
}

std::atomic<int> g_bHold{0};

void HoldWorker(CGameBoard* pBoard) {
    while (g_bHold.load() && !pBoard->IsStopRequested())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

TEST(AppExit, ExitCodeIsOneAlsoWhileTheComputerThinks) {
    CRavelo2App app;
    ASSERT_EQ(app.InitInstance(CCommandLineInfo{}), 1);
    CRavelo2View* pView = app.GetMainWnd()->GetActiveView();
    pView->KillTimerForTest();
    g_bHold = 1;
    CRavelo2View::SetWorkerHookForTest(&HoldWorker);
    pView->OnLButtonDown(89, 89); // pit 0: four marbles, the computer's turn follows
    pView->OnLButtonUp(89, 89);
    ASSERT_EQ(pView->IsWorkerRunning(), 1);
    app.GetMainWnd()->close();
    // Held until stopped: only the stop request that closing sends lets the thread end.
    EXPECT_EQ(app.ExitInstance(), 1);
    EXPECT_EQ(WaitCursorCount(), 0);
    CRavelo2View::SetWorkerHookForTest(nullptr);
    g_bHold = 0;
}

TEST(AppStart, PicturesOfTheStartAreLightWoodAndYellow) {
    CRavelo2App app;
    ASSERT_EQ(app.InitInstance(CCommandLineInfo{}), 1);
    QImage board;
    QImage marble;
    LoadBitmapInto(board, IDB_BOARD_LIGHT_WOOD);
    LoadBitmapInto(marble, IDB_MARBLE_YELLOW);
    EXPECT_EQ(g_bmpBoard, board);
    EXPECT_EQ(g_bmpMarble, marble);
    EXPECT_EQ(app.ExitInstance(), 1);
}

} // namespace
