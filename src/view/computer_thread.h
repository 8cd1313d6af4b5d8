#pragma once

#include <atomic>
#include <functional>
#include <thread>

// The thread on which the computer chooses and plays one move. The window asks whether it is
// still running without ever waiting for it; the running flag is the thread's last write, so
// once it reads "ended" everything the thread did to the board is visible.
class CComputerThread {
public:
    CComputerThread() = default;
    ~CComputerThread() { Join(); }
    CComputerThread(const CComputerThread&) = delete;
    CComputerThread& operator=(const CComputerThread&) = delete;

    // Starts the procedure at once; throws std::system_error when no thread can be had.
    void Start(std::function<void()> procedure);
    int IsRunning() const { return m_bRunning.load(std::memory_order_acquire); }
    // Waits for the thread's end; the caller makes sure that it is near (ended or stopped).
    void Join();

    // Makes the next Start fail as if the system had no thread to give.
    static void FailNextStartForTest() { s_bFailNextStart = true; }

private:
    std::thread m_thread;
    std::atomic<int> m_bRunning{0};
    static bool s_bFailNextStart;
};
