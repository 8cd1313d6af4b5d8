#include "ai/computer_player.h"
#include "support/positions.h"

#include <gtest/gtest.h>

#include <thread>

using namespace testing_support;

namespace {

// The window stops a thinking computer from its own thread: the search must notice, give up, and
// play nothing. The choice waits at its first progress step until the stop has come, so the
// stop lands inside the search whatever the threads' speeds.
TEST(ThreadStop, AStopFromAnotherThreadAbandonsTheMove) {
    CComputerPlayer::SetProgressHookForTest([](CComputerPlayer& player) {
        while (player.GetProgress() > 0 && !player.IsStopRequested())
            std::this_thread::yield();
    });
    const Line kMiddle{0, 2, 0, 0, 0, 0, 28, 1, 1, 2, 1, 3, 0, 10};
    CGameBoard board;
    PutPosition(board, kMiddle, 0);
    CComputerPlayer player;
    player.SetLevel(4);
    int nPlayed = 0;
    std::thread worker([&] { nPlayed = player.ThinkAndMove(board); });
    while (player.GetProgress() == 0)
        std::this_thread::yield();
    player.RequestStop();
    worker.join();
    CComputerPlayer::SetProgressHookForTest(nullptr);
    EXPECT_EQ(nPlayed, -1);
    EXPECT_EQ(board.HasHistory(), 0);
    EXPECT_EQ(Snapshot(board), kMiddle);
    EXPECT_EQ(player.GetProgress(), 0);
    player.ClearStop(); // the next move is played as usual
    EXPECT_GE(player.ThinkAndMove(board), 0);
    EXPECT_EQ(board.HasHistory(), 1);
}

} // namespace
