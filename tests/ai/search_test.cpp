#include "rules/game_board.h"
#include "support/positions.h"

#include <gtest/gtest.h>

#include <random>

using testing_support::Line;
using testing_support::PutPosition;
using testing_support::Snapshot;

namespace {

const Line kStart{4, 4, 4, 4, 4, 4, 0, 4, 4, 4, 4, 4, 4, 0};

int ValueOf(const Line& line, int bUserTurn, int nDepth) {
    CGameBoard board;
    PutPosition(board, line, bUserTurn);
    return board.SearchValue(nDepth, 0);
}

TEST(SearchTerminal, SideToMoveWithAForcedFinishHasWonAtAnyDepth) {
    const Line computerFinishes{4, 4, 4, 4, 4, 4, 20, 0, 0, 0, 0, 0, 1, 3};
    for (int nDepth : {0, 1, 7}) {
        CGameBoard board;
        PutPosition(board, computerFinishes, 0);
        EXPECT_EQ(board.SearchValue(nDepth, 1), nDepth + 1);
        EXPECT_EQ(board.GetProgress(), 0); // no pit was examined
    }
    const Line userFinishes{0, 0, 0, 0, 2, 0, 22, 4, 4, 4, 4, 4, 4, 0};
    EXPECT_EQ(ValueOf(userFinishes, 1, 0), -1);
    EXPECT_EQ(ValueOf(userFinishes, 1, 9), -10);
}

TEST(SearchTerminal, AFinishTheOpponentCannotSpoilCountsWithoutTheMove) {
    // The computer could finish, and no user pit reaches the computer's row.
    const Line unspoilable{1, 1, 0, 0, 0, 0, 45, 0, 0, 0, 0, 0, 1, 0};
    EXPECT_EQ(ValueOf(unspoilable, 1, 4), 5);
    // The user could finish, and no computer pit reaches the user's row.
    const Line userUnspoilable{0, 0, 0, 0, 0, 1, 0, 1, 1, 0, 0, 0, 0, 45};
    EXPECT_EQ(ValueOf(userUnspoilable, 0, 3), -4);
    // Spoilable: user pit 5 with 2 marbles reaches the computer's row.
    const Line spoilable{0, 0, 0, 0, 0, 2, 45, 0, 0, 0, 0, 0, 1, 0};
    EXPECT_NE(ValueOf(spoilable, 1, 0), 1);
}

TEST(SearchDepth, NothingDecidedAtDepthZeroIsEven) {
    EXPECT_EQ(ValueOf(kStart, 0, 0), 0);
}

TEST(SearchHeuristic, EvenRepliesAreJudgedByTheComputersReachIntoPitZero) {
    // From the start every reply is even at depth 1; computer pit 3 (4 + 3 = 7) reaches the
    // user's pit 0, so the heuristic finds nothing.
    EXPECT_EQ(ValueOf(kStart, 0, 1), 0);
    // Without such a pit the position counts against the computer.
    const Line noReach{3, 4, 4, 4, 4, 4, 0, 4, 4, 4, 5, 4, 4, 0};
    EXPECT_EQ(ValueOf(noReach, 0, 1), -1);
}

TEST(SearchProgress, TopNodeCountsEveryPitItPasses) {
    CGameBoard board;
    PutPosition(board, kStart, 0);
    board.SearchValue(1, 1);
    EXPECT_EQ(board.GetProgress(), 6); // a computer node examines all six

    // User pit 2 leaves the user a forced finish the computer cannot spoil: the search stops
    // at that pit, having passed only the two empty pits before it.
    CGameBoard userNode;
    PutPosition(userNode, {0, 0, 1, 2, 1, 1, 29, 1, 1, 0, 1, 0, 0, 11}, 1);
    EXPECT_EQ(userNode.SearchValue(1, 1), -1);
    EXPECT_EQ(userNode.GetProgress(), 2);

    // Inner nodes never count.
    CGameBoard inner;
    PutPosition(inner, kStart, 0);
    inner.SearchValue(3, 0);
    EXPECT_EQ(inner.GetProgress(), 0);
}

// The value of a node follows from the values of its children, each worked out on a board of
// its own: this catches any look-ahead that leaves the position or the turn disturbed.
TEST(SearchProperty, ValueAgreesWithItsChildrenOnFreshBoards) {
    std::mt19937 rng(42);
    int nChecked = 0;
    for (int i = 0; i < 400; ++i) {
        const Line line =
            testing_support::RandomPosition(rng, std::uniform_int_distribution<int>(4, 30)(rng));
        const int bTurn = i % 2;
        const int nDepth = 1 + i % 4;
        CGameBoard board;
        PutPosition(board, line, bTurn);
        const int bUserFinishes = board.CanForceFinish(kSideUser);
        const int bComputerFinishes = board.CanForceFinish(kSideComputer);
        const int nValue = board.SearchValue(nDepth, 0);
        ASSERT_EQ(Snapshot(board), line);
        ASSERT_EQ(board.IsUserTurn(), bTurn);
        if (bUserFinishes || bComputerFinishes) {
            continue; // terminal tests are covered above
        }
        const int nRow = bTurn ? kUserRow : kComputerRow;
        int nSmallest = 10000;
        int nLargest = -10000;
        int nFirstNegative = 0;
        for (int p = 0; p < 6; ++p) {
            if (line[nRow * 7 + p] == 0) {
                continue;
            }
            CGameBoard child;
            PutPosition(child, line, bTurn);
            child.TrialMove(nRow, p);
            const int v = child.SearchValue(nDepth - 1, 0);
            if (v < 0 && nFirstNegative == 0) {
                nFirstNegative = v;
            }
            nSmallest = std::min(nSmallest, v);
            nLargest = std::max(nLargest, v);
        }
        ++nChecked;
        if (bTurn) {
            if (nFirstNegative < 0) {
                ASSERT_EQ(nValue, nFirstNegative);
            } else if (nSmallest > 0) {
                ASSERT_EQ(nValue, nSmallest);
            } else if (nLargest > 0) {
                ASSERT_EQ(nValue, 1);
            }
        } else {
            if (nLargest != 0) {
                ASSERT_EQ(nValue, nLargest);
            } else if (nSmallest < 0) {
                ASSERT_EQ(nValue, -1);
            }
        }
        const int h = nDepth / 2;
        if (nSmallest == 0 && nLargest == 0) {
            ASSERT_TRUE(nValue == 0 || nValue == h + 1 || nValue == -(h + 1));
        }
    }
    EXPECT_GT(nChecked, 200);
}

TEST(SearchStop, AStopRequestEndsTheSearchAtOnceAndLeavesTheBoard) {
    CGameBoard board;
    PutPosition(board, kStart, 0);
    board.RequestStop();
    EXPECT_EQ(board.SearchValue(40, 1), 0);
    EXPECT_EQ(Snapshot(board), kStart);
    EXPECT_EQ(board.GetProgress(), 0);
    board.ClearStop();
    EXPECT_EQ(board.SearchValue(1, 0), 0);
}

} // namespace
