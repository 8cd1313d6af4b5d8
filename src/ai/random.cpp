#include "ai/random.h"

#include <atomic>
#include <ctime>

namespace {

std::atomic<CRandom::SeedSource> g_pfnSeedSource{nullptr};

} // namespace

void CRandom::SeedFromClock() {
    const SeedSource pfnSource = g_pfnSeedSource.load();
    Seed(pfnSource ? pfnSource() : static_cast<std::uint32_t>(std::time(nullptr)));
}

void CRandom::SetSeedSourceForTest(SeedSource pfnSource) {
    g_pfnSeedSource.store(pfnSource);
}
