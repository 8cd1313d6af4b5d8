// The built ravelo2-cli when its standard streams are not what a player's script expects:
// standard input that cannot be read, standard output that cannot take the answers. Only a
// separate process shows how the real streams fail.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern char** environ;

namespace {

// Where a standard stream of the program goes.
struct Stream {
    enum Kind { File, Path, Closed } kind = File;
    std::string path; // for Path: opened as it is (a directory, /dev/full)
};

struct Outcome {
    int nStatus = -1; // exit status, or -1 when the program did not exit normally
    std::string out;  // empty unless standard output went to a file
    std::string err;
};

std::string TempPath(const char* name) {
    return testing::TempDir() + "ravelo2_bad_" + std::to_string(getpid()) + "_" + name;
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Outcome RunProgram(std::vector<std::string> args, const std::string& input, const Stream& in,
                   const Stream& out) {
    const std::string inPath = TempPath("in");
    const std::string outPath = TempPath("out");
    const std::string errPath = TempPath("err");
    {
        std::ofstream file(inPath, std::ios::binary | std::ios::trunc);
        file << input;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    switch (out.kind) {
    case Stream::File:
        posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
        break;
    case Stream::Path:
        posix_spawn_file_actions_addopen(&actions, 1, out.path.c_str(), O_WRONLY, 0);
        break;
    case Stream::Closed:
        posix_spawn_file_actions_addclose(&actions, 1);
        break;
    }
    switch (in.kind) {
    case Stream::File:
        posix_spawn_file_actions_addopen(&actions, 0, inPath.c_str(), O_RDONLY, 0);
        break;
    case Stream::Path:
        posix_spawn_file_actions_addopen(&actions, 0, in.path.c_str(), O_RDONLY, 0);
        break;
    case Stream::Closed:
        posix_spawn_file_actions_addclose(&actions, 0);
        break;
    }
    args.insert(args.begin(), RAVELO2_CLI_PATH);
    std::vector<char*> argv;
    for (std::string& a : args) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);

    Outcome run;
    pid_t pid = 0;
    const int spawned =
        posix_spawn(&pid, RAVELO2_CLI_PATH, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    EXPECT_EQ(spawned, 0) << "cannot start " << RAVELO2_CLI_PATH;
    if (spawned == 0) {
        int status = 0;
        while (waitpid(pid, &status, 0) < 0) {
        }
        run.nStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.out = out.kind == Stream::File ? ReadAll(outPath) : "";
        run.err = ReadAll(errPath);
    }
    std::remove(inPath.c_str());
    std::remove(outPath.c_str());
    std::remove(errPath.c_str());
    return run;
}

const std::string kStart = "4 4 4 4 4 4 0 4 4 4 4 4 4 0\n";
const std::vector<std::string> kAnalyse = {"analyse", "--level", "1", "--seed", "1"};
const std::vector<std::string> kValue = {"value", "--depth", "2", "--to-move", "user"};

TEST(UnreadableInput, IsNamedByLineWithStatusTwo) {
    // A directory opens for reading but every read fails; a closed descriptor cannot be read
    // at all. Neither is an empty input.
    const Stream kinds[] = {{Stream::Path, "/"}, {Stream::Closed, ""}};
    for (const Stream& in : kinds) {
        for (const auto& args : {kAnalyse, kValue}) {
            const Outcome run = RunProgram(args, "", in, {});
            SCOPED_TRACE(args[0] + (in.kind == Stream::Closed ? " closed" : " directory"));
            EXPECT_EQ(run.nStatus, 2);
            EXPECT_EQ(run.out, "");
            EXPECT_EQ(run.err, "ravelo2-cli: line 1: standard input could not be read\n");
        }
    }
}

TEST(UnwritableOutput, IsStatusOneWithAMessageNeverASilentSuccess) {
    struct Case {
        std::vector<std::string> args;
        const char* said;
    } cases[] = {
        {kAnalyse, "ravelo2-cli: line 1: the answer could not be written\n"},
        {kValue, "ravelo2-cli: line 1: the answer could not be written\n"},
        {{"play", "--levels", "1", "1", "--games", "1", "--seed", "1"},
         "ravelo2-cli: the summary could not be written\n"},
        {{"--help"}, "ravelo2-cli: the usage could not be written\n"},
    };
    const Stream outs[] = {{Stream::Path, "/dev/full"}, {Stream::Closed, ""}};
    for (const Stream& out : outs) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.args[0] + (out.kind == Stream::Closed ? " closed" : " /dev/full"));
            const Outcome run = RunProgram(c.args, kStart + kStart, {}, out);
            EXPECT_EQ(run.nStatus, 1);
            EXPECT_EQ(run.err, c.said);
        }
    }
}

} // namespace
