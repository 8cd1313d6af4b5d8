#include "ai/pick_best.h"

int PickBest(const std::int32_t* pScores, int n, CRandom& rng) {
    if (n < 1) {
        return 0;
    }
    std::int32_t nBest = -10000;
    int nFirst = 0;
    int nTies = 1;
    for (int i = 0; i < n; ++i) {
        if (pScores[i] > nBest) {
            nBest = pScores[i];
            nFirst = i;
            nTies = 1;
        } else if (pScores[i] == nBest) {
            ++nTies;
        }
    }
    if (nTies == 1) {
        return nFirst;
    }
    // Each tied entry draws against a threshold that rises as fewer ties remain; the last tied
    // entry meets 32767 and never wins, the first is taken when no later draw succeeds. The
    // resulting odds are deliberate: the computer's character depends on them.
    int nChoice = nFirst;
    int nRemaining = nTies;
    for (int i = 0; i < n; ++i) {
        if (pScores[i] == nBest) {
            const int r = rng.Draw();
            const int nThreshold = CRandom::kMax / nRemaining;
            --nRemaining;
            if (r > nThreshold) {
                nChoice = i;
            }
        }
    }
    return nChoice;
}
