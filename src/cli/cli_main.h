#pragma once

#include <iosfwd>
#include <span>
#include <string_view>

// The whole of ravelo2-cli behind its main(): args are the arguments after the program name.
// Returns the exit status: 0 done, 1 output or engine fault, 2 bad arguments or input.
int RunCli(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
           std::ostream& err);
