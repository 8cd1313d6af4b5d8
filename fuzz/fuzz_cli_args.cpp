// The option reader of ravelo2-cli on arbitrary argument vectors (the input split on NUL bytes,
// as a command line's arguments are): a refused command line gets one printable sentence; an
// accepted one has every option inside its range.
#include "cli/cli_options.h"
#include "fuzz_check.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> args;
    for (std::size_t at = 0, nul = 0; size > 0 && at <= size; at = nul + 1) {
        nul = std::min(text.find('\0', at), size);
        args.push_back(text.substr(at, nul - at));
    }
    const auto& [bOk, error, o] = ParseCommandLine(args);
    const auto within = [](int n, int nLow, int nHigh) { return n >= nLow && n <= nHigh; };
    REQUIRE(bOk ? within(o.nLevel, kMinLevel, kMaxLevel) && within(o.nGames, 1, kMaxGames) &&
                      (o.mode != CliMode::Play || (within(o.nLevelA, kMinLevel, kMaxLevel) &&
                                                   within(o.nLevelB, kMinLevel, kMaxLevel))) &&
                      (o.mode != CliMode::Value ||
                       (within(o.nDepth, 0, kMaxValueDepth) && within(o.bUserToMove, 0, 1)))
                : !error.empty() && error.size() < 300 && IsPrintable(error));
    return 0;
}
