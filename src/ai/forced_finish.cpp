#include "ai/computer_player.h"
#include "ai/forced_finish_table.h"

#include <algorithm>
#include <cstring>

void CComputerPlayer::TrialMove(int nRow, int nPit) {
    // The look-ahead follows the board's own sowing and turn rule exactly.
    SowCounts(m_nCount, m_bUserTurn, nRow, nPit);
}

int CComputerPlayer::FirstForcedMove(int nRow) const {
    const std::int32_t* pits = m_nCount[nRow];
    // Of several extra-turn moves the one nearest the store comes first: it disturbs no other
    // pit of the chain.
    for (int p = kPits - 1; p >= 0; --p) {
        if (pits[p] == kPits - p) {
            return p;
        }
    }
    // With pits 0..4 empty, pit 5 holding 2..8 marbles puts one in the own store and the rest
    // into the other row, which empties the row; a ninth marble would come back round.
    if (pits[0] == 0 && pits[1] == 0 && pits[2] == 0 && pits[3] == 0 && pits[4] == 0 &&
        pits[5] < 9) {
        return 5;
    }
    return -1;
}

int CComputerPlayer::CanForceFinish(int bSide) {
    const std::int32_t* pits = m_nCount[bSide ? kUserRow : kComputerRow];
    // A negative count cannot arise in play; only the move-by-move chain says what it means.
    if (m_nSearchMode == kSearchPlain ||
        (pits[0] | pits[1] | pits[2] | pits[3] | pits[4] | pits[5]) < 0) {
        return CanForceFinishByTrial(bSide);
    }
    return forced_finish_table::RowCanFinish(pits);
}

int CComputerPlayer::CanForceFinishByTrial(int bSide) {
    const int nRow = bSide ? kUserRow : kComputerRow;
    std::int32_t snapshot[2][kPlaces];
    std::memcpy(snapshot, m_nCount, sizeof snapshot);
    const std::int32_t bTurn = m_bUserTurn;

    const std::int32_t* pits = m_nCount[nRow];
    int bAnswer = 0;
    for (int nMoves = 0; nMoves < 10; ++nMoves) {
        if ((pits[0] | pits[1] | pits[2] | pits[3] | pits[4] | pits[5]) == 0) {
            bAnswer = 1;
            break;
        }
        const int m = FirstForcedMove(nRow);
        if (m < 0) {
            break;
        }
        TrialMove(nRow, m);
    }
    // A chain counts only when it has emptied the row within nine moves: the position after
    // a tenth move is not looked at.

    std::memcpy(m_nCount, snapshot, sizeof snapshot);
    m_bUserTurn = bTurn;
    return bAnswer;
}

int CComputerPlayer::PitScore(int nCount, int nPit) {
    // count + pit == 7 puts the last marble exactly into the opponent's pit 0.
    const int v = nCount + nPit;
    if (v == 7) {
        return 10;
    }
    return v > 7 ? 5 : -5;
}

int CComputerPlayer::BestPitScore(int nRow) const {
    int nBest = -5;
    for (int p = 0; p < kPits; ++p) {
        nBest = std::max(nBest, PitScore(m_nCount[nRow][p], p));
    }
    return nBest;
}
