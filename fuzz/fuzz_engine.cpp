// The computer player on positions decoded from the input. Whatever the position, level and
// seed, choosing must leave the board as it was, the choice must be a pit of the computer's row
// that holds marbles and has the best score, playing it must sow exactly that pit and keep the 48
// marbles, and taking back must return to the position before the moves. At levels 3 and 4 the
// fast search must choose as the plain one does.
//
// Input bytes: level and search, four bytes of seed, marbles in play, the stores' share, the
// turn and the number of moves played before the computer's turn, then one byte per marble in
// play (its pit) and one per move played before.
#include "fuzz_check.h"
#include "rules/game_board.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    // The next byte, or fallback once the input is used up.
    int Next(int fallback) { return m_at < m_size ? m_data[m_at++] : fallback; }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

struct Snapshot {
    Position counts;
    int bUserTurn;
    std::vector<MoveRecord> history; // the records' contents, newest first
    std::vector<const MoveRecord*> records;

    explicit Snapshot(const CGameBoard& board) : counts{}, bUserTurn(board.IsUserTurn()) {
        board.GetPosition(counts);
        for (const MoveRecord* p = board.GetHistory(); p != nullptr; p = p->pNext) {
            history.push_back(*p);
            records.push_back(p);
        }
    }

    bool operator==(const Snapshot& other) const {
        if (std::memcmp(counts, other.counts, sizeof counts) != 0 || bUserTurn != other.bUserTurn ||
            records != other.records) {
            return false;
        }
        for (std::size_t i = 0; i < history.size(); ++i) {
            const MoveRecord& a = history[i];
            const MoveRecord& b = other.history[i];
            if (a.nPit != b.nPit || a.nRow != b.nRow || a.nCount != b.nCount ||
                a.nSerial != b.nSerial || a.bUserTurn != b.bUserTurn) {
                return false;
            }
        }
        return true;
    }
};

std::string Describe(const Position& p) {
    std::string s;
    for (int r = 0; r < 2; ++r) {
        for (int i = 0; i < kPlaces; ++i) {
            s += std::to_string(p[r][i]) + " ";
        }
    }
    return s;
}

// Sowing worked out on its own: counter-clockwise through both stores, one marble a place.
void SowByHand(Position& p, int nRow, int nPit) {
    int n = p[nRow][nPit];
    p[nRow][nPit] = 0;
    int r = nRow;
    int q = nPit;
    while (n-- > 0) {
        q = (q + 1) % kPlaces;
        r = q == 0 ? 1 - r : r;
        ++p[r][q];
    }
}

int PitMarbles(const Position& p, int nRow) {
    int n = 0;
    for (int i = 0; i < kPits; ++i) {
        n += p[nRow][i];
    }
    return n;
}

int Total(const Position& p) {
    return PitMarbles(p, 0) + PitMarbles(p, 1) + p[0][kStore] + p[1][kStore];
}

void Choose(CGameBoard& board, int nLevel, int& nPit, int& nRow) {
    switch (nLevel) {
    case 1:
        board.ChooseMoveLevel1(nPit, nRow);
        break;
    case 2:
        board.ChooseMoveLevel2(nPit, nRow);
        break;
    case 3:
        board.ChooseMoveLevel3(nPit, nRow);
        break;
    default:
        board.ChooseMoveLevel4(nPit, nRow);
        break;
    }
}

