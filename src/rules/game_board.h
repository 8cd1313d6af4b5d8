#pragma once

#include "rules/random.h"

#include <atomic>
#include <cstdint>

// The drawing members are defined by the window layer; the rules only name the types.
class QPainter;
class QString;

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

// How SearchValue works out its values. Both give the same value for every position; the plain
// search walks the whole tree every time and stays as the reference, the fast one asks each
// reply only what its parent's rule needs and remembers what it found out about positions.
inline constexpr int kSearchPlain = 0;
inline constexpr int kSearchFast = 1;

// One move of the history, newest first.
struct MoveRecord {
    std::int32_t nPit;      // pit that was sown, 0..5
    std::int32_t nRow;      // its row: 0 the user's, 1 the computer's
    std::int32_t nCount;    // marbles it held before the move
    std::int32_t nSerial;   // 1 for the oldest, +1 for each newer record
    std::int32_t bUserTurn; // the turn flag before the move
    MoveRecord* pNext;      // next older record, or null
};

// What the last chooser based its choice on; read by the command-line analyser and the tests.
struct ChoiceReport {
    int bForced = 0;    // the forced-finish step chose
    int nDepth = 0;     // search depth, 0 when the chooser did not search
    int bHasScores = 0; // nScores holds the array of the final choice
    std::int32_t nScores[kPits] = {};
};

// The state of one game and the computer player that plays on it.
//
// Two threads share the board while the computer thinks: the worker owns the live counts, the
// turn flag and the history records; the window reads only the shown counts, the running flag,
// the progress and the history head. The last two are atomic, and a record is complete before it
// becomes the head.
class CGameBoard {
public:
    CGameBoard();
    ~CGameBoard();
    CGameBoard(const CGameBoard&) = delete;
    CGameBoard& operator=(const CGameBoard&) = delete;

    // --- rules -------------------------------------------------------------------------------
    void NewGame();
    int IsUserTurn() const { return m_bUserTurn; }
    void SetUserTurn(int bUserTurn) { m_bUserTurn = bUserTurn ? 1 : 0; }
    int IsRunning() const { return m_bRunning; }
    void SetRunning(int bRunning) { m_bRunning = bRunning ? 1 : 0; }
    int GetCount(int nPit, int nRow) const { return m_nCount[nRow][nPit]; }
    int GetShownCount(int nPit, int nRow) const { return m_nShown[nRow][nPit]; }
    int IsSideEmpty(int bSide) const;
    int UserMove(int nPit);
    void ApplyMove(int nPit, int nRow);
    int GetLevel() const { return m_nLevel; }
    void SetLevel(int nLevel) { m_nLevel = nLevel; }
    void PublishCounts();
    int GetProgress() const { return m_nProgress.load(std::memory_order_relaxed); }

    // Puts an arbitrary position on the board (live and shown) with an empty history; for the
    // command-line analyser and the tests. The caller vouches for the counts.
    void SetPosition(const Position& counts);
    void GetPosition(Position& counts) const;

    // --- history -----------------------------------------------------------------------------
    void RecordMove(int nPit, int nRow, int nCount);
    int TakeBack();
    int HasHistory() const { return m_pHistory.load(std::memory_order_acquire) != nullptr; }
    const MoveRecord* GetHistory() const { return m_pHistory.load(std::memory_order_acquire); }

    // --- drawing (defined with the window) ---------------------------------------------------
    void DrawMarbles(QPainter* pDC) const;
    void DrawLastMove(QPainter* pDC) const;
    QString GetProgressText() const;

    // --- computer player ---------------------------------------------------------------------
    void TrialMove(int nRow, int nPit);
    int FirstForcedMove(int nRow) const;
    int CanForceFinish(int bSide);
    int CanForceFinishByTrial(int bSide); // the chain played out move by move; the reference
    static int PitScore(int nCount, int nPit);
    int BestPitScore(int nRow) const;
    int SearchValue(int nDepth, int bProgress);
    void ChooseMoveLevel1(int& nPit, int& nRow);
    void ChooseMoveLevel2(int& nPit, int& nRow);
    void ChooseMoveLevel3(int& nPit, int& nRow);
    void ChooseMoveLevel4(int& nPit, int& nRow);
    void ThinkAndMove();

