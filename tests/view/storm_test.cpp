// A seeded storm of what a person and the timer can do to the game window, in random order:
// clicks anywhere (and presses or releases alone), keys, game and level commands through the
// menu's own gate with both answers to the new-game question (now and then a tick while it is
// open), ticks before and after the computer's thread has ended, paints and pointer moves.
// After every step the window is in one of the five states of the turn controller.

#include "view_fixture.h"

#include <cstdlib>
#include <numeric>

namespace {

TEST_F(ViewTest, EventStormKeepsTheWindowInOneOfItsStates) {
    const char* pszSteps = std::getenv("RAVELO2_STORM_STEPS"); // ctest -L long runs many more
    Rng rng{std::getenv("RAVELO2_STORM_SEED")
                ? std::strtoull(std::getenv("RAVELO2_STORM_SEED"), nullptr, 10)
                : 7};
    const std::string kVerbs[] = {"click",   "click", "click", "click", "press",
                                  "release", "move",  "key",   "tick",  "tick",
                                  "tick",    "await", "paint", "cmd",   "opentick"};
    const std::string kCommands[] = {"new1",   "new2",   "takeback", "level1",
                                     "level2", "level3", "level1",   "level2"};
    bool bGameOver = false;
    Line final{};
    for (int nStep = 0; nStep < (pszSteps ? std::atoi(pszSteps) : 12000) && !HasFailure();
         ++nStep) {
        const std::string& verb = kVerbs[rng(15)];
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
            action += " " + kCommands[rng(8)] + (rng(4) ? " cancel" : "");
        const std::size_t nBoxes = m_recorder.Count();
        Do(action);
        if (verb == "cmd" && action.find("new") != std::string::npos &&
            action.find("cancel") == std::string::npos)
            bGameOver = false;
        if (verb != "opentick") // a tick that waits for a box that never opened is dropped
            m_recorder.WhileOpen(nullptr);
        CGameBoard& board = m_pView->Board();
        const int bWorker = m_pView->IsWorkerRunning(); // it may end between reads, never start
        const int bRunning = board.IsRunning(), bAct = m_pView->UserMayAct();
        const int bPending = m_pView->ComputerPending();
        const Line shown = Snapshot(board, true);
        ASSERT_EQ(std::accumulate(shown.begin(), shown.end(), 0), kMarbles) << action;
        // User to move, computer thinking, its move ready, computer to start, game over.
        ASSERT_TRUE(bRunning ? (bAct ? !bPending && !bWorker : bPending || !bWorker)
                             : bAct && !bPending && !bWorker)
            << action << ": " << bRunning << bAct << bPending << bWorker;
        if (!bWorker && !(bPending && m_pView->HasWorker())) { // no move under way
            ASSERT_EQ(board.IsUserTurn(), bAct) << action;
            ASSERT_EQ(Live(), shown) << action;
        }
        ASSERT_EQ(WaitCursorCount(), bPending) << "busy exactly while a move is under way";
        ASSERT_TRUE(verb != "paint" || !m_pView->ShowLastMove()) << "the marker lasts one paint";
        if (bGameOver) { // a finished game stays as it ended until a new one is confirmed
            ASSERT_FALSE(bRunning) << action;
            ASSERT_EQ(shown, final) << action;
        } else if (!bRunning) {
            bGameOver = true;
            final = shown;
            ASSERT_GT(m_recorder.Count(), nBoxes) << "the end of a game is said";
        }
    }
}

} // namespace