// One board per search kind for the whole run: the fast search's table is sizeable, and its
// values stay true from one position to the next.
CGameBoard& BoardFor(int nMode) {
    static CGameBoard fast;
    static CGameBoard plain;
    fast.SetSearchMode(kSearchFast);
    plain.SetSearchMode(kSearchPlain);
    return nMode == kSearchFast ? fast : plain;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Bytes in(data, size);
    const int nHead = in.Next(0);
    const int nLevel = 1 + nHead % 4;
    const int nMode = (nHead & 4) ? kSearchPlain : kSearchFast;
    std::uint32_t nSeed = 0;
    for (int i = 0; i < 4; ++i) {
        nSeed = nSeed << 8 | static_cast<std::uint32_t>(in.Next(0));
    }
    // The searching levels stay with the middle game, where a choice takes milliseconds.
    const bool bSearch = nLevel >= 3;
    const int nInPlay = bSearch ? 25 + in.Next(0) % 8 : 2 + in.Next(46) % 47;
    const int nToUserStore = in.Next(0) % (kMarbles - nInPlay + 1);
    const int nTurnAndMoves = in.Next(0);

    Position start = {};
    start[0][kStore] = nToUserStore;
    start[1][kStore] = kMarbles - nInPlay - nToUserStore;
    for (int k = 0; k < nInPlay; ++k) {
        const int nPlace = in.Next(k) % (2 * kPits);
        ++start[nPlace / kPits][nPlace % kPits];
    }
    // Both sides need a marble in their pits, or the game is already over.
    for (int r = 0; r < 2; ++r) {
        if (PitMarbles(start, r) == 0) {
            int nFullest = 0;
            for (int i = 1; i < kPits; ++i) {
                nFullest = start[1 - r][i] > start[1 - r][nFullest] ? i : nFullest;
            }
            --start[1 - r][nFullest];
            ++start[r][nFullest];
        }
    }
    FUZZ_REQUIRE(Total(start) == kMarbles, Describe(start));

    CGameBoard& board = BoardFor(nMode);
    board.SetPosition(start);
    const int bStartTurn = nTurnAndMoves & 1;
    board.SetUserTurn(bStartTurn);
    board.SetRunning(1);

    // A few moves of either side first, so that the choice is made over a history; none may end
    // the game or, for the searching levels, leave the middle game.
    Position now = {};
    std::memcpy(now, start, sizeof now);
    for (int nMoves = (nTurnAndMoves >> 1) % 4; nMoves > 0; --nMoves) {
        const int nPick = in.Next(0);
        const int nRow = nPick & 1;
        int nPit = (nPick >> 1) % kPits;
        for (int k = 0; k < kPits && now[nRow][nPit] == 0; ++k) {
            nPit = (nPit + 1) % kPits;
        }
        Position after = {};
        std::memcpy(after, now, sizeof after);
        SowByHand(after, nRow, nPit);
        if (PitMarbles(after, 0) == 0 || PitMarbles(after, 1) == 0 ||
            (bSearch && PitMarbles(after, 0) + PitMarbles(after, 1) < 25)) {
            break;
        }
        board.ApplyMove(nPit, nRow);
        std::memcpy(now, after, sizeof now);
    }
    board.SetUserTurn(0);
    board.SetLevel(nLevel);

    // Choosing looks ahead on the live board and must put everything back.
    const Snapshot before(board);
    FUZZ_REQUIRE(std::memcmp(before.counts, now, sizeof now) == 0,
                 "the moves before: " + Describe(before.counts) + "/ " + Describe(now));
    board.SeedRandom(nSeed);
    int nPit = -1;
    int nRow = -1;
    Choose(board, nLevel, nPit, nRow);
    FUZZ_REQUIRE(Snapshot(board) == before, "choosing changed the board: " + Describe(now));
    FUZZ_REQUIRE(nRow == kComputerRow && nPit >= 0 && nPit < kPits && now[kComputerRow][nPit] > 0,
                 "pit " + std::to_string(nPit) + " row " + std::to_string(nRow) + " on " +
                     Describe(now));
    const ChoiceReport report = board.GetLastChoice();
    if (report.bHasScores) {
        for (int i = 0; i < kPits; ++i) {
            FUZZ_REQUIRE(report.nScores[i] <= report.nScores[nPit],
                         "pit " + std::to_string(nPit) + " is not the best on " + Describe(now));
        }
    }
    FUZZ_REQUIRE(report.bForced || report.bHasScores, Describe(now));

    if (bSearch) {
        // The other search must come to the same choice for the same reasons.
        CGameBoard& other = BoardFor(nMode == kSearchFast ? kSearchPlain : kSearchFast);
        other.SetPosition(now);
        other.SetUserTurn(0);
        other.SetRunning(1);
        other.SeedRandom(nSeed);
        int nOtherPit = -1;
        int nOtherRow = -1;
        Choose(other, nLevel, nOtherPit, nOtherRow);
        const ChoiceReport& otherReport = other.GetLastChoice();
        FUZZ_REQUIRE(nOtherPit == nPit && nOtherRow == nRow, Describe(now));
        FUZZ_REQUIRE(otherReport.bForced == report.bForced && otherReport.nDepth == report.nDepth &&
                         otherReport.bHasScores == report.bHasScores &&
                         std::memcmp(otherReport.nScores, report.nScores, sizeof report.nScores) ==
                             0,
                     "plain and fast searches differ on " + Describe(now));
    }

    // Thinking with the same seed plays exactly the chosen move.
    board.SeedRandom(nSeed);
    board.ThinkAndMove();
    const MoveRecord* pHead = board.GetHistory();
    FUZZ_REQUIRE(pHead != nullptr && pHead->nRow == kComputerRow && pHead->nPit == nPit &&
                     pHead->nCount == now[kComputerRow][nPit] && pHead->bUserTurn == 0,
                 "the move played is not the one chosen on " + Describe(now));
    FUZZ_REQUIRE(pHead->pNext == (before.records.empty() ? nullptr : before.records[0]), "history");
    Position played = {};
    std::memcpy(played, now, sizeof played);
    SowByHand(played, kComputerRow, nPit);
    const Snapshot after(board);
    FUZZ_REQUIRE(std::memcmp(after.counts, played, sizeof played) == 0,
                 "sowing pit " + std::to_string(nPit) + " of " + Describe(now) + "gave " +
                     Describe(after.counts));
    FUZZ_REQUIRE(Total(after.counts) == kMarbles, Describe(after.counts));
    // Only a last marble in the computer's own store keeps the turn.
    const bool bAgain = now[kComputerRow][nPit] == kPits - nPit;
    FUZZ_REQUIRE(board.IsUserTurn() == (bAgain ? 0 : 1), Describe(now));

    FUZZ_REQUIRE(board.TakeBack() == 1, "nothing to take back");
    const Snapshot back(board);
    FUZZ_REQUIRE(std::memcmp(back.counts, start, sizeof start) == 0,
                 "take-back gave " + Describe(back.counts) + "instead of " + Describe(start));
    // The turn goes back to what it was before the oldest move taken back.
    const int bTurnBefore = before.records.empty() ? 0 : bStartTurn;
    FUZZ_REQUIRE(back.bUserTurn == bTurnBefore && back.records.empty(), "take-back turn/history");
    return 0;
}
