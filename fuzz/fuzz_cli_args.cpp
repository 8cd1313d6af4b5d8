// The option reader of ravelo2-cli on arbitrary argument vectors (the input split on NUL bytes,
// as a command line's arguments are): a refused command line gets one printable sentence; an
// accepted one has every option inside its range.
#include "cli/cli_options.h"
#include "fuzz_check.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> args;
    for (std::size_t at = 0; size > 0 && at <= size;) {
        const std::size_t nul = std::min(text.find('\0', at), size);
        args.push_back(text.substr(at, nul - at));
        at = nul + 1;
    }
    const CliParse parse = ParseCommandLine(args);
    const CliOptions& o = parse.options;
    const auto within = [](int n, int nLow, int nHigh) { return n >= nLow && n <= nHigh; };
    if (!parse.bOk) {
        Require(!parse.error.empty() && parse.error.size() < 300 && IsPrintable(parse.error),
                parse.error);
    } else if (o.mode == CliMode::Play) {
        Require(within(o.nLevelA, kMinLevel, kMaxLevel) &&
                    within(o.nLevelB, kMinLevel, kMaxLevel) && within(o.nGames, 1, kMaxGames),
                "play");
    } else {
        Require(within(o.nLevel, kMinLevel, kMaxLevel) &&
                    (o.mode != CliMode::Value ||
                     (within(o.nDepth, 0, kMaxValueDepth) && within(o.bUserToMove, 0, 1))),
                "analyse or value");
    }
    return 0;
}
