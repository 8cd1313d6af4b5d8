#pragma once

#include "ai/computer_player.h"
#include "cli/cli_options.h"

#include <cstdint>
#include <iosfwd>

// Exit statuses of ravelo2-cli.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFault = 1;    // output could not be written, or the engine broke a rule
inline constexpr int kExitBadInput = 2; // bad arguments or a bad position line

// The seed to use: the given one, or the clock's when none was given.
std::uint32_t SeedFor(const CliOptions& options);

// analyse and value: read position lines from in until it ends, answer each on out (flushed
// line by line), and stop at the first bad line with a message on err naming its number.
// Returns the exit status.
int RunAnalyse(const CliOptions& options, std::istream& in, std::ostream& out, std::ostream& err);
int RunValue(const CliOptions& options, std::istream& in, std::ostream& out, std::ostream& err);
