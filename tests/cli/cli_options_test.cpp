#include "cli/cli_options.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

CliParse Parse(std::vector<std::string_view> args) {
    return ParseCommandLine(args);
}

TEST(CommandLine, AnalyseDefaultsToLevelFourAndTheClock) {
    const CliParse p = Parse({"analyse"});
    ASSERT_TRUE(p.bOk) << p.error;
    EXPECT_EQ(p.options.mode, CliMode::Analyse);
    EXPECT_EQ(p.options.nLevel, 4);
    EXPECT_EQ(p.options.bHasSeed, 0);
}

TEST(CommandLine, ReadsEveryOptionInBothSpellings) {
    CliParse p = Parse({"analyse", "--level", "2", "--seed=4294967295"});
    ASSERT_TRUE(p.bOk) << p.error;
    EXPECT_EQ(p.options.nLevel, 2);
    EXPECT_EQ(p.options.bHasSeed, 1);
    EXPECT_EQ(p.options.nSeed, 4294967295u);

    p = Parse({"value", "--to-move", "user", "--depth=60"});
    ASSERT_TRUE(p.bOk) << p.error;
    EXPECT_EQ(p.options.mode, CliMode::Value);
    EXPECT_EQ(p.options.nDepth, 60);
    EXPECT_EQ(p.options.bUserToMove, 1);
    p = Parse({"value", "--depth", "0", "--to-move", "computer"});
    ASSERT_TRUE(p.bOk) << p.error;
    EXPECT_EQ(p.options.nDepth, 0);
    EXPECT_EQ(p.options.bUserToMove, 0);

    p = Parse({"play", "--levels", "4", "1", "--games", "7", "--seed", "0", "--progress"});
    ASSERT_TRUE(p.bOk) << p.error;
    EXPECT_EQ(p.options.mode, CliMode::Play);
    EXPECT_EQ(p.options.nLevelA, 4);
    EXPECT_EQ(p.options.nLevelB, 1);
    EXPECT_EQ(p.options.nGames, 7);
    EXPECT_EQ(p.options.bHasSeed, 1);
    EXPECT_EQ(p.options.nSeed, 0u);
    EXPECT_EQ(p.options.bProgress, 1);
    EXPECT_EQ(Parse({"play", "--levels", "1", "3"}).options.nGames, 100);
}

TEST(CommandLine, SearchIsFastUnlessThePlainOneIsAskedFor) {
    EXPECT_EQ(Parse({"analyse"}).options.bPlainSearch, 0);
    EXPECT_EQ(Parse({"analyse", "--search", "plain"}).options.bPlainSearch, 1);
    EXPECT_EQ(Parse({"analyse", "--search=fast"}).options.bPlainSearch, 0);
    EXPECT_EQ(Parse({"value", "--depth", "3", "--to-move", "user", "--search", "plain"})
                  .options.bPlainSearch,
              1);
    const CliParse p = Parse({"play", "--levels", "4", "4", "--search", "plain"});
    ASSERT_TRUE(p.bOk) << p.error;
    EXPECT_EQ(p.options.bPlainSearch, 1);
}

TEST(CommandLine, HelpWinsWherever) {
    for (const auto& args : std::vector<std::vector<std::string_view>>{
             {"--help"}, {"-h"}, {"analyse", "--help"}, {"play", "--levels", "1", "2", "-h"}}) {
        const CliParse p = Parse(args);
        EXPECT_TRUE(p.bOk) << args.size();
        EXPECT_EQ(p.options.mode, CliMode::Help);
    }
    EXPECT_NE(UsageText().find("ravelo2-cli analyse"), std::string::npos);
}

struct BadArgs {
    std::vector<std::string_view> args;
    const char* said; // part of the message
};

TEST(CommandLine, RefusesBadArgumentsWithAMessageThatSaysWhy) {
    const BadArgs cases[] = {
        // subcommands
        {{}, "no subcommand"},
        {{"analyze"}, "unknown subcommand 'analyze'"},
        {{"--level", "2"}, "unknown subcommand '--level'"},
        // options that do not exist, or not for this subcommand
        {{"analyse", "--depth", "3"}, "unknown option '--depth' for analyse"},
        {{"value", "--level", "3", "--depth", "1", "--to-move", "user"}, "unknown option"},
        {{"play", "--levels", "1", "2", "--level", "3"}, "unknown option"},
        {{"analyse", "-l", "3"}, "unknown option '-l'"},
        {{"analyse", "3"}, "unexpected argument '3'"},
        {{"analyse", "--progress"}, "unknown option '--progress'"},
        // missing values
        {{"analyse", "--level"}, "--level needs a value"},
        {{"analyse", "--level", "--seed", "3"}, "--level needs a value"},
        {{"analyse", "--level="}, "--level takes a whole number from 1 to 4"},
        {{"play", "--levels", "2"}, "--levels needs two values"},
        {{"play", "--levels", "2", "--games", "3"}, "--levels needs two values"},
        {{"play", "--levels=2"}, "cannot be written with '='"},
        {{"play", "--levels", "1", "2", "--progress=yes"}, "cannot be written with '='"},
        // malformed and out-of-range values
        {{"analyse", "--level", "0"}, "from 1 to 4"},
        {{"analyse", "--level", "5"}, "from 1 to 4, not '5'"},
        {{"analyse", "--level", "-1"}, "from 1 to 4, not '-1'"},
        {{"analyse", "--level", "two"}, "not 'two'"},
        {{"analyse", "--level", "2.0"}, "not '2.0'"},
        {{"analyse", "--level", "+2"}, "not '+2'"},
        {{"analyse", "--level", " 2"}, "not ' 2'"},
        {{"analyse", "--level", "99999999999999999999999"}, "from 1 to 4"},
        {{"analyse", "--seed", "4294967296"}, "--seed takes a whole number from 0 to 4294967295"},
        {{"analyse", "--seed", "-1"}, "--seed takes"},
        {{"analyse", "--seed", "0x10"}, "not '0x10'"},
        {{"analyse", "--level", "\x01\xff"}, "not '\\x01\\xff'"},
        {{"value", "--depth", "61", "--to-move", "user"}, "from 0 to 60"},
        {{"value", "--depth", "-1", "--to-move", "user"}, "from 0 to 60"},
        {{"value", "--depth", "3", "--to-move", "me"}, "user or computer, not 'me'"},
        {{"play", "--levels", "1", "5"}, "--levels takes a whole number from 1 to 4"},
        {{"play", "--levels", "1", "2", "--games", "0"}, "--games takes a whole number from 1"},
        {{"analyse", "--search", "quick"}, "--search takes plain or fast, not 'quick'"},
        {{"analyse", "--search"}, "--search needs a value"},
        // required options and repeats
        {{"value", "--to-move", "user"}, "value needs --depth"},
        {{"value", "--depth", "2"}, "value needs --to-move"},
        {{"play"}, "play needs --levels"},
        {{"play", "--games", "3"}, "play needs --levels"},
        {{"analyse", "--level", "1", "--level", "2"}, "--level is given more than once"},
    };
    for (const BadArgs& c : cases) {
        std::string joined;
        for (std::string_view a : c.args) {
            joined += std::string(a) + " ";
        }
        const CliParse p = Parse(c.args);
        EXPECT_FALSE(p.bOk) << joined;
        EXPECT_NE(p.error.find(c.said), std::string::npos)
            << joined << "-> " << p.error << " (expected: " << c.said << ")";
    }
}

} // namespace
