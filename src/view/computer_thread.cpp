#include "view/computer_thread.h"

#include <cerrno>
#include <system_error>
#include <utility>

bool CComputerThread::s_bFailNextStart = false;

void CComputerThread::Start(CComputerPlayer& player, const CGameBoard& board, Procedure procedure) {
    Join();
    m_nPit = -1;
    if (s_bFailNextStart) {
        s_bFailNextStart = false;
        throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
    }
    m_bFinished.store(false, std::memory_order_relaxed);
    try {
        m_thread =
            std::thread([this, &player, copy = board, procedure = std::move(procedure)]() mutable {
                m_nPit = procedure(player, copy);
                m_bFinished.store(true, std::memory_order_release);
            });
    } catch (...) {
        m_bFinished.store(true, std::memory_order_relaxed);
        throw;
    }
}

int CComputerThread::Join() {
    if (m_thread.joinable())
        m_thread.join();
    return m_nPit;
}
