#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// What ravelo2-cli was asked to do.
enum class CliMode {
    Help,    // print the usage and stop
    Analyse, // the computer's choice for each position read
    Value,   // the search value of each position read
    Play,    // a match between two think levels
};

struct CliOptions {
    CliMode mode = CliMode::Help;

    // analyse
    int nLevel = 4;

    // analyse and play: the tie-break generator's seed; the clock when none is given
    bool bHasSeed = false;
    std::uint32_t nSeed = 0;

    // value
    int nDepth = -1;      // required, 0..kMaxValueDepth
    int bUserToMove = -1; // required: 1 the user moves, 0 the computer

    // analyse, value and play: the plain search, which finds the same values slowly
    bool bPlainSearch = false;

    // play: level A plays the computer's row, level B the user's row
    int nLevelA = 0;
    int nLevelB = 0;
    int nGames = 100;
    bool bProgress = false; // one line per finished game on standard error
};

inline constexpr int kMinLevel = 1;
inline constexpr int kMaxLevel = 4;
inline constexpr int kMaxValueDepth = 60;
inline constexpr int kMaxGames = 1000000;

struct CliParse {
    bool bOk = false;
    std::string error; // one sentence, without the program name
    CliOptions options;
};

// Reads the arguments after the program name. Every option is described by one row of a table
// in the implementation, so a new option is one row and one field.
CliParse ParseCommandLine(std::span<const std::string_view> args);

// The usage text, ending in a newline.
std::string UsageText();
