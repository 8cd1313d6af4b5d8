#include "rules/game_board.h"
#include "support/positions.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <thread>

using testing_support::Line;
using testing_support::PutPosition;

namespace {

struct Choice {
    int nPit = -1;
    ChoiceReport report;
};

Choice ChooseAtLevel4(CGameBoard& board, const Line& line) {
    PutPosition(board, line, 0);
    board.SeedRandom(9);
    Choice choice;
    int nRow = -1;
    board.ChooseMoveLevel4(choice.nPit, nRow);
    choice.report = board.GetLastChoice();
    return choice;
}

// A search abandoned by a stop request works out values from cut-short children; none of them
// may be met by a later search on the same board. These endgames keep even the fast search
// busy long enough for the stop to land while it runs.
TEST(FastSearchStop, AStoppedSearchLeavesNothingWrongBehind) {
    const Line kHard[] = {
        {1, 1, 0, 0, 1, 0, 31, 1, 3, 1, 1, 0, 1, 7},  {1, 0, 1, 0, 1, 0, 38, 2, 1, 0, 1, 1, 2, 0},
        {1, 1, 0, 0, 1, 0, 12, 3, 1, 1, 1, 0, 1, 26}, {0, 0, 0, 0, 1, 10, 15, 1, 0, 2, 1, 1, 3, 14},
        {1, 1, 4, 2, 1, 1, 13, 2, 2, 2, 2, 2, 3, 12}, {1, 0, 0, 1, 1, 0, 16, 1, 1, 1, 1, 2, 3, 20},
    };
    int nStoppedMidway = 0;
    for (const Line& line : kHard) {
        CGameBoard board;
        PutPosition(board, line, 0);
        board.SetLevel(4);
        std::atomic<int> bDone{0};
        std::thread worker([&] {
            board.ThinkAndMove();
            bDone.store(1, std::memory_order_release);
        });
        // Progress 3 is the first candidate's first reply searched: the search is under way.
        while (board.GetProgress() < 3 && !bDone.load(std::memory_order_acquire)) {
            std::this_thread::yield();
        }
        board.RequestStop();
        worker.join();
        nStoppedMidway += board.HasHistory() ? 0 : 1;
        board.ClearStop();

        CGameBoard fresh;
        const Choice expected = ChooseAtLevel4(fresh, line);
        const Choice got = ChooseAtLevel4(board, line);
        EXPECT_EQ(got.nPit, expected.nPit);
        EXPECT_EQ(got.report.nDepth, expected.report.nDepth);
        EXPECT_EQ(
            0, std::memcmp(got.report.nScores, expected.report.nScores, sizeof got.report.nScores));
    }
    EXPECT_GT(nStoppedMidway, 0);
}

} // namespace
