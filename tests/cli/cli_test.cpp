// ravelo2-cli as a player's script sees it: driven in the same process with string streams, and
// run through the shell for what only a separate process shows.
#include "cli/cli_main.h"
#include "cli/cli_options.h"
#include "cli/position_line.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Args = std::vector<std::string_view>;

struct Outcome {
    int nStatus = -1;
    std::string out, err;
};

Outcome RunWith(const Args& args, const std::string& input) {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int nStatus = RunCli(args, in, out, err);
    return {nStatus, out.str(), err.str()};
}

const std::string kStart = "4 4 4 4 4 4 0 4 4 4 4 4 4 0";

// The built program through the shell, with the start position as its input; redirect, written
// after the program's own redirections, replaces one of them.
Outcome RunProgram(const std::string& args, const std::string& redirect) {
    const std::string errPath = testing::TempDir() + "ravelo2_cli_" + std::to_string(getpid());
    const std::string command = "printf '" + kStart + "\\n' | '" RAVELO2_CLI_PATH "' " + args +
                                " 2>" + errPath + " " + redirect;
    FILE* pipe = popen(command.c_str(), "r");
    Outcome run;
    for (int c = 0; (c = std::fgetc(pipe)) != EOF;) {
        run.out += static_cast<char>(c);
    }
    const int status = pclose(pipe);
    std::ifstream file(errPath, std::ios::binary);
    run.err.assign(std::istreambuf_iterator<char>(file), {});
    std::remove(errPath.c_str());
    run.nStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// Think times differ from run to run; every figure beside them must not. A time is a number with
// three or four decimals; it and the blanks that pad it become " t".
std::string WithoutTimes(std::string text) {
    const char* digits = "0123456789";
    for (auto dot = text.find('.'); dot != std::string::npos; dot = text.find('.', dot + 1)) {
        const auto end = std::min(text.find_first_not_of(digits, dot + 1), text.size());
        const auto start = text.find_last_not_of(' ', text.find_last_not_of(digits, dot - 1)) + 1;
        if (end - dot > 3) {
            text.replace(start, end - start, " t");
            dot = start;
        }
    }
    return text;
}

TEST(CommandLine, SearchesFastUnlessThePlainSearchIsAskedFor) {
    EXPECT_EQ(ParseCommandLine(Args{"analyse"}).options.bPlainSearch, 0);
    EXPECT_EQ(ParseCommandLine(Args{"analyse", "--search", "plain"}).options.bPlainSearch, 1);
}

TEST(CommandLine, BadArgumentsGetStatusTwoAndASentenceNamingTheOption) {
    // clang-format off
    const struct { Args args; std::string said; /* how the sentence starts */ } cases[] = {
        {{"analyze"}, "unknown subcommand 'analyze' (expected analyse, value or play)"},
        {{"analyse", "--depth", "3"}, "unknown option '--depth' for analyse"},
        {{"analyse", "--level", "--seed", "3"}, "option --level needs a value: --level N"},
        {{"play", "--levels", "2", "--games", "3"}, "option --levels needs two values"},
        {{"play", "--levels=2"}, "option --levels cannot be written with '='; write --levels A B"},
        {{"analyse", "--level", "1", "--level", "2"}, "option --level is given more than once"},
        {{"analyse", "--level=0"}, "--level takes a whole number from 1 to 4, not '0'"},
        {{"play", "--search=\x01\x7f\xff"}, R"(--search takes plain or fast, not '\x01\x7f\xff')"},
        {{"analyse", "--seed", "4294967296"}, "--seed takes a whole number from 0 to 4294967295"},
        {{"value", "--depth=61"}, "--depth takes a whole number from 0 to 60"},
        {{"play", "--levels", "1", "1", "--games", "0"}, "--games takes a whole number from 1 to"},
        {{"value", "--to-move=me"}, "--to-move takes user or computer, not 'me'"},
        {{"value", "--to-move", "user"}, "value needs --depth D (0 to 60)"},
        {{"value", "--depth", "2"}, "value needs --to-move user|computer"},
        {{"play", "--games", "1"}, "play needs --levels A B"},
    };
    // clang-format on
    for (const auto& [args, said] : cases) {
        const Outcome run = RunWith(args, kStart + "\n");
        EXPECT_EQ(run.nStatus, 2) << said;
        EXPECT_EQ(run.err.rfind("ravelo2-cli: " + said, 0), 0u) << run.err;
    }
}

TEST(PositionLines, BlanksTabsLeadingZerosAndAWindowsLineEndAreAccepted) {
    const std::string longest = kStart + std::string(kMaxLineLength - kStart.size(), ' ');
    const Outcome run = RunWith({"value", "--depth", "0", "--to-move", "user"},
                                " 4\t4  04 4 4 4 0 4 4 4 4 4 4 00\t\r\n" + longest + "\n" + kStart);
    EXPECT_EQ(run.nStatus, 0) << run.err;
    EXPECT_EQ(run.out, "{\"value\": 0}\n{\"value\": 0}\n{\"value\": 0}\n");
}

TEST(PositionLines, ABadLineStopsTheRunWithStatusTwoAfterTheLinesBeforeItAreAnswered) {
    // clang-format off
    const struct { std::string line, said; /* how the message starts */ } cases[] = {
        {"", "empty line; expected 14 counts"},
        {kStart + " 0", "expected 14 counts, found 15"},
        {std::string(kMaxLineLength + 1, '4'), "line is longer than 1024 characters"},
        {"+4 4 4 4 4 4 0 4 4 4 4 4 4 0", "count 1 (the user's pit 0) is not a whole number: '+4'"},
        {kStart + '\0', R"(count 14 (the computer's store) is not a whole number: '0\x00')"},
        {"4 4 4 4 4 4 8 -4 4 4 4 4 4 0", "count 8 (the computer's pit 0) is negative: '-4'"},
        {"4 4 4 4 4 4 0 4 4 4 4 4 4 49", "count 14 (the computer's store) is more than the 48"},
        {"4 4 4 4 4 4 99999999999999999999 4 4 4 4 4 4 0", "count 7 (the user's store) is more"},
        {"4 4 4 4 4 4 0 4 4 4 4 4 4 1", "the counts add up to 49 marbles, not 48"},
        {"4 4 4 4 4 4 0 4 4 4 4 4 3 0", "the counts add up to 47 marbles, not 48"},
        {"0 0 0 0 0 0 24 4 4 4 4 4 4 0", "the user's six pits are empty"},
        {"4 4 4 4 4 4 24 0 0 0 0 0 0 0", "the computer's six pits are empty"},
    };
    // clang-format on
    for (const auto& [line, said] : cases) {
        for (const Args& args : {Args{"analyse", "--level", "1"},
                                 Args{"value", "--depth", "1", "--to-move", "user"}}) {
            const Outcome run = RunWith(args, kStart + "\n" + line + "\n" + kStart + "\n");
            EXPECT_EQ(run.nStatus, 2) << said;
            EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1) << said;
            EXPECT_EQ(run.err.rfind("ravelo2-cli: line 2: " + said, 0), 0u) << run.err;
        }
    }
}

