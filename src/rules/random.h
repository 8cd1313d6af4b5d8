#pragma once

#include <cstdint>

// The tie-break generator of the computer player: a linear congruential generator whose draws
// lie in 0..32767, like the classic C library's. A board owns one, so that the worker thread
// draws without sharing state with anyone, and a fixed seed replays a game exactly.
class CRandom {
public:
    static constexpr int kMax = 32767;

    void Seed(std::uint32_t nSeed) { m_nState = nSeed; }
    int Draw() {
        m_nState = m_nState * 214013u + 2531011u;
        return static_cast<int>((m_nState >> 16) & 0x7fffu);
    }
    // Seeds from the current calendar time in whole seconds, as every new game does.
    void SeedFromClock();

private:
    std::uint32_t m_nState = 1;
};
