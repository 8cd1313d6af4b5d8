#pragma once

#include <cstdint>

// Sides carry the sense of the turn flag: 1 is the user (row 0), 0 the computer (row 1).
inline constexpr int kUserRow = 0;
inline constexpr int kComputerRow = 1;
inline constexpr int kSideUser = 1;
inline constexpr int kSideComputer = 0;
inline constexpr int kPits = 6;       // pits per row; index 6 of a row is its store
inline constexpr int kStore = 6;      // index of the store within a row
inline constexpr int kPlaces = 7;     // places per row
inline constexpr int kMarbles = 48;   // marbles in a game
inline constexpr int kStartCount = 4; // marbles per pit at the start

using Position = std::int32_t[2][kPlaces];

// The place a sown marble drops into after (nRow, nPlace): along the row to its store, then on
// into the other row, counter-clockwise through both stores.
constexpr void StepAlongSowing(int& nRow, int& nPlace) {
    if (++nPlace == kPlaces) {
        nPlace = 0;
        nRow = 1 - nRow;
    }
}

// Sows (nRow, nPit) of the counts and passes the turn unless the last marble drops into the
// mover's own store. The board's moves and the computer player's trial moves share it, so that
// the look-ahead follows the game's own rule exactly.
inline void SowCounts(Position& counts, std::int32_t& bUserTurn, int nRow, int nPit) {
    const int n = counts[nRow][nPit];
    // Only a last marble that lands in the mover's own store keeps the move; a full lap that
    // happens to end there does not.
    if (n != kPits - nPit) {
        bUserTurn = bUserTurn == 0 ? 1 : 0;
    }
    counts[nRow][nPit] = 0;
    int r = nRow;
    int q = nPit;
    for (int k = 0; k < n; ++k) {
        StepAlongSowing(r, q);
        ++counts[r][q];
    }
}

// One move of the history, newest first.
struct MoveRecord {
    std::int32_t nPit;      // pit that was sown, 0..5
    std::int32_t nRow;      // its row: 0 the user's, 1 the computer's
    std::int32_t nCount;    // marbles it held before the move
    std::int32_t nSerial;   // 1 for the oldest, +1 for each newer record
    std::int32_t bUserTurn; // the turn flag before the move
    MoveRecord* pNext;      // next older record, or null
};

// The state of one game: the live position and the shown copy that the window draws, whose move
// it is, whether the game runs, and the moves since the user's latest, which a take-back undoes.
// It belongs to one thread at a time: the computer thinks on a copy of its own.
class CGameBoard {
public:
    CGameBoard() = default;
    ~CGameBoard();
    CGameBoard(const CGameBoard& other);
    CGameBoard& operator=(const CGameBoard& other);

    void NewGame();
    int IsUserTurn() const { return m_bUserTurn; }
    void SetUserTurn(bool bUserTurn) { m_bUserTurn = bUserTurn ? 1 : 0; }
    int IsRunning() const { return m_bRunning; }
    void SetRunning(bool bRunning) { m_bRunning = bRunning ? 1 : 0; }
    int GetCount(int nPit, int nRow) const { return m_nCount[nRow][nPit]; }
    int GetShownCount(int nPit, int nRow) const { return m_nShown[nRow][nPit]; }
    const Position& GetShown() const { return m_nShown; }
    int IsSideEmpty(int bSide) const;
    int UserMove(int nPit);
    void ApplyMove(int nPit, int nRow);
    void PublishCounts();

    // Puts an arbitrary position on the board (live and shown) with an empty history; for the
    // command-line tool and the tests. The caller vouches for the counts.
    void SetPosition(const Position& counts);
    void GetPosition(Position& counts) const;

    // --- history -----------------------------------------------------------------------------
    void RecordMove(int nPit, int nRow, int nCount);
    int TakeBack();
    int HasHistory() const { return m_pHistory != nullptr; }
    const MoveRecord* GetHistory() const { return m_pHistory; }

private:
    void Sow(int nRow, int nPit, int nCount);
    void ClearHistory();
    void CopyFrom(const CGameBoard& other);

    std::int32_t m_nCount[2][kPlaces] = {};
    std::int32_t m_nShown[2][kPlaces] = {};
    std::int32_t m_bUserTurn = 1;
    std::int32_t m_bRunning = 0;
    MoveRecord* m_pHistory = nullptr;
};
