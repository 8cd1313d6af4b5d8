#pragma once

#include "rules/game_board.h"

// A sowing shown one marble at a time: the pit empties at once, then each following place
// receives its marble in turn. It knows the frames and their pace; the window's timer steps it.
class CSowingAnimation {
public:
    // About 100 ms a place, and no sowing longer than 1.2 s: a computer move that earns another
    // is shown whole before the next one, 1.6 s later.
    static constexpr int kStepMs = 100;
    static constexpr int kMostMs = 1200;

    // Starts from the position shown before the move; the first frame has the pit emptied.
    void Start(const Position& before, int nRow, int nPit) {
        for (int r = 0; r < 2; ++r) {
            for (int i = 0; i < kPlaces; ++i) {
                m_frame[r][i] = before[r][i];
            }
        }
        m_nRow = nRow;
        m_nPlace = nPit;
        m_nLeft = before[nRow][nPit];
        m_frame[nRow][nPit] = 0;
        m_bRunning = m_nLeft > 0;
        m_nStepMs = m_nLeft > kMostMs / kStepMs ? kMostMs / m_nLeft : kStepMs;
    }
    bool IsRunning() const { return m_bRunning; }
    // The time between two frames of this sowing.
    int StepMs() const { return m_nStepMs; }
    // Drops the next marble; false once the last has landed, when the frame is the position
    // after the move.
    bool Step() {
        if (!m_bRunning)
            return false;
        StepAlongSowing(m_nRow, m_nPlace);
        ++m_frame[m_nRow][m_nPlace];
        m_bRunning = --m_nLeft > 0;
        return m_bRunning;
    }
    void Stop() { m_bRunning = false; }
    const Position& Frame() const { return m_frame; }

private:
    Position m_frame = {};
    int m_nRow = 0;
    int m_nPlace = 0;
    int m_nLeft = 0;
    int m_nStepMs = kStepMs;
    bool m_bRunning = false;
};