TEST(Answers, AnalyseGivesTheLevelsChoiceFromTheSeedAloneAndValueTheSearchValueForTheSideToMove) {
    const std::string finishing = "4 4 4 4 4 4 10 0 0 0 0 0 1 13";
    const std::string middle = "0 0 1 0 1 0 29 1 1 1 2 1 0 11";
    // clang-format off
    const struct { Args args; std::string line, answer; } cases[] = {
        // Nothing threatens: level 1 is the tie-break alone, which the seed settles.
        {{"analyse", "--level", "1", "--seed", "3"}, kStart,
         R"({"pit": 2, "forced": false, "depth": null, "scores": [0, 0, 0, 0, 0, 0], "ms": t})"},
        {{"analyse", "--level", "1", "--seed", "4294967295"}, kStart,
         R"({"pit": 4, "forced": false, "depth": null, "scores": [0, 0, 0, 0, 0, 0], "ms": t})"},
        // The user can finish: level 2 aims at the user's row.
        {{"analyse", "--level", "2", "--seed", "1"}, "0 0 0 0 2 1 20 1 2 3 0 0 1 18",
         R"({"pit": 2, "forced": false, "depth": null, "scores": [-10, -10, 5, -1005, -1005, -10], "ms": t})"},
        // The computer's last marble sits in its pit 5: one move ends the game.
        {{"analyse", "--seed", "1"}, finishing,
         R"({"pit": 5, "forced": true, "depth": null, "scores": null, "ms": t})"},
        // The searching levels, each to the depth of its table; level 4 unless told.
        {{"analyse", "--level", "3", "--seed", "1"}, middle,
         R"({"pit": 3, "forced": false, "depth": 28, "scores": [-26, -26, -4, 8, 4, -30000], "ms": t})"},
        {{"analyse", "--seed", "1"}, middle,
         R"({"pit": 3, "forced": false, "depth": 40, "scores": [-38, -38, -16, 20, 16, -30000], "ms": t})"},
        // A side that finishes at once is worth depth + 1 to it, also at depth 0.
        {{"value", "--depth", "0", "--to-move", "computer"}, finishing, R"({"value": 1})"},
        {{"value", "--depth", "60", "--to-move", "computer"}, finishing, R"({"value": 61})"},
        // Whose move it is changes what the same position is worth.
        {{"value", "--depth", "8", "--to-move", "user"}, middle, R"({"value": -6})"},
        {{"value", "--depth", "8", "--to-move", "computer"}, middle, R"({"value": -1})"},
    };
    // clang-format on
    for (const auto& [args, line, answer] : cases) {
        const Outcome run = RunWith(args, line + "\n" + line + "\n");
        EXPECT_EQ(run.nStatus, 0) << run.err;
        EXPECT_EQ(WithoutTimes(run.out), answer + "\n" + answer + "\n") << line;
    }
}

