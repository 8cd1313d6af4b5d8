#include "cli/cli_options.h"

#include "cli/cli_text.h"

#include <array>
#include <cstdint>

namespace {

constexpr unsigned Bit(CliMode mode) {
    return 1u << static_cast<unsigned>(mode);
}

constexpr unsigned kAnalyse = Bit(CliMode::Analyse);
constexpr unsigned kValue = Bit(CliMode::Value);
constexpr unsigned kPlay = Bit(CliMode::Play);

std::string_view ModeName(CliMode mode) {
    switch (mode) {
    case CliMode::Analyse:
        return "analyse";
    case CliMode::Value:
        return "value";
    case CliMode::Play:
        return "play";
    case CliMode::Help:
        break;
    }
    return "help";
}

// Reads one option value as a whole number within [nLow, nHigh]; the message names the option,
// the allowed range and what was given.
bool ReadNumber(std::string_view option, std::string_view text, std::int64_t nLow,
                std::int64_t nHigh, std::string_view why, std::int64_t& nValue,
                std::string& error) {
    if (ParseWholeNumber(text, nLow, nHigh, nValue) == NumberText::Ok) {
        return true;
    }
    error = std::string(option) + " takes a whole number from " + std::to_string(nLow) + " to " +
            std::to_string(nHigh);
    if (!why.empty()) {
        error += " (" + std::string(why) + ")";
    }
    error += ", not " + QuoteForMessage(text);
    return false;
}

bool ReadLevel(std::string_view option, std::string_view text, int& nLevel, std::string& error) {
    std::int64_t n = 0;
    if (!ReadNumber(option, text, kMinLevel, kMaxLevel, "", n, error)) {
        return false;
    }
    nLevel = static_cast<int>(n);
    return true;
}

using ApplyFn = bool (*)(CliOptions&, std::span<const std::string_view>, std::string&);

struct OptionRow {
    std::string_view name;
    unsigned modes;          // the subcommands that accept it
    int nValues;             // how many arguments follow it: 0, 1 or 2
    std::string_view values; // how the usage text names them
    ApplyFn apply;
};

const std::array kOptions = {
    OptionRow{"--level", kAnalyse, 1, "N",
              [](CliOptions& o, std::span<const std::string_view> v, std::string& e) {
                  return ReadLevel("--level", v[0], o.nLevel, e);
              }},
    OptionRow{"--seed", kAnalyse | kPlay, 1, "S",
              [](CliOptions& o, std::span<const std::string_view> v, std::string& e) {
                  std::int64_t n = 0;
                  if (!ReadNumber("--seed", v[0], 0, UINT32_MAX, "", n, e)) {
                      return false;
                  }
                  o.bHasSeed = true;
                  o.nSeed = static_cast<std::uint32_t>(n);
                  return true;
              }},
    OptionRow{"--depth", kValue, 1, "D",
              [](CliOptions& o, std::span<const std::string_view> v, std::string& e) {
                  std::int64_t n = 0;
                  if (!ReadNumber("--depth", v[0], 0, kMaxValueDepth,
                                  "deeper searches would not finish in any useful time", n, e)) {
                      return false;
                  }
                  o.nDepth = static_cast<int>(n);
                  return true;
              }},
    OptionRow{"--to-move", kValue, 1, "user|computer",
              [](CliOptions& o, std::span<const std::string_view> v, std::string& e) {
                  if (v[0] == "user" || v[0] == "computer") {
                      o.bUserToMove = v[0] == "user" ? 1 : 0;
                      return true;
                  }
                  e = "--to-move takes user or computer, not " + QuoteForMessage(v[0]);
                  return false;
              }},
    OptionRow{"--levels", kPlay, 2, "A B",
              [](CliOptions& o, std::span<const std::string_view> v, std::string& e) {
                  return ReadLevel("--levels", v[0], o.nLevelA, e) &&
                         ReadLevel("--levels", v[1], o.nLevelB, e);
              }},
    OptionRow{"--games", kPlay, 1, "N",
              [](CliOptions& o, std::span<const std::string_view> v, std::string& e) {
                  std::int64_t n = 0;
                  if (!ReadNumber("--games", v[0], 1, kMaxGames, "", n, e)) {
                      return false;
                  }
                  o.nGames = static_cast<int>(n);
                  return true;
              }},
    OptionRow{"--search", kAnalyse | kValue | kPlay, 1, "plain|fast",
              [](CliOptions& o, std::span<const std::string_view> v, std::string& e) {
                  if (v[0] == "plain" || v[0] == "fast") {
                      o.bPlainSearch = v[0] == "plain";
                      return true;
                  }
                  e = "--search takes plain or fast, not " + QuoteForMessage(v[0]);
                  return false;
              }},
    OptionRow{"--progress", kPlay, 0, "",
              [](CliOptions& o, std::span<const std::string_view>, std::string&) {
                  o.bProgress = true;
                  return true;
              }},
};

bool IsHelp(std::string_view arg) {
    return arg == "--help" || arg == "-h";
}

CliParse Fail(std::string error) {
    CliParse result;
    result.error = std::move(error);
    return result;
}

} // namespace

