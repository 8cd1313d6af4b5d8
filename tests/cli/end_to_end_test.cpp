// The built ravelo2-cli run as a separate process, fed from a file as a player's script would.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Outcome {
    int nStatus = -1; // exit status, or -1 when the program did not exit normally
    std::string out;
    std::string err;
};

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string TempPath(const char* name) {
    return testing::TempDir() + "ravelo2_cli_" + std::to_string(getpid()) + "_" + name;
}

Outcome RunProgram(const std::vector<std::string>& args, const std::string& input) {
    const std::string inPath = TempPath("in");
    const std::string outPath = TempPath("out");
    const std::string errPath = TempPath("err");
    {
        std::ofstream in(inPath, std::ios::binary | std::ios::trunc);
        in << input;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, inPath.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    std::vector<std::string> argv = {RAVELO2_CLI_PATH};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> argp;
    for (std::string& a : argv) {
        argp.push_back(a.data());
    }
    argp.push_back(nullptr);

    Outcome run;
    pid_t pid = 0;
    const int spawned =
        posix_spawn(&pid, RAVELO2_CLI_PATH, &actions, nullptr, argp.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    EXPECT_EQ(spawned, 0) << "cannot start " << RAVELO2_CLI_PATH;
    if (spawned == 0) {
        int status = 0;
        while (waitpid(pid, &status, 0) < 0) {
        }
        run.nStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.out = ReadAll(outPath);
        run.err = ReadAll(errPath);
    }
    std::remove(inPath.c_str());
    std::remove(outPath.c_str());
    std::remove(errPath.c_str());
    return run;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.rfind(prefix, 0) == 0;
}

const std::string kStart = "4 4 4 4 4 4 0 4 4 4 4 4 4 0\n";

TEST(Program, AnalysesTheStartPositionAndAForcedFinish) {
    const Outcome run = RunProgram({"analyse", "--level", "2", "--seed", "9"},
                                   kStart + "4 4 4 4 4 4 10 0 0 0 0 0 1 13\n");
    EXPECT_EQ(run.nStatus, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 2u) << run.out;
    EXPECT_TRUE(StartsWith(lines[0], R"({"pit": 0, "forced": false, "depth": null, )"
                                     R"("scores": [11, 10, 4, 3, 7, -4], "ms": )"))
        << lines[0];
    EXPECT_TRUE(
        StartsWith(lines[1], R"({"pit": 5, "forced": true, "depth": null, "scores": null, "ms": )"))
        << lines[1];
}

// The plain search is the reference: every answer but the time must be the same.
TEST(Program, BothSearchesGiveTheSameAnswers) {
    const std::string input = "2 3 1 0 4 2 8 3 2 4 1 2 3 13\n1 0 2 1 0 3 17 2 1 0 2 1 1 17\n";
    const auto withoutTimes = [](const std::string& out) {
        std::vector<std::string> lines = Lines(out);
        for (std::string& line : lines) {
            line = line.substr(0, line.find("\"ms\""));
        }
        return lines;
    };
    const Outcome plain =
        RunProgram({"analyse", "--level", "3", "--seed", "5", "--search", "plain"}, input);
    const Outcome fast =
        RunProgram({"analyse", "--level", "3", "--seed", "5", "--search", "fast"}, input);
    EXPECT_EQ(plain.nStatus, 0) << plain.err;
    EXPECT_EQ(fast.nStatus, 0) << fast.err;
    ASSERT_EQ(withoutTimes(plain.out).size(), 2u) << plain.out;
    EXPECT_EQ(withoutTimes(fast.out), withoutTimes(plain.out));
    EXPECT_NE(plain.out.find(R"("depth": 10)"), std::string::npos) << plain.out;

    const std::vector<std::string> value = {"value", "--depth", "12", "--to-move", "user"};
    std::vector<std::string> plainValue = value;
    plainValue.insert(plainValue.end(), {"--search", "plain"});
    const std::string line = "0 1 0 0 1 0 12 1 1 0 1 2 1 28\n";
    EXPECT_EQ(RunProgram(plainValue, line).out, RunProgram(value, line).out);
}

TEST(Program, SearchLevelsReportTheDepthOfTheirTable) {
    // The user can finish from every one of these (one marble in its pit 5), which keeps the
    // searches short whatever their depth.
    struct Case {
        const char* line;
        int nInPlay;
        const char* depth3;
        const char* depth4;
    } cases[] = {
        {"0 0 0 0 0 1 7 6 6 6 6 6 2 8", 33, "null", "null"}, // the level-2 chooser decides
        {"0 0 0 0 0 1 8 6 6 6 6 6 1 8", 32, "8", "10"},
        {"0 0 0 0 0 1 10 5 5 5 5 5 2 10", 28, "8", "10"},
        {"0 0 0 0 0 1 8 3 3 3 1 1 1 27", 13, "10", "13"},
        {"0 0 0 0 0 1 20 3 3 2 1 1 1 16", 12, "14", "19"},
        {"0 0 0 0 0 1 10 2 3 1 1 1 1 28", 10, "20", "28"},
        {"0 0 0 0 0 1 20 2 1 1 1 1 1 20", 8, "28", "40"},
        {"0 0 0 0 0 1 20 1 1 1 1 1 1 21", 7, "38", "55"},
        {"0 0 0 0 0 1 20 0 0 3 0 0 0 24", 4, "1", "1"}, // one playable pit
    };
    std::string input;
    for (const Case& c : cases) {
        input += std::string(c.line) + "\n";
    }
    for (const char* level : {"3", "4"}) {
        const Outcome run = RunProgram({"analyse", "--level", level, "--seed", "5"}, input);
        ASSERT_EQ(run.nStatus, 0) << run.err;
        const auto lines = Lines(run.out);
        ASSERT_EQ(lines.size(), std::size(cases));
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const std::string depth = level[0] == '3' ? cases[i].depth3 : cases[i].depth4;
            EXPECT_NE(lines[i].find("\"forced\": false, \"depth\": " + depth + ", \"scores\": ["),
                      std::string::npos)
                << cases[i].nInPlay << " marbles, level " << level << ": " << lines[i];
        }
    }
}

TEST(Program, ABadLineEndsTheRunWithStatusTwoAfterTheEarlierAnswers) {
    const std::string junk("4 4 4 4 4 4 0 4 4 4 4\0\xff 4 4 0\n", 29);
    const Outcome run = RunProgram({"analyse", "--level", "1"}, kStart + kStart + junk + kStart);
    EXPECT_EQ(run.nStatus, 2);
    EXPECT_EQ(Lines(run.out).size(), 2u) << run.out;
    EXPECT_TRUE(StartsWith(run.err, "ravelo2-cli: line 3: ")) << run.err;
}

TEST(Program, ValueOfADecidedPosition) {
    const Outcome run = RunProgram({"value", "--depth", "4", "--to-move", "computer"},
                                   "4 4 4 4 4 4 10 0 0 0 0 0 1 13\n");
    EXPECT_EQ(run.nStatus, 0) << run.err;
    EXPECT_EQ(run.out, "{\"value\": 5}\n");
}

TEST(Program, UsageAndArgumentErrors) {
    Outcome run = RunProgram({}, "");
    EXPECT_EQ(run.nStatus, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(StartsWith(run.err, "usage: ravelo2-cli")) << run.err;

    run = RunProgram({"--help"}, "");
    EXPECT_EQ(run.nStatus, 0);
    EXPECT_TRUE(StartsWith(run.out, "usage: ravelo2-cli")) << run.out;

    run = RunProgram({"analyse", "--level", "9"}, kStart);
    EXPECT_EQ(run.nStatus, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("--level takes a whole number from 1 to 4"), std::string::npos);

    run = RunProgram({"analyse"}, "");
    EXPECT_EQ(run.nStatus, 0);
    EXPECT_EQ(run.out, "");
}

TEST(Program, AMatchWithAFixedSeedGivesTheSameTableEveryTime) {
    const std::vector<std::string> args = {"play",    "--levels", "2",      "1",
                                           "--games", "4",        "--seed", "1"};
    // Think times differ from run to run; every other figure must not. A level's row ends in
    // its two think times.
    auto table = [](const Outcome& run) {
        std::vector<std::string> kept;
        for (const std::string& line : Lines(run.out)) {
            std::istringstream in(line);
            std::vector<std::string> words{std::istream_iterator<std::string>(in),
                                           std::istream_iterator<std::string>()};
            if (StartsWith(line, "level ") && words.size() > 2) {
                words.resize(words.size() - 2);
            }
            std::string row;
            for (const std::string& word : words) {
                row += word + " ";
            }
            kept.push_back(row);
        }
        return kept;
    };
    const Outcome first = RunProgram(args, "");
    ASSERT_EQ(first.nStatus, 0) << first.err;
    const Outcome second = RunProgram(args, "");
    ASSERT_EQ(second.nStatus, 0) << second.err;
    EXPECT_EQ(table(first), table(second));
    EXPECT_NE(first.out.find("games 4"), std::string::npos) << first.out;
    EXPECT_NE(first.out.find("moves "), std::string::npos) << first.out;
}

} // namespace
