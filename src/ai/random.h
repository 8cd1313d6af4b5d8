#pragma once

#include <cstdint>

// The tie-break generator of the computer player: a linear congruential generator whose draws
// lie in 0..32767, like the classic C library's. Each player owns one, so that its thread draws
// without sharing state with anyone, and a fixed seed replays a game exactly.
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

    // Where SeedFromClock takes its seed: the clock, or for a test that must replay its games,
    // a source of its own (null restores the clock).
    using SeedSource = std::uint32_t (*)();
    static void SetSeedSourceForTest(SeedSource pfnSource);

private:
    std::uint32_t m_nState = 1;
};
