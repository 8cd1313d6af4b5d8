#pragma once

#include "rules/game_board.h"

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>

// A position line is short: 14 counts of at most two digits. Anything far longer is junk, and
// reading it whole could exhaust memory, so a line stops being read at this length.
inline constexpr std::size_t kMaxLineLength = 1024;

enum class LineRead {
    Line,    // a line, without its newline, is in the string
    End,     // the input has ended; nothing was read
    TooLong, // the line runs past kMaxLineLength
    Failed,  // the stream reported a read error
};

// Reads the next line. A last line without a newline still counts as a line.
LineRead ReadPositionLine(std::istream& in, std::string& line);

// Reads the 14 counts of a position line into pos: the user's pits 0 to 5, the user's store, the
// computer's pits 0 to 5, the computer's store. Counts are separated by spaces or tabs; one
// carriage return at the end (a line from a Windows file) is allowed. Every count must be a whole
// number from 0 to 48 and together they must make the 48 marbles of the game. On failure pos is
// left unspecified and error says what is wrong, without the line number.
bool ParsePositionLine(std::string_view line, Position& pos, std::string& error);

// An analysed or valued position must still be in play: a side whose six pits are empty has
// already won, and no search can say anything of it.
bool CheckPositionInPlay(const Position& pos, std::string& error);
