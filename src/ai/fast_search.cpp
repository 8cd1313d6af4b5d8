#include "ai/forced_finish_table.h"
#include "ai/search_table.h"
#include "rules/game_board.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <sys/mman.h>

namespace {

// Nodes this close to the leaves are cheaper to search again than to look up.
constexpr int kShallowestKept = 2;

// Shallower searches are over before a table would pay for being set up; until a deeper one
// comes, the board searches without one.
constexpr int kShallowestWithTable = 8;

// The table's alignment: the size of a huge page on x86-64.
constexpr std::uintptr_t kHugePage = std::uintptr_t{2} << 20;

// Wider than any value: a finish is worth at most the depth + 1.
constexpr int kUnbounded = 1000;

} // namespace

int CGameBoard::PrepareFastSearch(int nDepth) {
    int nMarbles = 0;
    for (const auto& row : m_nCount) {
        for (const std::int32_t n : row) {
            if (n < 0) {
                return 0;
            }
            nMarbles += n;
        }
    }
    // Positions the table cannot spell are left to the plain search.
    if (nMarbles > search_table::kMostMarbles || nDepth > search_table::kMostDepth) {
        return 0;
    }
    if (m_pSlots == nullptr && nDepth >= kShallowestWithTable) {
        // calloc hands out fresh zero pages; the slack lets the table start on a huge-page
        // boundary, so that the few huge pages it is made of cost a few faults and TLB entries
        // instead of thousands.
        void* pBlock = std::calloc(search_table::kBytes + kHugePage, 1);
        if (pBlock == nullptr) {
            return 0; // without a table the plain search still gives every value
        }
        m_pSlotBlock.reset(pBlock);
        const auto nAddress = reinterpret_cast<std::uintptr_t>(pBlock);
        const std::uintptr_t nAligned = (nAddress + kHugePage - 1) & ~(kHugePage - 1);
        m_pSlots = static_cast<SearchSlot*>(pBlock) + (nAligned - nAddress) / sizeof(SearchSlot);
#ifdef MADV_HUGEPAGE
        madvise(m_pSlots, search_table::kBytes, MADV_HUGEPAGE); // only advice: ignore a refusal
#endif
    }
    return 1;
}

int CGameBoard::SearchValueFast(int nDepth, int bProgress) {
    return SearchWindow(nDepth, bProgress, -kUnbounded, kUnbounded);
}

