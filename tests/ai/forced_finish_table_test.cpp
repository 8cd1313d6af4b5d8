#include "ai/forced_finish_table.h"
#include "rules/game_board.h"
#include "support/positions.h"

#include <gtest/gtest.h>

#include <array>

using testing_support::Line;
using testing_support::PutPosition;

namespace {

// Walks every row whose pits hold at most nExtra more than a pit can hold and still empty
// (6 - pit, and 8 for pit 5), on both sides, and compares the quick answer with the chain
// played out move by move.
void CompareEveryRow(int nExtra) {
    constexpr int kLimit[6] = {6, 5, 4, 3, 2, 8};
    std::array<int, 6> pits{};
    CGameBoard board;
    long long nRows = 0;
    long long nFinishes = 0;
    for (;;) {
        for (int nRow : {kUserRow, kComputerRow}) {
            Line line{};
            int nInPlay = 0;
            for (int i = 0; i < 6; ++i) {
                line[nRow * 7 + i] = pits[i];
                line[(1 - nRow) * 7 + i] = i % 3; // the other row plays no part
                nInPlay += pits[i] + i % 3;
            }
            line[6] = kMarbles > nInPlay ? kMarbles - nInPlay : 0;
            PutPosition(board, line, nRows % 2 == 0 ? 1 : 0);
            const int bSide = nRow == kUserRow ? kSideUser : kSideComputer;
            const int bQuick = board.CanForceFinish(bSide);
            ASSERT_EQ(bQuick, board.CanForceFinishByTrial(bSide))
                << pits[0] << ' ' << pits[1] << ' ' << pits[2] << ' ' << pits[3] << ' ' << pits[4]
                << ' ' << pits[5] << " on row " << nRow;
            // The search's own reading of the table, for rows of a position with few marbles.
            const std::int32_t row[6] = {pits[0], pits[1], pits[2], pits[3], pits[4], pits[5]};
            ASSERT_EQ(forced_finish_table::SmallRowCanFinish(row), bQuick);
            ++nRows;
            nFinishes += bQuick;
        }
        int i = 5;
        while (i >= 0 && ++pits[i] > kLimit[i] + nExtra) {
            pits[i] = 0;
            --i;
        }
        if (i < 0) {
            break;
        }
    }
    EXPECT_GT(nFinishes, 0);
    EXPECT_LT(nFinishes, nRows);
}

TEST(ForcedFinishTable, AgreesWithTheChainOnEveryRowUpToTwoPastTheLimits) {
    CompareEveryRow(2);
}

TEST(ForcedFinishTableLong, AgreesWithTheChainOnEveryRowUpToFivePastTheLimits) {
    CompareEveryRow(5);
}

} // namespace
