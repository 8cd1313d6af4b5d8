// A seeded storm of everything a person and the timer can do to the game window, in random
// order: presses and releases anywhere, every game, level and appearance command through the
// menu's own gate, both answers to the new-game question, ticks, paints, and a computer thread
// that ends whenever it ends. After every step the window must still be in one of the five
// states of the turn controller, with all 48 marbles on the board.

#include "app/main_frame.h"
#include "app/ravelo2_doc.h"
#include "view/ravelo2_view.h"
#include "res/resource.h"
#include "res/texts.h"
#include "ui/command_menu.h"
#include "ui/message_box.h"
#include "ui/pictures.h"
#include "ui/wait_cursor.h"

#include <QCoreApplication>
#include <QMenu>
#include <QTest>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <random>
#include <string>

#include <gtest/gtest.h>

namespace {

// The user's pits lie along the lower row, the computer's along the upper one.
QPoint UserPitPoint(int nPit) {
    return QPoint(64 + 57 * nPit + 25, 89);
}
QPoint ComputerPitPoint(int nPit) {
    return QPoint(64 + 57 * nPit + 25, 39);
}

enum class Row { UserToMove, ComputerThinking, ComputerMoveReady, ComputerToStart, GameOver };

const char* RowName(Row row) {
    switch (row) {
    case Row::UserToMove:
        return "user to move";
    case Row::ComputerThinking:
        return "computer thinking";
    case Row::ComputerMoveReady:
        return "computer move ready";
    case Row::ComputerToStart:
        return "computer to start";
    case Row::GameOver:
        return "game over";
    }
    return "?";
}

// The commands of the game, level, board and marble menus. Leaving the game, the files and the
// help are left out: they end the session or open dialogs of their own.
constexpr int kNewGameCommands[] = {ID_GAME_NEW_FIRST, ID_GAME_NEW_SECOND};
constexpr int kLevelCommands[] = {ID_LEVEL_1, ID_LEVEL_2, ID_LEVEL_3, ID_LEVEL_4};
constexpr int kAppearanceCommands[] = {ID_BOARD_DARK_MONO, ID_BOARD_LIGHT_WOOD, ID_BOARD_RED,
                                       ID_BOARD_PALE_BLUE, ID_BOARD_LIGHT_MONO, ID_BOARD_DARK_WOOD,
                                       ID_MARBLE_RED,      ID_MARBLE_BLUE,      ID_MARBLE_YELLOW,
                                       ID_MARBLE_GREEN,    ID_MARBLE_AQUA,      ID_MARBLE_PURPLE};

struct StormCounts {
    long nSteps = 0;
    int nGamesStarted = 1; // the window opens with a game
    int nGamesFinished = 0;
    int nUserMoves = 0;
    int nComputerMovesShown = 0;
    std::array<int, 5> nShownAtLevel{}; // computer moves shown, by the level they were made at
    int nCommandsRun = 0;
    int nCommandsRefused = 0;
    int nQuestionsCancelled = 0;
    int nEndBoxes = 0; // "you win" and "you lose"
};

// The real main window with its menu and command route, on the offscreen platform. The window's
// own timer is stopped: the storm's ticks stand for it, so that a tick may come before or after
// the computer's thread has ended.
class CEventStorm {
public:
    explicit CEventStorm(std::uint32_t nSeed) : m_rng(nSeed), m_nSeed(nSeed) {
        LoadBitmapInto(g_bmpMarbleMask, IDB_MARBLE_MASK);
        LoadBitmapInto(g_bmpMarble, IDB_MARBLE_YELLOW);
        LoadBitmapInto(g_bmpBoard, IDB_BOARD_LIGHT_WOOD);
        LoadCursors();
        m_previousBox = SetMessageBoxHandler([this](QWidget*, const QString& text, unsigned nType) {
            return AnswerBox(text, nType);
        });
        m_pFrame = std::make_unique<CMainFrame>();
        EXPECT_EQ(m_pFrame->LoadFrame(&m_doc, nullptr), 1);
        m_pView = m_pFrame->GetActiveView();
        m_pView->KillTimerForTest();
        m_pFrame->show();
    }

    ~CEventStorm() {
        // Closing the window in any state stops a computer move in progress and ends its busy
        // cursor.
        m_pFrame.reset();
        EXPECT_EQ(WaitCursorCount(), 0);
        SetMessageBoxHandler(std::move(m_previousBox));
    }

    CEventStorm(const CEventStorm&) = delete;
    CEventStorm& operator=(const CEventStorm&) = delete;

