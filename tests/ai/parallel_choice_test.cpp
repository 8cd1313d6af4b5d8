// The fast search's candidates searched side by side on threads: a stop midway, and what the
// status bar may show while they search.
#include "ai/computer_player.h"
#include "ai/search_table.h"
#include "support/positions.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <future>
#include <set>
#include <thread>
#include <tuple>

using namespace testing_support;
using namespace std::chrono_literals;

namespace {

// The pit chosen with seed 1, the depth and the candidates' scores.
using Choice = std::tuple<int, int, std::array<std::int32_t, kPits>>;

Choice ChoiceOf(CComputerPlayer& player, const Line& line) {
    PutPosition(player, line, 0);
    player.SeedRandom(1);
    int nPit = -1, nRow = -1;
    player.ChooseMoveLevel4(nPit, nRow);
    return {nPit, player.GetLastChoice().nDepth, std::to_array(player.GetLastChoice().nScores)};
}

// Level-4 choices that keep the fast search busy for milliseconds, with the plain search's
// scores.
// clang-format off
const std::pair<Line, Choice> kKnown[] = {
    {{0, 0, 0, 0, 1, 10, 15, 1, 0, 2, 1, 1, 3, 14}, {3, 13, {4, -30000, 2, 5, 2, -1}}},
    {{1, 1, 1, 1, 0, 6, 14, 3, 3, 4, 1, 2, 1, 10}, {4, 13, {-1, -1, -1, -1, -1, -1}}},
    {{1, 0, 0, 1, 1, 0, 16, 1, 1, 1, 1, 2, 3, 20}, {0, 19, {13, -1, -1, -1, 13, 5}}},
    {{1, 1, 0, 0, 1, 0, 31, 1, 3, 1, 1, 0, 1, 7}, {0, 28, {22, 19, 19, 8, -30000, 21}}},
};
// clang-format on

TEST(ParallelChoice, AStopMidwayMisleadsNoLaterChoiceWhichShowsOnlyTheOneByOneProgress) {
    for (const auto& [line, choice] : kKnown) {
        // The one-by-one choice shows the steps of the candidates done in pit order, plus the
        // pits that the next candidate's search has passed.
        std::set<int> allowed = {0, 100};
        for (int i = 0; i < kPits; ++i) {
            CComputerPlayer single;
            PutPosition(single, line, 0);
            if (line[kPlaces + i] > 0) {
                single.TrialMove(kComputerRow, i);
                single.SearchValue(std::get<1>(choice), 1);
            }
            for (int j = 0; j <= single.GetProgress(); ++j)
                allowed.insert(CComputerPlayer::SearchProgressAt(i, j));
        }
        // The first candidate's search, passing its first pit, stops the choice from its own
        // thread while the others search: they all give up and nothing is played.
        search_table::Clear();
        CGameBoard board;
        PutPosition(board, line, 0);
        CComputerPlayer player;
        player.SetLevel(4);
        CComputerPlayer::SetProgressHookForTest([](CComputerPlayer& p) {
            if (p.GetProgress() >= CComputerPlayer::SearchProgressAt(0, 1))
                p.RequestStop();
        });
        EXPECT_EQ(player.ThinkAndMove(board), -1);
        CComputerPlayer::SetProgressHookForTest(nullptr);
        EXPECT_FALSE(board.HasHistory());
        EXPECT_EQ(player.GetProgress(), 0);
        // Nothing they worked out after the stop misleads the next choice, and meanwhile the
        // status bar reads only what the one-by-one choice shows, never going back.
        player.ClearStop();
        auto next = std::async(std::launch::async, [&] { return ChoiceOf(player, line); });
        for (int nLast = 0, nNow; next.wait_for(0s) == std::future_status::timeout; nLast = nNow) {
            nNow = player.GetProgress();
            EXPECT_TRUE(nNow >= nLast && allowed.count(nNow)) << nLast << " then " << nNow;
        }
        EXPECT_EQ(next.get(), choice);
        EXPECT_EQ(player.GetProgress(), 100);
    }
}

} // namespace
