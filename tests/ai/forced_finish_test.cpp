#include "rules/game_board.h"
#include "support/positions.h"

#include <gtest/gtest.h>

#include <array>
#include <random>

using testing_support::Line;
using testing_support::PutPosition;
using testing_support::Snapshot;

namespace {

// Puts the given six pits on the user's row (or the computer's), the other row at 2 a pit,
// and the remaining marbles in the stores.
Line WithRow(const std::array<int, 6>& pits, int nRow) {
    Line line{};
    int nUsed = 12;
    for (int i = 0; i < 6; ++i) {
        line[(nRow == kUserRow ? 0 : 7) + i] = pits[i];
        line[(nRow == kUserRow ? 7 : 0) + i] = 2;
        nUsed += pits[i];
    }
    line[6] = (kMarbles - nUsed) / 2;
    line[13] = kMarbles - nUsed - line[6];
    return line;
}

struct ChainCase {
    std::array<int, 6> pits;
    int nFirstMove;
    int bCanFinish;
};

class ForcedFinish : public ::testing::TestWithParam<ChainCase> {};

TEST_P(ForcedFinish, FollowsTheGreedyChainOnEitherRowWhoeverMoves) {
    const ChainCase& c = GetParam();
    for (int nRow : {kUserRow, kComputerRow}) {
        const int bSide = nRow == kUserRow ? kSideUser : kSideComputer;
        for (int bTurn : {0, 1}) {
            CGameBoard board;
            const Line line = WithRow(c.pits, nRow);
            PutPosition(board, line, bTurn);
            EXPECT_EQ(board.FirstForcedMove(nRow), c.nFirstMove);
            EXPECT_EQ(board.CanForceFinish(bSide), c.bCanFinish);
            EXPECT_EQ(Snapshot(board), line);
            EXPECT_EQ(board.IsUserTurn(), bTurn);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Chains, ForcedFinish,
    ::testing::Values(ChainCase{{0, 0, 0, 0, 0, 1}, 5, 1},  // one move into the store
                      ChainCase{{0, 0, 0, 0, 0, 8}, 5, 1},  // the closing move of pit 5
                      ChainCase{{0, 0, 0, 0, 0, 9}, -1, 0}, // a ninth marble comes back
                      ChainCase{{0, 0, 0, 0, 2, 0}, 4, 1},  // pit 4, then pit 5
                      ChainCase{{0, 0, 0, 3, 2, 1}, 5, 0},  // 5, 4, 5, 3, 5 then stuck
                      ChainCase{{0, 0, 4, 2, 2, 1}, 5, 1},  // nine moves: still counts
                      ChainCase{{0, 5, 3, 1, 1, 0}, 1, 0},  // ten moves: too long
                      ChainCase{{0, 0, 0, 1, 0, 0}, -1, 0}, // nothing to start with
                      ChainCase{{6, 5, 4, 3, 2, 1}, 5, 0}, ChainCase{{7, 0, 0, 0, 0, 0}, -1, 0}));

TEST(ForcedFinish, EmptyRowHasAlreadyFinished) {
    CGameBoard board;
    PutPosition(board, {0, 0, 0, 0, 0, 0, 20, 4, 4, 4, 4, 4, 4, 4}, 0);
    EXPECT_EQ(board.CanForceFinish(kSideUser), 1);
}

TEST(TrialMove, SowsLikeTheBoardWithoutRecording) {
    CGameBoard board;
    PutPosition(board, {4, 4, 4, 4, 4, 9, 0, 3, 3, 3, 3, 3, 3, 1}, 1);
    board.TrialMove(kUserRow, 5);
    EXPECT_EQ(Snapshot(board), (Line{5, 4, 4, 4, 4, 0, 1, 4, 4, 4, 4, 4, 4, 2}));
    EXPECT_EQ(board.IsUserTurn(), 0);
    EXPECT_EQ(board.HasHistory(), 0);

    PutPosition(board, {2, 2, 2, 2, 2, 2, 2, 20, 2, 2, 2, 2, 2, 4}, 0);
    board.TrialMove(kComputerRow, 0);
    EXPECT_EQ(Snapshot(board), (Line{3, 3, 3, 3, 3, 3, 3, 1, 4, 4, 4, 4, 4, 6}));
    EXPECT_EQ(board.IsUserTurn(), 1); // a full lap into the own store still passes

    // Trial moves and real moves agree everywhere.
    std::mt19937 rng(7);
    for (int i = 0; i < 2000; ++i) {
        const Line line =
            testing_support::RandomPosition(rng, std::uniform_int_distribution<int>(2, 48)(rng));
        const int nRow = i % 2;
        int nPit = 0;
        while (line[nRow * 7 + nPit] == 0) {
            ++nPit;
        }
        CGameBoard trial;
        CGameBoard real;
        PutPosition(trial, line, 1 - nRow);
        PutPosition(real, line, 1 - nRow);
        trial.TrialMove(nRow, nPit);
        real.ApplyMove(nPit, nRow);
        ASSERT_EQ(Snapshot(trial), Snapshot(real));
        ASSERT_EQ(trial.IsUserTurn(), real.IsUserTurn());
    }
}

TEST(PitScore, RewardsLandingExactlyInTheOpponentsFirstPit) {
    struct {
        int nCount, nPit, nScore;
    } const cases[] = {{0, 5, -5}, {1, 5, -5}, {2, 5, 10}, {3, 5, 5},
                       {7, 0, 10}, {6, 0, -5}, {8, 0, 5},  {0, 0, -5}};
    for (const auto& c : cases) {
        EXPECT_EQ(CGameBoard::PitScore(c.nCount, c.nPit), c.nScore) << c.nCount << "," << c.nPit;
    }
}

TEST(BestPitScore, TakesTheBestPitOfTheRow) {
    CGameBoard board;
    PutPosition(board, {1, 1, 1, 1, 1, 0, 20, 0, 2, 3, 0, 1, 2, 15}, 1);
    EXPECT_EQ(board.BestPitScore(kUserRow), -5);
    EXPECT_EQ(board.BestPitScore(kComputerRow), 10); // pit 5 holds 2
    PutPosition(board, {1, 1, 1, 1, 1, 0, 20, 0, 2, 3, 0, 1, 3, 14}, 1);
    EXPECT_EQ(board.BestPitScore(kComputerRow), 5);
}

} // namespace
