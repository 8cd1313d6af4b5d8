// Plays an engine match exactly as `ravelo2-cli play` does and prints a digest of every move of
// every game, so that two builds can be shown to play the same games move for move, with the
// think-time summary of the same run. Then it replays the games move by move on two new boards,
// the fast search's table emptied first, and times each choice by the processor time of the
// threads that make it. Under `taskset -c 0` that is what one quiet core shows as the wall clock,
// however loaded the machine; with more cores it is the work of all threads, more than the wall
// clock of a quiet machine.
//
//   match_digest [LEVEL_A LEVEL_B GAMES SEED]     defaults: 4 4 200 7

#include "ai/computer_player.h"
#include "ai/search_table.h"
#include "cli/analyse.h"
#include "cli/cli_options.h"
#include "cli/cli_text.h"
#include "cli/match.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

namespace {

double ProcessCpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

struct TimedMove {
    double dCpuMs;
    int nLevel;
    Position pos; // as the thinking board saw it, its own row as the computer's
};

// Each game again, each side's player thinking about the one board as the match does; the
// position is noted as the thinking side sees it, its own row as the computer's.
std::vector<TimedMove> Replay(const MatchSettings& settings, const MatchResult& result,
                              int& nDiffering) {
    nDiffering = 0;
    search_table::Clear();
    CComputerPlayer playerA;
    CComputerPlayer playerB;
    playerA.SetLevel(settings.nLevelA);
    playerB.SetLevel(settings.nLevelB);
    playerA.SeedRandom(settings.nSeed);
    playerB.SeedRandom(settings.nSeed ^ 0x9e3779b9u);
    CGameBoard board;
    std::vector<TimedMove> moves;
    for (const GameRecord& game : result.games) {
        Position pos;
        for (int r = 0; r < 2; ++r) {
            for (int i = 0; i < kPits; ++i) {
                pos[r][i] = kStartCount;
            }
            pos[r][kStore] = 0;
        }
        board.SetPosition(pos);
        board.SetUserTurn(!game.bAOpened);
        for (const std::int8_t nMove : game.moves) {
            const bool bSideA = nMove / kPits == kComputerRow;
            TimedMove timed{0.0, bSideA ? settings.nLevelA : settings.nLevelB, {}};
            board.GetPosition(pos);
            for (int place = 0; place < kPlaces; ++place) {
                timed.pos[kUserRow][place] = pos[bSideA ? kUserRow : kComputerRow][place];
                timed.pos[kComputerRow][place] = pos[bSideA ? kComputerRow : kUserRow][place];
            }
            int nPit = -1;
            int nRow = -1;
            const double dStart = ProcessCpuMs();
            (bSideA ? playerA : playerB).ChooseMove(board, nPit, nRow);
            timed.dCpuMs = ProcessCpuMs() - dStart;
            nDiffering += nPit + kPits * nRow != nMove ? 1 : 0;
            moves.push_back(timed);
            board.ApplyMove(nMove % kPits, nMove / kPits);
        }
    }
    return moves;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 1 && argc != 5) {
        std::fprintf(stderr, "usage: match_digest [LEVEL_A LEVEL_B GAMES SEED]\n");
        return 2;
    }
    MatchSettings settings;
    settings.nLevelA = 4;
    settings.nLevelB = 4;
    settings.nGames = 200;
    settings.nSeed = 7;
    if (argc == 5) {
        // Whole numbers in range only: "4x" or "-1" would otherwise run some other match.
        std::int64_t n[4] = {};
        const std::int64_t nHigh[4] = {kMaxLevel, kMaxLevel, kMaxGames, UINT32_MAX};
        for (int i = 0; i < 4; ++i) {
            if (ParseWholeNumber(argv[i + 1], i < 3 ? 1 : 0, nHigh[i], n[i]) != NumberText::Ok) {
                std::fprintf(stderr,
                             "match_digest: levels are 1 to 4, games 1 to %d and the seed "
                             "0 to 4294967295, not '%s'\n",
                             kMaxGames, argv[i + 1]);
                return 2;
            }
        }
        settings.nLevelA = static_cast<int>(n[0]);
        settings.nLevelB = static_cast<int>(n[1]);
        settings.nGames = static_cast<int>(n[2]);
        settings.nSeed = static_cast<std::uint32_t>(n[3]);
    }
    MatchResult result;
    std::string error;
    if (!PlayMatch(settings, result, error)) {
        std::fprintf(stderr, "match_digest: %s\n", error.c_str());
        return 1;
    }
    // FNV-1a over the moves, with the game's end marked, so that a move moved from one game to
    // the next changes the digest too.
    std::uint64_t nDigest = 14695981039346656037ull;
    const auto mix = [&nDigest](unsigned nByte) { nDigest = (nDigest ^ nByte) * 1099511628211ull; };
    for (const GameRecord& game : result.games) {
        for (const std::int8_t nMove : game.moves) {
            mix(static_cast<unsigned>(nMove));
        }
        mix(0xff);
    }
    std::printf("%s", FormatMatchSummary(settings, result).c_str());
    std::printf("move digest %016llx\n", static_cast<unsigned long long>(nDigest));

    int nDiffering = 0;
    std::vector<TimedMove> moves = Replay(settings, result, nDiffering);
    if (nDiffering > 0) {
        std::printf("the replay chose differently %d times: the choices are not repeatable\n",
                    nDiffering);
        return 1;
    }
    double dTotal = 0.0;
    for (const TimedMove& move : moves) {
        dTotal += move.dCpuMs;
    }
    std::sort(moves.begin(), moves.end(),
              [](const TimedMove& a, const TimedMove& b) { return a.dCpuMs > b.dCpuMs; });
    std::printf("replayed %zu moves by processor time: mean %.4f ms; the slowest:\n", moves.size(),
                moves.empty() ? 0.0 : dTotal / static_cast<double>(moves.size()));
    for (std::size_t i = 0; i < moves.size() && i < 5; ++i) {
        const Position& p = moves[i].pos;
        std::printf("  %8.3f ms  level %d  %d %d %d %d %d %d %d  %d %d %d %d %d %d %d\n",
                    moves[i].dCpuMs, moves[i].nLevel, p[0][0], p[0][1], p[0][2], p[0][3], p[0][4],
                    p[0][5], p[0][6], p[1][0], p[1][1], p[1][2], p[1][3], p[1][4], p[1][5],
                    p[1][6]);
    }
    return 0;
}
