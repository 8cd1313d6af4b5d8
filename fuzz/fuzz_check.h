#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

// A broken promise ends the run with the condition that failed on standard error; libFuzzer
// keeps the input that caused it as a crash file.
#define REQUIRE(bKept)                                                                             \
    ((bKept) ? void() : (std::fprintf(stderr, "broken: %s\n", #bKept), std::abort()))

// A message may echo what the player typed, but never raw control characters or stray bytes.
inline bool IsPrintable(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c < 0x7f; });
}
