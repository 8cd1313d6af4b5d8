#pragma once

#include "view/ravelo2_view.h"
#include "message_recorder.h"
#include "support/positions.h"
#include "ui/status_bar.h"

#include <QMainWindow>
#include <QString>
#include <atomic>
#include <gtest/gtest.h>

// A view in a window with the game's status bar, shown on the offscreen platform; the real
// timer is stopped, so only the tests' own calls of OnTimer step the controller, and the boxes
// go to a recorder.
class FlowTest : public ::testing::Test {
protected:
    FlowTest();
    ~FlowTest() override;

    static QString U(const char* psz) { return QString::fromUtf8(psz); }
    static QPoint PitPoint(int nPit) { return QPoint(64 + 57 * nPit + 25, 89); }

    // A press and a release, the release dx, dy away from the press.
    void Click(QPoint point, int dx = 0, int dy = 0);
    void ClickPit(int nPit) { Click(PitPoint(nPit)); }
    void Tick() { m_pView->OnTimer(); }
    void AwaitWorker() { m_pView->WaitForWorkerForTest(); }
    // Lets a held worker go on and waits for its end.
    void ReleaseWorker();

    // Puts a position on the board with the user to move, as a game in progress.
    void Put(const testing_support::Line& line) {
        testing_support::PutPosition(m_pView->Board(), line, 1);
    }
    testing_support::Line Shown() const;
    testing_support::Line Live() const { return testing_support::Snapshot(m_pView->Board()); }

    QString Pane(int nIndex) const { return m_pStatusBar->GetPaneText(nIndex); }
    void Paint();

    // While set, a starting worker waits before it thinks, until released or stopped.
    static std::atomic<int> s_bHoldWorker;
    static void HoldWorker(CGameBoard* pBoard);

    CMessageRecorder m_recorder;
    QMainWindow m_window;
    CStatusBar* m_pStatusBar = nullptr;
    CRavelo2View* m_pView = nullptr;
};

// The starting position, and some that leave the computer one choice.
inline constexpr testing_support::Line kStart = {4, 4, 4, 4, 4, 4, 0, 4, 4, 4, 4, 4, 4, 0};
