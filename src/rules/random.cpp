#include "rules/random.h"

#include <ctime>

void CRandom::SeedFromClock() {
    Seed(static_cast<std::uint32_t>(std::time(nullptr)));
}
