#include "cli/analyse.h"

#include "cli/json_line.h"
#include "cli/position_line.h"

#include <chrono>
#include <ctime>
#include <istream>
#include <ostream>
#include <string>

namespace {

constexpr const char* kProgram = "ravelo2-cli: ";

using LineFn = int (*)(const CliOptions&, const Position&, std::uint32_t nSeed, std::ostream& out,
                       std::string& error);

// Answers one analyse line. A fresh player for every line, seeded afresh, so that an answer
// depends on its own line and the seed only.
int AnswerChoice(const CliOptions& options, const Position& pos, std::uint32_t nSeed,
                 std::ostream& out, std::string& error) {
    if (!CheckPositionInPlay(pos, error)) {
        return kExitBadInput;
    }
    CGameBoard board;
    board.SetPosition(pos);
    board.SetUserTurn(false);
    board.SetRunning(true);
    CComputerPlayer player;
    player.SetLevel(options.nLevel);
    player.SetSearchMode(options.bPlainSearch ? kSearchPlain : kSearchFast);
    player.SeedRandom(nSeed);

    int nPit = -1;
    int nRow = -1;
    const auto start = std::chrono::steady_clock::now();
    player.ChooseMove(board, nPit, nRow);
    const auto stop = std::chrono::steady_clock::now();
    const double dMs = std::chrono::duration<double, std::milli>(stop - start).count();

    // A choice that is no legal move would be a made-up answer; refuse to print it.
    if (nRow != kComputerRow || nPit < 0 || nPit >= kPits || pos[kComputerRow][nPit] == 0) {
        error = "the level " + std::to_string(options.nLevel) + " chooser gave pit " +
                std::to_string(nPit) + " of row " + std::to_string(nRow) +
                ", which is no legal move for the computer";
        return kExitFault;
    }
    out << FormatChoiceJson(nPit, player.GetLastChoice(), dMs) << '\n' << std::flush;
    return kExitOk;
}

int AnswerValue(const CliOptions& options, const Position& pos, std::uint32_t, std::ostream& out,
                std::string& error) {
    // The search judges a finished position by the side to move, which may name the loser as
    // the winner: refuse it as analyse does.
    if (!CheckPositionInPlay(pos, error)) {
        return kExitBadInput;
    }
    CComputerPlayer player;
    player.SetPosition(pos, options.bUserToMove != 0);
    player.SetSearchMode(options.bPlainSearch ? kSearchPlain : kSearchFast);
    out << FormatValueJson(player.SearchValue(options.nDepth, 0)) << '\n' << std::flush;
    return kExitOk;
}

int RunLines(const CliOptions& options, std::uint32_t nSeed, LineFn answer, std::istream& in,
             std::ostream& out, std::ostream& err) {
    std::string line;
    std::string error;
    for (long long nLine = 1;; ++nLine) {
        const LineRead read = ReadPositionLine(in, line);
        if (read == LineRead::End) {
            return kExitOk;
        }
        if (read == LineRead::Failed) {
            err << kProgram << "line " << nLine << ": standard input could not be read\n";
            return kExitBadInput;
        }
        if (read == LineRead::TooLong) {
            err << kProgram << "line " << nLine << ": line is longer than " << kMaxLineLength
                << " characters; expected 14 counts\n";
            return kExitBadInput;
        }
        Position pos = {};
        if (!ParsePositionLine(line, pos, error)) {
            err << kProgram << "line " << nLine << ": " << error << '\n';
            return kExitBadInput;
        }
        const int status = answer(options, pos, nSeed, out, error);
        if (status != kExitOk) {
            err << kProgram << "line " << nLine << ": " << error << '\n';
            return status;
        }
        if (!out) {
            err << kProgram << "line " << nLine << ": the answer could not be written\n";
            return kExitFault;
        }
    }
}

} // namespace

std::uint32_t SeedFor(const CliOptions& options) {
    return options.bHasSeed ? options.nSeed : static_cast<std::uint32_t>(std::time(nullptr));
}

int RunAnalyse(const CliOptions& options, std::istream& in, std::ostream& out, std::ostream& err) {
    return RunLines(options, SeedFor(options), AnswerChoice, in, out, err);
}

int RunValue(const CliOptions& options, std::istream& in, std::ostream& out, std::ostream& err) {
    return RunLines(options, 0, AnswerValue, in, out, err);
}
