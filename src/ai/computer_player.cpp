#include "ai/computer_player.h"

#include "ai/search_table.h"

namespace {

std::atomic<CComputerPlayer::ProgressHook> g_pfnProgressHook{nullptr};

} // namespace

CComputerPlayer::CComputerPlayer() {
    search_table::Slots();
}

void CComputerPlayer::NewGame() {
    m_random.SeedFromClock();
    SetProgress(0);
}

void CComputerPlayer::LoadPosition(const CGameBoard& board) {
    const bool bForUser = board.IsUserTurn() != 0;
    for (int r = 0; r < 2; ++r) {
        for (int i = 0; i < kPlaces; ++i) {
            m_nCount[r][i] = board.GetCount(i, bForUser ? 1 - r : r);
        }
    }
    m_bUserTurn = 0; // the side the player plays for is to move
}

void CComputerPlayer::SetPosition(const Position& counts, bool bUserTurn) {
    for (int r = 0; r < 2; ++r) {
        for (int i = 0; i < kPlaces; ++i) {
            m_nCount[r][i] = counts[r][i];
        }
    }
    m_bUserTurn = bUserTurn ? 1 : 0;
}

void CComputerPlayer::GetPosition(Position& counts) const {
    for (int r = 0; r < 2; ++r) {
        for (int i = 0; i < kPlaces; ++i) {
            counts[r][i] = m_nCount[r][i];
        }
    }
}

int CComputerPlayer::MarblesInPlay() const {
    return kMarbles - m_nCount[kUserRow][kStore] - m_nCount[kComputerRow][kStore];
}

void CComputerPlayer::SetProgress(int nProgress) {
    m_nProgress.store(nProgress, std::memory_order_relaxed);
    if (const ProgressHook pfnHook = g_pfnProgressHook.load(std::memory_order_relaxed)) {
        pfnHook(*this);
    }
}

void CComputerPlayer::SetProgressStep(int nStep, int nSteps) {
    SetProgress(nStep * 100 / nSteps);
}

void CComputerPlayer::AddProgress(int nDelta) {
    // Only the choosing thread writes the progress here, so reading it first is enough.
    SetProgress(m_nProgress.load(std::memory_order_relaxed) + nDelta);
}

void CComputerPlayer::RaiseProgress(int nProgress) {
    int nShown = m_nProgress.load(std::memory_order_relaxed);
    while (nShown < nProgress &&
           !m_nProgress.compare_exchange_weak(nShown, nProgress, std::memory_order_relaxed)) {
    }
    if (const ProgressHook pfnHook = g_pfnProgressHook.load(std::memory_order_relaxed)) {
        pfnHook(*this);
    }
}

void CComputerPlayer::SetProgressHookForTest(ProgressHook pfnHook) {
    g_pfnProgressHook.store(pfnHook);
}
