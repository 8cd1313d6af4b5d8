// ravelo2-cli driven in the same process: the engine's answers as the program prints them.
#include "cli/cli_main.h"
#include "cli/cli_text.h"
#include "cli/match.h"
#include "rules/game_board.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Outcome {
    int nStatus = -1;
    std::string out;
    std::string err;
};

Outcome RunWith(std::vector<std::string_view> args, const std::string& input) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    Outcome run;
    run.nStatus = RunCli(args, in, out, err);
    run.out = out.str();
    run.err = err.str();
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

// An analyse answer without its think time, which no test may depend on.
std::string WithoutTime(const std::string& json) {
    const auto at = json.find(", \"ms\": ");
    EXPECT_NE(at, std::string::npos) << json;
    EXPECT_EQ(json.back(), '}') << json;
    return json.substr(0, at) + "}";
}

const char* const kStart = "4 4 4 4 4 4 0 4 4 4 4 4 4 0\n";

TEST(Analyse, EveryLevelTakesTheForcedFinishWithoutScores) {
    // The computer's last marble sits in its pit 5: one move ends the game.
    for (std::string_view level : {"1", "2", "3", "4"}) {
        const Outcome run =
            RunWith({"analyse", "--level", level}, "4 4 4 4 4 4 10 0 0 0 0 0 1 13\n");
        EXPECT_EQ(run.nStatus, 0) << run.err;
        EXPECT_EQ(WithoutTime(Lines(run.out).at(0)),
                  R"({"pit": 5, "forced": true, "depth": null, "scores": null})")
            << "level " << level;
    }
}

TEST(Analyse, EachLineIsAnsweredFromTheSeedAloneWhateverCameBefore) {
    // Level 1 on the start position is a pure tie-break among five pits.
    int nDifferentPits = 0;
    std::string firstPit;
    for (std::string_view seed : {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}) {
        const Outcome run = RunWith({"analyse", "--level", "1", "--seed", seed},
                                    std::string(kStart) + kStart + kStart);
        ASSERT_EQ(run.nStatus, 0) << run.err;
        const auto lines = Lines(run.out);
        ASSERT_EQ(lines.size(), 3u);
        EXPECT_EQ(WithoutTime(lines[1]), WithoutTime(lines[0])) << "seed " << seed;
        EXPECT_EQ(WithoutTime(lines[2]), WithoutTime(lines[0])) << "seed " << seed;
        EXPECT_EQ(lines[0].find("\"pit\": 5"), std::string::npos) << "the last tie never wins";
        const std::string pit = lines[0].substr(0, lines[0].find(','));
        nDifferentPits += firstPit.empty() || pit == firstPit ? 0 : 1;
        firstPit = pit;
    }
    EXPECT_GT(nDifferentPits, 0) << "the seed should reach the tie-break";
}

TEST(Analyse, StopsAtTheFirstBadLineAfterAnsweringTheOnesBefore) {
    struct Case {
        std::string input;
        const char* said;
    } cases[] = {
        {std::string(kStart) + kStart + "4 4 4 4 4 4 0 4 4 4 4 4 4\n" + kStart,
         "ravelo2-cli: line 3: expected 14 counts, found 13"},
        {std::string(kStart) + kStart + "\n" + kStart, "line 3: empty line"},
        {std::string(kStart) + kStart + "4 4 4 4 4 4 0 4 4 4 4 4 4 2",
         "line 3: the counts add up to 50"},
        {std::string(kStart) + kStart + "0 0 0 0 0 0 24 4 4 4 4 4 4 0\n",
         "line 3: the user's six pits are empty"},
        {std::string(kStart) + kStart + std::string(5000, '7') + "\n" + kStart,
         "line 3: line is longer than 1024 characters"},
        {std::string(kStart) + kStart + std::string("4 4 4 4 4 4 0 4 4 4 4 4 4 0\0\n", 29),
         "line 3: count 14 (the computer's store) is not a whole number: '0\\x00'"},
    };
    for (const Case& c : cases) {
        const Outcome run = RunWith({"analyse", "--level", "2"}, c.input);
        EXPECT_EQ(run.nStatus, 2);
        EXPECT_NE(run.err.find(c.said), std::string::npos) << run.err;
        const auto lines = Lines(run.out);
        ASSERT_EQ(lines.size(), 2u) << run.out;
        EXPECT_EQ(WithoutTime(lines[1]), WithoutTime(lines[0]));
    }
}

