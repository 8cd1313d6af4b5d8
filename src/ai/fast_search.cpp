#include "ai/fast_searcher.h"
#include "ai/forced_finish_table.h"
#include "ai/search_table.h"
#include "rules/game_board.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <sys/mman.h>

namespace search_table {

namespace {

// The table's alignment: the size of a huge page on x86-64, so that the few huge pages the table
// is made of cost a few faults and TLB entries instead of thousands.
constexpr std::size_t kHugePage = std::size_t{2} << 20;

std::atomic<std::uint64_t>* SetUp() {
    void* pBlock = nullptr;
    if (posix_memalign(&pBlock, kHugePage, kBytes) != 0) {
        return nullptr;
    }
#ifdef MADV_HUGEPAGE
    madvise(pBlock, kBytes, MADV_HUGEPAGE); // only advice: ignore a refusal
#endif
    // Writing every slot now puts the page faults here, with the first board, instead of in
    // the first search; an empty slot is all zero.
    static_assert(sizeof(std::atomic<std::uint64_t>) == sizeof(std::uint64_t));
    auto* pSlots = static_cast<std::atomic<std::uint64_t>*>(pBlock);
    for (std::size_t i = 0; i < kSlots; ++i) {
        new (pSlots + i) std::atomic<std::uint64_t>(0);
    }
    return pSlots;
}

} // namespace

std::atomic<std::uint64_t>* Slots() {
    // Kept for the life of the process: every board shares what any of them found out.
    static std::atomic<std::uint64_t>* const pSlots = SetUp();
    return pSlots;
}

void Clear() {
    if (std::atomic<std::uint64_t>* pSlots = Slots()) {
        for (std::size_t i = 0; i < kSlots; ++i) {
            pSlots[i].store(0, std::memory_order_relaxed);
        }
    }
}

} // namespace search_table

namespace {

// Every board made from here on finds the table ready.
const int kTableWithFirstBoard = (
    CGameBoard::s_pfnReadySearch = [] { search_table::Slots(); }, 0);

} // namespace

