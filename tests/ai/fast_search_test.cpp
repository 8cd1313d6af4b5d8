#include "rules/game_board.h"
#include "support/positions.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>

using testing_support::Line;
using testing_support::PutPosition;
using testing_support::Snapshot;

namespace {

// Depths at which the plain search stays quick enough to be the reference in every build.
int DepthFor(std::mt19937& rng, int nInPlay, int nScale) {
    const int nMost = nInPlay <= 6 ? 12 : nInPlay <= 10 ? 9 : nInPlay <= 16 ? 7 : 5;
    return std::uniform_int_distribution<int>(0, nMost + nScale)(rng);
}

// One board for all fast searches, so that later searches meet the values and bounds that
// earlier ones left in its table; the plain search starts afresh every time, and so does a
// second fast board now and then.
void CompareValues(std::uint32_t nSeed, int nPositions, int nScale) {
    std::mt19937 rng(nSeed);
    CGameBoard fast;
    for (int i = 0; i < nPositions; ++i) {
        const int nInPlay = std::uniform_int_distribution<int>(2, 24)(rng);
        const Line line = testing_support::RandomPosition(rng, nInPlay);
        const int bTurn = std::uniform_int_distribution<int>(0, 1)(rng);
        const int nDepth = DepthFor(rng, nInPlay, nScale);
        const int bProgress = i % 3 == 0 ? 1 : 0;

        CGameBoard plain;
        plain.SetSearchMode(kSearchPlain);
        PutPosition(plain, line, bTurn);
        const int nPlainValue = plain.SearchValue(nDepth, bProgress);

        PutPosition(fast, line, bTurn);
        const int nProgressBefore = fast.GetProgress();
        const int nFastValue = fast.SearchValue(nDepth, bProgress);
        const std::string where = "position " + std::to_string(i) + ", depth " +
                                  std::to_string(nDepth) + ", user to move " +
                                  std::to_string(bTurn);
        ASSERT_EQ(nFastValue, nPlainValue) << where;
        ASSERT_EQ(fast.GetProgress() - nProgressBefore, plain.GetProgress()) << where;
        ASSERT_EQ(Snapshot(fast), line) << where;
        ASSERT_EQ(fast.IsUserTurn(), bTurn) << where;
        if (i % 4 == 0) {
            // A board of its own: shallow searches run without a table, deep ones on a new one.
            CGameBoard fresh;
            PutPosition(fresh, line, bTurn);
            ASSERT_EQ(fresh.SearchValue(nDepth, 0), nPlainValue) << where << ", new board";
        }
    }
}

TEST(FastSearch, GivesThePlainValueAndProgressEverywhere) {
    CompareValues(2024, 4000, 2);
}

TEST(FastSearchLong, GivesThePlainValueOnADeepSweep) {
    CompareValues(77, 100000, 6);
}

struct Choice {
    int nPit = -1;
    int nRow = -1;
    int nProgressBefore = -1;
    int nProgress = -1;
    ChoiceReport report;
};

Choice ChooseWith(CGameBoard& board, const Line& line, int nLevel, std::uint32_t nSeed) {
    PutPosition(board, line, 0);
    board.SeedRandom(nSeed);
    Choice choice;
    const int nProgressBefore = board.GetProgress();
    if (nLevel == 3) {
        board.ChooseMoveLevel3(choice.nPit, choice.nRow);
    } else {
        board.ChooseMoveLevel4(choice.nPit, choice.nRow);
    }
    choice.nProgressBefore = nProgressBefore;
    choice.nProgress = board.GetProgress();
    choice.report = board.GetLastChoice();
    return choice;
}

void ExpectSameChoice(const Choice& fast, const Choice& plain, const std::string& where) {
    EXPECT_EQ(fast.nPit, plain.nPit) << where;
    EXPECT_EQ(fast.nRow, plain.nRow) << where;
    // A forced finish leaves the progress alone, whatever an earlier choice left there.
    if (plain.report.bForced) {
        EXPECT_EQ(fast.nProgress, fast.nProgressBefore) << where;
    } else {
        EXPECT_EQ(fast.nProgress, plain.nProgress) << where;
    }
    EXPECT_EQ(fast.report.bForced, plain.report.bForced) << where;
    EXPECT_EQ(fast.report.nDepth, plain.report.nDepth) << where;
    EXPECT_EQ(fast.report.bHasScores, plain.report.bHasScores) << where;
    for (int i = 0; i < kPits; ++i) {
        EXPECT_EQ(fast.report.nScores[i], plain.report.nScores[i]) << where << ", pit " << i;
    }
}

// Levels 3 and 4 as the player meets them: every score, the depth, the pit drawn from the same
// seed and the progress at the end agree. Marbles in play are kept where the plain search
// answers within a fraction of a second.
TEST(FastSearch, ChoosersReportTheSameAsWithThePlainSearch) {
    std::mt19937 rng(31337);
    CGameBoard fast;
    int nSearched = 0;
    for (int i = 0; i < 24; ++i) {
        const int nLevel = 3 + i % 2;
        const int nInPlay = std::uniform_int_distribution<int>(nLevel == 3 ? 20 : 25, 32)(rng);
        const Line line = testing_support::RandomPosition(rng, nInPlay);
        CGameBoard plain;
        plain.SetSearchMode(kSearchPlain);
        const Choice expected = ChooseWith(plain, line, nLevel, 500 + i);
        const Choice got = ChooseWith(fast, line, nLevel, 500 + i);
        ExpectSameChoice(got, expected, "position " + std::to_string(i));
        nSearched += expected.report.nDepth > 1 ? 1 : 0;
    }
    EXPECT_GT(nSearched, 12);
}

// The depths the choosers use where the game is decided: middle games at both levels, and
// endgames down to 11 marbles at level 4 and 9 at level 3, 10 to 20 plies deep.
TEST(FastSearchLong, ChoosersReportTheSameInMiddleGamesAndEndgames) {
    std::mt19937 rng(4242);
    CGameBoard fast;
    for (int i = 0; i < 600; ++i) {
        const int nLevel = i % 3 == 0 ? 4 : 3;
        const int nInPlay = std::uniform_int_distribution<int>(nLevel == 4 ? 11 : 9, 24)(rng);
        const Line line = testing_support::RandomPosition(rng, nInPlay);
        CGameBoard plain;
        plain.SetSearchMode(kSearchPlain);
        const Choice expected = ChooseWith(plain, line, nLevel, 900 + i);
        const Choice got = ChooseWith(fast, line, nLevel, 900 + i);
        ExpectSameChoice(got, expected, "position " + std::to_string(i));
    }
}

} // namespace
