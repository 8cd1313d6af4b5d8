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
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Args = std::vector<std::string_view>;

struct Outcome {
    int nStatus = -1;
    std::string out;
    std::string err;
};

Outcome RunWith(const Args& args, const std::string& input) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int nStatus = RunCli(args, in, out, err);
    return {nStatus, out.str(), err.str()};
}

// The built program through the shell; redirect, written after the program's own redirections,
// replaces one of them.
Outcome RunProgram(const std::string& args, const std::string& input, const std::string& redirect) {
    const std::string path = testing::TempDir() + "ravelo2_cli_" + std::to_string(getpid());
    std::ofstream(path + ".in", std::ios::binary) << input;
    const int status = std::system(("'" RAVELO2_CLI_PATH "' " + args + " <" + path + ".in >" +
                                    path + ".out 2>" + path + ".err " + redirect)
                                       .c_str());
    const auto take = [&](const char* ext) {
        std::ifstream file(path + ext, std::ios::binary);
        std::ostringstream text;
        text << file.rdbuf();
        std::remove((path + ext).c_str());
        return text.str();
    };
    take(".in");
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, take(".out"), take(".err")};
}

// Think times differ from run to run; every figure beside them must not. A time is a number with
// three or four decimals; it and the blanks that pad it become " t".
std::string WithoutTimes(const std::string& text) {
    std::string kept;
    for (std::size_t i = 0, end = 0; i < text.size(); i = end) {
        end = std::min(std::max(text.find_first_not_of("0123456789.", i), i + 1), text.size());
        const std::size_t dot = text.find('.', i);
        if (dot > i && dot < end && end - dot > 3 && kept.ends_with(' ')) {
            kept.erase(kept.find_last_not_of(' ') + 1);
            kept += " t";
        } else {
            kept.append(text, i, end - i);
        }
    }
    return kept;
}

const std::string kStart = "4 4 4 4 4 4 0 4 4 4 4 4 4 0";

TEST(CommandLine, AnalyseThinksAtLevelFourWithTheFastSearchUnlessTold) {
    EXPECT_EQ(ParseCommandLine(Args{"analyse"}).options.nLevel, 4);
    EXPECT_EQ(ParseCommandLine(Args{"analyse"}).options.bPlainSearch, 0);
    EXPECT_EQ(ParseCommandLine(Args{"analyse", "--search", "plain"}).options.bPlainSearch, 1);
}

TEST(CommandLine, BadArgumentsGetStatusTwoAndASentenceNamingTheOption) {
    const struct {
        Args args;
        std::string said; // how the sentence starts
    } cases[] = {
        {{"analyze"}, "unknown subcommand 'analyze' (expected analyse, value or play)"},
        {{"analyse", "--depth", "3"}, "unknown option '--depth' for analyse"},
        {{"analyse", "--level", "--seed", "3"}, "option --level needs a value: --level N"},
        {{"play", "--levels", "2", "--games", "3"}, "option --levels needs two values"},
        {{"play", "--levels=2"}, "option --levels cannot be written with '='; write --levels A B"},
        {{"analyse", "--level", "1", "--level", "2"}, "option --level is given more than once"},
        {{"analyse", "--level=0"}, "--level takes a whole number from 1 to 4, not '0'"},
        {{"analyse", "--level", "\x01\x7f\xff"},
         R"(--level takes a whole number from 1 to 4, not '\x01\x7f\xff')"},
        {{"analyse", "--seed", "4294967296"},
         "--seed takes a whole number from 0 to 4294967295, not '4294967296'"},
        {{"value", "--depth=61"}, "--depth takes a whole number from 0 to 60"},
        {{"value", "--to-move=me"}, "--to-move takes user or computer, not 'me'"},
        {{"value", "--to-move", "user"}, "value needs --depth D (0 to 60)"},
        {{"value", "--depth", "2"}, "value needs --to-move user|computer"},
        {{"play", "--games", "1"}, "play needs --levels A B"},
    };
    for (const auto& c : cases) {
        const Outcome run = RunWith(c.args, kStart + "\n");
        EXPECT_EQ(run.nStatus, 2) << c.said;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.rfind("ravelo2-cli: " + c.said, 0), 0u) << run.err;
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
    const struct {
        std::string line;
        std::string said; // how the message starts
    } cases[] = {
        {"", "empty line; expected 14 counts"},
        {"4 4 4 4 4 4 0 4 4 4 4 4 4", "expected 14 counts, found 13"},
        {kStart + std::string(kMaxLineLength + 1 - kStart.size(), ' '),
         "line is longer than 1024 characters; expected 14 counts"},
        {"+4 4 4 4 4 4 0 4 4 4 4 4 4 0", "count 1 (the user's pit 0) is not a whole number: '+4'"},
        {"4 4 4 4 4 4\x7f 0 4 4 4 4 4 4 0",
         R"(count 6 (the user's pit 5) is not a whole number: '4\x7f')"},
        {kStart + std::string("\0", 1),
         R"(count 14 (the computer's store) is not a whole number: '0\x00')"},
        {"4 4 4 4 4 4 8 -4 4 4 4 4 4 0", "count 8 (the computer's pit 0) is negative: '-4'"},
        {"4 4 4 4 4 4 0 4 4 4 4 4 4 49", "count 14 (the computer's store) is more than the 48"},
        {"4 4 4 4 4 4 99999999999999999999 4 4 4 4 4 4 0", "count 7 (the user's store) is more"},
        {"4 4 4 4 4 4 0 4 4 4 4 4 4 1", "the counts add up to 49 marbles, not 48"},
        {"0 0 0 0 0 0 24 4 4 4 4 4 4 0", "the user's six pits are empty"},
        {"4 4 4 4 4 4 24 0 0 0 0 0 0 0", "the computer's six pits are empty"},
    };
    for (const auto& c : cases) {
        for (const Args& args : {Args{"analyse", "--level", "1"},
                                 Args{"value", "--depth", "1", "--to-move", "user"}}) {
            const Outcome run = RunWith(args, kStart + "\n" + c.line + "\n" + kStart + "\n");
            EXPECT_EQ(run.nStatus, 2) << c.said;
            EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1) << c.said;
            EXPECT_EQ(run.err.rfind("ravelo2-cli: line 2: " + c.said, 0), 0u) << run.err;
        }
    }
}