namespace fast_search {

namespace {

using search_table::Bounds;
using search_table::Place;

// Nodes this close to the leaves are cheaper to search again than to look up.
constexpr int kShallowestKept = 4;

// From this many marbles in the pits on, a computer node tries its pits from 5 down.
constexpr int kMarblesFromPit5 = 20;

// Wider than any value: a finish is worth at most the depth + 1.
constexpr int kUnbounded = 1000;

// A value that only searching the node can tell.
constexpr int kOpen = 1 << 20;

constexpr PitRow kTopBits = 0x0000808080808080ull;

inline int PitOf(PitRow nRow, int nPit) {
    return static_cast<int>(nRow >> (8 * nPit) & 0xff);
}

inline int MarblesIn(const Node& node) {
    // Adds up the twelve bytes; no row holds more than 63 marbles in all.
    return static_cast<int>(
        ((node.nRow[kUserRow] + node.nRow[kComputerRow]) * 0x0101010101010101ull) >> 56);
}

// As forced_finish_table::RowCanFinish: a pit holding more than a forced move can take (6, 5,
// 4, 3, 2 and 8 marbles) never empties; adding 127 - limit sets a byte's top bit past it.
inline bool CanFinish(PitRow nRow) {
    if (((nRow + 0x0000777d7c7b7a79ull) & kTopBits) != 0) {
        return false;
    }
    using forced_finish_table::kWeight;
    const int i = PitOf(nRow, 0) * kWeight[0] + PitOf(nRow, 1) * kWeight[1] +
                  PitOf(nRow, 2) * kWeight[2] + PitOf(nRow, 3) * kWeight[3] +
                  PitOf(nRow, 4) * kWeight[4] + PitOf(nRow, 5);
    return (forced_finish_table::kTable[static_cast<unsigned>(i) / 64] >> (i % 64) & 1u) != 0;
}

// BestPitScore of the row below 0: no pit holds more than 6 - pit, so every marble stays in it.
inline bool SendsNone(PitRow nRow) {
    return ((nRow + 0x00007e7d7c7b7a79ull) & kTopBits) == 0;
}

// BestPitScore of the row 10 or more: some pit holds exactly 7 - pit, so its last marble lands
// in the other row's pit 0. A byte of zero after the xor marks such a pit.
inline bool ReachesPitZero(PitRow nRow) {
    const PitRow x = nRow ^ 0x0101020304050607ull;
    return ((x - 0x0101010101010101ull) & ~x & 0x8080808080808080ull) != 0;
}

// The pits of the row that hold marbles, as bits 0 to 5. A byte's top bit is set by adding
// 0x7f when the pit holds any (no pit holds more than 63); the six top bits are then gathered by
// one multiplication, whose partial products never meet.
inline unsigned PlayablePits(PitRow nRow) {
    const PitRow nTop = (nRow + 0x00007f7f7f7f7f7full) & kTopBits;
    return static_cast<unsigned>(((nTop >> 7) * 0x810204081ull) >> 35) & 0x3fu;
}

inline int Lowest(unsigned nPits) {
    return std::countr_zero(nPits);
}

inline int Highest(unsigned nPits) {
    return 31 - std::countl_zero(nPits);
}

// What sowing n marbles from a pit adds to the twelve pits (the sown pit's own share included,
// after a full lap), for every n a node can hold: 12 KB, read without working anything out.
struct Sowing {
    PitRow nAdd[2];
};
constexpr int kMostSown = search_table::kMostMarbles + 1;
constexpr std::array<std::array<std::array<Sowing, kMostSown>, kPits>, 2> BuildSowings() {
    std::array<std::array<std::array<Sowing, kMostSown>, kPits>, 2> sowings{};
    for (int nRow = 0; nRow < 2; ++nRow) {
        for (int nPit = 0; nPit < kPits; ++nPit) {
            for (int n = 0; n < kMostSown; ++n) {
                Sowing& s = sowings[nRow][nPit][n];
                int r = nRow;
                int q = nPit;
                for (int k = 0; k < n; ++k) {
                    StepAlongSowing(r, q);
                    if (q < kPits) {
                        s.nAdd[r] += PitRow{1} << (8 * q);
                    }
                }
            }
        }
    }
    return sowings;
}
constexpr auto kSowings = BuildSowings();

// The value of a node that its finish tests or its depth settle, else kOpen.
inline int Settled(const Node& node, bool bUserCanFinish, bool bComputerCanFinish, int nDepth) {
    if (node.bUserTurn) {
        if (bUserCanFinish) {
            return -(nDepth + 1);
        }
        if (bComputerCanFinish && SendsNone(node.nRow[kUserRow])) {
            return nDepth + 1;
        }
    } else {
        if (bComputerCanFinish) {
            return nDepth + 1;
        }
        if (bUserCanFinish && SendsNone(node.nRow[kComputerRow])) {
            return -(nDepth + 1);
        }
    }
    return nDepth <= 0 ? 0 : kOpen;
}

// The value of the child that pit nPit of the mover's row leads to, with no depth left: what its
// finish tests settle, else 0.
inline int LeafValue(const Node& node, bool bUserCanFinish, bool bComputerCanFinish, int nMover,
                     int nPit) {
    const int n = PitOf(node.nRow[nMover], nPit);
    const Sowing& sowing = kSowings[nMover][nPit][n];
    const PitRow nEmptied = ~(PitRow{0xff} << (8 * nPit));
    const PitRow nUser =
        (nMover == kUserRow ? node.nRow[kUserRow] & nEmptied : node.nRow[kUserRow]) +
        sowing.nAdd[kUserRow];
    const PitRow nComputer =
        (nMover == kComputerRow ? node.nRow[kComputerRow] & nEmptied : node.nRow[kComputerRow]) +
        sowing.nAdd[kComputerRow];
    const bool bSpills = n > kPits - nPit;
    const bool bChildUserCanFinish =
        nMover == kUserRow || bSpills ? CanFinish(nUser) : bUserCanFinish;
    const bool bChildComputerCanFinish =
        nMover == kComputerRow || bSpills ? CanFinish(nComputer) : bComputerCanFinish;
    const bool bUserMoves = (n != kPits - nPit) != (nMover == kUserRow);
    if (bUserMoves) {
        return bChildUserCanFinish ? -1 : (bChildComputerCanFinish && SendsNone(nUser) ? 1 : 0);
    }
    return bChildComputerCanFinish ? 1 : (bChildUserCanFinish && SendsNone(nComputer) ? -1 : 0);
}

inline void Prefetch(const void* p) {
#if defined(__GNUC__)
    __builtin_prefetch(p);
#else
    (void)p;
#endif
}

} // namespace

bool NodeOfCounts(const std::int32_t (&counts)[2][kPlaces], bool bUserTurn, Node& node) {
    int nMarbles = 0;
    node.nRow[0] = 0;
    node.nRow[1] = 0;
    for (int r = 0; r < 2; ++r) {
        for (int p = 0; p < kPits; ++p) {
            const std::int32_t n = counts[r][p];
            if (n < 0 || n > search_table::kMostMarbles) {
                return false;
            }
            nMarbles += n;
            node.nRow[r] |= static_cast<PitRow>(n) << (8 * p);
        }
    }
    node.bUserTurn = bUserTurn;
    return nMarbles <= search_table::kMostMarbles;
}

struct CFastSearcher::Child {
    Node node;
    bool bUserCanFinish;
    bool bComputerCanFinish;
    int nSettled;  // kOpen when the child must be searched
    bool bInTable; // deep enough to be looked up
    bool bLocated; // place worked out
    search_table::Place place;
};

void CFastSearcher::MakeChild(const Node& node, bool bUserCanFinish, bool bComputerCanFinish,
                              int nPit, int nDepth, Child& child) const {
    const int nMover = node.bUserTurn ? kUserRow : kComputerRow;
    const int n = PitOf(node.nRow[nMover], nPit);
    const Sowing& sowing = kSowings[nMover][nPit][n];
    const PitRow nEmptied = ~(PitRow{0xff} << (8 * nPit));
    child.node.nRow[kUserRow] =
        (nMover == kUserRow ? node.nRow[kUserRow] & nEmptied : node.nRow[kUserRow]) +
        sowing.nAdd[kUserRow];
    child.node.nRow[kComputerRow] =
        (nMover == kComputerRow ? node.nRow[kComputerRow] & nEmptied : node.nRow[kComputerRow]) +
        sowing.nAdd[kComputerRow];
    // Only a last marble in the mover's own store keeps the move.
    child.node.bUserTurn = n != kPits - nPit ? !node.bUserTurn : node.bUserTurn;
    // A move that stays in the mover's row leaves the other row, and its finish test, alone.
    child.bUserCanFinish = bUserCanFinish;
    child.bComputerCanFinish = bComputerCanFinish;
    if (nMover == kUserRow || n > kPits - nPit) {
        child.bUserCanFinish = CanFinish(child.node.nRow[kUserRow]);
    }
    if (nMover == kComputerRow || n > kPits - nPit) {
        child.bComputerCanFinish = CanFinish(child.node.nRow[kComputerRow]);
    }
    child.nSettled =
        Settled(child.node, child.bUserCanFinish, child.bComputerCanFinish, nDepth - 1);
    child.bInTable =
        child.nSettled == kOpen && nDepth - 1 >= kShallowestKept && m_pSlots != nullptr;
    child.bLocated = false;
}

void CFastSearcher::Locate(Child& child, int nDepth) const {
    if (child.bInTable && !child.bLocated) {
        child.place = PlaceOf(child.node, nDepth - 1);
        child.bLocated = true;
        // The bucket is on its way while the elder brother is searched.
        Prefetch(child.place.pBucket);
    }
}

search_table::Place CFastSearcher::PlaceOf(const Node& node, int nDepth) const {
    return search_table::PlaceOf(m_pSlots, search_table::NodeNumber(node.nRow[kUserRow],
                                                                    node.nRow[kComputerRow],
                                                                    node.bUserTurn, nDepth));
}

// One ply from the leaves every child is settled by its finish tests, worth -1, 0 or 1, and the
// node's rules reduce to a few lines: no window, no table.
int CFastSearcher::ValueOneDeep(const Node& node, bool bUserCanFinish, bool bComputerCanFinish) {
    const int nMover = node.bUserTurn ? kUserRow : kComputerRow;
    bool bSomeBelow = false;
    bool bSomeAbove = false;
    for (unsigned nRest = PlayablePits(node.nRow[nMover]); nRest != 0; nRest &= nRest - 1) {
        const int v = LeafValue(node, bUserCanFinish, bComputerCanFinish, nMover, Lowest(nRest));
        if (node.bUserTurn && v < 0) {
            return v; // the first child below 0
        }
        if (!node.bUserTurn && v > 0) {
            return v; // nothing beats a finish
        }
        bSomeBelow |= v < 0;
        bSomeAbove |= v > 0;
    }
    // With depth 1 the heuristic's finish is worth 1 either way.
    int nHeuristic = 0;
    if (bUserCanFinish) {
        nHeuristic = -1;
    }
    if (bComputerCanFinish) {
        nHeuristic = 1;
    }
    if (!ReachesPitZero(node.nRow[kComputerRow])) {
        nHeuristic = -1;
    }
    if (node.bUserTurn) {
        return bSomeAbove ? 1 : nHeuristic; // every child 0 or more
    }
    return bSomeBelow ? -1 : nHeuristic;
}

int CFastSearcher::Value(const Node& node, int nDepth, const PitCounter* pCounter) {
    if (m_bStop.load(std::memory_order_relaxed)) {
        return 0;
    }
    const bool bUserCanFinish = CanFinish(node.nRow[kUserRow]);
    const bool bComputerCanFinish = CanFinish(node.nRow[kComputerRow]);
    const int v = Settled(node, bUserCanFinish, bComputerCanFinish, nDepth);
    if (v != kOpen) {
        return v;
    }
    search_table::Place place{};
    const bool bInTable = nDepth >= kShallowestKept && m_pSlots != nullptr;
    if (bInTable) {
        place = PlaceOf(node, nDepth);
    }
    return Window(node, bUserCanFinish, bComputerCanFinish, nDepth, -kUnbounded, kUnbounded,
                  bInTable ? &place : nullptr, pCounter);
}

// The value of the node clamped to [nLow, nHigh]: exact when it lies strictly between them,
// otherwise only the side it lies on is known (nLow: at most nLow; nHigh: at least nHigh). A
// parent asks each child only what its own rule needs, so many children end early; with the
// window unbounded the result is the exact value. The node is one its finish tests leave open,
// at least one ply deep.
//
// A computer node is worth its best child unless that is 0; then -1 if some child is below 0,
// else the heuristic. A user node is worth its first child below 0 in pit order; without one,
// the smallest child if above 0, else 1 if some child is above 0, else the heuristic.
int CFastSearcher::Window(const Node& node, bool bUserCanFinish, bool bComputerCanFinish,
                          int nDepth, int nLow, int nHigh, const Place* pPlace,
                          const PitCounter* pCounter) {
    // An abandoned search only has to get out quickly; its values are never used.
    if (m_bStop.load(std::memory_order_relaxed)) {
        return 0;
    }
    const auto clamp = [&](int v) { return std::clamp(v, nLow, nHigh); };

    // Children are made as they are asked, and the next one's bucket is fetched meanwhile;
    // many nodes are settled by their first child or two.
    const unsigned nPlayable = PlayablePits(node.nRow[node.bUserTurn ? kUserRow : kComputerRow]);
    // The order of the children changes nothing at a computer node, only how soon it is
    // settled. As measured on the hardest positions, endgames are settled soonest from pit 0
    // on, and middle games with many marbles from pit 5 down, where the long moves into the
    // user's row start. The user's nodes, and the top node with a pit counter, keep pit order.
    const bool bFromPit5 =
        !node.bUserTurn && pCounter == nullptr && MarblesIn(node) >= kMarblesFromPit5;
    const auto nextOf = [&](unsigned nRest) {
        return nRest == 0 ? -1 : (bFromPit5 ? Highest(nRest) : Lowest(nRest));
    };
    Child children[kPits];
    bool bMade[kPits] = {};
    const auto child = [&](int p) -> Child& {
        if (!bMade[p]) {
            MakeChild(node, bUserCanFinish, bComputerCanFinish, p, nDepth, children[p]);
            bMade[p] = true;
        }
        return children[p];
    };
    // A child's value clamped to the window asked of it; nNext is the pit asked next, or -1.
    const auto ask = [&](int p, int nNext, int nChildLow, int nChildHigh) {
        Child& c = child(p);
        if (c.nSettled != kOpen) {
            return std::clamp(c.nSettled, nChildLow, nChildHigh);
        }
        if (nDepth == 2) {
            return std::clamp(ValueOneDeep(c.node, c.bUserCanFinish, c.bComputerCanFinish),
                              nChildLow, nChildHigh);
        }
        Locate(c, nDepth);
        if (nNext >= 0) {
            Locate(child(nNext), nDepth);
        }
        return Window(c.node, c.bUserCanFinish, c.bComputerCanFinish, nDepth - 1, nChildLow,
                      nChildHigh, c.bInTable ? &c.place : nullptr, nullptr);
    };

    // The top node with a pit counter walks its pits in any case: the progress it adds must be
    // the same as the plain search's.
    int nHint = search_table::kNoReply;
    if (pPlace != nullptr && pCounter == nullptr) {
        // The bucket of the child most likely asked first is on its way while this node's own
        // is awaited, so that the two waits overlap.
        if (nDepth > kShallowestKept) {
            Locate(child(nextOf(nPlayable)), nDepth);
        }
        search_table::Entry known{};
        if (search_table::Find(*pPlace, known)) {
            if (known.bounds.nLow == known.bounds.nHigh) {
                return clamp(known.bounds.nLow);
            }
            if (known.bounds.nHigh <= nLow) {
                return nLow;
            }
            if (known.bounds.nLow >= nHigh) {
                return nHigh;
            }
            // Asking only for what is not yet known gives the same answer.
            nLow = std::max(nLow, known.bounds.nLow - 1);
            nHigh = std::min(nHigh, known.bounds.nHigh + 1);
            nHint = known.nReply;
        }
    }
    // A value worked out after a stop request rests on cut-short children: it must not outlive
    // the abandoned search. The flag only rises during a search, so looking just before keeping
    // covers every child this thread searched.
    const auto finish = [&](int r, int nReply) {
        if (pPlace != nullptr && !m_bStop.load(std::memory_order_relaxed)) {
            Bounds bounds{r, r};
            if (r <= nLow) {
                bounds.nLow = search_table::kNoLow;
            }
            if (r >= nHigh) {
                bounds.nHigh = search_table::kNoHigh;
            }
            search_table::Keep(*pPlace, nDepth, bounds, nReply);
        }
        return r;
    };

    // When every child comes out even, who could finish and whether the computer keeps a move
    // that lands exactly in the user's first pit decide. Most nodes never need it.
    const auto heuristic = [&] {
        const int h = nDepth / 2;
        int r = 0;
        if (bUserCanFinish) {
            r = -(h + 1);
        }
        if (bComputerCanFinish) {
            r = h + 1;
        }
        if (!ReachesPitZero(node.nRow[kComputerRow])) {
            r = -(h + 1);
        }
        return r;
    };

    // The top node counts every pit it passes, the empty ones included, in pit order.
    int nCounted = 0;
    const auto countPitsBefore = [&](int nPit) {
        if (pCounter != nullptr) {
            for (; nCounted < nPit; ++nCounted) {
                pCounter->pfnPit(pCounter->pContext);
            }
        }
    };

    if (node.bUserTurn) {
        // Nothing at or below the floor can be the first child below 0 without putting the
        // node at or below nLow. With nLow at 1 or more and at least the heuristic, no child
        // up to nLow can lift the node above it either: one below 0 makes the node negative,
        // one up to nLow caps the smallest, and a 0 leaves 1 or the heuristic.
        const int nFloor = nLow >= 1 && nLow >= heuristic() ? nLow : std::min(nLow, -1);
        bool bMinKnown = false; // nMin: the smallest child seen, all of them 0 or more so far
        int nMin = 0;
        bool bSomeAbove = false;
        for (unsigned nRest = nPlayable; nRest != 0;) {
            const int p = Lowest(nRest);
            nRest &= nRest - 1;
            countPitsBefore(p);
            int nCeiling = std::max(nHigh, 1);
            if (bMinKnown) {
                nCeiling = nMin > 0 ? std::min(nCeiling, nMin) : (bSomeAbove ? 0 : 1);
            }
            const int c = ask(p, nRest != 0 ? Lowest(nRest) : -1, nFloor, nCeiling);
            if (c <= nFloor) {
                return finish(nLow, search_table::kNoReply); // a first child below 0
            }
            if (c < nCeiling) {
                if (c < 0) {
                    return finish(clamp(c), search_table::kNoReply);
                }
                nMin = bMinKnown ? std::min(nMin, c) : c;
                bMinKnown = true;
                bSomeAbove |= c > 0;
            } else if (nCeiling >= 1) {
                bSomeAbove = true;
            }
            // Whatever the rest give, the node can no longer rise above nLow.
            if (bMinKnown && ((nMin > 0 && nMin <= nLow) ||
                              (nMin == 0 && nLow >= 1 && (bSomeAbove || nLow >= heuristic())))) {
                return finish(nLow, search_table::kNoReply);
            }
            countPitsBefore(p + 1);
        }
        countPitsBefore(kPits);
        if (!bMinKnown) {
            return finish(nHigh, search_table::kNoReply); // every child at least max(nHigh, 1)
        }
        return finish(clamp(nMin > 0 ? nMin : (bSomeAbove ? 1 : heuristic())),
                      search_table::kNoReply);
    }

    // The child that settled the node last time comes first, then the order above.
    unsigned nRest = nPlayable;
    int p = nextOf(nRest);
    if (pCounter == nullptr && nHint < kPits && (nPlayable >> nHint & 1u) != 0) {
        p = nHint;
    }

    // Below the floor a child changes nothing that could lift the node above nLow.
    const int nFloor = nLow >= 0 && nLow >= heuristic() ? nLow : std::min(nLow, -1);
    const int nCeiling = std::max(nHigh, 1);
    bool bMaxKnown = false; // nMax: the best child known exactly
    int nMax = 0;
    int nBest = search_table::kNoReply;
    bool bSomeBelow = false;
    int nNext = -1;
    for (; p >= 0; p = nNext) {
        nRest &= ~(1u << p);
        countPitsBefore(p);
        int nChildLow = nFloor;
        if (bMaxKnown) {
            nChildLow = nMax != 0 ? std::max(nFloor, nMax) : (bSomeBelow ? 0 : nFloor);
        }
        // Once a child is known, a deep one is first only asked whether it beats the best so
        // far: most do not, and so narrow a question is settled far sooner. One that does is
        // asked again in full, and finds the bound it just showed in the table.
        nNext = nextOf(nRest);
        int c = 0;
        if (bMaxKnown && nCeiling > nChildLow + 1 && nDepth > kShallowestKept) {
            c = ask(p, nNext, nChildLow, nChildLow + 1);
            if (c > nChildLow) {
                c = ask(p, nNext, nChildLow, nCeiling);
            }
        } else {
            c = ask(p, nNext, nChildLow, nCeiling);
        }
        if (c >= nCeiling) {
            return finish(nHigh, p); // a child above 0 and at least nHigh
        }
        if (c <= nChildLow) {
            bSomeBelow |= nChildLow < 0;
        } else {
            if (!bMaxKnown || c > nMax) {
                nMax = c;
                nBest = p;
            }
            bMaxKnown = true;
            bSomeBelow |= c < 0;
        }
        countPitsBefore(p + 1);
    }
    countPitsBefore(kPits);
    if (!bMaxKnown) {
        return finish(nLow, search_table::kNoReply); // every child at most nFloor
    }
    return finish(clamp(nMax != 0 ? nMax : (bSomeBelow ? -1 : heuristic())), nBest);
}

} // namespace fast_search

int CGameBoard::SearchValueFast(int nDepth, int bProgress) {
    fast_search::Node node{};
    if (nDepth > search_table::kMostDepth ||
        !fast_search::NodeOfCounts(m_nCount, m_bUserTurn, node)) {
        return SearchValuePlain(nDepth, bProgress);
    }
    fast_search::CFastSearcher searcher(m_bStopRequested, search_table::Slots());
    const fast_search::PitCounter counter{
        [](void* pBoard) { static_cast<CGameBoard*>(pBoard)->AddProgress(1); }, this};
    return searcher.Value(node, nDepth, bProgress ? &counter : nullptr);
}
