#include "rules/game_board.h"
#include "support/positions.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using testing_support::Line;
using testing_support::PutPosition;
using testing_support::Snapshot;

namespace {

// Ten marbles in play: level 4 searches 28 plies deep here, which takes the plain search many
// seconds, so the stop always arrives while the search runs. The fast search would be done
// before the stop could land, so these boards ask for the plain one.
const Line kSlow{0, 2, 0, 0, 0, 0, 28, 1, 1, 2, 1, 3, 0, 10};

// The window stops a thinking computer from its own thread: the search must notice, give up,
// and leave the board exactly as it was, with nothing played and nothing recorded.
TEST(ThreadStop, AStopFromAnotherThreadAbandonsTheMove) {
    for (int round = 0; round < 3; ++round) {
        CGameBoard board;
        board.SetSearchMode(kSearchPlain);
        PutPosition(board, kSlow, 0);
        board.SetLevel(4);
        std::atomic<int> bDone{0};
        std::thread worker([&] {
            board.ThinkAndMove();
            bDone.store(1, std::memory_order_release);
        });
        // The first progress step comes before the first search; the window reads it the
        // same way while the computer thinks.
        while (board.GetProgress() < 2 && !bDone.load(std::memory_order_acquire)) {
            std::this_thread::yield();
        }
        ASSERT_FALSE(board.HasHistory()); // the worker writes nothing before its move
        board.RequestStop();
        worker.join();
        EXPECT_EQ(board.HasHistory(), 0);
        EXPECT_EQ(Snapshot(board), kSlow);
        EXPECT_EQ(board.IsUserTurn(), 0);
        EXPECT_EQ(board.GetProgress(), 0);

        // The next move after the stop is cleared is played as usual.
        board.ClearStop();
        board.SetLevel(1);
        board.ThinkAndMove();
        EXPECT_EQ(board.HasHistory(), 1);
    }
}

} // namespace
