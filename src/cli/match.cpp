#include "cli/match.h"

#include "cli/analyse.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ostream>

namespace {

void StartPosition(Position& pos) {
    for (int row = 0; row < 2; ++row) {
        for (int pit = 0; pit < kPits; ++pit) {
            pos[row][pit] = kStartCount;
        }
        pos[row][kStore] = 0;
    }
}

// Asks the side to move for its move and times the asking.
bool ThinkOneMove(CComputerPlayer& player, const CGameBoard& board, int& nPit, double& dMs,
                  std::string& error) {
    const int nMover = board.IsUserTurn() ? kUserRow : kComputerRow;
    int nRow = -1;
    nPit = -1;
    const auto start = std::chrono::steady_clock::now();
    player.ChooseMove(board, nPit, nRow);
    const auto stop = std::chrono::steady_clock::now();
    dMs = std::chrono::duration<double, std::milli>(stop - start).count();

    if (nRow != nMover || nPit < 0 || nPit >= kPits || board.GetCount(nPit, nRow) == 0) {
        error = "the level " + std::to_string(player.GetLevel()) + " chooser gave pit " +
                std::to_string(nPit) + " of row " + std::to_string(nRow) +
                ", which is no legal move";
        return false;
    }
    return true;
}

void Count(SideStats& stats, double dMs) {
    ++stats.nMoves;
    stats.dTotalMs += dMs;
    stats.dWorstMs = std::max(stats.dWorstMs, dMs);
}

std::string Fixed(double d, int nDecimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", nDecimals, d);
    return text;
}

std::string PadLeft(const std::string& text, std::size_t nWidth) {
    return text.size() >= nWidth ? text : std::string(nWidth - text.size(), ' ') + text;
}

std::string SideName(int nLevel, bool bSideA) {
    return "level " + std::to_string(nLevel) + (bSideA ? " (computer's row)" : " (user's row)");
}

} // namespace

int PlayMatch(const MatchSettings& settings, MatchResult& result, std::string& error,
              const GameDone& onGameDone) {
    result = MatchResult{};
    result.a.nLevel = settings.nLevelA;
    result.b.nLevel = settings.nLevelB;

    // One player for each side: each draws its tie-breaks from its own generator, so one side's
    // draws never shift the other's; both follow from the one seed.
    CComputerPlayer playerA;
    CComputerPlayer playerB;
    playerA.SetLevel(settings.nLevelA);
    playerB.SetLevel(settings.nLevelB);
    for (CComputerPlayer* pPlayer : {&playerA, &playerB}) {
        pPlayer->SetSearchMode(settings.bPlainSearch ? kSearchPlain : kSearchFast);
    }
    playerA.SeedRandom(settings.nSeed);
    playerB.SeedRandom(settings.nSeed ^ 0x9e3779b9u);
    CGameBoard board;

    for (int nGame = 0; nGame < settings.nGames; ++nGame) {
        GameRecord game;
        game.a.nLevel = settings.nLevelA;
        game.b.nLevel = settings.nLevelB;
        game.bAOpened = nGame % 2 == 0;
        Position start;
        StartPosition(start);
        board.SetPosition(start);
        board.SetRunning(true);
        board.SetUserTurn(!game.bAOpened);

        bool bSideA = game.bAOpened;
        for (int nPly = 0; nPly < settings.nPlyCap; ++nPly) {
            int nPit = -1;
            double dMs = 0.0;
            if (!ThinkOneMove(bSideA ? playerA : playerB, board, nPit, dMs, error)) {
                error = "game " + std::to_string(nGame + 1) + ", move " + std::to_string(nPly + 1) +
                        ": " + error;
                return 0;
            }
            Count(bSideA ? result.a : result.b, dMs);
            Count(bSideA ? game.a : game.b, dMs);
            ++result.nMoves;

            const int nRow = bSideA ? kComputerRow : kUserRow;
            const int nCount = board.GetCount(nPit, nRow);
            board.ApplyMove(nPit, nRow);
            game.moves.push_back(static_cast<std::int8_t>(nPit + kPits * nRow));

            // Only the mover's pits lose marbles, so only the mover can have just won.
            if (board.IsSideEmpty(bSideA ? kSideComputer : kSideUser)) {
                game.nWinner = bSideA ? 0 : 1;
                break;
            }
            // The last marble in the mover's own store gives the mover another move.
            if (nCount != kPits - nPit) {
                bSideA = !bSideA;
            }
            if (board.IsUserTurn() != (bSideA ? 0 : 1)) {
                error = "game " + std::to_string(nGame + 1) + ", move " + std::to_string(nPly + 1) +
                        ": after pit " + std::to_string(nPit) + " with " + std::to_string(nCount) +
                        " marbles the board's turn disagrees with the extra-turn rule";
                return 0;
            }
        }
        if (game.nWinner == 0) {
            ++result.a.nWins;
            game.a.nWins = 1;
        } else if (game.nWinner == 1) {
            ++result.b.nWins;
            game.b.nWins = 1;
        } else {
            ++result.nUnfinished;
        }
        result.games.push_back(std::move(game));
        if (onGameDone) {
            onGameDone(nGame, result.games.back());
        }
    }
    return 1;
}

