#pragma once

#include "ai/random.h"
#include "rules/game_board.h"

#include <atomic>
#include <cstdint>

// How SearchValue works out its values. Both give the same value for every position; the plain
// search walks the whole tree every time and stays as the reference, the fast one asks each
// reply only what its parent's rule needs and remembers what it found out about positions.
inline constexpr int kSearchPlain = 0;
inline constexpr int kSearchFast = 1;

// What the last choice was based on; read by the command-line analyser and the tests.
struct ChoiceReport {
    bool bForced = false;    // the forced-finish step chose
    int nDepth = 0;          // search depth, 0 when the chooser did not search
    bool bHasScores = false; // nScores holds the array of the final choice
    std::int32_t nScores[kPits] = {};
    bool operator==(const ChoiceReport&) const = default;
};

// The computer player: it chooses the move of whichever side is to move, at one of four think
// levels, and reports how far its choice has got.
//
// It thinks on a position of its own, seen from the side it plays for: that side's row is row 1
// and every value is that side's. So inside the player "the computer" names the side it plays
// for and "the user" its opponent; playing the user's row, it sees the board turned round.
//
// A choice may run on a worker thread. While it runs, other threads only read the progress and
// request a stop, both atomic; the rest of the player (its position, level, generator and report)
// belongs to the choosing thread from the start of the choice until that thread is joined.
class CComputerPlayer {
public:
    // The fast search's table is made with the first player, so that no search pays for it.
    CComputerPlayer();
    CComputerPlayer(const CComputerPlayer&) = delete;
    CComputerPlayer& operator=(const CComputerPlayer&) = delete;

    int GetLevel() const { return m_nLevel; }
    void SetLevel(int nLevel) { m_nLevel = nLevel; }

    // A new game: the tie-breaks are seeded from the clock and the progress is cleared.
    void NewGame();
    void SeedRandom(std::uint32_t nSeed) { m_random.Seed(nSeed); }

    // The turn of the side to move on the board: its pit chosen at the level and played there
    // with ApplyMove. Returns the pit, or -1 when a stop request cut the choice short: then
    // nothing is played.
    int ThinkAndMove(CGameBoard& board);
    // The pit the side to move would play, at the level, and its row; the board stays as it is.
    void ChooseMove(const CGameBoard& board, int& nPit, int& nRow);

    int GetProgress() const { return m_nProgress.load(std::memory_order_relaxed); }
    // A stop request makes a running choice return at once and ThinkAndMove play nothing. It
    // holds until cleared, which the owner does before the next choice.
    void RequestStop() { m_bStopRequested.store(true, std::memory_order_relaxed); }
    void ClearStop() { m_bStopRequested.store(false, std::memory_order_relaxed); }
    bool IsStopRequested() const { return m_bStopRequested.load(std::memory_order_relaxed); }

    const ChoiceReport& GetLastChoice() const { return m_lastChoice; }

    // The search the player uses; fast unless a caller asks for the reference.
    void SetSearchMode(int nMode) {
        m_nSearchMode = nMode == kSearchPlain ? kSearchPlain : kSearchFast;
    }

    // --- the look-ahead, on the player's own position --------------------------------------
    // Puts a position to judge, as it stands: row 1 the computer's; for the analysers and tests.
    void SetPosition(const Position& counts, bool bUserTurn);
    void GetPosition(Position& counts) const;
    int IsUserTurn() const { return m_bUserTurn; }

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

    // The search depth that levels 3 (bDeep false) and 4 use with this many marbles in the
    // pits; 0 where the level-2 chooser decides instead.
    static int SearchDepthFor(int nMarblesInPlay, bool bDeep);
    int MarblesInPlay() const;
    // The progress a level-3 or level-4 choice shows once the candidates before nCandidate are
    // done and nCandidate's own search has passed nPits pits.
    static int SearchProgressAt(int nCandidate, int nPits);

    // Called with the player whenever its progress rises; a test stops a choice midway from
    // there, on the choosing thread itself. Null: nothing is called.
    using ProgressHook = void (*)(CComputerPlayer& player);
    static void SetProgressHookForTest(ProgressHook pfnHook);

private:
    // The position as the side to move on the board sees it, that side's row as row 1.
    void LoadPosition(const CGameBoard& board);
    void ChooseAtLevel(int& nPit, int& nRow);
    void SetProgress(int nProgress);
    void SetProgressStep(int nStep, int nSteps);
    void AddProgress(int nDelta);
    // Raises the progress to nProgress unless it is already as high: the candidates' threads
    // all report, and the status bar must never go back.
    void RaiseProgress(int nProgress);
    int ChooseBySearch(int& nPit, int& nRow, bool bDeep);
    bool TakeForcedFinish(int& nPit, int& nRow);
    int SearchValuePlain(int nDepth, int bProgress);
    int SearchValueFast(int nDepth, int bProgress);
    // The fast search of the six candidates into pScores, on as many threads as the machine
    // lends; false (and nothing done) where the fast search cannot spell the position.
    bool SearchCandidatesFast(int nDepth, std::int32_t* pScores);

    std::atomic<std::int32_t> m_nProgress{0};
    std::atomic<bool> m_bStopRequested{false};
    std::int32_t m_nCount[2][kPlaces] = {};
    std::int32_t m_bUserTurn = 0;
    std::int32_t m_nLevel = 1;
    CRandom m_random;
    ChoiceReport m_lastChoice;
    int m_nSearchMode = kSearchFast;
};
