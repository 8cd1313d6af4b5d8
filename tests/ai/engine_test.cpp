#include "ai/fast_searcher.h"
#include "ai/forced_finish_table.h"
#include "ai/pick_best.h"
#include "ai/search_table.h"
#include "rules/game_board.h"
#include "support/positions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <numeric>
#include <set>
#include <vector>

using namespace testing_support;

namespace {

// A running digest of many results: one number stands for thousands of checked values.
struct Digest {
    std::uint64_t n = 14695981039346656037ull;
    void Add(int v) { n = (n ^ static_cast<std::uint32_t>(v)) * 1099511628211ull; }
};

struct ForcedCase {
    std::array<int, 6> pits;
    int nFirst, bFinishes;
};

// The chain is played from the store side for at most nine moves, whoever is to move.
TEST(ForcedFinish, FollowsTheGreedyChainFromTheStoreSideForAtMostNineMoves) {
    // clang-format off
    const ForcedCase kCases[] = {
        {{0, 0, 0, 0, 0, 1}, 5, 1}, {{0, 0, 0, 0, 0, 8}, 5, 1}, {{0, 0, 0, 0, 0, 9}, -1, 0},
        {{0, 0, 0, 0, 2, 0}, 4, 1}, {{0, 0, 0, 3, 2, 1}, 5, 0}, {{0, 0, 4, 2, 2, 1}, 5, 1},
        {{0, 5, 3, 1, 1, 0}, 1, 0}, {{0, 0, 0, 1, 0, 0}, -1, 0}, {{6, 0, 0, 0, 0, 0}, 0, 0},
    };
    // clang-format on
    for (const ForcedCase& c : kCases) {
        Line line{1}; // the user has one marble left; the stores hold the rest
        line[6] = kMarbles - 1 - std::accumulate(c.pits.begin(), c.pits.end(), 0);
        std::copy(c.pits.begin(), c.pits.end(), line.begin() + 7);
        for (int bTurn : {0, 1}) {
            CGameBoard board;
            board.SetSearchMode(kSearchPlain);
            PutPosition(board, line, bTurn);
            EXPECT_EQ(board.FirstForcedMove(kComputerRow), c.nFirst) << c.pits[5];
            EXPECT_EQ(board.CanForceFinish(kSideComputer), c.bFinishes) << c.pits[3];
            EXPECT_EQ(Snapshot(board), line);
            EXPECT_EQ(board.IsUserTurn(), bTurn);
        }
    }
}

// The fast search reads the forced-finish answer of a row from a table; it must agree with the
// chain played out move by move for every row a search can meet.
TEST(ForcedFinish, TableAgreesWithTheChainPlayedOut) {
    CGameBoard board;
    Line line{};
    line[7] = 1;
    for (int i = 0; i < 10 * 10 * 10 * 10 * 10 * 12; ++i) {
        int rest = i;
        for (int p = 5; p >= 0; --p) {
            line[p] = rest % (p == 5 ? 12 : 10);
            rest /= p == 5 ? 12 : 10;
        }
        PutPosition(board, line, 1);
        const int bTrial = board.CanForceFinishByTrial(kSideUser);
        ASSERT_EQ(forced_finish_table::RowCanFinish(line.data()), bTrial) << i;
        ASSERT_EQ(forced_finish_table::SmallRowCanFinish(line.data()), bTrial) << i;
    }
}

struct SearchCase {
    Line line;
    int bTurn, nDepth, bProgress, nValue, nProgress;
};

TEST(Search, TerminalTestsDepthHeuristicAndProgressOfTheTopNode) {
    // clang-format off
    const SearchCase kCases[] = {
        {{4, 4, 4, 4, 4, 4, 20, 0, 0, 0, 0, 0, 1, 3}, 0, 0, 1, 1, 0},    // computer finishes, even at depth 0
        {{4, 4, 4, 4, 4, 4, 20, 0, 0, 0, 0, 0, 1, 3}, 0, 7, 1, 8, 0},
        {{0, 0, 0, 0, 2, 0, 22, 4, 4, 4, 4, 4, 4, 0}, 1, 9, 0, -10, 0},
        {{1, 1, 0, 0, 0, 0, 45, 0, 0, 0, 0, 0, 1, 0}, 1, 4, 0, 5, 0},    // a finish the user cannot spoil
        {{0, 0, 0, 0, 0, 1, 0, 1, 1, 0, 0, 0, 0, 45}, 0, 3, 0, -4, 0},
        {kStart, 0, 0, 1, 0, 0},
        {kStart, 0, 1, 1, 0, 6},                                         // a computer node passes all six
        {{3, 4, 4, 4, 4, 4, 0, 4, 4, 4, 5, 4, 4, 0}, 0, 1, 0, -1, 0},   // no pit reaches the user's first
        {{0, 0, 1, 2, 1, 1, 29, 1, 1, 0, 1, 0, 0, 11}, 1, 1, 1, -1, 2}, // the first refutation ends it
        {kStart, 0, 3, 0, -1, 0},                                        // inner nodes never count
    };
    // clang-format on
    for (const SearchCase& c : kCases) {
        for (int nMode : {kSearchPlain, kSearchFast}) {
            CGameBoard board;
            board.SetSearchMode(nMode);
            PutPosition(board, c.line, c.bTurn);
            EXPECT_EQ(board.SearchValue(c.nDepth, c.bProgress), c.nValue) << c.nDepth;
            EXPECT_EQ(board.GetProgress(), c.nProgress) << c.nDepth;
        }
    }
}

// One board for all fast searches, so that later searches meet what earlier ones left in its
// table; now and then a fresh board, which starts without one.
TEST(Search, FastGivesThePlainValueAndProgressEverywhere) {
    Rng rng{2024};
    CGameBoard fast;
    for (int i = 0; i < 3000; ++i) {
        const int nInPlay = 2 + rng(23);
        Line line = RandomPosition(rng, nInPlay);
        const int bTurn = rng(2);
        int nDepth = rng(1 + (nInPlay <= 6    ? 14
                              : nInPlay <= 10 ? 11
                              : nInPlay <= 16 ? 9
                                              : 7));
        if (i % 25 == 0) { // a pit of more than 15, which the table names by rank, searched deep
            line = RandomPosition(rng, 3 + rng(6));
            const int nBig = 16 + rng(8), nPlace = rng(12);
            line[nPlace < 6 ? nPlace : nPlace + 1] += nBig;
            const int nFromUsers = std::min(nBig, line[6]); // taken from the stores
            line[6] -= nFromUsers;
            line[13] -= nBig - nFromUsers;
            nDepth = 10 + rng(4);
        }
        CGameBoard plain;
        plain.SetSearchMode(kSearchPlain);
        PutPosition(plain, line, bTurn);
        const int nValue = plain.SearchValue(nDepth, i % 3 == 0);
        CGameBoard fresh;
        CGameBoard& board = i % 5 == 0 ? fresh : fast;
        PutPosition(board, line, bTurn);
        const int nProgressBefore = board.GetProgress();
        ASSERT_EQ(board.SearchValue(nDepth, i % 3 == 0), nValue) << i;
        ASSERT_EQ(board.GetProgress() - nProgressBefore, plain.GetProgress()) << i;
        ASSERT_EQ(Snapshot(board), line);
        ASSERT_EQ(board.IsUserTurn(), bTurn);
    }
}

// Two nodes that differ only in the computer's row and share a bucket stay apart in it, and a
// node keeps both findings about it.
TEST(SearchTable, KeepsNodesOfOneBucketApartByTheirWholeName) {
    std::atomic<std::uint64_t> bucket[search_table::kSlotsPerBucket] = {};
    const auto place = [&](std::uint64_t nComputerRow, int bTurn) {
        const std::uint64_t n = search_table::NodeNumber(0x010203, nComputerRow, bTurn, 9);
        return search_table::Place{bucket, search_table::Scramble(n) & search_table::kTagMask};
    };
    const auto bucketOf = [](std::uint64_t nComputerRow) {
        const std::uint64_t n = search_table::NodeNumber(0x010203, nComputerRow, 1, 9);
        return search_table::Scramble(n) >> search_table::kTagBits;
    };
    // Another computer's row (a marble or more in its third pit), same user's row, turn, depth.
    std::uint64_t nOther = 0;
    for (std::uint32_t k = 0x100; k < 1u << 24; ++k) {
        nOther = 0;
        for (int i = 0; i < 6; ++i)
            nOther |= std::uint64_t{(k >> (4 * i)) & 15} << (8 * i);
        if (bucketOf(nOther) == bucketOf(0x0102))
            break;
    }
    ASSERT_EQ(bucketOf(nOther), bucketOf(0x0102));
    search_table::Entry entry{};
    search_table::Keep(place(0x0102, 1), 9, {3, 3}, 2);
    EXPECT_EQ(search_table::Find(place(nOther, 1), entry), 0);
    EXPECT_EQ(search_table::Find(place(0x0102, 0), entry), 0);
    const std::uint64_t nKept = place(0x0102, 1).nTag;
    for (int b = 0; b < search_table::kTagBits; ++b) // a tag one bit away names another node
        EXPECT_EQ(search_table::Find({bucket, nKept ^ std::uint64_t{1} << b}, entry), 0) << b;
    search_table::Keep(place(nOther, 1), 9, {-2, search_table::kNoHigh}, 1);
    search_table::Keep(place(nOther, 1), 9, {search_table::kNoLow, 4}, search_table::kNoReply);
    ASSERT_EQ(search_table::Find(place(0x0102, 1), entry), 1);
    EXPECT_EQ(entry.bounds.nLow, 3);
    ASSERT_EQ(search_table::Find(place(nOther, 1), entry), 1);
    EXPECT_EQ(entry.bounds.nLow, -2);
    EXPECT_EQ(entry.bounds.nHigh, 4);
    EXPECT_EQ(entry.nReply, 1);
}

// A search stopped as its top node passes its first pit leaves nothing in the table that makes
// the next search of that node answer otherwise than a search on an empty table.
TEST(SearchTable, AStoppedSearchMisleadsNoLaterSearch) {
    Rng rng{77};
    std::atomic<std::int32_t> bStop{0};
    const fast_search::PitCounter stopAtFirstPit{
        [](void* p) { static_cast<std::atomic<std::int32_t>*>(p)->store(1); }, &bStop};
    for (int i = 0; i < 100; ++i) {
        const Line line = RandomPosition(rng, 8 + rng(17));
        std::int32_t counts[2][kPlaces];
        std::copy(line.begin(), line.begin() + kPlaces, counts[kUserRow]);
        std::copy(line.begin() + kPlaces, line.end(), counts[kComputerRow]);
        fast_search::Node node{};
        ASSERT_EQ(fast_search::NodeOfCounts(counts, i % 2, node), 1);
        const int nDepth = 4 + rng(6);
        fast_search::CFastSearcher searcher(bStop, search_table::Slots());
        search_table::Clear();
        const int nValue = searcher.Value(node, nDepth, nullptr);
        search_table::Clear();
        searcher.Value(node, nDepth, &stopAtFirstPit);
        bStop = 0;
        ASSERT_EQ(searcher.Value(node, nDepth, nullptr), nValue) << i;
    }
}

struct Choice {
    int nPit = -1;
    ChoiceReport report;
    int nProgress = 0;
    std::vector<int> Scores() const { return {report.nScores, report.nScores + 6}; }
};

Choice Choose(const Line& line, int nLevel, std::uint32_t nSeed = 1, int nMode = kSearchFast) {
    using Chooser = void (CGameBoard::*)(int&, int&);
    constexpr Chooser kChoosers[] = {&CGameBoard::ChooseMoveLevel1, &CGameBoard::ChooseMoveLevel2,
                                     &CGameBoard::ChooseMoveLevel3, &CGameBoard::ChooseMoveLevel4};
    CGameBoard board;
    board.SetSearchMode(nMode);
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

TEST(Choosers, StartPositionLevelOneTiesAndLevelTwoScores) {
    int nSeen[6] = {};
    for (std::uint32_t nSeed = 0; nSeed < 600; ++nSeed) {
        const Choice c = Choose(kStart, 1, nSeed);
        ASSERT_EQ(c.Scores(), (std::vector<int>{0, 0, 0, 0, 0, 0}));
        ASSERT_EQ(c.nProgress, 53); // the threat steps are skipped
        ++nSeen[c.nPit];
    }
    EXPECT_EQ(nSeen[5], 0);
    EXPECT_NEAR(nSeen[4], 300, 45);
    EXPECT_NEAR(nSeen[3], 200, 45);
    for (int nLevel : {2, 3, 4}) { // more than 32 marbles in play: the level-2 chooser
        const Choice c = Choose(kStart, nLevel);
        EXPECT_EQ(c.nPit, 0);
        EXPECT_EQ(c.Scores(), (std::vector<int>{11, 10, 4, 3, 7, -4}));
        EXPECT_EQ(c.report.nDepth, 0);
        EXPECT_EQ(c.nProgress, 100);
    }
}

TEST(Choosers, AgainstTheUsersForcedFinishTheComputerReachesIntoTheUsersRow) {
    const Line stuck{0, 0, 0, 0, 2, 1, 19, 1, 2, 3, 0, 0, 1, 19};
    for (std::uint32_t nSeed = 0; nSeed < 100; ++nSeed) {
        const Choice c = Choose(stuck, 1, nSeed);
        ASSERT_EQ(c.Scores(), (std::vector<int>{-5, -5, -5, -1005, -1005, -5}));
        ASSERT_NE(c.nPit, 5);
        ASSERT_EQ(c.nProgress, 100);
    }
    const Choice c2 = Choose(stuck, 2);
    EXPECT_EQ(c2.Scores(), (std::vector<int>{-10, -10, 5, -1005, -1005, -10}));
    EXPECT_EQ(c2.nPit, 2);
    EXPECT_EQ(c2.nProgress, 61);
    // Three pits tie at 5 against the threat: level 2 draws among them a second time, and only
    // that second draw decides.
    const Line tied{0, 0, 0, 0, 2, 1, 12, 8, 7, 6, 0, 0, 0, 12};
    std::set<int> seen;
    for (std::uint32_t nSeed = 0; nSeed < 20; ++nSeed) {
        CRandom random;
        random.Seed(nSeed);
        const std::int32_t kScores[] = {5, 5, 5, -1005, -1005, -1005};
        const int nFirst = PickBest(kScores, 6, random);
        const int nSecond = PickBest(kScores, 6, random);
        ASSERT_EQ(Choose(tied, 2, nSeed).nPit, nSecond) << nSeed;
        seen.insert(nFirst * 6 + nSecond);
    }
    EXPECT_TRUE(seen.count(1) && seen.count(6)) << "the two draws disagree now and then";
    const Line reach{0, 0, 0, 0, 2, 1, 19, 0, 2, 3, 0, 1, 2, 18};
    EXPECT_EQ(Choose(reach, 1).nPit, 5);
    EXPECT_EQ(Choose(reach, 2).nPit, 5);
    EXPECT_EQ(Choose(reach, 2).nProgress, 41); // the pit scores alone decide
}

TEST(Choosers, EveryLevelTakesItsForcedFinishWithoutProgress) {
    for (int nLevel = 1; nLevel <= 4; ++nLevel) {
        const Choice c = Choose({4, 4, 4, 4, 4, 4, 10, 0, 0, 0, 0, 2, 1, 11}, nLevel);
        EXPECT_EQ(c.nPit, 5) << nLevel;
        EXPECT_EQ(c.report.bForced, 1);
        EXPECT_EQ(c.report.bHasScores, 0);
        EXPECT_EQ(c.nProgress, 0);
    }
}

TEST(Choosers, SearchDepthGrowsAsMarblesLeaveThePits) {
    const int kTable[][3] = {{48, 0, 0},   {33, 0, 0},   {32, 8, 10},  {25, 8, 10},  {24, 10, 13},
                             {13, 10, 13}, {12, 14, 19}, {11, 14, 19}, {10, 20, 28}, {9, 20, 28},
                             {8, 28, 40},  {7, 38, 55},  {0, 38, 55}};
    for (const auto& row : kTable) {
        EXPECT_EQ(CGameBoard::SearchDepthFor(row[0], 0), row[1]) << row[0];
        EXPECT_EQ(CGameBoard::SearchDepthFor(row[0], 1), row[2]) << row[0];
    }
    EXPECT_EQ(Choose({4, 4, 4, 4, 4, 4, 8, 2, 2, 2, 2, 0, 1, 7}, 3).report.nDepth, 0); // 33
    const Choice c = Choose({4, 4, 4, 4, 4, 4, 8, 2, 2, 2, 2, 0, 0, 8}, 4);            // 32
    EXPECT_EQ(c.report.nDepth, 10);
    EXPECT_EQ(c.report.nScores[4], -30000);
    EXPECT_EQ(c.nProgress, 100);
    EXPECT_EQ(Choose({1, 1, 1, 1, 1, 1, 20, 0, 0, 0, 3, 0, 0, 19}, 3).report.nDepth, 1); // one pit
}

// Each candidate's score is the search value, at the stated depth, of the position it leads to.
TEST(Choosers, CandidateScoresAreSearchValuesAtTheFullDepth) {
    const Line kLines[] = {{0, 1, 2, 0, 1, 0, 24, 1, 0, 2, 1, 0, 1, 15},
                           {1, 1, 4, 2, 1, 1, 13, 2, 2, 2, 2, 2, 3, 12},
                           {0, 0, 4, 2, 2, 3, 6, 2, 3, 2, 2, 1, 4, 17}};
    for (const Line& line : kLines) {
        for (int nLevel : {3, 4}) {
            // The last position is quick enough for the plain search, which chooses alone.
            const Choice c =
                Choose(line, nLevel, 1, &line == &kLines[2] ? kSearchPlain : kSearchFast);
            ASSERT_GT(c.report.nDepth, 1);
            EXPECT_EQ(c.nProgress, 100); // every candidate's steps shown, one after another
            for (int i = 0; i < 6; ++i) {
                if (line[7 + i] == 0)
                    continue;
                CGameBoard board;
                PutPosition(board, line, 0);
                board.TrialMove(kComputerRow, i);
                EXPECT_EQ(board.SearchValue(c.report.nDepth, 0), c.report.nScores[i]) << i;
            }
        }
    }
}

// Every level's choice, scores, depth and progress over many positions and seeds.
TEST(Choosers, ChoicesMatchTheirSignature) {
    Rng rng{5};
    std::array<Digest, 4> digests;
    for (int i = 0; i < 150; ++i) {
        const Line line = RandomPosition(rng, 2 + rng(i < 100 ? 30 : 46));
        for (int nLevel = 1; nLevel <= 4; ++nLevel) {
            const Choice c = Choose(line, nLevel, static_cast<std::uint32_t>(i));
            for (int v : {c.nPit, c.report.bForced, c.report.nDepth, c.nProgress})
                digests[nLevel - 1].Add(v);
            for (int v : c.Scores())
                digests[nLevel - 1].Add(v);
        }
    }
    EXPECT_EQ(digests[0].n, 4344879466949029225u);
    EXPECT_EQ(digests[1].n, 8620017106630296490u);
    EXPECT_EQ(digests[2].n, 3199346652430014101u);
    EXPECT_EQ(digests[3].n, 16449331902509313952u);
}

// Of m tied entries the last never wins and the first seldom; these counts of 12000
// draws each follow the odds 1; 1/2 1/2; 1/6 1/3 1/2; 1/24 1/8 1/3 1/2; 1/120 1/30 1/8 1/3 1/2.
TEST(PickBest, TakesTheBestAndSettlesTiesWithTheirDeliberateOdds) {
    CRandom random;
    random.Seed(3);
    const std::int32_t kScores[] = {1, 9, -4};
    EXPECT_EQ(PickBest(kScores, 3, random), 1);
    EXPECT_EQ(PickBest(kScores, 0, random), 0);
    random.Seed(3);
    const int kCounts[5][6] = {{12000, 0, 0, 0, 0, 0},
                               {6029, 5971, 0, 0, 0, 0},
                               {1983, 4025, 5992, 0, 0, 0},
                               {496, 1486, 4029, 5989, 0, 0},
                               {107, 396, 1479, 3946, 6072, 0}};
    for (int m = 2; m <= 6; ++m) {
        const std::int32_t kTied[] = {7, 7, 7, 7, 7, 7};
        int nSeen[6] = {};
        for (int k = 0; k < 12000; ++k)
            ++nSeen[PickBest(kTied, m, random)];
        EXPECT_TRUE(std::equal(nSeen, nSeen + 6, kCounts[m - 2])) << m << " ties";
    }
}

TEST(ThinkAndMove, PlaysTheChoiceOfTheLevelAndEndsWithoutProgress) {
    const Line lonePit{1, 1, 1, 1, 1, 1, 20, 0, 0, 0, 3, 0, 0, 19};
    for (int nLevel : {0, 1, 2, 3, 4, 7}) {
        CGameBoard board;
        PutPosition(board, lonePit, 0);
        board.SetLevel(nLevel);
        board.ThinkAndMove();
        ASSERT_NE(board.GetHistory(), nullptr);
        EXPECT_EQ(board.GetHistory()->nRow, kComputerRow);
        EXPECT_EQ(board.GetHistory()->nPit, 3);
        EXPECT_EQ(Snapshot(board), (Line{1, 1, 1, 1, 1, 1, 20, 0, 0, 0, 0, 1, 1, 20}));
        EXPECT_EQ(board.IsUserTurn(), 0); // three marbles from pit 3 end in the store
        EXPECT_EQ(board.GetProgress(), 0);
        // Only the searching levels report a depth: 0 and 7 act as level 4.
        EXPECT_EQ(board.GetLastChoice().nDepth, nLevel == 1 || nLevel == 2 ? 0 : 1) << nLevel;
    }
    CGameBoard board; // a new game wipes the progress that a chooser leaves behind
    PutPosition(board, kStart, 0);
    int nPit = 0, nRow = 0;
    board.ChooseMoveLevel1(nPit, nRow);
    board.NewGame();
    EXPECT_EQ(board.GetProgress(), 0);
}

TEST(ThinkAndMove, AStoppedChoicePlaysNothing) {
    CGameBoard board;
    PutPosition(board, {1, 0, 1, 0, 1, 0, 38, 2, 1, 0, 1, 1, 2, 0}, 0);
    board.SetLevel(3); // ten marbles: level 3 searches 20 plies deep, level 4 28
    board.ThinkAndMove();
    EXPECT_EQ(board.GetLastChoice().nDepth, 20);
    PutPosition(board, {2, 0, 1, 1, 0, 1, 20, 1, 2, 0, 1, 1, 0, 18}, 0);
    board.SetLevel(4);
    board.RequestStop();
    board.ThinkAndMove();
    EXPECT_EQ(board.HasHistory(), 0);
    EXPECT_EQ(board.IsUserTurn(), 0);
    EXPECT_EQ(board.GetProgress(), 0);
}

} // namespace