TEST(Analyse, AnswersEachLineWithTheLevelsChoiceFromTheSeedAlone) {
    const struct {
        const char* level;
        const char* seed;
        std::string line;
        const char* answer;
    } cases[] = {
        // Nothing threatens: level 1 is the tie-break alone, which the seed settles.
        {"1", "3", kStart,
         R"({"pit": 2, "forced": false, "depth": null, "scores": [0, 0, 0, 0, 0, 0], "ms": t})"},
        {"1", "4294967295", kStart,
         R"({"pit": 4, "forced": false, "depth": null, "scores": [0, 0, 0, 0, 0, 0], "ms": t})"},
        // The user can finish: level 2 aims at the user's row.
        {"2", "1", "0 0 0 0 2 1 20 1 2 3 0 0 1 18",
         R"({"pit": 2, "forced": false, "depth": null, "scores": [-10, -10, 5, -1005, -1005, -10], "ms": t})"},
        // The computer's last marble sits in its pit 5: one move ends the game.
        {"4", "1", "4 4 4 4 4 4 10 0 0 0 0 0 1 13",
         R"({"pit": 5, "forced": true, "depth": null, "scores": null, "ms": t})"},
        // The searching levels, each to the depth of its table.
        {"3", "1", "0 0 1 0 1 0 29 1 1 1 2 1 0 11",
         R"({"pit": 3, "forced": false, "depth": 28, "scores": [-26, -26, -4, 8, 4, -30000], "ms": t})"},
        {"4", "1", "0 0 1 0 1 0 29 1 1 1 2 1 0 11",
         R"({"pit": 3, "forced": false, "depth": 40, "scores": [-38, -38, -16, 20, 16, -30000], "ms": t})"},
    };
    for (const auto& c : cases) {
        const Outcome run = RunWith({"analyse", "--level", c.level, "--seed", c.seed},
                                    c.line + "\n" + c.line + "\n");
        EXPECT_EQ(run.nStatus, 0) << run.err;
        EXPECT_EQ(WithoutTimes(run.out), std::string(c.answer) + "\n" + c.answer + "\n") << c.line;
    }
}

TEST(Value, GivesTheSearchValueForTheComputerWithTheGivenSideToMove) {
    const struct {
        const char* line;
        const char* depth;
        const char* toMove;
        const char* answer;
    } cases[] = {
        // A side that finishes at once is worth depth + 1 to it, also at depth 0.
        {"4 4 4 4 4 4 10 0 0 0 0 0 1 13", "0", "computer", R"({"value": 1})"},
        {"4 4 4 4 4 4 10 0 0 0 0 0 1 13", "60", "computer", R"({"value": 61})"},
        // Whose move it is changes what the same position is worth.
        {"0 0 1 0 1 0 29 1 1 1 2 1 0 11", "8", "user", R"({"value": -6})"},
        {"0 0 1 0 1 0 29 1 1 1 2 1 0 11", "8", "computer", R"({"value": -1})"},
    };
    for (const auto& c : cases) {
        const Outcome run = RunWith({"value", "--depth", c.depth, "--to-move", c.toMove},
                                    std::string(c.line) + "\n");
        EXPECT_EQ(run.nStatus, 0) << run.err;
        EXPECT_EQ(run.out, std::string(c.answer) + "\n") << c.line << " " << c.toMove;
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
    const struct {
        std::string args;
        std::string input;
        const char* redirect;
        int nStatus;
        std::string out;
        std::string err;
    } cases[] = {
        {"", "", "", 2, "", UsageText()},
        {"analyse -h", "", "", 0, UsageText(), ""},
        {value, kStart + "\n4 4\n", "", 2, "{\"value\": 0}\n",
         "ravelo2-cli: line 2: expected 14 counts, found 2\n"},
        // A directory opens for reading but cannot be read; full and closed outputs take nothing.
        {value, "", "</", 2, "", "ravelo2-cli: line 1: standard input could not be read\n"},
        {value, kStart + "\n", ">/dev/full", 1, "",
         "ravelo2-cli: line 1: the answer could not be written\n"},
        {"play --levels 1 1 --games 1", "", ">&-", 1, "",
         "ravelo2-cli: the summary could not be written\n"},
        {"--help", "", ">/dev/full", 1, "", "ravelo2-cli: the usage could not be written\n"},
    };
    for (const auto& c : cases) {
        const Outcome run = RunProgram(c.args, c.input, c.redirect);
        EXPECT_EQ(run.nStatus, c.nStatus) << c.args << " " << c.redirect;
        EXPECT_EQ(run.out, c.out) << c.args << " " << c.redirect;
        EXPECT_EQ(run.err, c.err) << c.args << " " << c.redirect;
    }
}

} // namespace
