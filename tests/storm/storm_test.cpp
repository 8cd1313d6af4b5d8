// A seeded storm of everything a person and the timer can do to the game window, in random
// order: presses and releases anywhere, the game, level and appearance commands through the
// menu's own gate, both answers to the new-game question (with ticks while it is open), ticks
// before and after the computer's thread has ended, paints and pointer moves. After every step
// the window must be in one of the five states of the turn controller, with 48 marbles shown.

#include "app/main_frame.h"
#include "app/ravelo2_doc.h"
#include "message_recorder.h"
#include "res/resource.h"
#include "support/positions.h"
#include "ui/command_menu.h"
#include "ui/pictures.h"
#include "ui/wait_cursor.h"
#include "view/ravelo2_view.h"

#include <QCoreApplication>
#include <QTest>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

class CEventStorm {
public:
    explicit CEventStorm(std::uint64_t nSeed) : m_rng{nSeed} {
        LoadBitmapInto(g_bmpMarbleMask, IDB_MARBLE_MASK);
        LoadBitmapInto(g_bmpMarble, IDB_MARBLE_YELLOW);
        LoadBitmapInto(g_bmpBoard, IDB_BOARD_LIGHT_WOOD);
        LoadCursors();
        EXPECT_EQ(m_frame.LoadFrame(&m_doc, nullptr), 1);
        m_pView = m_frame.GetActiveView();
        m_pView->KillTimerForTest();
        m_frame.show();
    }

    void Run(int nSteps) {
        for (int i = 0; i < nSteps && !::testing::Test::HasFailure(); ++i) {
            SCOPED_TRACE(i);
            Step();
            Check();
        }
    }

private:
    // Often near one of the user's pits, so that games move on; else anywhere, also off the board.
    QPoint RandomPoint() {
        if (m_rng(2))
            return QPoint(89 + 57 * m_rng(6) + m_rng(11) - 5, 89 + m_rng(11) - 5);
        return QPoint(m_rng(560) - 40, m_rng(200) - 40);
    }

    void Step() {
        const int kCommands[] = {ID_GAME_NEW_FIRST, ID_GAME_NEW_SECOND, ID_GAME_TAKEBACK,
                                 ID_LEVEL_1,        ID_LEVEL_2,         ID_LEVEL_3,
                                 ID_LEVEL_4,        ID_BOARD_RED,       ID_MARBLE_AQUA};
        const int nDice = m_rng(100);
        const QPoint point = RandomPoint();
        if (nDice < 40) {
            if (m_rng(10))
                QTest::mousePress(m_pView, Qt::LeftButton, Qt::NoModifier, point);
            QTest::mouseRelease(m_pView, Qt::LeftButton, Qt::NoModifier,
                                m_rng(3) ? point + QPoint(m_rng(15) - 7, m_rng(15) - 7)
                                         : RandomPoint());
        } else if (nDice < 50) {
            // A new game's question is answered either way, now and then after a tick while
            // it is open; the timer goes on meanwhile.
            const int nID = kCommands[m_rng(9)];
            const bool bNewGame = nID == ID_GAME_NEW_FIRST || nID == ID_GAME_NEW_SECOND;
            const bool bConfirm = m_rng(2);
            if (bNewGame)
                m_recorder.Answer(bConfirm ? IDOK : IDCANCEL);
            if (m_rng(3) == 0)
                m_recorder.WhileOpen([this] { Tick(true); });
            m_frame.GetCommandMenu()->Execute(nID);
            m_bGameOver = m_bGameOver && !(bNewGame && bConfirm);
            m_recorder.WhileOpen(nullptr);
        } else if (nDice < 80) {
            Tick(m_rng(2));
        } else if (nDice < 88) {
            m_pView->grab();
            EXPECT_EQ(m_pView->ShowLastMove(), 0) << "the marker lasts one paint";
        } else if (nDice < 96) {
            QTest::mouseMove(m_pView, point);
        } else {
            QCoreApplication::processEvents();
        }
    }

    void Tick(bool bAwait) {
        if (bAwait)
            m_pView->WaitForWorkerForTest();
        m_pView->OnTimer();
    }

    void Check() {
        const CGameBoard& board = m_pView->Board();
        const int bWorker = m_pView->IsWorkerRunning(); // it may end between reads, never start
        const int bRunning = board.IsRunning();
        const int bMayAct = m_pView->UserMayAct();
        const int bPending = m_pView->ComputerPending();
        const testing_support::Line shown = testing_support::Snapshot(board, true);
        int nShown = 0;
        for (int n : shown) {
            ASSERT_GE(n, 0);
            nShown += n;
        }
        ASSERT_EQ(nShown, kMarbles);
        // User to move, computer thinking, its move ready, computer to start, game over.
        const bool bKnown = bRunning ? (bMayAct ? !bPending && !bWorker : bPending || !bWorker)
                                     : bMayAct && !bPending && !bWorker;
        ASSERT_TRUE(bKnown) << bRunning << bMayAct << bPending << bWorker;
        if (!bWorker && !(bPending && m_pView->HasWorker())) {
            EXPECT_EQ(board.IsUserTurn(), bMayAct) << "without a move under way";
            EXPECT_EQ(testing_support::Snapshot(board), shown) << "the live position is shown";
        }
        ASSERT_EQ(WaitCursorCount(), bPending) << "busy exactly while a move is under way";
        if (m_bGameOver) { // a finished game stays as it ended until a new one is confirmed
            ASSERT_FALSE(bRunning);
            ASSERT_EQ(shown, m_final);
        } else if (!bRunning) {
            m_bGameOver = true;
            m_final = shown;
            EXPECT_TRUE(m_recorder.Last() == QString::fromUtf8("あなたの勝ちです") ||
                        m_recorder.Last() == QString::fromUtf8("あなたの負けです"));
        }
    }

    testing_support::Rng m_rng;
    CMessageRecorder m_recorder;
    CRavelo2Doc m_doc; // on the frame's command route: it outlives the frame
    CMainFrame m_frame;
    CRavelo2View* m_pView = nullptr;
    bool m_bGameOver = false;
    testing_support::Line m_final{};
};

// A few seconds' worth, under the sanitizers too; closing the window in whatever state the
// storm left it stops a move in progress and ends its busy cursor.
TEST(EventStorm, KeepsTheWindowInOneOfItsStates) {
    const char* pszSteps = std::getenv("RAVELO2_STORM_STEPS"); // ctest -L long runs many more
    for (std::uint64_t nSeed : {1u, 2u, 3u}) {
        CEventStorm(nSeed).Run(pszSteps ? std::atoi(pszSteps) : 4000);
        EXPECT_EQ(WaitCursorCount(), 0);
    }
}

} // namespace
