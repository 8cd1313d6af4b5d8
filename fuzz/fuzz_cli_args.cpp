// The option reader of ravelo2-cli on arbitrary argument vectors: the input split on NUL bytes,
// as the arguments of a command line are. Every vector is either refused with one printable
// sentence or gives options inside their allowed ranges, and the whole program agrees.
#include "cli/cli_main.h"
#include "cli/cli_options.h"
#include "fuzz_check.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::vector<std::string_view> SplitOnNul(std::string_view text) {
    std::vector<std::string_view> args;
    if (text.empty()) {
        return args;
    }
    for (;;) {
        const std::size_t nul = text.find('\0');
        args.push_back(text.substr(0, nul));
        if (nul == std::string_view::npos) {
            return args;
        }
        text.remove_prefix(nul + 1);
    }
}

bool IsHelpWord(std::string_view arg) {
    return arg == "--help" || arg == "-h";
}

void CheckAccepted(const std::vector<std::string_view>& args, const CliOptions& o) {
    FUZZ_REQUIRE(!args.empty(), "an empty command line has no subcommand");
    const std::string_view command = args[0];
    if (o.mode == CliMode::Help) {
        FUZZ_REQUIRE(std::any_of(args.begin(), args.end(), IsHelpWord),
                     "help without --help or -h");
        return;
    }
    FUZZ_REQUIRE(std::none_of(args.begin(), args.end(), IsHelpWord), "--help was not obeyed");
    FUZZ_REQUIRE(o.bHasSeed == 0 || o.bHasSeed == 1, "seed flag");
    switch (o.mode) {
    case CliMode::Analyse:
        FUZZ_REQUIRE(command == "analyse", std::string(command));
        FUZZ_REQUIRE(o.nLevel >= kMinLevel && o.nLevel <= kMaxLevel, std::to_string(o.nLevel));
        break;
    case CliMode::Value:
        FUZZ_REQUIRE(command == "value", std::string(command));
        FUZZ_REQUIRE(o.nDepth >= 0 && o.nDepth <= kMaxValueDepth, std::to_string(o.nDepth));
        FUZZ_REQUIRE(o.bUserToMove == 0 || o.bUserToMove == 1, std::to_string(o.bUserToMove));
        break;
    case CliMode::Play:
        FUZZ_REQUIRE(command == "play", std::string(command));
        FUZZ_REQUIRE(o.nLevelA >= kMinLevel && o.nLevelA <= kMaxLevel, "level A");
        FUZZ_REQUIRE(o.nLevelB >= kMinLevel && o.nLevelB <= kMaxLevel, "level B");
        FUZZ_REQUIRE(o.nGames >= 1 && o.nGames <= kMaxGames, std::to_string(o.nGames));
        break;
    case CliMode::Help:
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string_view> args = SplitOnNul(text);

    const CliParse parse = ParseCommandLine(args);
    const CliParse again = ParseCommandLine(args);
    FUZZ_REQUIRE(parse.bOk == again.bOk && parse.error == again.error,
                 "the same words, read twice");
    if (parse.bOk) {
        FUZZ_REQUIRE(parse.error.empty(), parse.error);
        CheckAccepted(args, parse.options);
    } else {
        // One sentence the player can read on a terminal, however strange the arguments.
        FUZZ_REQUIRE(!parse.error.empty(), "a refusal without a reason");
        FUZZ_REQUIRE(IsPrintableText(parse.error), parse.error);
        FUZZ_REQUIRE(parse.error.size() < 300, parse.error);
    }

    // The program as a whole, on empty standard input; a match would play its games, which is
    // the engine's business and not the reader's.
    if (parse.bOk && parse.options.mode == CliMode::Play) {
        return 0;
    }
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCli(args, in, out, err);
    if (args.empty()) {
        FUZZ_REQUIRE(status == 2 && out.str().empty() && err.str() == UsageText(), "no arguments");
    } else if (!parse.bOk) {
        FUZZ_REQUIRE(status == 2, std::to_string(status));
        FUZZ_REQUIRE(out.str().empty(), out.str());
        FUZZ_REQUIRE(err.str() ==
                         "ravelo2-cli: " + parse.error + "\n(ravelo2-cli --help shows the usage)\n",
                     err.str());
    } else if (parse.options.mode == CliMode::Help) {
        FUZZ_REQUIRE(status == 0 && out.str() == UsageText() && err.str().empty(), err.str());
    } else {
        FUZZ_REQUIRE(status == 0 && out.str().empty() && err.str().empty(), err.str());
    }
    return 0;
}
