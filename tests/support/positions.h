#pragma once

#include "ai/computer_player.h"
#include "rules/game_board.h"

#include <array>
#include <cstdint>

namespace testing_support {

// A position as the command-line tools write it: the user's pits 0..5 and store, then the
// computer's pits 0..5 and store.
using Line = std::array<int, 14>;

inline constexpr Line kStart = {4, 4, 4, 4, 4, 4, 0, 4, 4, 4, 4, 4, 4, 0};

inline void PutPosition(CGameBoard& board, const Line& line, bool bUserTurn) {
    Position pos;
    for (int i = 0; i < kPlaces; ++i) {
        pos[kUserRow][i] = line[i];
        pos[kComputerRow][i] = line[kPlaces + i];
    }
    board.SetPosition(pos);
    board.SetUserTurn(bUserTurn);
    board.SetRunning(true);
}

// The player's own position, as it judges it: row 1 the computer's.
inline void PutPosition(CComputerPlayer& player, const Line& line, bool bUserTurn) {
    Position pos;
    for (int i = 0; i < kPlaces; ++i) {
        pos[kUserRow][i] = line[i];
        pos[kComputerRow][i] = line[kPlaces + i];
    }
    player.SetPosition(pos, bUserTurn);
}

inline Line ToLine(const Position& pos) {
    Line line{};
    for (int i = 0; i < kPlaces; ++i) {
        line[i] = pos[kUserRow][i];
        line[kPlaces + i] = pos[kComputerRow][i];
    }
    return line;
}

inline Line Snapshot(const CComputerPlayer& player) {
    Position pos;
    player.GetPosition(pos);
    return ToLine(pos);
}

inline Line Snapshot(const CGameBoard& board, bool bShown = false) {
    Line line{};
    for (int i = 0; i < kPlaces; ++i) {
        line[i] = bShown ? board.GetShownCount(i, kUserRow) : board.GetCount(i, kUserRow);
        line[kPlaces + i] =
            bShown ? board.GetShownCount(i, kComputerRow) : board.GetCount(i, kComputerRow);
    }
    return line;
}

// A small generator of its own, so that random positions are the same with every library.
struct Rng {
    std::uint64_t n;
    int operator()(int nBelow) {
        n = n * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<int>((n >> 33) % static_cast<std::uint64_t>(nBelow));
    }
};

// A position still in play: nInPlay marbles (at least 2) in the twelve pits, at least one on
// each side, the rest split between the stores.
inline Line RandomPosition(Rng& rng, int nInPlay) {
    for (;;) {
        Line line{};
        for (int k = 0; k < nInPlay; ++k) {
            const int p = rng(12);
            ++line[p < 6 ? p : p + 1];
        }
        int nUser = 0;
        int nComputer = 0;
        for (int i = 0; i < 6; ++i) {
            nUser += line[i];
            nComputer += line[7 + i];
        }
        if (nUser > 0 && nComputer > 0) {
            line[6] = rng(kMarbles - nInPlay + 1);
            line[13] = kMarbles - nInPlay - line[6];
            return line;
        }
    }
}

} // namespace testing_support