TEST(Analyse, EmptyInputGivesNoOutputAndSuccess) {
    const Outcome run = RunWith({"analyse"}, "");
    EXPECT_EQ(run.nStatus, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
}

TEST(Value, GivesTheSearchValueForTheSideToMove) {
    struct Case {
        const char* line;
        const char* depth;
        const char* toMove;
        const char* json;
    } cases[] = {
        // the computer finishes at once: depth + 1, also at depth 0
        {"4 4 4 4 4 4 10 0 0 0 0 0 1 13", "5", "computer", R"({"value": 6})"},
        {"4 4 4 4 4 4 10 0 0 0 0 0 1 13", "0", "computer", R"({"value": 1})"},
        // the user finishes at once: -(depth + 1)
        {"0 0 0 0 0 1 20 1 1 1 1 1 1 21", "3", "user", R"({"value": -4})"},
        // nothing decided and no depth left
        {"4 4 4 4 4 4 0 4 4 4 4 4 4 0", "0", "user", R"({"value": 0})"},
    };
    for (const Case& c : cases) {
        const Outcome run = RunWith({"value", "--depth", c.depth, "--to-move", c.toMove},
                                    std::string(c.line) + "\n");
        EXPECT_EQ(run.nStatus, 0) << run.err;
        EXPECT_EQ(run.out, std::string(c.json) + "\n") << c.line << " " << c.toMove;
    }
}

TEST(Value, RefusesABadLineOrAnInsaneDepth) {
    Outcome run = RunWith({"value", "--depth", "1", "--to-move", "user"},
                          "4 4 4 4 4 4 10 0 0 0 0 0 1 13\n4 4 4 4 4 4 10 0 0 0 0 0 1 12\n");
    EXPECT_EQ(run.nStatus, 2);
    EXPECT_EQ(Lines(run.out).size(), 1u);
    EXPECT_NE(run.err.find("line 2: the counts add up to 47 marbles, not 48"), std::string::npos)
        << run.err;

    // The computer has already won here; a search would still call it a win for the user.
    run =
        RunWith({"value", "--depth", "3", "--to-move", "user"}, "0 0 0 0 0 1 23 0 0 0 0 0 0 24\n");
    EXPECT_EQ(run.nStatus, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("line 1: the computer's six pits are empty"), std::string::npos)
        << run.err;

    run = RunWith({"value", "--depth", "100", "--to-move", "user"}, kStart);
    EXPECT_EQ(run.nStatus, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("--depth takes a whole number from 0 to 60"), std::string::npos)
        << run.err;
}

// Plays a recorded game again on a board of its own and checks that every move was legal,
// that the turn passed exactly as the extra-turn rule says, and that the winner emptied its row.
void ExpectLegalGame(const GameRecord& game) {
    CGameBoard board;
    const Position start = {{4, 4, 4, 4, 4, 4, 0}, {4, 4, 4, 4, 4, 4, 0}};
    board.SetPosition(start);
    int nRowToMove = game.bAOpened ? kComputerRow : kUserRow;
    int nLastRow = -1;
    for (std::size_t i = 0; i < game.moves.size(); ++i) {
        const int nPit = game.moves[i] % kPits;
        const int nRow = game.moves[i] / kPits;
        ASSERT_EQ(nRow, nRowToMove) << "move " << i;
        const int nCount = board.GetCount(nPit, nRow);
        ASSERT_GT(nCount, 0) << "move " << i << " from an empty pit";
        ASSERT_EQ(board.IsSideEmpty(kSideUser) || board.IsSideEmpty(kSideComputer), 0)
            << "move " << i << " after the game had ended";
        board.ApplyMove(nPit, nRow);
        nLastRow = nRow;
        if (nCount != kPits - nPit) {
            nRowToMove = 1 - nRowToMove;
        }
    }
    ASSERT_GE(game.nWinner, 0);
    EXPECT_EQ(nLastRow, game.nWinner == 0 ? kComputerRow : kUserRow);
    EXPECT_EQ(board.IsSideEmpty(nLastRow == kUserRow ? kSideUser : kSideComputer), 1);
}

TEST(Match, PlaysLegalGamesWithTheOpenerAlternating) {
    MatchSettings settings;
    settings.nLevelA = 2;
    settings.nLevelB = 1;
    settings.nGames = 6;
    settings.nSeed = 1;
    MatchResult result;
    std::string error;
    std::vector<int> done;
    ASSERT_TRUE(PlayMatch(settings, result, error, [&](int n, const GameRecord&) {
        done.push_back(n);
    })) << error;
    EXPECT_EQ(done, (std::vector<int>{0, 1, 2, 3, 4, 5}));
    ASSERT_EQ(result.games.size(), 6u);
    long long nMoves = 0;
    for (std::size_t g = 0; g < result.games.size(); ++g) {
        SCOPED_TRACE("game " + std::to_string(g + 1));
        EXPECT_EQ(result.games[g].bAOpened, g % 2 == 0 ? 1 : 0);
        ExpectLegalGame(result.games[g]);
        EXPECT_EQ(result.games[g].a.nMoves + result.games[g].b.nMoves,
                  static_cast<long long>(result.games[g].moves.size()));
        nMoves += static_cast<long long>(result.games[g].moves.size());
    }
    EXPECT_EQ(result.nMoves, nMoves);
    EXPECT_EQ(result.a.nMoves + result.b.nMoves, nMoves);
    EXPECT_EQ(result.a.nWins + result.b.nWins + result.nUnfinished, 6);
    EXPECT_EQ(result.nUnfinished, 0);
}

TEST(Match, AGameThatRunsPastThePlyCapIsCountedAsUnfinished) {
    MatchSettings settings;
    settings.nLevelA = 1;
    settings.nLevelB = 2;
    settings.nGames = 3;
    settings.nSeed = 4;
    settings.nPlyCap = 5; // far too few for any game to end
    MatchResult result;
    std::string error;
    ASSERT_TRUE(PlayMatch(settings, result, error)) << error;
    EXPECT_EQ(result.nUnfinished, 3);
    EXPECT_EQ(result.a.nWins + result.b.nWins, 0);
    EXPECT_EQ(result.nMoves, 15);
    for (const GameRecord& game : result.games) {
        EXPECT_EQ(game.nWinner, -1);
        EXPECT_EQ(game.moves.size(), 5u);
    }
    const std::string summary = FormatMatchSummary(settings, result);
    EXPECT_NE(summary.find("unfinished 3 (no winner within 5 moves)"), std::string::npos)
        << summary;
    EXPECT_NE(FormatGameLine(settings, 0, result.games[0]).find("unfinished after 5 moves"),
              std::string::npos);
}

TEST(Match, EachLevelThinksAboutItsOwnRow) {
    // Level 2 opens on the start position with pit 0 whichever row it plays: the level on the
    // user's row sees the board turned round.
    MatchSettings settings;
    settings.nLevelA = 2;
    settings.nLevelB = 2;
    settings.nGames = 2;
    settings.nSeed = 3;
    MatchResult result;
    std::string error;
    ASSERT_TRUE(PlayMatch(settings, result, error)) << error;
    EXPECT_EQ(result.games.at(0).moves.at(0), 0 + kPits * kComputerRow);
    EXPECT_EQ(result.games.at(1).moves.at(0), 0 + kPits * kUserRow);
}

TEST(Match, ThePlayCommandPrintsTheTable) {
    const Outcome run = RunWith({"play", "--levels", "2", "1", "--games", "4", "--seed", "1"}, "");
    EXPECT_EQ(run.nStatus, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_NE(run.out.find("games 4: level 2 opens games 1, 3, 5, ..."), std::string::npos);
    EXPECT_NE(run.out.find("level 2 (computer's row)"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("level 1 (user's row)"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("unfinished 0"), std::string::npos) << run.out;

    const Outcome progress =
        RunWith({"play", "--levels", "2", "1", "--games", "2", "--seed", "1", "--progress"}, "");
    EXPECT_EQ(progress.nStatus, 0);
    const auto lines = Lines(progress.err);
    ASSERT_EQ(lines.size(), 2u) << progress.err;
    EXPECT_EQ(lines[0].rfind("game 1: level 2 opened, ", 0), 0u) << lines[0];
    EXPECT_EQ(lines[1].rfind("game 2: level 1 opened, ", 0), 0u) << lines[1];
}

} // namespace
