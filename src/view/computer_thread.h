#pragma once

#include "rules/game_board.h"

#include <atomic>
#include <functional>
#include <thread>

class CComputerPlayer;

// The thread on which the computer chooses one move. It thinks on a copy of the board of its own
// and hands back the pit it played there; the window never waits for it, but asks whether it has
// finished and joins it only then, or right after a stop request. What crosses between the
// threads while it runs is the player's progress and stop request and the finished flag, all
// atomic; the chosen pit is read after the join.
class CComputerThread {
public:
    // The procedure run on the thread: the player's move on the copy; the pit played, or -1.
    using Procedure = std::function<int(CComputerPlayer& player, CGameBoard& board)>;

    CComputerThread() = default;
    ~CComputerThread() { Join(); }
    CComputerThread(const CComputerThread&) = delete;
    CComputerThread& operator=(const CComputerThread&) = delete;

    // Starts the procedure at once on a copy of the board; throws std::system_error when no
    // thread can be had. A thread still there from before is joined first.
    void Start(CComputerPlayer& player, const CGameBoard& board, Procedure procedure);
    bool IsRunning() const { return !m_bFinished.load(std::memory_order_acquire); }
    // Waits for the thread's end (the caller makes sure that it is near: finished, or stopped)
    // and gives the pit it played, -1 for none.
    int Join();

    // Makes the next Start fail as if the system had no thread to give.
    static void FailNextStartForTest() { s_bFailNextStart = true; }

private:
    std::thread m_thread;
    std::atomic<bool> m_bFinished{true};
    int m_nPit = -1; // written by the thread before it finishes, read after the join
    static bool s_bFailNextStart;
};
