#include "view/computer_thread.h"

#include <cerrno>
#include <system_error>
#include <utility>

bool CComputerThread::s_bFailNextStart = false;

void CComputerThread::Start(std::function<void()> procedure) {
    Join();
    if (s_bFailNextStart) {
        s_bFailNextStart = false;
        throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
    }
    m_bRunning.store(1, std::memory_order_relaxed);
    try {
        m_thread = std::thread([this, procedure = std::move(procedure)] {
            procedure();
            m_bRunning.store(0, std::memory_order_release);
        });
    } catch (...) {
        m_bRunning.store(0, std::memory_order_relaxed);
        throw;
    }
}

void CComputerThread::Join() {
    if (m_thread.joinable())
        m_thread.join();
}
