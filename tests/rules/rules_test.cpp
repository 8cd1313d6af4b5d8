#include "rules/game_board.h"
#include "support/positions.h"

#include <gtest/gtest.h>

#include <vector>

using namespace testing_support;

namespace {

TEST(NewGame, SetsUpTheStartShownAsWellWithoutHistoryAndLeavesTheTurn) {
    CGameBoard board;
    PutPosition(board, {0, 0, 0, 0, 0, 1, 30, 2, 0, 0, 0, 0, 0, 15}, 1);
    board.UserMove(5);
    board.SetRunning(false);
    board.NewGame();
    EXPECT_EQ(Snapshot(board), kStart);
    EXPECT_EQ(Snapshot(board, true), kStart);
    EXPECT_EQ(board.IsRunning(), 1);
    EXPECT_EQ(board.HasHistory(), 0);
    EXPECT_EQ(board.IsUserTurn(), 1); // the caller owns the turn
}

struct SowCase {
    Line before;
    int nRow, nPit, bTurnBefore;
    Line after;
    int bTurnAfter;
};

// clang-format off
const SowCase kSowCases[] = {
    {kStart, 0, 2, 1, {4, 4, 0, 5, 5, 5, 1, 4, 4, 4, 4, 4, 4, 0}, 1},                        // into the own store
    {{4, 4, 4, 4, 4, 1, 0, 4, 4, 4, 4, 4, 4, 3}, 0, 5, 1, {4, 4, 4, 4, 4, 0, 1, 4, 4, 4, 4, 4, 4, 3}, 1},
    {kStart, 0, 0, 1, {0, 5, 5, 5, 5, 4, 0, 4, 4, 4, 4, 4, 4, 0}, 0},                        // stays in the own row
    {{4, 4, 4, 4, 5, 3, 0, 4, 4, 4, 4, 4, 4, 0}, 0, 4, 1, {4, 4, 4, 4, 0, 4, 1, 5, 5, 5, 4, 4, 4, 0}, 0},
    {{4, 4, 4, 4, 4, 4, 0, 6, 2, 4, 4, 4, 2, 2}, 1, 0, 0, {4, 4, 4, 4, 4, 4, 0, 0, 3, 5, 5, 5, 3, 3}, 0},
    {{4, 4, 4, 4, 4, 8, 0, 4, 4, 4, 4, 4, 0, 0}, 0, 5, 1, {4, 4, 4, 4, 4, 0, 1, 5, 5, 5, 5, 5, 1, 1}, 0},
    {{14, 2, 2, 2, 2, 2, 0, 4, 4, 4, 4, 4, 4, 0}, 0, 0, 1, {1, 3, 3, 3, 3, 3, 1, 5, 5, 5, 5, 5, 5, 1}, 0},
    {{2, 2, 2, 2, 2, 15, 0, 4, 4, 4, 4, 4, 3, 0}, 0, 5, 1, {3, 3, 3, 3, 3, 1, 2, 5, 5, 5, 5, 5, 4, 1}, 0},
    {{2, 2, 2, 2, 2, 2, 2, 20, 2, 2, 2, 2, 2, 4}, 1, 0, 0, {3, 3, 3, 3, 3, 3, 3, 1, 4, 4, 4, 4, 4, 6}, 1},
    {{1, 0, 0, 0, 0, 0, 20, 0, 0, 0, 0, 2, 4, 21}, 1, 5, 0, {2, 1, 1, 0, 0, 0, 20, 0, 0, 0, 0, 2, 0, 22}, 1},
};
// clang-format on

// A full lap that happens to end in the mover's store passes the move like any other sowing; a
// take-back undoes every sowing exactly, the marble a lap drops into the emptied pit included.
TEST(Sowing, FillsEveryFollowingPlaceAndOnlyTheOwnStoreKeepsTheMoveAndIsTakenBackExactly) {
    for (const SowCase& c : kSowCases) {
        CGameBoard board;
        PutPosition(board, c.before, c.bTurnBefore);
        board.ApplyMove(c.nPit, c.nRow);
        EXPECT_EQ(Snapshot(board), c.after) << c.nRow << "/" << c.nPit;
        EXPECT_EQ(board.IsUserTurn(), c.bTurnAfter) << c.nRow << "/" << c.nPit;
        EXPECT_EQ(Snapshot(board, true), c.before) << "shown only when published";
        board.PublishCounts();
        EXPECT_EQ(Snapshot(board, true), c.after);
        EXPECT_EQ(board.TakeBack(), 1);
        EXPECT_EQ(Snapshot(board, true), c.before);
        EXPECT_EQ(board.IsUserTurn(), c.bTurnBefore);
    }
}

TEST(UserMove, RefusesEmptyPitsAndPlacesOutsideTheRowChangingNothing) {
    CGameBoard board;
    const Line before{0, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 0}; // the user's store holds 4
    PutPosition(board, before, 1);
    board.ApplyMove(2, kComputerRow); // a record that a refusal must keep
    board.SetUserTurn(1);
    const Line now = Snapshot(board);
    for (int nPit : {0, 6, 7, -1}) {
        EXPECT_EQ(board.UserMove(nPit), 0) << nPit;
    }
    EXPECT_EQ(Snapshot(board), now);
    EXPECT_EQ(board.IsUserTurn(), 1);
    ASSERT_NE(board.GetHistory(), nullptr);
    EXPECT_EQ(board.GetHistory()->nRow, kComputerRow);
    EXPECT_EQ(board.UserMove(1), 1); // an accepted move starts the history afresh
    EXPECT_EQ(board.GetHistory()->nSerial, 1);
    EXPECT_EQ(board.GetHistory()->pNext, nullptr);
}

TEST(History, UserMoveAndTheComputersRepliesAreTakenBackTogether) {
    CGameBoard board;
    board.SetUserTurn(1);
    board.NewGame();
    ASSERT_EQ(board.UserMove(0), 1);  // no extra turn
    board.ApplyMove(2, kComputerRow); // an extra turn
    board.ApplyMove(0, kComputerRow);
    std::vector<int> records; // serial, turn before, pit, row, count of each, newest first
    for (const MoveRecord* p = board.GetHistory(); p; p = p->pNext)
        records.insert(records.end(), {p->nSerial, p->bUserTurn, p->nPit, p->nRow, p->nCount});
    EXPECT_EQ(records, (std::vector<int>{3, 0, 0, 1, 4, 2, 0, 2, 1, 4, 1, 1, 0, 0, 4}));
    CGameBoard copy = board; // a copy takes its moves back on its own
    EXPECT_EQ(copy.TakeBack(), 1);
    EXPECT_EQ(Snapshot(copy), kStart);
    EXPECT_TRUE(board.HasHistory());
    EXPECT_EQ(board.TakeBack(), 1);
    EXPECT_EQ(Snapshot(board), kStart);
    EXPECT_EQ(Snapshot(board, true), kStart);
    EXPECT_EQ(board.IsUserTurn(), 1);
    EXPECT_EQ(board.TakeBack(), 0);
}

TEST(History, ComputerOpeningMovesAloneAreTakenBackToTheComputer) {
    CGameBoard board;
    board.SetUserTurn(0);
    board.NewGame();
    board.ApplyMove(2, kComputerRow);
    board.ApplyMove(5, kComputerRow);
    EXPECT_EQ(board.TakeBack(), 1);
    EXPECT_EQ(Snapshot(board), kStart);
    EXPECT_EQ(board.IsUserTurn(), 0);
}

} // namespace
