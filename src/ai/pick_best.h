#pragma once

#include "ai/random.h"

#include <cstdint>

// Index of the highest of n scores, 0 when n < 1. Ties are settled by one draw per tied entry,
// which favours the later tied entries but never picks the last of them.
int PickBest(const std::int32_t* pScores, int n, CRandom& rng);
