#include "rules/game_board.h"

#include <new>

void CGameBoard::RecordMove(int nPit, int nRow, int nCount) {
    auto* pRecord = new (std::nothrow) MoveRecord;
    if (pRecord == nullptr) {
        // A history with a move missing would take back to a position that never was. Without
        // memory for the record, drop the history instead: take-back is then refused, and the
        // game goes on.
        ClearHistory();
        return;
    }
    pRecord->nPit = nPit;
    pRecord->nRow = nRow;
    pRecord->nCount = nCount;
    pRecord->nSerial = m_pHistory ? m_pHistory->nSerial + 1 : 1;
    pRecord->bUserTurn = m_bUserTurn;
    pRecord->pNext = m_pHistory;
    m_pHistory = pRecord;
}

int CGameBoard::TakeBack() {
    if (m_pHistory == nullptr) {
        return 0;
    }
    while (m_pHistory != nullptr) {
        MoveRecord* pRecord = m_pHistory;
        // Retrace the places the sowing filled, the emptied pit too after a full lap.
        int r = pRecord->nRow;
        int q = pRecord->nPit;
        for (int k = 0; k < pRecord->nCount; ++k) {
            StepAlongSowing(r, q);
            --m_nCount[r][q];
        }
        m_nCount[pRecord->nRow][pRecord->nPit] = pRecord->nCount;
        m_bUserTurn = pRecord->bUserTurn;
        m_pHistory = pRecord->pNext;
        delete pRecord;
    }
    PublishCounts();
    return 1;
}

void CGameBoard::ClearHistory() {
    while (m_pHistory != nullptr) {
        MoveRecord* pNext = m_pHistory->pNext;
        delete m_pHistory;
        m_pHistory = pNext;
    }
}

void CGameBoard::CopyFrom(const CGameBoard& other) {
    for (int r = 0; r < 2; ++r) {
        for (int i = 0; i < kPlaces; ++i) {
            m_nCount[r][i] = other.m_nCount[r][i];
            m_nShown[r][i] = other.m_nShown[r][i];
        }
    }
    m_bUserTurn = other.m_bUserTurn;
    m_bRunning = other.m_bRunning;
    // The copy's records stand in the original's order, newest first.
    MoveRecord** ppTail = &m_pHistory;
    for (const MoveRecord* p = other.m_pHistory; p != nullptr; p = p->pNext) {
        auto* pRecord = new (std::nothrow) MoveRecord(*p);
        if (pRecord == nullptr) {
            ClearHistory(); // as RecordMove: no history rather than a broken one
            return;
        }
        pRecord->pNext = nullptr;
        *ppTail = pRecord;
        ppTail = &pRecord->pNext;
    }
}