// The value of the node clamped to [nLow, nHigh]: exact when it lies strictly between them,
// otherwise only the side it lies on is known (nLow: at most nLow; nHigh: at least nHigh). A
// parent asks each child only what its own rule needs, so many children end early; with the
// window unbounded the result is the exact value.
//
// A computer node is worth its best child unless that is 0; then -1 if some child is below 0,
// else the heuristic. A user node is worth its first child below 0 in pit order; without one,
// the smallest child if above 0, else 1 if some child is above 0, else the heuristic.
int CGameBoard::SearchWindow(int nDepth, int bProgress, int nLow, int nHigh) {
    if (m_bStopRequested.load(std::memory_order_relaxed)) {
        return 0;
    }
    const auto clamp = [&](int v) { return std::clamp(v, nLow, nHigh); };
    const std::int32_t bTurn = m_bUserTurn;
    const int bUserFinishes = forced_finish_table::SmallRowCanFinish(m_nCount[kUserRow]);
    const int bComputerFinishes = forced_finish_table::SmallRowCanFinish(m_nCount[kComputerRow]);

    if (bTurn != 0) {
        if (bUserFinishes) {
            return clamp(-(nDepth + 1));
        }
        if (bComputerFinishes && BestPitScore(kUserRow) < 0) {
            return clamp(nDepth + 1);
        }
    } else {
        if (bComputerFinishes) {
            return clamp(nDepth + 1);
        }
        if (bUserFinishes && BestPitScore(kComputerRow) < 0) {
            return clamp(-(nDepth + 1));
        }
    }
    if (nDepth <= 0) {
        return clamp(0);
    }

    // The top node with the progress switch walks its pits in any case: the progress it adds
    // must be the same as without the table. A search without a table still asks each child
    // only what its parent needs.
    const bool bKeep = nDepth >= kShallowestKept && m_pSlots != nullptr;
    const search_table::Key key =
        bKeep ? search_table::MakeKey(m_nCount, bTurn, nDepth) : search_table::Key{0, 0};
    SearchSlot* const pBucket = bKeep ? search_table::BucketOf(m_pSlots, key) : nullptr;
    if (bKeep && !bProgress) {
        if (const SearchSlot* pSlot = search_table::FindSlot(pBucket, key)) {
            const search_table::Bounds known = search_table::BoundsOf(*pSlot);
            if (known.nLow == known.nHigh) {
                return clamp(known.nLow);
            }
            if (known.nHigh <= nLow) {
                return nLow;
            }
            if (known.nLow >= nHigh) {
                return nHigh;
            }
            // Asking only for what is not yet known gives the same answer.
            nLow = std::max(nLow, known.nLow - 1);
            nHigh = std::min(nHigh, known.nHigh + 1);
        }
    }
    // A value worked out after a stop request rests on cut-short children: it must not outlive
    // the abandoned search. The flag only rises during a search, so looking just before keeping
    // covers every child.
    const auto finish = [&](int r) {
        if (bKeep && !m_bStopRequested.load(std::memory_order_relaxed)) {
            search_table::Bounds bounds{r, r};
            if (r <= nLow) {
                bounds.nLow = search_table::kNoLow;
            }
            if (r >= nHigh) {
                bounds.nHigh = search_table::kNoHigh;
            }
            search_table::Keep(pBucket, key, bounds);
        }
        return r;
    };

    // When every child comes out even, who could finish and whether the computer keeps a move
    // that lands exactly in the user's first pit decide. The forced-finish answers of this node
    // hold for the heuristic too: the children leave the counts as they found them. Most nodes
    // never need it, so it is worked out only when asked for.
    const auto heuristic = [&] {
        const int h = nDepth / 2;
        int r = 0;
        if (bUserFinishes) {
            r = -(h + 1);
        }
        if (bComputerFinishes) {
            r = h + 1;
        }
        if (BestPitScore(kComputerRow) < 10) {
            r = -(h + 1);
        }
        return r;
    };

    std::int32_t snapshot[2][kPlaces];
    std::memcpy(snapshot, m_nCount, sizeof snapshot);

    if (bTurn != 0) {
        // Nothing at or below the floor can be the first child below 0 without putting the
        // node at or below nLow.
        const int nFloor = std::min(nLow, -1);
        int bHaveMin = 0; // nMin: the smallest child seen, all of them 0 or more so far
        int nMin = 0;
        int bSomeAbove = 0;
        for (int p = 0; p < kPits; ++p) {
            if (m_nCount[kUserRow][p] > 0) {
                int nCeiling = std::max(nHigh, 1);
                if (bHaveMin) {
                    nCeiling = nMin > 0 ? std::min(nCeiling, nMin) : (bSomeAbove ? 0 : 1);
                }
                TrialMove(kUserRow, p);
                const int c = SearchWindow(nDepth - 1, 0, nFloor, nCeiling);
                std::memcpy(m_nCount, snapshot, sizeof snapshot);
                m_bUserTurn = bTurn;
                if (c <= nFloor) {
                    return finish(nLow); // a first child below 0, at most nFloor
                }
                if (c < nCeiling) {
                    if (c < 0) {
                        return finish(clamp(c));
                    }
                    nMin = bHaveMin ? std::min(nMin, c) : c;
                    bHaveMin = 1;
                    bSomeAbove |= c > 0 ? 1 : 0;
                } else if (nCeiling >= 1) {
                    bSomeAbove = 1;
                }
                // Whatever the rest give, the node can no longer rise above nLow.
                if (bHaveMin && ((nMin > 0 && nMin <= nLow) ||
                                 (nMin == 0 && nLow >= 1 && (bSomeAbove || nLow >= heuristic())))) {
                    return finish(nLow);
                }
            }
            if (bProgress) {
                AddProgress(1);
            }
        }
        if (!bHaveMin) {
            return finish(nHigh); // every child at least max(nHigh, 1)
        }
        return finish(clamp(nMin > 0 ? nMin : (bSomeAbove ? 1 : heuristic())));
    }

    // Below the floor a child changes nothing that could lift the node above nLow.
    const int nFloor = nLow >= 0 && nLow >= heuristic() ? nLow : std::min(nLow, -1);
    const int nCeiling = std::max(nHigh, 1);
    int bHaveMax = 0; // nMax: the best child known exactly
    int nMax = 0;
    int bSomeBelow = 0;
    for (int p = 0; p < kPits; ++p) {
        if (m_nCount[kComputerRow][p] > 0) {
            int nChildLow = nFloor;
            if (bHaveMax) {
                nChildLow = nMax != 0 ? std::max(nFloor, nMax) : (bSomeBelow ? 0 : nFloor);
            }
            TrialMove(kComputerRow, p);
            const int c = SearchWindow(nDepth - 1, 0, nChildLow, nCeiling);
            std::memcpy(m_nCount, snapshot, sizeof snapshot);
            m_bUserTurn = 0;
            if (c >= nCeiling) {
                return finish(nHigh); // a child above 0 and at least nHigh
            }
            if (c <= nChildLow) {
                bSomeBelow |= nChildLow < 0 ? 1 : 0;
            } else {
                nMax = bHaveMax ? std::max(nMax, c) : c;
                bHaveMax = 1;
                bSomeBelow |= c < 0 ? 1 : 0;
            }
        }
        if (bProgress) {
            AddProgress(1);
        }
    }
    if (!bHaveMax) {
        return finish(nLow); // every child at most nFloor
    }
    return finish(clamp(nMax != 0 ? nMax : (bSomeBelow ? -1 : heuristic())));
}