    // Runs until nSteps are done or an invariant breaks.
    void Run(long nSteps) {
        Check();
        for (long i = 0; i < nSteps && !::testing::Test::HasFailure(); ++i) {
            Step();
            ++m_counts.nSteps;
        }
        // Every game that ended said so once, with "you win" or "you lose".
        EXPECT_EQ(m_counts.nEndBoxes, m_counts.nGamesFinished);
    }

    const StormCounts& Counts() const { return m_counts; }

private:
    int Random(int nBelow) { return std::uniform_int_distribution<int>(0, nBelow - 1)(m_rng); }
    bool Chance(int nPercent) { return Random(100) < nPercent; }

    void Note(const std::string& step) {
        m_recent.push_back(step);
        if (m_recent.size() > 12)
            m_recent.pop_front();
    }

    void Step() {
        const int nDice = Random(100);
        if (nDice < 40)
            PressAndRelease();
        else if (nDice < 50)
            RunCommand();
        else if (nDice < 80)
            TickStep();
        else if (nDice < 88)
            PaintStep();
        else if (nDice < 94)
            MoveStep();
        else if (nDice < 97)
            OpenMenuStep();
        else
            ProcessEventsStep();
        Check();
    }

    QPoint RandomPoint() {
        switch (std::max(0, Random(9) - 3)) {
        case 0: {
            // Often on one of the user's pits that holds marbles, so that games move on.
            int nPit = Random(kPits);
            for (int i = 0; i < kPits && m_pView->Board().GetShownCount(nPit, kUserRow) == 0; ++i)
                nPit = (nPit + 1) % kPits;
            return UserPitPoint(nPit) + QPoint(Random(11) - 5, Random(11) - 5);
        }
        case 1:
            return UserPitPoint(Random(kPits)) + QPoint(Random(41) - 20, Random(41) - 20);
        case 2:
            return ComputerPitPoint(Random(kPits)) + QPoint(Random(21) - 10, Random(21) - 10);
        case 3:
            // The stores and the rims around the rows.
            return QPoint(Random(2) ? Random(64) : 406 + Random(64), Random(128));
        case 4:
            return QPoint(Random(470), Random(128));
        default:
            // Outside the board, also beyond its right and lower edges.
            return QPoint(Random(560) - 40, Random(2) ? -1 - Random(30) : 128 + Random(30));
        }
    }

    void PressAndRelease() {
        const QPoint press = RandomPoint();
        const int nKind = Random(20);
        QPoint release = press;
        if (nKind < 4)
            release += QPoint(Random(11) - 5, Random(11) - 5);
        else if (nKind < 6)
            release += QPoint(Random(2) ? 6 + Random(3) : -6 - Random(3), Random(15) - 7);
        else if (nKind < 8)
            release = RandomPoint();
        const int nBefore = UserMoveCount();
        if (nKind == 8) {
            Note("press only");
            QTest::mousePress(m_pView, Qt::LeftButton, Qt::NoModifier, press);
            return;
        }
        if (nKind == 9) {
            Note("release only");
            QTest::mouseRelease(m_pView, Qt::LeftButton, Qt::NoModifier, release);
            return;
        }
        Note("click " + std::to_string(press.x()) + "," + std::to_string(press.y()) + " -> " +
             std::to_string(release.x()) + "," + std::to_string(release.y()));
        const int bRunningBefore = m_pView->Board().IsRunning();
        QTest::mousePress(m_pView, Qt::LeftButton, Qt::NoModifier, press);
        QTest::mouseRelease(m_pView, Qt::LeftButton, Qt::NoModifier, release);
        if (UserMoveCount() != nBefore)
            ++m_counts.nUserMoves;
        if (bRunningBefore && !m_pView->Board().IsRunning())
            ++m_counts.nGamesFinished;
    }

    // The history's newest serial; it grows with every move played and falls with a take-back.
    int UserMoveCount() const {
        const MoveRecord* pHead = m_pView->Board().GetHistory();
        return pHead ? pHead->nSerial : 0;
    }

    void RunCommand() {
        int nID = 0;
        const int nDice = Random(100);
        if (nDice < 5)
            nID = kNewGameCommands[Random(2)];
        else if (nDice < 10)
            nID = ID_GAME_TAKEBACK;
        else if (nDice < 35)
            nID = kLevelCommands[Random(4)];
        else
            nID = kAppearanceCommands[Random(12)];
        Note("command " + std::to_string(nID));
        m_bNewGameConfirmed = false;
        // The menu's gate: the update handlers are asked first and a disabled command does
        // nothing, whether chosen from the menu or by a key.
        if (m_pFrame->GetCommandMenu()->Execute(nID))
            ++m_counts.nCommandsRun;
        else
            ++m_counts.nCommandsRefused;
        if (m_bNewGameConfirmed) {
            ++m_counts.nGamesStarted;
            m_bGameOver = false;
            m_bMarkerAllowed = false;
        }
    }

