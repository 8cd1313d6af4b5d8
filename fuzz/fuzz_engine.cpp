// The computer player on random positions in play, at every level and seed, for either side:
// choosing leaves its own position as it was and gives a pit of the mover's row that holds
// marbles, and the fast search chooses exactly as the plain one does, for the same reasons.
//
// Input bytes: the level, the seed, the marbles in play, the user store's share of the
// rest, then one byte per marble in play naming its pit.
#include "ai/computer_player.h"
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
    // The plain and the fast search, each a player for the whole run: what the fast search's
    // table holds stays true from one position to the next. Each plays the side to move, whose
    // row it sees as its own: the user's row as often as the computer's.
    static CComputerPlayer players[2];
    players[0].SetSearchMode(kSearchPlain);
    const bool bForUser = nSeed % 2 != 0;
    CGameBoard board;
    board.SetPosition(pos);
    board.SetUserTurn(bForUser);
    const int nMover = bForUser ? kUserRow : kComputerRow;
    int pits[2] = {-1, -1};
    for (int i = 0; i < 2; ++i) {
        players[i].SetLevel(nLevel);
        players[i].SeedRandom(nSeed);
        int nRow = -1;
        players[i].ChooseMove(board, pits[i], nRow);
        Position after;
        players[i].GetPosition(after);
        REQUIRE(std::memcmp(after[kComputerRow], pos[nMover], sizeof pos[0]) == 0 &&
                players[i].IsUserTurn() == 0 && nRow == nMover && pits[i] >= 0 && pits[i] < kPits &&
                pos[nMover][pits[i]] > 0);
    }
    REQUIRE(pits[0] == pits[1] && players[0].GetLastChoice() == players[1].GetLastChoice());
    return 0;
}
