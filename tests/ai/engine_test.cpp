#include "ai/fast_searcher.h"
#include "ai/forced_finish_table.h"
#include "ai/pick_best.h"
#include "ai/search_table.h"
#include "support/positions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <map>
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
            CComputerPlayer player;
            player.SetSearchMode(kSearchPlain);
            PutPosition(player, line, bTurn);
            EXPECT_EQ(player.FirstForcedMove(kComputerRow), c.nFirst) << c.pits[5];
            EXPECT_EQ(player.CanForceFinish(kSideComputer), c.bFinishes) << c.pits[3];
            EXPECT_EQ(Snapshot(player), line);
            EXPECT_EQ(player.IsUserTurn(), bTurn);
        }
    }
}

// The fast search reads the forced-finish answer of a row from a table; it must agree with the
// chain played out move by move for every row a search can meet.
TEST(ForcedFinish, TableAgreesWithTheChainPlayedOut) {
    CComputerPlayer player;
    Line line{};
    line[7] = 1;
    for (int i = 0; i < 10 * 10 * 10 * 10 * 10 * 12; ++i) {
        int rest = i;
        for (int p = 5; p >= 0; --p) {
            line[p] = rest % (p == 5 ? 12 : 10);
            rest /= p == 5 ? 12 : 10;
        }
        PutPosition(player, line, 1);
        const int bTrial = player.CanForceFinishByTrial(kSideUser);
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
            CComputerPlayer player;
            player.SetSearchMode(nMode);
            PutPosition(player, c.line, c.bTurn);
            EXPECT_EQ(player.SearchValue(c.nDepth, c.bProgress), c.nValue) << c.nDepth;
            EXPECT_EQ(player.GetProgress(), c.nProgress) << c.nDepth;
        }
    }
}

