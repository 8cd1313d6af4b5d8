// Plays an engine match exactly as `ravelo2-cli play` does and prints a digest of every move of
// every game, so that two builds can be shown to play the same games move for move, with the
// think-time summary of the same run.
//
//   match_digest [LEVEL_A LEVEL_B GAMES SEED]     defaults: 4 4 200 7

#include "cli/match.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

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
        settings.nLevelA = std::atoi(argv[1]);
        settings.nLevelB = std::atoi(argv[2]);
        settings.nGames = std::atoi(argv[3]);
        settings.nSeed = static_cast<std::uint32_t>(std::strtoul(argv[4], nullptr, 10));
        if (settings.nLevelA < 1 || settings.nLevelA > 4 || settings.nLevelB < 1 ||
            settings.nLevelB > 4 || settings.nGames < 1) {
            std::fprintf(stderr, "match_digest: levels are 1 to 4 and games at least 1\n");
            return 2;
        }
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
    return 0;
}
