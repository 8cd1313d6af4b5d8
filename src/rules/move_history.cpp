#include "rules/game_board.h"

#include <new>

void CGameBoard::RecordMove(int nPit, int nRow, int nCount) {
    MoveRecord* pHead = m_pHistory.load(std::memory_order_relaxed);
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
    pRecord->nSerial = pHead ? pHead->nSerial + 1 : 1;
    pRecord->bUserTurn = m_bUserTurn;
    pRecord->pNext = pHead;
    // The window reads the head while the computer moves: publish the record only when complete.
    m_pHistory.store(pRecord, std::memory_order_release);
}

int CGameBoard::TakeBack() {
    MoveRecord* pRecord = m_pHistory.load(std::memory_order_relaxed);
    if (pRecord == nullptr) {
        return 0;
    }
    while (pRecord != nullptr) {
        AddAlongSowing(pRecord->nRow, pRecord->nPit, pRecord->nCount, -1);
        m_nCount[pRecord->nRow][pRecord->nPit] = pRecord->nCount;
        m_bUserTurn = pRecord->bUserTurn;
        MoveRecord* pNext = pRecord->pNext;
        m_pHistory.store(pNext, std::memory_order_release);
        delete pRecord;
        pRecord = pNext;
    }
    PublishCounts();
    return 1;
}

void CGameBoard::ClearHistory() {
    MoveRecord* pRecord = m_pHistory.exchange(nullptr, std::memory_order_acq_rel);
    while (pRecord != nullptr) {
        MoveRecord* pNext = pRecord->pNext;
        delete pRecord;
        pRecord = pNext;
    }
}
