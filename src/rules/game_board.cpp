#include "rules/game_board.h"

void (*CGameBoard::s_pfnReadySearch)() = nullptr;

CGameBoard::CGameBoard() {
    if (s_pfnReadySearch != nullptr) {
        s_pfnReadySearch();
    }
}

CGameBoard::~CGameBoard() {
    ClearHistory();
}

void CGameBoard::NewGame() {
    m_random.SeedFromClock();
    m_bRunning = 1;
    m_nProgress.store(0, std::memory_order_relaxed);
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

int CGameBoard::MarblesInPlay() const {
    return kMarbles - m_nCount[kUserRow][kStore] - m_nCount[kComputerRow][kStore];
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
    SowCounts(nRow, nPit);
}

void CGameBoard::PublishCounts() {
    for (int r = 0; r < 2; ++r) {
        for (int i = 0; i < kPlaces; ++i) {
            m_nShown[r][i] = m_nCount[r][i];
        }
    }
}

void CGameBoard::SetProgressStep(int nStep, int nSteps) {
    m_nProgress.store(nStep * 100 / nSteps, std::memory_order_relaxed);
}

void CGameBoard::AddProgress(int nDelta) {
    // Only the worker writes the progress, so a plain read-modify-write of the atomic is enough.
    m_nProgress.store(m_nProgress.load(std::memory_order_relaxed) + nDelta,
                      std::memory_order_relaxed);
}
