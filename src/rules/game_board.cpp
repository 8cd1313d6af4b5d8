#include "rules/game_board.h"

CGameBoard::~CGameBoard() {
    ClearHistory();
}

CGameBoard::CGameBoard(const CGameBoard& other) {
    CopyFrom(other);
}

CGameBoard& CGameBoard::operator=(const CGameBoard& other) {
    if (this != &other) {
        ClearHistory();
        CopyFrom(other);
    }
    return *this;
}

void CGameBoard::NewGame() {
    m_bRunning = 1;
    for (auto& row : m_nCount) {
        for (int i = 0; i < kPits; ++i) {
            row[i] = kStartCount;
        }
        row[kStore] = 0;
    }
    PublishCounts();
    ClearHistory();
}

void CGameBoard::SetPosition(const Position& counts) {
    for (int r = 0; r < 2; ++r) {
        for (int i = 0; i < kPlaces; ++i) {
            m_nCount[r][i] = counts[r][i];
        }
    }
    PublishCounts();
    ClearHistory();
}

void CGameBoard::GetPosition(Position& counts) const {
    for (int r = 0; r < 2; ++r) {
        for (int i = 0; i < kPlaces; ++i) {
            counts[r][i] = m_nCount[r][i];
        }
    }
}

int CGameBoard::IsSideEmpty(int bSide) const {
    const int nRow = bSide ? kUserRow : kComputerRow;
    for (int i = 0; i < kPits; ++i) {
        if (m_nCount[nRow][i] != 0) {
            return 0;
        }
    }
    return 1;
}

int CGameBoard::UserMove(int nPit) {
    if (nPit < 0 || nPit >= kPits || m_nCount[kUserRow][nPit] == 0) {
        return 0;
    }
    ClearHistory();
    Sow(kUserRow, nPit, m_nCount[kUserRow][nPit]);
    return 1;
}

void CGameBoard::ApplyMove(int nPit, int nRow) {
    Sow(nRow, nPit, m_nCount[nRow][nPit]);
}

void CGameBoard::Sow(int nRow, int nPit, int nCount) {
    RecordMove(nPit, nRow, nCount);
    SowCounts(m_nCount, m_bUserTurn, nRow, nPit);
}

void CGameBoard::PublishCounts() {
    for (int r = 0; r < 2; ++r) {
        for (int i = 0; i < kPlaces; ++i) {
            m_nShown[r][i] = m_nCount[r][i];
        }
    }
}
