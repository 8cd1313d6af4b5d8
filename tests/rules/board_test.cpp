#include "rules/game_board.h"
#include "support/positions.h"

#include <gtest/gtest.h>

using testing_support::Line;
using testing_support::PutPosition;
using testing_support::Snapshot;

namespace {

TEST(NewGame, StartsFourInEveryPitWithEmptyStoresAndNoHistory) {
    CGameBoard board;
    board.SetUserTurn(0);
    board.SetLevel(3);
    board.NewGame();
    EXPECT_EQ(Snapshot(board), (Line{4, 4, 4, 4, 4, 4, 0, 4, 4, 4, 4, 4, 4, 0}));
    for (int r = 0; r < 2; ++r) {
        for (int i = 0; i < kPlaces; ++i) {
            EXPECT_EQ(board.GetShownCount(i, r), board.GetCount(i, r));
        }
    }
    EXPECT_EQ(board.IsRunning(), 1);
    EXPECT_EQ(board.HasHistory(), 0);
    EXPECT_EQ(board.GetProgress(), 0);
    // The caller owns the turn and the level.
    EXPECT_EQ(board.IsUserTurn(), 0);
    EXPECT_EQ(board.GetLevel(), 3);
}

struct SowCase {
    const char* name;
    Line before;
    int nRow;
    int nPit;
    int bTurnBefore;
    Line after;
    int bTurnAfter;
};

class Sowing : public ::testing::TestWithParam<SowCase> {};

TEST_P(Sowing, MovesMarblesAndDecidesTheTurn) {
    const SowCase& c = GetParam();
    CGameBoard board;
    PutPosition(board, c.before, c.bTurnBefore);
    board.ApplyMove(c.nPit, c.nRow);
    EXPECT_EQ(Snapshot(board), c.after);
    EXPECT_EQ(board.IsUserTurn(), c.bTurnAfter);
    EXPECT_EQ(testing_support::Sum(Snapshot(board)), kMarbles);
}

INSTANTIATE_TEST_SUITE_P(Rules, Sowing,
                         ::testing::Values(SowCase{"UserPit2LandsInOwnStore",
                                                   {4, 4, 4, 4, 4, 4, 0, 4, 4, 4, 4, 4, 4, 0},
                                                   0,
                                                   2,
                                                   1,
                                                   {4, 4, 0, 5, 5, 5, 1, 4, 4, 4, 4, 4, 4, 0},
                                                   1},
                                           SowCase{"UserPit5SingleMarbleLandsInStore",
                                                   {4, 4, 4, 4, 4, 1, 0, 4, 4, 4, 4, 4, 4, 3},
                                                   0,
                                                   5,
                                                   1,
                                                   {4, 4, 4, 4, 4, 0, 1, 4, 4, 4, 4, 4, 4, 3},
                                                   1},
                                           SowCase{"UserPit0StaysInOwnRow",
                                                   {4, 4, 4, 4, 4, 4, 0, 4, 4, 4, 4, 4, 4, 0},
                                                   0,
                                                   0,
                                                   1,
                                                   {0, 5, 5, 5, 5, 4, 0, 4, 4, 4, 4, 4, 4, 0},
                                                   0},
                                           SowCase{"UserPit4CrossesIntoComputerRow",
                                                   {4, 4, 4, 4, 5, 3, 0, 4, 4, 4, 4, 4, 4, 0},
                                                   0,
                                                   4,
                                                   1,
                                                   {4, 4, 4, 4, 0, 4, 1, 5, 5, 5, 4, 4, 4, 0},
                                                   0},
                                           SowCase{"ComputerPit0SixLandsInOwnStore",
                                                   {4, 4, 4, 4, 4, 4, 0, 6, 2, 4, 4, 4, 2, 2},
                                                   1,
                                                   0,
                                                   0,
                                                   {4, 4, 4, 4, 4, 4, 0, 0, 3, 5, 5, 5, 3, 3},
                                                   0},
                                           SowCase{"EightFromUserPit5ReachesComputerStore",
                                                   {4, 4, 4, 4, 4, 8, 0, 4, 4, 4, 4, 4, 0, 0},
                                                   0,
                                                   5,
                                                   1,
                                                   {4, 4, 4, 4, 4, 0, 1, 5, 5, 5, 5, 5, 1, 1},
                                                   0},
                                           SowCase{"FourteenEndInTheEmptiedPit",
                                                   {14, 2, 2, 2, 2, 2, 0, 4, 4, 4, 4, 4, 4, 0},
                                                   0,
                                                   0,
                                                   1,
                                                   {1, 3, 3, 3, 3, 3, 1, 5, 5, 5, 5, 5, 5, 1},
                                                   0},
                                           SowCase{
                                               "FifteenFromUserPit5LapsToOwnStoreAndStillPasses",
                                               {2, 2, 2, 2, 2, 15, 0, 4, 4, 4, 4, 4, 3, 0},
                                               0,
                                               5,
                                               1,
                                               {3, 3, 3, 3, 3, 1, 2, 5, 5, 5, 5, 5, 4, 1},
                                               0},
                                           SowCase{"ComputerFullLapOfTwentyEndsInOwnStoreButPasses",
                                                   {2, 2, 2, 2, 2, 2, 2, 20, 2, 2, 2, 2, 2, 4},
                                                   1,
                                                   0,
                                                   0,
                                                   {3, 3, 3, 3, 3, 3, 3, 1, 4, 4, 4, 4, 4, 6},
                                                   1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(UserMove, RefusesAnEmptyPitAndChangesNothing) {
    CGameBoard board;
    const Line before{0, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 0};
    PutPosition(board, before, 1);
    ASSERT_EQ(board.UserMove(1), 1); // leaves one record behind
    const Line after = Snapshot(board);
    const MoveRecord* pHead = board.GetHistory();
    EXPECT_EQ(board.UserMove(0), 0);
    EXPECT_EQ(Snapshot(board), after);
    EXPECT_EQ(board.GetHistory(), pHead);
    EXPECT_EQ(board.IsUserTurn(), 0);
}

TEST(UserMove, RefusesPitsOutsideTheRow) {
    CGameBoard board;
    board.NewGame();
    EXPECT_EQ(board.UserMove(-1), 0);
    EXPECT_EQ(board.UserMove(6), 0);
    EXPECT_EQ(board.HasHistory(), 0);
}

TEST(UserMove, ChangesOnlyTheLivePositionUntilPublished) {
    CGameBoard board;
    board.NewGame();
    board.SetUserTurn(1);
    ASSERT_EQ(board.UserMove(0), 1);
    EXPECT_EQ(board.GetShownCount(0, kUserRow), 4);
    board.PublishCounts();
    EXPECT_EQ(board.GetShownCount(0, kUserRow), 0);
    EXPECT_EQ(board.GetShownCount(1, kUserRow), 5);
}

TEST(IsSideEmpty, LooksAtTheSixPitsOnly) {
    CGameBoard board;
    PutPosition(board, {0, 0, 0, 0, 0, 0, 30, 1, 0, 0, 0, 0, 0, 17}, 1);
    EXPECT_EQ(board.IsSideEmpty(kSideUser), 1);
    EXPECT_EQ(board.IsSideEmpty(kSideComputer), 0);
    PutPosition(board, {0, 0, 0, 0, 0, 1, 30, 0, 0, 0, 0, 0, 0, 17}, 1);
    EXPECT_EQ(board.IsSideEmpty(kSideUser), 0);
    EXPECT_EQ(board.IsSideEmpty(kSideComputer), 1);
}

TEST(Random, DrawsStayInRangeAndReplayForTheSameSeed) {
    CRandom a;
    CRandom b;
    a.Seed(12345);
    b.Seed(12345);
    for (int i = 0; i < 10000; ++i) {
        const int r = a.Draw();
        ASSERT_GE(r, 0);
        ASSERT_LE(r, CRandom::kMax);
        ASSERT_EQ(r, b.Draw());
    }
}

} // namespace
