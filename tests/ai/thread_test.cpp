#include "rules/game_board.h"
#include "support/positions.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using namespace testing_support;

namespace {

// The window stops a thinking computer from its own thread: the search must notice, give up,
// and leave the board as it was, with nothing played and nothing recorded. The plain search
// needs many seconds for level 4 here, so the stop always lands while it runs.
TEST(ThreadStop, AStopFromAnotherThreadAbandonsTheMove) {
    const Line kSlow{0, 2, 0, 0, 0, 0, 28, 1, 1, 2, 1, 3, 0, 10};
    CGameBoard board;
    board.SetSearchMode(kSearchPlain);
    PutPosition(board, kSlow, 0);
    board.SetLevel(4);
    std::atomic<int> bDone{0};
    std::thread worker([&] {
        board.ThinkAndMove();
        bDone = 1;
    });
    // The first progress step comes before the first search.
    while (board.GetProgress() < 2 && !bDone)
        std::this_thread::yield();
    board.RequestStop();
    worker.join();
    EXPECT_EQ(board.HasHistory(), 0);
    EXPECT_EQ(Snapshot(board), kSlow);
    EXPECT_EQ(board.IsUserTurn(), 0);
    EXPECT_EQ(board.GetProgress(), 0);
    board.ClearStop(); // the next move is played as usual
    board.SetLevel(1);
    board.ThinkAndMove();
    EXPECT_EQ(board.HasHistory(), 1);
}

} // namespace
