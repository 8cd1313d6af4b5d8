#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

// A broken promise ends the run with the reason on standard error; libFuzzer keeps the input
// that caused it as a crash file.
inline void Require(bool bKept, std::string_view why) {
    if (!bKept) {
        std::fprintf(stderr, "broken: %.*s\n", static_cast<int>(why.size()), why.data());
        std::abort();
    }
}

// A message may echo what the player typed, but never raw control characters or stray bytes.
inline bool IsPrintable(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c < 0x7f; });
}
