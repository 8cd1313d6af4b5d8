#include "rules/game_board.h"
#include "support/positions.h"

#include <gtest/gtest.h>

#include <random>

using testing_support::Line;
using testing_support::PutPosition;
using testing_support::Snapshot;

namespace {

using Chooser = void (CGameBoard::*)(int&, int&);
constexpr Chooser kChoosers[] = {&CGameBoard::ChooseMoveLevel1, &CGameBoard::ChooseMoveLevel2,
                                 &CGameBoard::ChooseMoveLevel3, &CGameBoard::ChooseMoveLevel4};

// Every chooser leaves the position and the turn as it found them and picks a pit of its own
// row that holds marbles. Levels 3 and 4 are kept to positions where the search stays shallow.
TEST(ChooserProperty, LeavesTheBoardAndPicksAPlayablePit) {
    std::mt19937 rng(1234);
    for (int i = 0; i < 600; ++i) {
        const int nLevel = 1 + i % 4;
        const int nInPlay = nLevel >= 3 ? std::uniform_int_distribution<int>(25, 48)(rng)
                                        : std::uniform_int_distribution<int>(2, 48)(rng);
        const Line line = testing_support::RandomPosition(rng, nInPlay);
        CGameBoard board;
        PutPosition(board, line, 0);
        board.SeedRandom(static_cast<std::uint32_t>(i));
        int nPit = -1;
        int nRow = -1;
        (board.*kChoosers[nLevel - 1])(nPit, nRow);
        ASSERT_EQ(Snapshot(board), line);
        ASSERT_EQ(board.IsUserTurn(), 0);
        ASSERT_EQ(board.HasHistory(), 0);
        ASSERT_EQ(nRow, kComputerRow);
        ASSERT_GE(nPit, 0);
        ASSERT_LT(nPit, 6);
        ASSERT_GT(line[7 + nPit], 0) << "level " << nLevel;
    }
}

// Whole games between the levels: 48 marbles throughout, each move recorded, and a take-back
// after the user's move restores that position exactly.
TEST(GameProperty, WholeGamesKeepTheMarblesAndTakeBackRestores) {
    std::mt19937 rng(99);
    for (int game = 0; game < 40; ++game) {
        CGameBoard board;
        board.SetUserTurn(game % 2);
        board.NewGame();
        board.SeedRandom(static_cast<std::uint32_t>(game));
        board.SetLevel(1 + game % 2);
        int nPlies = 0;
        while (board.IsRunning() && nPlies++ < 1000) {
            if (board.IsUserTurn()) {
                int nPit;
                do {
                    nPit = std::uniform_int_distribution<int>(0, 5)(rng);
                } while (board.GetCount(nPit, kUserRow) == 0);
                const Line before = Snapshot(board);
                ASSERT_EQ(board.UserMove(nPit), 1);
                if (board.IsSideEmpty(kSideUser)) {
                    board.SetRunning(0);
                    break;
                }
                if (!board.IsUserTurn() && nPlies % 7 == 0) {
                    board.ThinkAndMove();
                    ASSERT_EQ(board.TakeBack(), 1);
                    ASSERT_EQ(Snapshot(board), before);
                    ASSERT_EQ(board.IsUserTurn(), 1);
                    continue;
                }
            } else {
                board.ThinkAndMove();
                ASSERT_EQ(board.GetHistory()->nRow, kComputerRow);
                if (board.IsSideEmpty(kSideComputer)) {
                    board.SetRunning(0);
                }
            }
            ASSERT_EQ(testing_support::Sum(Snapshot(board)), kMarbles);
        }
        EXPECT_EQ(board.IsRunning(), 0) << "game " << game << " did not end";
    }
}

// Fixed positions and a fixed seed give fixed choices. A change here changes how the computer
// plays; it must be deliberate.
TEST(EngineSignature, FixedPositionsGiveFixedChoices) {
    std::mt19937 rng(8128);
    std::string signature;
    for (int i = 0; i < 48; ++i) {
        const int nLevel = 1 + i % 4;
        const int nInPlay = nLevel >= 3 ? std::uniform_int_distribution<int>(25, 40)(rng)
                                        : std::uniform_int_distribution<int>(2, 48)(rng);
        const Line line = testing_support::RandomPosition(rng, nInPlay);
        CGameBoard board;
        PutPosition(board, line, 0);
        board.SeedRandom(77);
        board.SetLevel(nLevel);
        board.ThinkAndMove();
        signature += static_cast<char>('0' + board.GetHistory()->nPit);
    }
    EXPECT_EQ(signature, "404140404131400300103024301231324001314033204344");
}

} // namespace
