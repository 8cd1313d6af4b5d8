#pragma once

#include "cli/cli_options.h"

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

// Games cannot go on for ever (a move only carries marbles on towards a store, and stores never
// give them back), so a game this long means the engine broke the rules; it is counted as
// unfinished instead of looping.
inline constexpr int kPlyCap = 2000;

struct MatchSettings {
    int nLevelA = 4; // plays the computer's row (row 1)
    int nLevelB = 1; // plays the user's row (row 0)
    int nGames = 100;
    std::uint32_t nSeed = 0;
    int nPlyCap = kPlyCap;
    bool bPlainSearch = false; // both sides think with the plain search
};

// What one level did over the match.
struct SideStats {
    int nLevel = 0;
    int nWins = 0;
    long long nMoves = 0;
    double dTotalMs = 0.0;
    double dWorstMs = 0.0;
};

struct GameRecord {
    bool bAOpened = false;
    int nWinner = -1; // 0 level A, 1 level B, -1 unfinished
    // Every move in order, as pit + 6 * row; a fixed seed must give the same moves again.
    std::vector<std::int8_t> moves;
    SideStats a; // this game's share of the match figures
    SideStats b;
};

struct MatchResult {
    SideStats a;
    SideStats b;
    int nUnfinished = 0;
    long long nMoves = 0;
    std::vector<GameRecord> games;
};

// Called after each game with its 0-based number.
using GameDone = std::function<void(int nGame, const GameRecord& game)>;

// Plays the match: level A on the computer's row, level B on the user's row, A opening the
// first game and the opener alternating after that. Returns 0 with error set when a chooser gives
// a move that is not legal, which would make every later figure meaningless.
int PlayMatch(const MatchSettings& settings, MatchResult& result, std::string& error,
              const GameDone& onGameDone = {});

// The human-readable table that ravelo2-cli play prints.
std::string FormatMatchSummary(const MatchSettings& settings, const MatchResult& result);

// One line for a finished game, for --progress.
std::string FormatGameLine(const MatchSettings& settings, int nGame, const GameRecord& game);

// ravelo2-cli play: plays the match and prints its summary. Returns the exit status.
int RunPlay(const CliOptions& options, std::ostream& out, std::ostream& err);