TEST(Play, AMatchWithAFixedSeedGivesAFixedSummaryAndOneLinePerGame) {
    const Outcome run =
        RunWith({"play", "--levels", "1", "2", "--games", "4", "--seed", "1", "--progress"}, "");
    EXPECT_EQ(run.nStatus, 0);
    EXPECT_EQ(WithoutTimes(run.out),
              "seed 1\n"
              "games 4: level 1 opens games 1, 3, 5, ..., level 2 games 2, 4, 6, ...\n"
              "                           wins   moves    mean ms    worst ms\n"
              "level 1 (computer's row)      1     271 t t\n"
              "level 2 (user's row)          3     255 t t\n"
              "unfinished 0 (no winner within 2000 moves)\n"
              "moves 526 in all, 131.5 per game\n");
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 4);
    EXPECT_EQ(run.err.rfind("game 1: level 1 opened, level 2 (user's row) won after 118 moves;", 0),
              0u);
}

TEST(Program, AnswersGoToStandardOutputMessagesToStandardErrorAndTheStatusToTheShell) {
    const std::string value = "value --depth 1 --to-move user";
    // clang-format off
    const struct { std::string args, redirect; int nStatus; std::string out, err; } cases[] = {
        {"", "", 2, "", UsageText()},
        {"analyse -h", "", 0, UsageText(), ""},
        // A directory opens for reading but cannot be read; full and closed outputs take nothing.
        {value, "</", 2, "", "ravelo2-cli: line 1: standard input could not be read\n"},
        {value, ">/dev/full", 1, "", "ravelo2-cli: line 1: the answer could not be written\n"},
        {"play --levels 1 1 --games 1", ">&-", 1, "",
         "ravelo2-cli: the summary could not be written\n"},
        {"--help", ">/dev/full", 1, "", "ravelo2-cli: the usage could not be written\n"},
    };
    // clang-format on
    for (const auto& [args, redirect, nStatus, out, err] : cases) {
        const Outcome run = RunProgram(args, redirect);
        EXPECT_EQ(run.nStatus, nStatus) << args << " " << redirect;
        EXPECT_EQ(run.out, out) << args << " " << redirect;
        EXPECT_EQ(run.err, err) << args << " " << redirect;
    }
}

} // namespace