    int AnswerBox(const QString& text, unsigned nType) {
        if (text == QString::fromUtf8(kTextYouWin) || text == QString::fromUtf8(kTextYouLose))
            ++m_counts.nEndBoxes;
        if (text != QString::fromUtf8(kTextAskNewGame)) {
            EXPECT_EQ(nType, MB_OK);
            return IDOK;
        }
        EXPECT_EQ(nType, MB_OKCANCEL | MB_ICONQUESTION);
        // The timer goes on while the question is open: the computer's move may be shown, or
        // the game may end, before the answer.
        if (!m_bInQuestion && Chance(30)) {
            m_bInQuestion = true;
            Note("tick while the question is open");
            if (Chance(50))
                m_pView->WaitForWorkerForTest();
            Tick();
            Check();
            m_bInQuestion = false;
        }
        if (Chance(50)) {
            ++m_counts.nQuestionsCancelled;
            return IDCANCEL;
        }
        m_bNewGameConfirmed = true;
        return IDOK;
    }

    void TickStep() {
        if (Chance(50)) {
            Note("await worker, tick");
            m_pView->WaitForWorkerForTest();
        } else {
            Note("tick");
        }
        Tick();
    }

    void Tick() {
        const int bPendingBefore = m_pView->ComputerPending();
        const int nLevel = m_pView->Board().GetLevel();
        const int bRunningBefore = m_pView->Board().IsRunning();
        m_pView->OnTimer();
        if (bRunningBefore && !m_pView->Board().IsRunning())
            ++m_counts.nGamesFinished;
        if (bPendingBefore && !m_pView->ComputerPending()) {
            ++m_counts.nComputerMovesShown;
            ++m_counts.nShownAtLevel[static_cast<std::size_t>(nLevel)];
            m_bMarkerAllowed = true;
        }
    }

    void PaintStep() {
        Note("paint");
        m_pView->grab();
        // The marker is drawn in the one paint after a computer move.
        EXPECT_EQ(m_pView->ShowLastMove(), 0) << Trail();
        m_bMarkerAllowed = false;
    }

    void MoveStep() {
        Note("mouse move");
        QTest::mouseMove(m_pView, RandomPoint());
    }

    void OpenMenuStep() {
        Note("open a menu");
        const auto& popups = m_pFrame->GetCommandMenu()->Popups();
        m_pFrame->GetCommandMenu()->UpdatePopup(
            popups[static_cast<std::size_t>(Random(static_cast<int>(popups.size())))]);
    }

    void ProcessEventsStep() {
        // The pending repaints arrive as a real event loop would deliver them.
        Note("process events");
        QCoreApplication::processEvents();
        m_bMarkerAllowed = false;
    }

    std::string Trail() const {
        std::string text = "seed " + std::to_string(m_nSeed) + ", step " +
                           std::to_string(m_counts.nSteps) + ", last steps:";
        for (const std::string& step : m_recent)
            text += "\n  " + step;
        return text;
    }

