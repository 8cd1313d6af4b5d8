#include "ai/computer_player.h"
#include "ai/fast_searcher.h"
#include "ai/forced_finish_table.h"
#include "ai/search_table.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
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

namespace fast_search {

// A node with the forced-finish tests of both its rows: they settle it or decide its heuristic,
// and a child mostly shares them with its parent, so each is worked out once, as the node is made.
struct TestedNode : Node {
    bool bUserCanFinish;
    bool bComputerCanFinish;
};

namespace {

using search_table::Bounds;
using search_table::kNoReply;
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

inline int MoverRow(const Node& node) {
    return node.bUserTurn ? kUserRow : kComputerRow;
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

// The pit a computer node asks next of the pits it has not asked yet, or -1 when none is left.
inline int NextPit(unsigned nRest, bool bFromPit5) {
    if (nRest == 0) {
        return -1;
    }
    return bFromPit5 ? Highest(nRest) : Lowest(nRest);
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

// The node that the mover's pit nPit leads to.
inline TestedNode ChildOf(const TestedNode& node, int nPit) {
    const int nMover = MoverRow(node);
    const int n = PitOf(node.nRow[nMover], nPit);
    assert(n > 0);
    const Sowing& sowing = kSowings[nMover][nPit][n];
    const PitRow nEmptied = ~(PitRow{0xff} << (8 * nPit));
    TestedNode child;
    child.nRow[kUserRow] =
        (nMover == kUserRow ? node.nRow[kUserRow] & nEmptied : node.nRow[kUserRow]) +
        sowing.nAdd[kUserRow];
    child.nRow[kComputerRow] =
        (nMover == kComputerRow ? node.nRow[kComputerRow] & nEmptied : node.nRow[kComputerRow]) +
        sowing.nAdd[kComputerRow];
    // Only a last marble in the mover's own store keeps the move.
    child.bUserTurn = n != kPits - nPit ? !node.bUserTurn : node.bUserTurn;
    // A move that stays in the mover's row leaves the other row, and its finish test, alone.
    const bool bReachesOtherRow = n > kPits - nPit;
    child.bUserCanFinish = nMover == kUserRow || bReachesOtherRow ? CanFinish(child.nRow[kUserRow])
                                                                  : node.bUserCanFinish;
    child.bComputerCanFinish = nMover == kComputerRow || bReachesOtherRow
                                   ? CanFinish(child.nRow[kComputerRow])
                                   : node.bComputerCanFinish;
    return child;
}

// The value of a node that its finish tests or its depth settle, else kOpen.
inline int Settled(const TestedNode& node, int nDepth) {
    if (node.bUserTurn) {
        if (node.bUserCanFinish) {
            return -(nDepth + 1);
        }
        if (node.bComputerCanFinish && SendsNone(node.nRow[kUserRow])) {
            return nDepth + 1;
        }
    } else {
        if (node.bComputerCanFinish) {
            return nDepth + 1;
        }
        if (node.bUserCanFinish && SendsNone(node.nRow[kComputerRow])) {
            return -(nDepth + 1);
        }
    }
    return nDepth <= 0 ? 0 : kOpen;
}

// When every child comes out even, who could finish and whether the computer keeps a move that
// lands exactly in the user's first pit decide. Most nodes never need it.
inline int Heuristic(const TestedNode& node, int nDepth) {
    assert(nDepth >= 1);
    const int nFinish = nDepth / 2 + 1;
    int r = 0;
    if (node.bUserCanFinish) {
        r = -nFinish;
    }
    if (node.bComputerCanFinish) {
        r = nFinish;
    }
    if (!ReachesPitZero(node.nRow[kComputerRow])) {
        r = -nFinish;
    }
    return r;
}

// One ply from the leaves every child is settled by its finish tests, worth -1, 0 or 1, and the
// node's rules reduce to a few lines: no window, no table.
inline int ValueOneDeep(const TestedNode& node) {
    assert(Settled(node, 1) == kOpen);
    bool bSomeBelow = false;
    bool bSomeAbove = false;
    for (unsigned nRest = PlayablePits(node.nRow[MoverRow(node)]); nRest != 0; nRest &= nRest - 1) {
        const int v = Settled(ChildOf(node, Lowest(nRest)), 0);
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
    if (node.bUserTurn) {
        return bSomeAbove ? 1 : Heuristic(node, 1); // every child 0 or more
    }
    return bSomeBelow ? -1 : Heuristic(node, 1);
}

// What the table knows of a node, held against the question [nLow, nHigh] asked of it: true when
// that answers the question (nAnswer). Otherwise the question is narrowed to what is not yet
// known, which gives the same answer, and nReply is the computer's reply that settled the node
// last time, or kNoReply.
inline bool Recall(const Place& place, int& nLow, int& nHigh, int& nAnswer, int& nReply) {
    search_table::Entry known{};
    if (!search_table::Find(place, known)) {
        return false;
    }
    if (known.bounds.nLow == known.bounds.nHigh) {
        nAnswer = std::clamp(known.bounds.nLow, nLow, nHigh);
        return true;
    }
    if (known.bounds.nHigh <= nLow) {
        nAnswer = nLow;
        return true;
    }
    if (known.bounds.nLow >= nHigh) {
        nAnswer = nHigh;
        return true;
    }
    nLow = std::max(nLow, known.bounds.nLow - 1);
    nHigh = std::min(nHigh, known.bounds.nHigh + 1);
    nReply = known.nReply;
    return false;
}

// The top node counts every pit it passes, the empty ones included, in pit order, as the plain
// search adds to the progress; the other nodes have no counter.
struct PitTally {
    const PitCounter* pCounter;
    int nCounted = 0;

    // Counts the pits before nPit that are not counted yet.
    void CountBefore(int nPit) {
        if (pCounter != nullptr) {
            assert(nPit >= nCounted && nPit <= kPits);
            for (; nCounted < nPit; ++nCounted) {
                pCounter->pfnPit(pCounter->pContext);
            }
        }
    }
};

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

struct Child {
    TestedNode node;
    int nSettled;  // kOpen when the child must be searched
    bool bInTable; // open, and deep enough to be looked up
    bool bLocated; // its place worked out and its bucket fetched
    Place place;
};

// The children of a node being searched. They are made as they are asked, and the bucket of the
// one asked next is fetched meanwhile: many nodes are settled by their first child or two.
struct Children {
    Children(const TestedNode& parent, int nParentDepth) : node(parent), nDepth(nParentDepth) {}

    const TestedNode& node; // the parent
    int nDepth;             // the parent's
    bool bMade[kPits] = {};
    Child child[kPits];
};

int CFastSearcher::Value(const Node& node, int nDepth, const PitCounter* pCounter) {
    if (Stopped()) {
        return 0;
    }
    const TestedNode tested{node, CanFinish(node.nRow[kUserRow]),
                            CanFinish(node.nRow[kComputerRow])};
    const int v = Settled(tested, nDepth);
    if (v != kOpen) {
        return v;
    }
    Place place{};
    const bool bInTable = nDepth >= kShallowestKept && m_pSlots != nullptr;
    if (bInTable) {
        place = PlaceOf(tested, nDepth);
    }
    return Search(tested, nDepth, -kUnbounded, kUnbounded, bInTable ? &place : nullptr, pCounter);
}

// The value of the node clamped to [nLow, nHigh]: exact when it lies strictly between them,
// otherwise only the side it lies on is known (nLow: at most nLow; nHigh: at least nHigh). A
// parent asks each child only what its own rule needs, so many children end early; with the
// window unbounded the result is the exact value. pPlace is where the node lives in the table,
// if it is kept there; pCounter is the top node's pit counter, if any.
int CFastSearcher::Search(const TestedNode& node, int nDepth, int nLow, int nHigh,
                          const Place* pPlace, const PitCounter* pCounter) {
    assert(nLow < nHigh);
    assert(nDepth >= 1 && Settled(node, nDepth) == kOpen);
    assert((pPlace != nullptr) == (nDepth >= kShallowestKept && m_pSlots != nullptr));
    // An abandoned search only has to get out quickly; its values are never used.
    if (Stopped()) {
        return 0;
    }
    if (node.bUserTurn) {
        return UserNode(node, nDepth, nLow, nHigh, pPlace, pCounter);
    }
    return ComputerNode(node, nDepth, nLow, nHigh, pPlace, pCounter);
}

// A user's node is worth its first child below 0 in pit order; without one, the smallest child
// if above 0, else 1 if some child is above 0, else the heuristic.
int CFastSearcher::UserNode(const TestedNode& node, int nDepth, int nLow, int nHigh,
                            const Place* pPlace, const PitCounter* pCounter) {
    assert(node.bUserTurn);
    const unsigned nPlayable = PlayablePits(node.nRow[kUserRow]);
    assert(nPlayable != 0); // an empty row finishes
    Children children(node, nDepth);

    // The top node with a pit counter walks its pits in any case: the progress it adds must be
    // the same as the plain search's.
    if (pPlace != nullptr && pCounter == nullptr) {
        // The bucket of the child asked first is on its way while this node's own is awaited,
        // so that the two waits overlap.
        if (nDepth > kShallowestKept) {
            Fetch(children, Lowest(nPlayable));
        }
        int nAnswer = 0;
        int nReply = kNoReply; // no reply is kept for the user
        if (Recall(*pPlace, nLow, nHigh, nAnswer, nReply)) {
            return nAnswer;
        }
    }

    // Nothing at or below the floor can be the first child below 0 without putting the node at
    // or below nLow. With nLow at 1 or more and at least the heuristic, no child up to nLow can
    // lift the node above it either: one below 0 makes the node negative, one up to nLow caps
    // the smallest, and a 0 leaves 1 or the heuristic.
    const int nFloor = nLow >= 1 && nLow >= Heuristic(node, nDepth) ? nLow : std::min(nLow, -1);
    bool bMinKnown = false; // nMin: the smallest child seen, all of them 0 or more so far
    int nMin = 0;
    bool bSomeAbove = false;
    PitTally tally{pCounter};
    for (unsigned nRest = nPlayable; nRest != 0;) {
        const int p = Lowest(nRest);
        nRest &= nRest - 1;
        tally.CountBefore(p);
        int nCeiling = std::max(nHigh, 1);
        if (bMinKnown) {
            nCeiling = nMin > 0 ? std::min(nCeiling, nMin) : (bSomeAbove ? 0 : 1);
        }
        const int c = AskChild(children, p, nRest != 0 ? Lowest(nRest) : -1, nFloor, nCeiling);
        if (c <= nFloor) {
            return Keep(pPlace, nDepth, nLow, nHigh, nLow, kNoReply); // a first child below 0
        }
        if (c < nCeiling) {
            if (c < 0) {
                return Keep(pPlace, nDepth, nLow, nHigh, std::clamp(c, nLow, nHigh), kNoReply);
            }
            nMin = bMinKnown ? std::min(nMin, c) : c;
            bMinKnown = true;
            bSomeAbove |= c > 0;
        } else if (nCeiling >= 1) {
            bSomeAbove = true;
        }
        // Whatever the rest give, the node can no longer rise above nLow.
        if (bMinKnown &&
            ((nMin > 0 && nMin <= nLow) ||
             (nMin == 0 && nLow >= 1 && (bSomeAbove || nLow >= Heuristic(node, nDepth))))) {
            return Keep(pPlace, nDepth, nLow, nHigh, nLow, kNoReply);
        }
        tally.CountBefore(p + 1);
    }
    tally.CountBefore(kPits);
    if (!bMinKnown) {
        // every child at least max(nHigh, 1)
        return Keep(pPlace, nDepth, nLow, nHigh, nHigh, kNoReply);
    }
    const int nValue = nMin > 0 ? nMin : (bSomeAbove ? 1 : Heuristic(node, nDepth));
    return Keep(pPlace, nDepth, nLow, nHigh, std::clamp(nValue, nLow, nHigh), kNoReply);
}

// A computer's node is worth its best child unless that is 0; then -1 if some child is below 0,
// else the heuristic.
int CFastSearcher::ComputerNode(const TestedNode& node, int nDepth, int nLow, int nHigh,
                                const Place* pPlace, const PitCounter* pCounter) {
    assert(!node.bUserTurn);
    const unsigned nPlayable = PlayablePits(node.nRow[kComputerRow]);
    assert(nPlayable != 0); // an empty row finishes
    Children children(node, nDepth);
    // The order of the children changes nothing here, only how soon the node is settled. As
    // measured on the hardest positions, endgames are settled soonest from pit 0 on, and middle
    // games with many marbles from pit 5 down, where the long moves into the user's row start.
    // The top node with a pit counter keeps pit order.
    const bool bFromPit5 = pCounter == nullptr && MarblesIn(node) >= kMarblesFromPit5;

    // The top node with a pit counter walks its pits in any case: the progress it adds must be
    // the same as the plain search's.
    int nHint = kNoReply;
    if (pPlace != nullptr && pCounter == nullptr) {
        // The bucket of the child most likely asked first is on its way while this node's own
        // is awaited, so that the two waits overlap.
        if (nDepth > kShallowestKept) {
            Fetch(children, NextPit(nPlayable, bFromPit5));
        }
        int nAnswer = 0;
        if (Recall(*pPlace, nLow, nHigh, nAnswer, nHint)) {
            return nAnswer;
        }
    }

    // The child that settled the node last time comes first, then the order above.
    unsigned nRest = nPlayable;
    int p = NextPit(nRest, bFromPit5);
    if (pCounter == nullptr && nHint < kPits && (nPlayable >> nHint & 1u) != 0) {
        p = nHint;
    }

    // Below the floor a child changes nothing that could lift the node above nLow.
    const int nFloor = nLow >= 0 && nLow >= Heuristic(node, nDepth) ? nLow : std::min(nLow, -1);
    const int nCeiling = std::max(nHigh, 1);
    bool bMaxKnown = false; // nMax: the best child known exactly
    int nMax = 0;
    int nBest = kNoReply;
    bool bSomeBelow = false;
    PitTally tally{pCounter};
    for (int nNext = -1; p >= 0; p = nNext) {
        nRest &= ~(1u << p);
        tally.CountBefore(p);
        int nChildLow = nFloor;
        if (bMaxKnown) {
            nChildLow = nMax != 0 ? std::max(nFloor, nMax) : (bSomeBelow ? 0 : nFloor);
        }
        // Once a child is known, a deep one is first only asked whether it beats the best so
        // far: most do not, and so narrow a question is settled far sooner. One that does is
        // asked again in full, and finds the bound it just showed in the table.
        nNext = NextPit(nRest, bFromPit5);
        int c = 0;
        if (bMaxKnown && nCeiling > nChildLow + 1 && nDepth > kShallowestKept) {
            c = AskChild(children, p, nNext, nChildLow, nChildLow + 1);
            if (c > nChildLow) {
                c = AskChild(children, p, nNext, nChildLow, nCeiling);
            }
        } else {
            c = AskChild(children, p, nNext, nChildLow, nCeiling);
        }
        if (c >= nCeiling) {
            return Keep(pPlace, nDepth, nLow, nHigh, nHigh, p); // a child above 0, at least nHigh
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
        tally.CountBefore(p + 1);
    }
    tally.CountBefore(kPits);
    if (!bMaxKnown) {
        return Keep(pPlace, nDepth, nLow, nHigh, nLow, kNoReply); // every child at most nFloor
    }
    const int nValue = nMax != 0 ? nMax : (bSomeBelow ? -1 : Heuristic(node, nDepth));
    return Keep(pPlace, nDepth, nLow, nHigh, std::clamp(nValue, nLow, nHigh), nBest);
}

// The helpers of the two nodes below are forced inline: left to itself the optimiser keeps them
// out of line, and every node then pays about a tenth more instructions for the calls.

// The value of the child that pit nPit leads to, clamped to [nLow, nHigh]; nNextPit is the pit
// asked after it, or -1.
[[gnu::always_inline]] inline int CFastSearcher::AskChild(Children& children, int nPit,
                                                          int nNextPit, int nLow, int nHigh) {
    Child& child = ChildAt(children, nPit);
    if (child.nSettled != kOpen) {
        return std::clamp(child.nSettled, nLow, nHigh);
    }
    if (children.nDepth == 2) {
        return std::clamp(ValueOneDeep(child.node), nLow, nHigh);
    }
    Fetch(children, nPit);
    if (nNextPit >= 0) {
        Fetch(children, nNextPit);
    }
    return Search(child.node, children.nDepth - 1, nLow, nHigh,
                  child.bInTable ? &child.place : nullptr, nullptr);
}

[[gnu::always_inline]] inline Child& CFastSearcher::ChildAt(Children& children, int nPit) const {
    Child& child = children.child[nPit];
    if (!children.bMade[nPit]) {
        child.node = ChildOf(children.node, nPit);
        child.nSettled = Settled(child.node, children.nDepth - 1);
        child.bInTable = child.nSettled == kOpen && children.nDepth - 1 >= kShallowestKept &&
                         m_pSlots != nullptr;
        child.bLocated = false;
        children.bMade[nPit] = true;
    }
    return child;
}

// The place of a child that is kept in the table: its bucket is on its way while an elder
// brother is searched.
[[gnu::always_inline]] inline void CFastSearcher::Fetch(Children& children, int nPit) const {
    Child& child = ChildAt(children, nPit);
    if (child.bInTable && !child.bLocated) {
        child.place = PlaceOf(child.node, children.nDepth - 1);
        child.bLocated = true;
        Prefetch(child.place.pBucket);
    }
}

// Keeps what the node's answer to [nLow, nHigh] shows, and gives the answer back. A value worked
// out after a stop request rests on cut-short children: it must not outlive the abandoned search.
// The flag only rises during a search, so looking just before keeping covers every child this
// thread searched.
[[gnu::always_inline]] inline int CFastSearcher::Keep(const Place* pPlace, int nDepth, int nLow,
                                                      int nHigh, int nAnswer, int nReply) const {
    assert(nAnswer >= nLow && nAnswer <= nHigh);
    assert(nReply >= 0 && nReply <= kNoReply);
    if (pPlace != nullptr && !Stopped()) {
        Bounds bounds{nAnswer, nAnswer};
        if (nAnswer <= nLow) {
            bounds.nLow = search_table::kNoLow;
        }
        if (nAnswer >= nHigh) {
            bounds.nHigh = search_table::kNoHigh;
        }
        search_table::Keep(*pPlace, nDepth, bounds, nReply);
    }
    return nAnswer;
}

Place CFastSearcher::PlaceOf(const Node& node, int nDepth) const {
    assert(m_pSlots != nullptr);
    // The node's number spells no more marbles and no deeper nodes than these.
    assert(MarblesIn(node) <= search_table::kMostMarbles);
    assert(nDepth >= kShallowestKept && nDepth <= search_table::kMostDepth);
    return search_table::PlaceOf(m_pSlots, search_table::NodeNumber(node.nRow[kUserRow],
                                                                    node.nRow[kComputerRow],
                                                                    node.bUserTurn, nDepth));
}

bool CFastSearcher::Stopped() const {
    return m_bStop.load(std::memory_order_relaxed) != 0;
}

} // namespace fast_search

int CComputerPlayer::SearchValueFast(int nDepth, int bProgress) {
    fast_search::Node node{};
    if (nDepth > search_table::kMostDepth ||
        !fast_search::NodeOfCounts(m_nCount, m_bUserTurn, node)) {
        return SearchValuePlain(nDepth, bProgress);
    }
    fast_search::CFastSearcher searcher(m_bStopRequested, search_table::Slots());
    const fast_search::PitCounter counter{
        [](void* pPlayer) { static_cast<CComputerPlayer*>(pPlayer)->AddProgress(1); }, this};
    return searcher.Value(node, nDepth, bProgress ? &counter : nullptr);
}
