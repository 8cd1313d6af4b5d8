#include "rules/game_board.h"
#include "support/positions.h"

#include <gtest/gtest.h>

#include <random>

using testing_support::Line;
using testing_support::PutPosition;
using testing_support::Snapshot;

namespace {

std::vector<int> Serials(const CGameBoard& board) {
    std::vector<int> serials;
    for (const MoveRecord* p = board.GetHistory(); p != nullptr; p = p->pNext) {
        serials.push_back(p->nSerial);
    }
    return serials;
}

TEST(History, UserMoveAndTwoComputerRepliesAreUndoneTogether) {
    CGameBoard board;
    board.NewGame();
    board.SetUserTurn(1);
    const Line start = Snapshot(board);
    ASSERT_EQ(board.UserMove(0), 1); // 4 from pit 0: no extra turn
    ASSERT_EQ(board.IsUserTurn(), 0);
    board.ApplyMove(2, kComputerRow); // 4 from pit 2: extra turn
    ASSERT_EQ(board.IsUserTurn(), 0);
    board.ApplyMove(0, kComputerRow);
    ASSERT_EQ(board.IsUserTurn(), 1);

    EXPECT_EQ(Serials(board), (std::vector<int>{3, 2, 1}));
    const MoveRecord* pHead = board.GetHistory();
    EXPECT_EQ(pHead->nRow, kComputerRow);
    EXPECT_EQ(pHead->nPit, 0);
    EXPECT_EQ(pHead->nCount, 4);
    EXPECT_EQ(pHead->bUserTurn, 0);
    EXPECT_EQ(pHead->pNext->pNext->bUserTurn, 1);

    EXPECT_EQ(board.TakeBack(), 1);
    EXPECT_EQ(Snapshot(board), start);
    EXPECT_EQ(board.IsUserTurn(), 1);
    EXPECT_EQ(board.HasHistory(), 0);
    EXPECT_EQ(board.GetShownCount(0, kUserRow), 4);
    EXPECT_EQ(board.TakeBack(), 0);
}

TEST(History, SecondUserMoveAfterAnExtraTurnReplacesTheFirst) {
    CGameBoard board;
    board.NewGame();
    board.SetUserTurn(1);
    ASSERT_EQ(board.UserMove(2), 1); // extra turn
    const Line afterFirst = Snapshot(board);
    ASSERT_EQ(board.UserMove(0), 1);
    EXPECT_EQ(Serials(board), (std::vector<int>{1}));
    EXPECT_EQ(board.TakeBack(), 1);
    EXPECT_EQ(Snapshot(board), afterFirst);
    EXPECT_EQ(board.IsUserTurn(), 1);
}

TEST(History, ComputerOpeningMovesAloneAreUndoneToTheComputer) {
    CGameBoard board;
    board.SetUserTurn(0);
    board.NewGame();
    const Line start = Snapshot(board);
    board.ApplyMove(2, kComputerRow);
    board.ApplyMove(5, kComputerRow);
    EXPECT_EQ(board.TakeBack(), 1);
    EXPECT_EQ(Snapshot(board), start);
    EXPECT_EQ(board.IsUserTurn(), 0);
}

TEST(History, LapsOfFourteenAndMoreAreRetracedExactly) {
    for (int nCount : {14, 15, 20, 27, 28, 40}) {
        CGameBoard board;
        Line before{nCount, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 0};
        before[13] = kMarbles - nCount - 6;
        PutPosition(board, before, 1);
        ASSERT_EQ(board.UserMove(0), 1);
        EXPECT_GE(board.GetCount(0, kUserRow), 1);
        EXPECT_EQ(board.TakeBack(), 1);
        EXPECT_EQ(Snapshot(board), before) << nCount << " marbles";
    }
}

TEST(History, EmptyTakeBackIsRefusedAndChangesNothing) {
    CGameBoard board;
    board.SetUserTurn(0);
    board.NewGame();
    const Line start = Snapshot(board);
    EXPECT_EQ(board.TakeBack(), 0);
    EXPECT_EQ(Snapshot(board), start);
    EXPECT_EQ(board.IsUserTurn(), 0);
}

TEST(History, TakeBackLeavesRunningLevelAndProgressAlone) {
    CGameBoard board;
    board.NewGame();
    board.SetUserTurn(1);
    board.SetLevel(4);
    ASSERT_EQ(board.UserMove(3), 1);
    board.SetRunning(0);
    EXPECT_EQ(board.TakeBack(), 1);
    EXPECT_EQ(board.IsRunning(), 0);
    EXPECT_EQ(board.GetLevel(), 4);
}

// Random games of random moves: every move keeps 48 marbles and no negative count, and
// taking back restores the exact position and turn from before the user's latest move.
TEST(HistoryProperty, RandomGamesKeepMarblesAndTakeBackRestoresExactly) {
    std::mt19937 rng(20261208);
    for (int game = 0; game < 300; ++game) {
        CGameBoard board;
        board.SetUserTurn(game % 2);
        board.NewGame();
        Line beforeUser{};
        int bTurnBeforeUser = -1;
        for (int ply = 0; ply < 400 && board.IsRunning(); ++ply) {
            const int nRow = board.IsUserTurn() ? kUserRow : kComputerRow;
            int nPit;
            do {
                nPit = std::uniform_int_distribution<int>(0, 5)(rng);
            } while (board.GetCount(nPit, nRow) == 0);
            if (nRow == kUserRow) {
                beforeUser = Snapshot(board);
                bTurnBeforeUser = board.IsUserTurn();
                ASSERT_EQ(board.UserMove(nPit), 1);
            } else {
                board.ApplyMove(nPit, nRow);
            }
            const Line now = Snapshot(board);
            ASSERT_EQ(testing_support::Sum(now), kMarbles);
            for (int v : now) {
                ASSERT_GE(v, 0);
            }
            if (board.IsSideEmpty(nRow == kUserRow ? kSideUser : kSideComputer)) {
                board.SetRunning(0);
            }
            if (bTurnBeforeUser >= 0 && std::uniform_int_distribution<int>(0, 9)(rng) == 0) {
                ASSERT_EQ(board.TakeBack(), 1);
                ASSERT_EQ(Snapshot(board), beforeUser);
                ASSERT_EQ(board.IsUserTurn(), bTurnBeforeUser);
                board.SetRunning(1);
                bTurnBeforeUser = -1;
            }
        }
    }
}

} // namespace
