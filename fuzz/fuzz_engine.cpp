// The computer player on random positions in play, at every level and seed: choosing leaves the
// board as it was and gives a pit of the computer's row that holds marbles, and the fast search
// chooses exactly as the plain one does, for the same reasons.
//
// Input bytes: the level, the seed, the marbles in play, the user store's share of the
// rest, then one byte per marble in play naming its pit.
#include "cli/analyse.h"
#include "fuzz_check.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::size_t at = 0;
    const auto next = [&](int nFallback) { return at < size ? data[at++] : nFallback; };
    const int nLevel = 1 + next(0) % 4;
    const std::uint32_t nSeed = static_cast<std::uint32_t>(next(0)) * 2654435761u;
    // The searching levels stay with the middle game, where even the plain search is quick.
    const int nInPlay = nLevel >= 3 ? 25 + next(0) % 8 : 2 + next(46) % 47;
    Position pos = {};
    pos[kUserRow][kStore] = next(0) % (kMarbles - nInPlay + 1);
    pos[kComputerRow][kStore] = kMarbles - nInPlay - pos[kUserRow][kStore];
    // The first two marbles go one to each row: a row with empty pits has already won.
    for (int k = 0; k < nInPlay; ++k) {
        const int nPlace = k < 2 ? k * kPits + next(k) % kPits : next(k) % (2 * kPits);
        ++pos[nPlace / kPits][nPlace % kPits];
    }
    // The plain and the fast search, each on one board for the whole run: what the fast search's
    // table holds stays true from one position to the next.
    static CGameBoard boards[2];
    boards[0].SetSearchMode(kSearchPlain);
    int pits[2] = {-1, -1};
    for (int i = 0; i < 2; ++i) {
        boards[i].SetPosition(pos);
        boards[i].SetUserTurn(0);
        boards[i].SeedRandom(nSeed);
        int nRow = -1;
        ChooseAtLevel(boards[i], nLevel, pits[i], nRow);
        Position after;
        boards[i].GetPosition(after);
        REQUIRE(std::memcmp(after, pos, sizeof pos) == 0 && boards[i].IsUserTurn() == 0 &&
                boards[i].GetHistory() == nullptr && nRow == kComputerRow && pits[i] >= 0 &&
                pits[i] < kPits && pos[kComputerRow][pits[i]] > 0);
    }
    REQUIRE(pits[0] == pits[1] &&
            std::memcmp(&boards[0].GetLastChoice(), &boards[1].GetLastChoice(),
                        sizeof(ChoiceReport)) == 0);
    return 0;
}
