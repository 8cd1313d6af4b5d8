#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

// A broken promise ends the run with the reason on standard error; libFuzzer keeps the input
// that caused it as a crash file.
#define FUZZ_REQUIRE(condition, why)                                                               \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: %s: %s\n", __FILE__, __LINE__, #condition,                \
                         std::string(why).c_str());                                                \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

// True when every byte of text can be shown on a terminal as it is: a message may echo what
// the player typed, but never raw control characters or stray bytes.
inline bool IsPrintableText(const std::string& text) {
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u > 0x7e) {
            return false;
        }
    }
    return true;
}