    // The search depth that levels 3 (bDeep 0) and 4 (bDeep 1) use with this many marbles in
    // the pits; 0 where the level-2 chooser decides instead.
    static int SearchDepthFor(int nMarblesInPlay, int bDeep);
    int MarblesInPlay() const;
    // The progress a level-3 or level-4 choice shows once the candidates before nCandidate are
    // done and nCandidate's own search has passed nPits pits.
    static int SearchProgressAt(int nCandidate, int nPits);
    const ChoiceReport& GetLastChoice() const { return m_lastChoice; }

    // The search the computer player uses; fast unless a caller asks for the reference.
    void SetSearchMode(int nMode) {
        m_nSearchMode = nMode == kSearchPlain ? kSearchPlain : kSearchFast;
    }
    int GetSearchMode() const { return m_nSearchMode; }

    // A stop request makes a running search return at once and ThinkAndMove play nothing.
    // The window sets it before joining the worker and clears it before starting the next one.
    void RequestStop() { m_bStopRequested.store(1, std::memory_order_relaxed); }
    void ClearStop() { m_bStopRequested.store(0, std::memory_order_relaxed); }
    int IsStopRequested() const { return m_bStopRequested.load(std::memory_order_relaxed); }

    // The tie-break generator: NewGame seeds it from the clock; analysers and tests fix it.
    void SeedRandom(std::uint32_t nSeed) { m_random.Seed(nSeed); }
    CRandom& Random() { return m_random; }

private:
    void Sow(int nRow, int nPit, int nCount);
    // Sows (nRow, nPit) on the live counts and passes the turn unless the last marble drops into
    // the mover's own store; the board's moves and the computer's trial moves share it.
    void SowCounts(int nRow, int nPit);
    // Adds nDelta to each of the nCount places that follow (nRow, nPit) in sowing order.
    void AddAlongSowing(int nRow, int nPit, int nCount, int nDelta);
    void ClearHistory();
    void SetProgressStep(int nStep, int nSteps);
    void AddProgress(int nDelta);
    int ChooseBySearch(int& nPit, int& nRow, int bDeep);
    int TakeForcedFinish(int& nPit, int& nRow);
    int SearchValuePlain(int nDepth, int bProgress);
    int SearchValueFast(int nDepth, int bProgress);
    // The fast search of the six candidates into pScores, on as many threads as the machine
    // lends; 0 (and nothing done) where the fast search cannot spell the position.
    int SearchCandidatesFast(int nDepth, std::int32_t* pScores);

    std::atomic<std::int32_t> m_nProgress{0};
    std::int32_t m_nCount[2][kPlaces] = {};
    std::int32_t m_nShown[2][kPlaces] = {};
    std::int32_t m_bUserTurn = 1;
    std::int32_t m_bRunning = 0;
    std::atomic<MoveRecord*> m_pHistory{nullptr};
    std::int32_t m_nLevel = 1;

    std::atomic<std::int32_t> m_bStopRequested{0};
    CRandom m_random;
    ChoiceReport m_lastChoice;

    int m_nSearchMode = kSearchFast;

public:
    // Readies what the computer player keeps for the whole process (the fast search's table),
    // so that no search, not even a new board's first, pays for setting it up. The computer
    // player's library installs it; the rules alone leave it empty.
    static void (*s_pfnReadySearch)();
};

inline void CGameBoard::AddAlongSowing(int nRow, int nPit, int nCount, int nDelta) {
    int r = nRow;
    int q = nPit;
    for (int k = 0; k < nCount; ++k) {
        StepAlongSowing(r, q);
        m_nCount[r][q] += nDelta;
    }
}

inline void CGameBoard::SowCounts(int nRow, int nPit) {
    const int n = m_nCount[nRow][nPit];
    // Only a last marble that lands in the mover's own store keeps the move; a full lap that
    // happens to end there does not.
    if (n != kPits - nPit) {
        m_bUserTurn = m_bUserTurn == 0 ? 1 : 0;
    }
    m_nCount[nRow][nPit] = 0;
    AddAlongSowing(nRow, nPit, n, 1);
}
