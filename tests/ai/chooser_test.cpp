#include "rules/game_board.h"
#include "support/positions.h"

#include <gtest/gtest.h>

#include <set>

using testing_support::Line;
using testing_support::PutPosition;
using testing_support::Snapshot;

namespace {

const Line kStart{4, 4, 4, 4, 4, 4, 0, 4, 4, 4, 4, 4, 4, 0};

using Chooser = void (CGameBoard::*)(int&, int&);
constexpr Chooser kChoosers[] = {&CGameBoard::ChooseMoveLevel1, &CGameBoard::ChooseMoveLevel2,
                                 &CGameBoard::ChooseMoveLevel3, &CGameBoard::ChooseMoveLevel4};

struct Choice {
    int nPit;
    ChoiceReport report;
    int nProgress;
};

Choice Choose(const Line& line, int nLevel, std::uint32_t nSeed = 1) {
    CGameBoard board;
    PutPosition(board, line, 0);
    board.SeedRandom(nSeed);
    int nPit = -1;
    int nRow = -1;
    (board.*kChoosers[nLevel - 1])(nPit, nRow);
    EXPECT_EQ(nRow, kComputerRow);
    EXPECT_EQ(Snapshot(board), line);
    EXPECT_EQ(board.IsUserTurn(), 0);
    return {nPit, board.GetLastChoice(), board.GetProgress()};
}

std::vector<int> Scores(const ChoiceReport& r) {
    return {r.nScores, r.nScores + 6};
}

TEST(ChooserLevel2, StartPositionScoresAndPlaysPitZero) {
    const Choice c = Choose(kStart, 2);
    EXPECT_EQ(c.nPit, 0);
    EXPECT_EQ(Scores(c.report), (std::vector<int>{11, 10, 4, 3, 7, -4}));
    EXPECT_EQ(c.report.bForced, 0);
    EXPECT_EQ(c.nProgress, 100);
}

TEST(ChooserLevel1, StartPositionIsATieBreakThatNeverPicksPitFive) {
    std::set<int> seen;
    for (std::uint32_t seed = 0; seed < 300; ++seed) {
        const Choice c = Choose(kStart, 1, seed);
        EXPECT_EQ(Scores(c.report), (std::vector<int>{0, 0, 0, 0, 0, 0}));
        EXPECT_EQ(c.nProgress, 53); // the threat steps are skipped
        seen.insert(c.nPit);
    }
    EXPECT_EQ(seen.count(5), 0u);
    EXPECT_EQ(seen.count(4), 1u);
    EXPECT_EQ(seen.count(3), 1u);
}

TEST(ChooserThreat, AgainstAForcedFinishTheComputerReachesIntoTheUsersRow) {
    // The user threatens to finish with pits 4 then 5.
    const Line stuck{0, 0, 0, 0, 2, 1, 19, 1, 2, 3, 0, 0, 1, 19};
    for (std::uint32_t seed = 0; seed < 100; ++seed) {
        const Choice c1 = Choose(stuck, 1, seed);
        EXPECT_EQ(Scores(c1.report), (std::vector<int>{-5, -5, -5, -1005, -1005, -5}));
        EXPECT_NE(c1.nPit, 5);
        EXPECT_EQ(c1.nProgress, 100);
    }
    const Choice c2 = Choose(stuck, 2);
    EXPECT_EQ(Scores(c2.report), (std::vector<int>{-10, -10, 5, -1005, -1005, -10}));
    EXPECT_EQ(c2.nPit, 2);
    EXPECT_EQ(c2.nProgress, 61);

    const Line reach{0, 0, 0, 0, 2, 1, 19, 0, 2, 3, 0, 1, 2, 18};
    EXPECT_EQ(Choose(reach, 1).nPit, 5);
    const Choice c3 = Choose(reach, 2);
    EXPECT_EQ(c3.nPit, 5);
    EXPECT_EQ(c3.nProgress, 41); // decided by the pit scores alone
}

TEST(ChooserForced, EveryLevelTakesTheFirstMoveOfItsChainWithoutProgress) {
    const Line chain{4, 4, 4, 4, 4, 4, 10, 0, 0, 0, 0, 2, 1, 11};
    for (int nLevel = 1; nLevel <= 4; ++nLevel) {
        const Choice c = Choose(chain, nLevel);
        EXPECT_EQ(c.nPit, 5) << "level " << nLevel;
        EXPECT_EQ(c.report.bForced, 1);
        EXPECT_EQ(c.report.bHasScores, 0);
        EXPECT_EQ(c.nProgress, 0);
    }
}

TEST(ChooserSearch, DepthGrowsAsMarblesLeaveThePits) {
    struct {
        int nInPlay, nLevel3, nLevel4;
    } const table[] = {{48, 0, 0},   {33, 0, 0},   {32, 8, 10},  {25, 8, 10},  {24, 10, 13},
                       {13, 10, 13}, {12, 14, 19}, {11, 14, 19}, {10, 20, 28}, {9, 20, 28},
                       {8, 28, 40},  {7, 38, 55},  {1, 38, 55}};
    for (const auto& row : table) {
        EXPECT_EQ(CGameBoard::SearchDepthFor(row.nInPlay, 0), row.nLevel3) << row.nInPlay;
        EXPECT_EQ(CGameBoard::SearchDepthFor(row.nInPlay, 1), row.nLevel4) << row.nInPlay;
    }
}

TEST(ChooserSearch, AboveThirtyTwoMarblesTheLevelTwoChooserDecides) {
    for (int nLevel : {3, 4}) {
        const Choice c = Choose(kStart, nLevel);
        EXPECT_EQ(c.nPit, 0);
        EXPECT_EQ(c.report.nDepth, 0);
        EXPECT_EQ(Scores(c.report), (std::vector<int>{11, 10, 4, 3, 7, -4}));
        EXPECT_EQ(c.nProgress, 100);
    }
    // 33 in play: still the level-2 chooser.
    const Line thirtyThree{4, 4, 4, 4, 4, 4, 8, 2, 2, 2, 2, 0, 1, 7};
    EXPECT_EQ(Choose(thirtyThree, 3).report.nDepth, 0);
}

TEST(ChooserSearch, SearchesThePlayableCandidatesToTheTableDepth) {
    const Line thirtyTwo{4, 4, 4, 4, 4, 4, 8, 2, 2, 2, 2, 0, 0, 8};
    const Choice c = Choose(thirtyTwo, 3);
    EXPECT_EQ(c.report.nDepth, 8);
    EXPECT_EQ(c.report.nScores[4], -30000);
    EXPECT_EQ(c.report.nScores[5], -30000);
    EXPECT_LT(c.nPit, 4);
    EXPECT_EQ(c.nProgress, 100);

    // A single playable pit needs no deep look: depth 1, at every marble count.
    const Line lonePit{1, 1, 1, 1, 1, 1, 20, 0, 0, 0, 3, 0, 0, 19};
    for (int nLevel : {3, 4}) {
        const Choice lone = Choose(lonePit, nLevel);
        EXPECT_EQ(lone.nPit, 3);
        EXPECT_EQ(lone.report.nDepth, 1);
    }
}

TEST(ThinkAndMove, PlaysTheChosenPitAndLeavesNoProgress) {
    for (int nLevel : {0, 1, 2, 3, 4, 7}) {
        CGameBoard board;
        board.SetUserTurn(0);
        board.NewGame();
        board.SetLevel(nLevel);
        board.SeedRandom(3);
        board.ThinkAndMove();
        const MoveRecord* pHead = board.GetHistory();
        ASSERT_NE(pHead, nullptr);
        EXPECT_EQ(pHead->nRow, kComputerRow);
        EXPECT_EQ(pHead->nCount, 4);
        EXPECT_EQ(board.GetCount(pHead->nPit, kComputerRow), 0);
        EXPECT_EQ(board.GetProgress(), 0);
    }
}

TEST(ThinkAndMove, UnknownLevelsPlayAsLevelFour) {
    // Only a searching chooser reports a depth: levels 0 and 7 search like level 4.
    const Line lonePit{1, 1, 1, 1, 1, 1, 20, 0, 0, 0, 3, 0, 0, 19};
    for (int nLevel : {0, 7, 4}) {
        CGameBoard board;
        PutPosition(board, lonePit, 0);
        board.SetLevel(nLevel);
        board.ThinkAndMove();
        EXPECT_EQ(board.GetLastChoice().nDepth, 1) << "level " << nLevel;
    }
}

TEST(ThinkAndMove, AStoppedChoicePlaysNothing) {
    CGameBoard board;
    board.SetUserTurn(0);
    board.NewGame();
    board.SetLevel(2);
    board.RequestStop();
    board.ThinkAndMove();
    EXPECT_EQ(board.HasHistory(), 0);
    EXPECT_EQ(Snapshot(board), kStart);
    EXPECT_EQ(board.IsUserTurn(), 0);
    EXPECT_EQ(board.GetProgress(), 0);
}

} // namespace
