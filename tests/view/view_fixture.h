#pragma once

#include "message_recorder.h"
#include "res/resource.h"
#include "support/positions.h"
#include "ui/command_menu.h"
#include "ui/pictures.h"
#include "ui/status_bar.h"
#include "ui/wait_cursor.h"
#include "view/ravelo2_view.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTest>
#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

using namespace testing_support;

// The view in a window with the game's status bar and menu, on the offscreen platform. The real
// timer is stopped, so only the tests' calls of OnTimer step the turn controller; boxes go to a
// recorder; while s_bHold is set a starting worker waits before it thinks, until released or
// stopped.
class ViewTest : public ::testing::Test {
protected:
    ViewTest() {
        LoadBitmapInto(g_bmpMarbleMask, IDB_MARBLE_MASK);
        LoadBitmapInto(g_bmpMarble, IDB_MARBLE_YELLOW);
        LoadBitmapInto(g_bmpBoard, IDB_BOARD_LIGHT_WOOD);
        LoadCursors();
        m_pStatusBar = new CStatusBar(&m_window);
        m_pStatusBar->SetIndicators(kIndicators, 3);
        m_window.setStatusBar(m_pStatusBar);
        m_pView = new CRavelo2View(&m_window);
        m_window.setCentralWidget(m_pView);
        EXPECT_EQ(m_pView->OnCreate(), 0);
        m_pView->KillTimerForTest();
        m_menu.Build(m_window.menuBar());
        m_menu.SetRoute({m_pView});
        m_window.show();
        s_bHold = 0;
        CRavelo2View::SetWorkerHookForTest([](CGameBoard* pBoard) {
            while (s_bHold.load() && !pBoard->IsStopRequested())
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        });
    }
    ~ViewTest() override {
        s_bHold = 0;
        delete m_pView; // a worker still running is stopped here
        CRavelo2View::SetWorkerHookForTest(nullptr);
        EXPECT_EQ(WaitCursorCount(), 0) << "every busy cursor has ended";
    }

    static QString U(const char* psz) { return QString::fromUtf8(psz); }
    static QPoint PitPoint(int nPit) { return QPoint(64 + 57 * nPit + 25, 89); }
    // A press and a release dx, dy away from it.
    void Click(QPoint point, int dx = 0, int dy = 0) {
        QTest::mousePress(m_pView, Qt::LeftButton, Qt::NoModifier, point);
        QTest::mouseRelease(m_pView, Qt::LeftButton, Qt::NoModifier, point + QPoint(dx, dy));
    }
    void ClickPit(int nPit) { Click(PitPoint(nPit)); }
    void Tick() { m_pView->OnTimer(); }
    void AwaitWorker() { m_pView->WaitForWorkerForTest(); }
    void Release() {
        s_bHold = 0;
        AwaitWorker();
    }
    // A game in progress at this position, the user to move.
    void Put(const Line& line) { PutPosition(m_pView->Board(), line, 1); }
    Line Shown() const { return Snapshot(m_pView->Board(), true); }
    Line Live() const { return Snapshot(m_pView->Board()); }
    QString Pane(int nIndex) const { return m_pStatusBar->GetPaneText(nIndex); }
    QImage Paint() { return m_pView->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    bool Enabled(int nID) {
        CCmdUI cmdUI(nID);
        m_menu.UpdateCommand(cmdUI);
        return cmdUI.m_bEnabled != 0;
    }
    // A command from the menu; a new game's question gets nAnswer.
    void Command(int nID, int nAnswer = IDOK) {
        if (nID == ID_GAME_NEW_FIRST || nID == ID_GAME_NEW_SECOND)
            m_recorder.Answer(nAnswer);
        m_menu.Execute(nID);
    }

    static constexpr int kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_TURN, ID_INDICATOR_PROGRESS};
    static inline std::atomic<int> s_bHold{0};
    CMessageRecorder m_recorder;
    QMainWindow m_window;
    CCommandMenu m_menu;
    CStatusBar* m_pStatusBar = nullptr;
    CRavelo2View* m_pView = nullptr;
};
