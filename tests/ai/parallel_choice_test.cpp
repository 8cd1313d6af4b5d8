#include "ai/search_table.h"
#include "rules/game_board.h"
#include "support/positions.h"

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <set>
#include <thread>

using testing_support::Line;
using testing_support::PutPosition;
using testing_support::Snapshot;

namespace {

// Level-4 choices that keep the fast search busy for milliseconds, with the plain search's
// scores; the pit is the one drawn with seed 1.
struct Known {
    Line line;
    int nPit;
    int nDepth;
    std::array<int, kPits> scores;
};
const Known kKnown[] = {
    {{0, 0, 0, 0, 1, 10, 15, 1, 0, 2, 1, 1, 3, 14}, 3, 13, {4, -30000, 2, 5, 2, -1}},
    {{1, 1, 1, 1, 0, 6, 14, 3, 3, 4, 1, 2, 1, 10}, 4, 13, {-1, -1, -1, -1, -1, -1}},
    {{1, 0, 0, 1, 1, 0, 16, 1, 1, 1, 1, 2, 3, 20}, 0, 19, {13, -1, -1, -1, 13, 5}},
    {{1, 1, 0, 0, 1, 0, 31, 1, 3, 1, 1, 0, 1, 7}, 0, 28, {22, 19, 19, 8, -30000, 21}},
};

void ExpectKnownChoice(CGameBoard& board, const Known& known) {
    PutPosition(board, known.line, 0);
    board.SeedRandom(1);
    int nPit = -1;
    int nRow = -1;
    board.ChooseMoveLevel4(nPit, nRow);
    EXPECT_EQ(nPit, known.nPit);
    EXPECT_EQ(board.GetLastChoice().nDepth, known.nDepth);
    for (int i = 0; i < kPits; ++i) {
        EXPECT_EQ(board.GetLastChoice().nScores[i], known.scores[i]) << "pit " << i;
    }
}

// While the candidates are searched side by side, the status bar may only read what the
// one-by-one choice shows: the steps of the candidates done in pit order, plus the pits that
// the next candidate's search has passed, never more than its own search passes.
TEST(ParallelChoice, ShowsOnlyProgressTheOneByOneChoiceShows) {
    for (const Known& known : kKnown) {
        std::set<int> allowed;
        for (int i = 0; i <= kPits; ++i) {
            int nPasses = 0;
            if (i < kPits && known.line[kPlaces + i] > 0) {
                CGameBoard single;
                PutPosition(single, known.line, 0);
                single.TrialMove(kComputerRow, i);
                single.SearchValue(known.nDepth, 1);
                nPasses = single.GetProgress();
            }
            for (int j = 0; j <= nPasses; ++j) {
                allowed.insert(CGameBoard::SearchProgressAt(i, j));
            }
        }
        search_table::Clear();
        CGameBoard board;
        std::atomic<int> bDone{0};
        std::thread worker([&] {
            ExpectKnownChoice(board, known);
            bDone.store(1, std::memory_order_release);
        });
        int nLast = 0;
        while (!bDone.load(std::memory_order_acquire)) {
            const int nProgress = board.GetProgress();
            EXPECT_GE(nProgress, nLast);
            EXPECT_TRUE(nProgress == 0 || allowed.count(nProgress)) << nProgress;
            nLast = nProgress;
        }
        worker.join();
        EXPECT_EQ(board.GetProgress(), 100);
    }
}

// A stop lands while the threads search; they all give up, nothing is played, and nothing they
// worked out after the stop misleads the next search of the same positions.
TEST(ParallelChoice, AStopMidwayLeavesNothingWrongInTheTable) {
    int nStoppedMidway = 0;
    for (const Known& known : kKnown) {
        search_table::Clear();
        CGameBoard board;
        PutPosition(board, known.line, 0);
        board.SetLevel(4);
        std::thread worker([&] { board.ThinkAndMove(); });
        while (board.GetProgress() < 3 && !board.HasHistory()) {
            std::this_thread::yield();
        }
        board.RequestStop();
        worker.join();
        nStoppedMidway += board.HasHistory() ? 0 : 1;
        if (!board.HasHistory()) {
            EXPECT_EQ(Snapshot(board), known.line);
            EXPECT_EQ(board.GetProgress(), 0);
        }
        board.ClearStop();
        ExpectKnownChoice(board, known);
    }
    EXPECT_GT(nStoppedMidway, 0);
}

} // namespace