// One player for all fast searches, whose progress runs on; now and then a fresh one. All meet
// what earlier searches left in the table.
TEST(Search, FastGivesThePlainValueAndProgressEverywhere) {
    Rng rng{2024};
    CComputerPlayer fast;
    for (int i = 0; i < 3000; ++i) {
        const int nInPlay = 2 + rng(23);
        Line line = RandomPosition(rng, nInPlay);
        const int bTurn = rng(2);
        int nDepth = rng(1 + (nInPlay <= 6 ? 14 : nInPlay <= 10 ? 11 : nInPlay <= 16 ? 9 : 7));
        if (i % 25 == 0) { // a pit of more than 15, which the table names by rank, searched deep
            line = RandomPosition(rng, 3 + rng(6));
            const int nBig = 16 + rng(8), nPlace = rng(12);
            line[nPlace < 6 ? nPlace : nPlace + 1] += nBig;
            const int nFromUsers = std::min(nBig, line[6]); // taken from the stores
            line[6] -= nFromUsers;
            line[13] -= nBig - nFromUsers;
            nDepth = 10 + rng(4);
        }
        CComputerPlayer plain;
        plain.SetSearchMode(kSearchPlain);
        PutPosition(plain, line, bTurn);
        const int nValue = plain.SearchValue(nDepth, i % 3 == 0);
        CComputerPlayer fresh;
        CComputerPlayer& player = i % 5 == 0 ? fresh : fast;
        PutPosition(player, line, bTurn);
        const int nProgressBefore = player.GetProgress();
        ASSERT_EQ(player.SearchValue(nDepth, i % 3 == 0), nValue) << i;
        ASSERT_EQ(player.GetProgress() - nProgressBefore, plain.GetProgress()) << i;
        ASSERT_EQ(Snapshot(player), line);
        ASSERT_EQ(player.IsUserTurn(), bTurn);
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

// Nodes with a pit of more than 15 marbles (63 at most in all) are numbered by their rank among
// all layouts: no two of them share a number.
TEST(SearchTable, RankedNodesEachHaveTheirOwnNumber) {
    Rng rng{15};
    std::map<std::uint64_t, std::pair<std::uint64_t, std::uint64_t>> seen;
    for (int i = 0; i < 20000; ++i) {
        std::uint64_t nRows[2] = {};
        for (int k = 0, nBig = 16 + rng(26); k < 12; ++k)
            nRows[k / 6] |= std::uint64_t(k == i % 12 ? nBig : rng(3)) << (8 * (k % 6));
        const std::uint64_t n = search_table::NodeNumber(nRows[0], nRows[1], 1, 9);
        const auto [at, bNew] = seen.emplace(n, std::pair(nRows[0], nRows[1]));
        ASSERT_TRUE(bNew || at->second == std::pair(nRows[0], nRows[1])) << i;
    }
}

// A search stopped as its top node passes its first pit leaves nothing in the table that makes
// the next search of that node answer otherwise than a search on an empty table.
TEST(SearchTable, AStoppedSearchMisleadsNoLaterSearch) {
    Rng rng{77};
    std::atomic<bool> bStop{false};
    const fast_search::PitCounter stopAtFirstPit{
        [](void* p) { static_cast<std::atomic<bool>*>(p)->store(true); }, &bStop};
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
        bStop = false;
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
    using Chooser = void (CComputerPlayer::*)(int&, int&);
    constexpr Chooser kChoosers[] = {
        &CComputerPlayer::ChooseMoveLevel1, &CComputerPlayer::ChooseMoveLevel2,
        &CComputerPlayer::ChooseMoveLevel3, &CComputerPlayer::ChooseMoveLevel4};
    CComputerPlayer player;
    player.SetSearchMode(nMode);
    PutPosition(player, line, 0);
    player.SeedRandom(nSeed);
    int nPit = -1;
    int nRow = -1;
    (player.*kChoosers[nLevel - 1])(nPit, nRow);
    EXPECT_EQ(nRow, kComputerRow);
    EXPECT_EQ(Snapshot(player), line);
    EXPECT_EQ(player.IsUserTurn(), 0);
    return {nPit, player.GetLastChoice(), player.GetProgress()};
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
    // that second draw decides; the trial of the pits that reach nothing is not made.
    const Line tied{0, 0, 0, 0, 2, 1, 10, 8, 7, 6, 1, 2, 0, 11};
    std::set<int> seen;
    for (std::uint32_t nSeed = 0; nSeed < 20; ++nSeed) {
        CRandom random;
        random.Seed(nSeed);
        const std::int32_t kScores[] = {5, 5, 5, -5, -5, -1005};
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
        EXPECT_TRUE(c.report.bForced);
        EXPECT_FALSE(c.report.bHasScores);
        EXPECT_EQ(c.nProgress, 0);
    }
}

TEST(Choosers, SearchDepthGrowsAsMarblesLeaveThePits) {
    const int kTable[][3] = {{48, 0, 0},   {33, 0, 0},   {32, 8, 10},  {25, 8, 10},  {24, 10, 13},
                             {13, 10, 13}, {12, 14, 19}, {11, 14, 19}, {10, 20, 28}, {9, 20, 28},
                             {8, 28, 40},  {7, 38, 55},  {0, 38, 55}};
    for (const auto& row : kTable) {
        EXPECT_EQ(CComputerPlayer::SearchDepthFor(row[0], false), row[1]) << row[0];
        EXPECT_EQ(CComputerPlayer::SearchDepthFor(row[0], true), row[2]) << row[0];
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
                CComputerPlayer player;
                PutPosition(player, line, 0);
                player.TrialMove(kComputerRow, i);
                EXPECT_EQ(player.SearchValue(c.report.nDepth, 0), c.report.nScores[i]) << i;
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
            for (int v : {c.nPit, int{c.report.bForced}, c.report.nDepth, c.nProgress})
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

// The player plays whichever side is to move: the same position turned round gives the user's
// pit that the computer's would be. Levels 0 and 7 act as level 4.
TEST(ThinkAndMove, PlaysTheChoiceOfTheLevelForTheSideToMoveAndEndsWithoutProgress) {
    const Line lonePit{1, 1, 1, 1, 1, 1, 20, 0, 0, 0, 3, 0, 0, 19};
    const Line played{1, 1, 1, 1, 1, 1, 20, 0, 0, 0, 0, 1, 1, 20};
    const auto turned = [](const Line& l) {
        Line t{};
        std::copy(l.begin(), l.begin() + kPlaces, t.begin() + kPlaces);
        std::copy(l.begin() + kPlaces, l.end(), t.begin());
        return t;
    };
    for (int nLevel : {0, 1, 2, 3, 4, 7}) {
        for (int bUser : {0, 1}) {
            CGameBoard board;
            PutPosition(board, bUser ? turned(lonePit) : lonePit, bUser);
            CComputerPlayer player;
            player.SetLevel(nLevel);
            EXPECT_EQ(player.ThinkAndMove(board), 3);
            ASSERT_NE(board.GetHistory(), nullptr);
            EXPECT_EQ(board.GetHistory()->nRow, bUser ? kUserRow : kComputerRow);
            EXPECT_EQ(Snapshot(board), bUser ? turned(played) : played);
            EXPECT_EQ(board.IsUserTurn(), bUser); // three marbles from pit 3 end in the store
            EXPECT_EQ(player.GetProgress(), 0);
            // Only the searching levels report a depth.
            EXPECT_EQ(player.GetLastChoice().nDepth, nLevel == 1 || nLevel == 2 ? 0 : 1);
        }
    }
    CComputerPlayer player; // a new game wipes the progress that a chooser leaves behind
    PutPosition(player, kStart, 0);
    int nPit = 0, nRow = 0;
    player.ChooseMoveLevel1(nPit, nRow);
    player.NewGame();
    EXPECT_EQ(player.GetProgress(), 0);
}

TEST(ThinkAndMove, AStoppedChoicePlaysNothing) {
    CGameBoard board;
    CComputerPlayer player;
    PutPosition(board, {1, 0, 1, 0, 1, 0, 38, 2, 1, 0, 1, 1, 2, 0}, 0);
    player.SetLevel(3); // ten marbles: level 3 searches 20 plies deep, level 4 28
    player.ThinkAndMove(board);
    EXPECT_EQ(player.GetLastChoice().nDepth, 20);
    PutPosition(board, {2, 0, 1, 1, 0, 1, 20, 1, 2, 0, 1, 1, 0, 18}, 0);
    player.SetLevel(4);
    player.RequestStop();
    EXPECT_EQ(player.ThinkAndMove(board), -1);
    EXPECT_EQ(board.HasHistory(), 0);
    EXPECT_EQ(board.IsUserTurn(), 0);
    EXPECT_EQ(player.GetProgress(), 0);
}

} // namespace
