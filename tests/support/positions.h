#pragma once

#include "rules/game_board.h"

#include <array>
#include <cstdint>
#include <random>

namespace testing_support {

// A position written as the command-line tools read it: the user's pits 0..5 and store, then
// the computer's pits 0..5 and store.
using Line = std::array<int, 14>;

inline void ToPosition(const Line& line, Position& pos) {
    for (int i = 0; i < kPlaces; ++i) {
        pos[kUserRow][i] = line[i];
        pos[kComputerRow][i] = line[kPlaces + i];
    }
}

inline void PutPosition(CGameBoard& board, const Line& line, int bUserTurn) {
    Position pos;
    ToPosition(line, pos);
    board.SetPosition(pos);
    board.SetUserTurn(bUserTurn);
    board.SetRunning(1);
}

inline Line Snapshot(const CGameBoard& board) {
    Line line{};
    for (int i = 0; i < kPlaces; ++i) {
        line[i] = board.GetCount(i, kUserRow);
        line[kPlaces + i] = board.GetCount(i, kComputerRow);
    }
    return line;
}

inline int Sum(const Line& line) {
    int n = 0;
    for (int v : line) {
        n += v;
    }
    return n;
}

// A random legal position: 48 marbles, nInPlay of them in the twelve pits, at least one in
// each side's pits (so nInPlay is at least 2).
inline Line RandomPosition(std::mt19937& rng, int nInPlay) {
    if (nInPlay < 2) {
        nInPlay = 2;
    }
    Line line{};
    std::uniform_int_distribution<int> pit(0, 11);
    for (;;) {
        line.fill(0);
        for (int k = 0; k < nInPlay; ++k) {
            const int p = pit(rng);
            ++line[p < 6 ? p : p + 1];
        }
        int nUser = 0;
        int nComputer = 0;
        for (int i = 0; i < 6; ++i) {
            nUser += line[i];
            nComputer += line[7 + i];
        }
        if (nUser > 0 && nComputer > 0) {
            const int nStores = kMarbles - nInPlay;
            const int nUserStore = std::uniform_int_distribution<int>(0, nStores)(rng);
            line[6] = nUserStore;
            line[13] = nStores - nUserStore;
            return line;
        }
    }
}

} // namespace testing_support
