// A seeded storm of what a person and the timer can do to the game window, in random order:
// clicks anywhere (and presses or releases alone), keys, game and level commands through the
// menu's own gate with both answers to the new-game question (now and then a tick while it is
// open), ticks before and after the computer's thread has ended, paints and pointer moves.
// After every step the window's state agrees with its one turn state. The storm's choices and the
// tie-breaks follow from RAVELO2_TEST_SEED, and the computer's thread ends only when the storm
// lets it, so that a seed replays the storm step for step.

#include "view_fixture.h"

#include <cstdlib>
#include <numeric>

namespace {

TEST_F(ViewTest, EventStormKeepsTheWindowInOneOfItsStates) {
    const char* pszSteps = std::getenv("RAVELO2_STORM_STEPS"); // ctest -L long runs many more
    Rng& rng = m_rng;
    const std::string kVerbs[] = {"click", "click", "click",    "click", "press", "release",
                                  "move",  "key",   "tick",     "tick",  "tick",  "await",
                                  "paint", "cmd",   "opentick", "frame", "frame", "hinted"};
    const std::string kCommands[] = {"new1",   "new2",   "takeback", "level1",  "level2",
                                     "level3", "level1", "level2",   "animate", "keepmark",
                                     "counts", "quiet",  "hint",     "hint"};
    bool bGameOver = false;
    std::size_t nBoxesAtEnd = 0; // the end of a game is said once its last sowing is shown
    Line final{};
    Do("hold");
    for (int nStep = 0; nStep < (pszSteps ? std::atoi(pszSteps) : 12000) && !HasFailure();
         ++nStep) {
        const std::string& verb = kVerbs[rng(18)];
        std::string action = verb;
        int nPit = rng(6); // often on a pit with marbles, so that games move on; else anywhere
        for (int i = 0; i < 6 && !m_pView->Board().GetShownCount(nPit, kUserRow); ++i)
            nPit = (nPit + 1) % 6;
        if (verb == "click" || verb == "press" || verb == "release" || verb == "move")
            action +=
                rng(3) ? " " + std::to_string(nPit)
                       : " " + std::to_string(rng(540) - 40) + "," + std::to_string(rng(200) - 40);
        if (verb == "key")
            action += " " + std::to_string(1 + rng(6)) + (rng(4) ? "" : " repeat");
        if (verb == "cmd")
            action += " " + kCommands[rng(14)] + (rng(4) ? " cancel" : "");
        const std::size_t nBoxes = m_recorder.Count();
        if (verb == "await") { // the computer's thread ends only here: a seed replays the storm
            Do("go");
            Do("hold");
        } else {
            Do(action);
        }
        if (verb == "cmd" && action.find("new") != std::string::npos &&
            action.find("cancel") == std::string::npos)
            bGameOver = false;
        if (verb != "opentick") // a tick that waits for a box that never opened is dropped
            m_recorder.WhileOpen(nullptr);
        using S = CRavelo2View::TurnState;
        const CGameBoard& board = m_pView->Board();
        const S state = m_pView->GetTurnState();
        const bool bRunning = board.IsRunning(), bPending = m_pView->ComputerPending();
        const Line shown = Snapshot(board, true);
        ASSERT_EQ(std::accumulate(shown.begin(), shown.end(), 0), kMarbles) << action;
        // The window's board changes only as it shows a move, so the two never part; the turn
        // flag (once a computer's sowing is shown whole), the running flag and the thread agree
        // with the one state.
        ASSERT_EQ(Live(), shown) << action;
        ASSERT_TRUE(m_pView->IsAnimating() || board.IsUserTurn() == m_pView->UserMayAct())
            << action;
        ASSERT_EQ(bRunning, state != S::GameOver) << action;
        ASSERT_TRUE(!m_pView->IsWorkerRunning() || state == S::ComputerThinking) << action;
        ASSERT_EQ(WaitCursorCount(), bPending) << "busy exactly while a move is under way";
        ASSERT_TRUE(verb != "paint" || !m_pView->ShowLastMove() || m_pView->GetOptions().bKeepMark)
            << "the marker lasts one paint unless the player keeps it";
        // A sowing shown marble by marble always ends in the position on the board.
        ASSERT_TRUE(m_pView->IsAnimating() || ToLine(m_pView->DisplayedCounts()) == shown)
            << action;
        if (bGameOver) { // a finished game stays as it ended until a new one is confirmed
            ASSERT_FALSE(bRunning) << action;
            ASSERT_EQ(shown, final) << action;
        } else if (!bRunning) {
            bGameOver = true;
            final = shown;
            nBoxesAtEnd = nBoxes;
        }
        if (bGameOver && !m_pView->IsAnimating()) {
            ASSERT_GT(m_recorder.Count(), nBoxesAtEnd) << "the end of a game is said";
        }
    }
}

} // namespace