    void Check() {
        const CGameBoard& board = m_pView->Board();
        // Read once: the thread may end between two reads, never start.
        const int bWorkerRunning = m_pView->IsWorkerRunning();
        const int bRunning = board.IsRunning();
        const int bMayAct = m_pView->UserMayAct();
        const int bPending = m_pView->ComputerPending();

        int nShown = 0;
        for (int nRow = 0; nRow < 2; ++nRow) {
            for (int i = 0; i < kPlaces; ++i) {
                const int n = board.GetShownCount(i, nRow);
                ASSERT_GE(n, 0) << Trail();
                nShown += n;
            }
        }
        ASSERT_EQ(nShown, kMarbles) << Trail();

        Row row = Row::UserToMove;
        if (bRunning && bMayAct && !bPending && !bWorkerRunning)
            row = Row::UserToMove;
        else if (bRunning && !bMayAct && bPending && bWorkerRunning)
            row = Row::ComputerThinking;
        else if (bRunning && !bMayAct && bPending && !bWorkerRunning && m_pView->HasWorker())
            row = Row::ComputerMoveReady;
        else if (bRunning && !bMayAct && !bPending && !bWorkerRunning)
            row = Row::ComputerToStart;
        else if (!bRunning && bMayAct && !bPending && !bWorkerRunning)
            row = Row::GameOver;
        else
            FAIL() << "no state: running " << bRunning << ", user may act " << bMayAct
                   << ", computer pending " << bPending << ", worker running " << bWorkerRunning
                   << "\n"
                   << Trail();

        // Without a thread at work, the turn flag and the live counts are the window's to read.
        if (!bWorkerRunning) {
            const int nTurn = row == Row::ComputerToStart ? 0 : 1;
            EXPECT_TRUE(row == Row::ComputerMoveReady || board.IsUserTurn() == nTurn)
                << RowName(row) << "\n"
                << Trail();
            int nLive = 0;
            bool bSame = true;
            for (int nRow = 0; nRow < 2; ++nRow) {
                for (int i = 0; i < kPlaces; ++i) {
                    ASSERT_GE(board.GetCount(i, nRow), 0) << Trail();
                    nLive += board.GetCount(i, nRow);
                    bSame = bSame && board.GetCount(i, nRow) == board.GetShownCount(i, nRow);
                }
            }
            ASSERT_EQ(nLive, kMarbles) << Trail();
            // Only a computer move waiting for its tick is not on the screen yet.
            EXPECT_TRUE(bSame || row == Row::ComputerMoveReady)
                << RowName(row) << " shows another position\n"
                << Trail();
        }

        // The busy cursor is up exactly while a computer move is under way.
        ASSERT_EQ(WaitCursorCount(), bPending) << RowName(row) << "\n" << Trail();

        EXPECT_TRUE(!m_pView->ShowLastMove() || m_bMarkerAllowed)
            << "marker without a computer move\n"
            << Trail();

        // A finished game stays finished, position included, until a new one is confirmed.
        if (m_bGameOver) {
            ASSERT_EQ(row, Row::GameOver) << RowName(row) << "\n" << Trail();
            for (int nRow = 0; nRow < 2; ++nRow) {
                for (int i = 0; i < kPlaces; ++i)
                    ASSERT_EQ(board.GetShownCount(i, nRow), m_finalCounts[nRow][i]) << Trail();
            }
        } else if (row == Row::GameOver) {
            m_bGameOver = true;
            for (int nRow = 0; nRow < 2; ++nRow) {
                for (int i = 0; i < kPlaces; ++i)
                    m_finalCounts[nRow][i] = board.GetShownCount(i, nRow);
            }
        }
    }

    std::mt19937 m_rng;
    std::uint32_t m_nSeed;
    CRavelo2Doc m_doc; // the frame's command route reaches it: it outlives the frame
    std::unique_ptr<CMainFrame> m_pFrame;
    CRavelo2View* m_pView = nullptr;
    MessageBoxHandler m_previousBox;

    StormCounts m_counts;
    std::deque<std::string> m_recent;
    bool m_bInQuestion = false;
    bool m_bNewGameConfirmed = false;
    bool m_bGameOver = false;
    bool m_bMarkerAllowed = false;
    int m_finalCounts[2][kPlaces] = {};
};

long NumberFromEnvironment(const char* pszName, long nDefault) {
    const char* pszValue = std::getenv(pszName);
    if (!pszValue || !*pszValue)
        return nDefault;
    char* pEnd = nullptr;
    const long n = std::strtol(pszValue, &pEnd, 10);
    return (*pEnd == '\0' && n > 0) ? n : nDefault;
}

void RunStorm(std::uint32_t nSeed, long nSteps) {
    CEventStorm storm(nSeed);
    storm.Run(nSteps);
    const StormCounts& c = storm.Counts();
    std::printf("storm seed %u: %ld steps, %d games started, %d finished, %d user moves, "
                "%d computer moves shown (levels 1-4: %d %d %d %d), %d commands run, "
                "%d refused, %d new-game questions cancelled\n",
                nSeed, c.nSteps, c.nGamesStarted, c.nGamesFinished, c.nUserMoves,
                c.nComputerMovesShown, c.nShownAtLevel[1], c.nShownAtLevel[2], c.nShownAtLevel[3],
                c.nShownAtLevel[4], c.nCommandsRun, c.nCommandsRefused, c.nQuestionsCancelled);
    std::fflush(stdout);
}

// A few seconds' worth, under the sanitizers too.
TEST(EventStorm, ShortRunsKeepTheWindowInOneOfItsStates) {
    for (std::uint32_t nSeed : {1u, 2u, 3u})
        RunStorm(nSeed, 4000);
}

// Steps from RAVELO2_STORM_STEPS, seed from RAVELO2_STORM_SEED.
TEST(EventStorm, LongRun) {
    RunStorm(static_cast<std::uint32_t>(NumberFromEnvironment("RAVELO2_STORM_SEED", 20261208)),
             NumberFromEnvironment("RAVELO2_STORM_STEPS", 100000));
}

} // namespace