CliParse ParseCommandLine(std::span<const std::string_view> args) {
    if (args.empty()) {
        return Fail("no subcommand given");
    }
    CliParse result;
    CliOptions& options = result.options;
    const std::string_view command = args[0];
    if (IsHelp(command)) {
        options.mode = CliMode::Help;
        result.bOk = true;
        return result;
    }
    if (command == "analyse") {
        options.mode = CliMode::Analyse;
    } else if (command == "value") {
        options.mode = CliMode::Value;
    } else if (command == "play") {
        options.mode = CliMode::Play;
    } else {
        return Fail("unknown subcommand " + QuoteForMessage(command) +
                    " (expected analyse, value or play)");
    }

    unsigned seen = 0; // one bit per row of kOptions
    for (std::size_t i = 1; i < args.size(); ++i) {
        std::string_view arg = args[i];
        if (IsHelp(arg)) {
            options.mode = CliMode::Help;
            result.bOk = true;
            return result;
        }
        // "--name=value" is accepted for options that take one value.
        std::string_view inlineValue;
        bool bInline = false;
        if (const auto eq = arg.find('='); arg.starts_with("--") && eq != std::string_view::npos) {
            inlineValue = arg.substr(eq + 1);
            arg = arg.substr(0, eq);
            bInline = true;
        }
        std::size_t k = 0;
        while (k < kOptions.size() &&
               (kOptions[k].name != arg || (kOptions[k].modes & Bit(options.mode)) == 0)) {
            ++k;
        }
        if (k == kOptions.size()) {
            if (!arg.starts_with("-")) {
                return Fail("unexpected argument " + QuoteForMessage(arg) + " for " +
                            std::string(ModeName(options.mode)));
            }
            return Fail("unknown option " + QuoteForMessage(arg) + " for " +
                        std::string(ModeName(options.mode)));
        }
        const OptionRow& row = kOptions[k];
        if ((seen & (1u << k)) != 0) {
            return Fail("option " + std::string(row.name) + " is given more than once");
        }
        seen |= 1u << k;

        std::array<std::string_view, 2> values;
        if (bInline) {
            if (row.nValues != 1) {
                return Fail("option " + std::string(row.name) + " cannot be written with '='" +
                            (row.nValues == 2 ? "; write " + std::string(row.name) + " " +
                                                    std::string(row.values)
                                              : std::string()));
            }
            values[0] = inlineValue;
        } else {
            for (int v = 0; v < row.nValues; ++v) {
                // An option name where a value should be means the value was left out.
                if (i + 1 >= args.size() || args[i + 1].starts_with("--")) {
                    return Fail("option " + std::string(row.name) + " needs " +
                                (row.nValues == 2 ? "two values: " : "a value: ") +
                                std::string(row.name) + " " + std::string(row.values));
                }
                values[static_cast<std::size_t>(v)] = args[++i];
            }
        }
        if (!row.apply(options, std::span(values.data(), static_cast<std::size_t>(row.nValues)),
                       result.error)) {
            return result;
        }
    }

    if (options.mode == CliMode::Value) {
        if (options.nDepth < 0) {
            return Fail("value needs --depth D (0 to " + std::to_string(kMaxValueDepth) + ")");
        }
        if (options.bUserToMove < 0) {
            return Fail("value needs --to-move user|computer");
        }
    }
    if (options.mode == CliMode::Play && options.nLevelA == 0) {
        return Fail("play needs --levels A B");
    }
    result.bOk = true;
    return result;
}

std::string UsageText() {
    return "usage: ravelo2-cli analyse [--level N] [--seed S] [--search plain|fast]\n"
           "       ravelo2-cli value --depth D --to-move user|computer [--search plain|fast]\n"
           "       ravelo2-cli play --levels A B [--games N] [--seed S] [--search plain|fast]\n"
           "                        [--progress]\n"
           "       ravelo2-cli --help\n"
           "\n"
           "analyse and value read positions from standard input, one a line: 14 counts\n"
           "separated by spaces, the user's pits 0 to 5, the user's store, the computer's\n"
           "pits 0 to 5 and the computer's store, 48 marbles in all.\n"
           "\n"
           "analyse   the computer is to move; writes for each line\n"
           "          {\"pit\": p, \"forced\": f, \"depth\": D|null, \"scores\": [...]|null, "
           "\"ms\": t}\n"
           "          --level N   think level 1 to 4 (default 4)\n"
           "          --seed S    tie-break seed, 0 to 4294967295 (default: the clock); every\n"
           "                      line starts from this seed, so its answer does not depend on\n"
           "                      the lines before it\n"
           "value     writes {\"value\": v} for each line: the search value for the computer\n"
           "          --depth D   search depth, 0 to 60\n"
           "          --to-move   the side to move: user or computer\n"
           "play      a match: level A plays the computer's row, level B the user's row;\n"
           "          level A opens the odd-numbered games, level B the even-numbered ones\n"
           "          --levels A B  the two think levels, 1 to 4\n"
           "          --games N     number of games (default 100)\n"
           "          --seed S      tie-break seed (default: the clock)\n"
           "          --progress    one line per finished game on standard error\n"
           "\n"
           "--search plain|fast  the computer's search (default fast); both give the same\n"
           "          values, moves and scores, the plain one slowly, as the reference\n"
           "\n"
           "Exit status: 0 done; 2 bad arguments or a bad input line (the message names the\n"
           "line; the lines before it have been answered); 1 the output could not be written\n"
           "or the engine chose a move that is not legal.\n";
}