std::string FormatMatchSummary(const MatchSettings& settings, const MatchResult& result) {
    const int nGames = static_cast<int>(result.games.size());
    const std::string nameA = SideName(settings.nLevelA, true);
    const std::string nameB = SideName(settings.nLevelB, false);
    const std::size_t nNameWidth = std::max(nameA.size(), nameB.size());

    std::string out;
    out += "seed " + std::to_string(settings.nSeed) + "\n";
    out += "games " + std::to_string(nGames) + ": level " + std::to_string(settings.nLevelA) +
           " opens games 1, 3, 5, ..., level " + std::to_string(settings.nLevelB) +
           " games 2, 4, 6, ...\n";
    out += std::string(nNameWidth, ' ') + "   wins   moves    mean ms    worst ms\n";
    for (const SideStats* stats : {&result.a, &result.b}) {
        const std::string& name = stats == &result.a ? nameA : nameB;
        const double dMean = stats->nMoves > 0 ? stats->dTotalMs / stats->nMoves : 0.0;
        out += name + std::string(nNameWidth - name.size(), ' ') +
               PadLeft(std::to_string(stats->nWins), 7) +
               PadLeft(std::to_string(stats->nMoves), 8) + PadLeft(Fixed(dMean, 4), 11) +
               PadLeft(Fixed(stats->dWorstMs, 4), 12) + "\n";
    }
    out += "unfinished " + std::to_string(result.nUnfinished) + " (no winner within " +
           std::to_string(settings.nPlyCap) + " moves)\n";
    const double dPerGame = nGames > 0 ? static_cast<double>(result.nMoves) / nGames : 0.0;
    out +=
        "moves " + std::to_string(result.nMoves) + " in all, " + Fixed(dPerGame, 1) + " per game\n";
    return out;
}

std::string FormatGameLine(const MatchSettings& settings, int nGame, const GameRecord& game) {
    const int nOpener = game.bAOpened ? settings.nLevelA : settings.nLevelB;
    std::string line =
        "game " + std::to_string(nGame + 1) + ": level " + std::to_string(nOpener) + " opened, ";
    if (game.nWinner < 0) {
        line += "unfinished";
    } else {
        line +=
            SideName(game.nWinner == 0 ? settings.nLevelA : settings.nLevelB, game.nWinner == 0) +
            " won";
    }
    line += " after " + std::to_string(game.moves.size()) + " moves";
    // The think times per game let a long match that was cut short still be summed up.
    for (const SideStats* stats : {&game.a, &game.b}) {
        const double dMean = stats->nMoves > 0 ? stats->dTotalMs / stats->nMoves : 0.0;
        line += "; level " + std::to_string(stats->nLevel) + " " + std::to_string(stats->nMoves) +
                " moves, mean " + Fixed(dMean, 4) + " ms, worst " + Fixed(stats->dWorstMs, 4) +
                " ms";
    }
    return line;
}

int RunPlay(const CliOptions& options, std::ostream& out, std::ostream& err) {
    MatchSettings settings;
    settings.nLevelA = options.nLevelA;
    settings.nLevelB = options.nLevelB;
    settings.nGames = options.nGames;
    settings.nSeed = SeedFor(options);
    settings.bPlainSearch = options.bPlainSearch;

    MatchResult result;
    std::string error;
    GameDone onGameDone;
    if (options.bProgress) {
        onGameDone = [&](int nGame, const GameRecord& game) {
            err << FormatGameLine(settings, nGame, game) << std::endl;
        };
    }
    if (!PlayMatch(settings, result, error, onGameDone)) {
        err << "ravelo2-cli: " << error << '\n';
        return kExitFault;
    }
    out << FormatMatchSummary(settings, result) << std::flush;
    if (!out) {
        err << "ravelo2-cli: the summary could not be written\n";
        return kExitFault;
    }
    return kExitOk;
}
