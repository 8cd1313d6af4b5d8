#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>

// The fast search's table, one for the whole process. A node's value depends on nothing but the
// twelve pits (marbles in a store never move again, so the stores change no value), the side to
// move and the remaining depth; a slot that names all of them gives back exactly what searching
// the node again would show: its value, or the bounds on it that a narrower question found.
//
// A slot is one 64-bit word, read and written whole with relaxed atomics, so that the threads of
// one choice, and boards searching on other threads, share the table without locks: whatever a
// slot holds is a whole entry that some search wrote, true for the node it names. The node is
// spelt without loss in a 56-bit number, scrambled by a one-to-one mix; its top bits pick the
// bucket and the rest are kept as the tag, so bucket and tag together name exactly one node.
namespace search_table {

inline constexpr int kBucketBits = 17;
inline constexpr int kSlotsPerBucket = 8; // one cache line
inline constexpr std::size_t kSlots = std::size_t{kSlotsPerBucket} << kBucketBits;
inline constexpr std::size_t kBytes = kSlots * sizeof(std::uint64_t); // 8 MiB

// The pits of a node hold at most this many marbles in all, and nodes are this deep at most.
inline constexpr int kMostMarbles = 63;
inline constexpr int kMostDepth = 63;

inline constexpr int kKeyBits = 56;
inline constexpr int kTagBits = kKeyBits - kBucketBits;
inline constexpr std::uint64_t kKeyMask = (std::uint64_t{1} << kKeyBits) - 1;
inline constexpr std::uint64_t kTagMask = (std::uint64_t{1} << kTagBits) - 1;

// Slot layout: the tag, then the bounds (a byte each), the depth (for choosing a victim) and the
// computer's reply that settled the node last time. Only nodes two plies deep or more are kept,
// so a used slot never has depth 0 and an empty one is all zero.
inline constexpr int kLowShift = kTagBits;
inline constexpr int kHighShift = kTagBits + 8;
inline constexpr int kDepthShift = kTagBits + 16;
inline constexpr int kReplyShift = kTagBits + 22;
inline constexpr std::uint64_t kDepthMask = std::uint64_t{63} << kDepthShift;
inline constexpr int kNoReply = 7;
static_assert(kReplyShift + 3 == 64);

// What is known of a node's value: nLow <= value <= nHigh. Values never come near the limits of
// a byte (a finish is worth at most the depth + 1).
struct Bounds {
    int nLow;
    int nHigh;
};
inline constexpr int kNoLow = -128;
inline constexpr int kNoHigh = 127;

// Ways[i][m]: how many ways there are to lay at most m marbles into pits i..11 of the twelve.
// Ranking the pits among all such layouts spells any node in fewer than 2^45 numbers.
inline constexpr int kPitsInAll = 12;
constexpr std::array<std::array<std::uint64_t, kMostMarbles + 1>, kPitsInAll + 1> BuildWays() {
    std::array<std::array<std::uint64_t, kMostMarbles + 1>, kPitsInAll + 1> ways{};
    for (int m = 0; m <= kMostMarbles; ++m) {
        ways[kPitsInAll][m] = 1; // no pits left: only the empty layout
    }
    for (int i = kPitsInAll - 1; i >= 0; --i) {
        std::uint64_t n = 0;
        for (int m = 0; m <= kMostMarbles; ++m) {
            n += ways[i + 1][m];
            ways[i][m] = n;
        }
    }
    return ways;
}
inline constexpr auto kWays = BuildWays();
static_assert(kWays[0][kMostMarbles] < std::uint64_t{1} << 48);

// The six pits of a row, one byte each, as six 4-bit fields; every pit holds at most 15.
inline std::uint64_t Nibbles(std::uint64_t nRow) {
    nRow = (nRow | nRow >> 4) & 0x00ff00ff00ffull;
    nRow = (nRow | nRow >> 8) & 0x0000ffff0000ffffull;
    return (nRow | nRow >> 16) & 0xffffffull;
}

// The node's number: the side to move and the depth in bits 0-6, and from bit 8 the pits, as
// twelve 4-bit fields where no pit holds more than 15 (bit 7 clear), else ranked (bit 7 set).
// Rows hold a pit in each of their six low bytes, as the fast search keeps them.
inline std::uint64_t NodeNumber(std::uint64_t nUserRow, std::uint64_t nComputerRow, int bUserTurn,
                                int nDepth) {
    const std::uint64_t nTurnAndDepth =
        static_cast<std::uint64_t>(bUserTurn != 0) << 6 | static_cast<std::uint64_t>(nDepth);
    if (((nUserRow | nComputerRow) & 0xf0f0f0f0f0f0ull) == 0) {
        return (Nibbles(nUserRow) | Nibbles(nComputerRow) << 24) << 8 | nTurnAndDepth;
    }
    std::uint64_t nRank = 0;
    int nRoom = kMostMarbles;
    for (int i = 0; i < kPitsInAll; ++i) {
        const int n =
            static_cast<int>((i < 6 ? nUserRow >> (8 * i) : nComputerRow >> (8 * (i - 6))) & 0xff);
        nRank += kWays[i][nRoom] - kWays[i][nRoom - n];
        nRoom -= n;
    }
    return nRank << 8 | std::uint64_t{1} << 7 | nTurnAndDepth;
}

// One-to-one on 56-bit numbers: each step can be undone, so no two nodes share bucket and tag.
inline std::uint64_t Scramble(std::uint64_t n) {
    n ^= n >> 29;
    n = (n * 0x9e3779b97f4a7c15ull) & kKeyMask;
    n ^= n >> 32;
    n = (n * 0xbf58476d1ce4e5b9ull) & kKeyMask;
    n ^= n >> 29;
    return n;
}

// Where a node lives: its bucket and the tag that names it there.
struct Place {
    std::atomic<std::uint64_t>* pBucket;
    std::uint64_t nTag;
};

// The process's table, zeroed and with every page touched; null when it could not be had, and
// then the search goes without it.
std::atomic<std::uint64_t>* Slots();

// Empties the table, so that a benchmark can time searches that find nothing in it; never while
// a search runs.
void Clear();

inline Place PlaceOf(std::atomic<std::uint64_t>* pSlots, std::uint64_t nNodeNumber) {
    const std::uint64_t h = Scramble(nNodeNumber);
    return Place{pSlots + (h >> kTagBits) * kSlotsPerBucket, h & kTagMask};
}

struct Entry {
    Bounds bounds;
    int nReply;
};

// Looks the node up; 0 when the bucket does not hold it.
inline int Find(const Place& place, Entry& entry) {
    for (int i = 0; i < kSlotsPerBucket; ++i) {
        const std::uint64_t n = place.pBucket[i].load(std::memory_order_relaxed);
        if ((n & kTagMask) == place.nTag && (n & kDepthMask) != 0) {
            entry.bounds = Bounds{static_cast<std::int8_t>(n >> kLowShift),
                                  static_cast<std::int8_t>(n >> kHighShift)};
            entry.nReply = static_cast<int>(n >> kReplyShift & 7);
            return 1;
        }
    }
    return 0;
}

inline std::uint64_t Byte(int n) {
    return static_cast<std::uint64_t>(static_cast<std::uint8_t>(n < kNoLow    ? kNoLow
                                                                : n > kNoHigh ? kNoHigh
                                                                              : n));
}

// Adds what a search has shown to the bucket. A node already there keeps both findings; a new
// one takes the slot of the shallowest node (an empty slot counts as depth 0), since deep nodes
// cost the most to search again. Another thread may write the same bucket meanwhile: then one
// of the two findings is lost, never mixed with the other.
inline void Keep(const Place& place, int nDepth, Bounds bounds, int nReply) {
    std::atomic<std::uint64_t>* pVictim = place.pBucket;
    int nVictimDepth = 64;
    for (int i = 0; i < kSlotsPerBucket; ++i) {
        const std::uint64_t n = place.pBucket[i].load(std::memory_order_relaxed);
        if ((n & kTagMask) == place.nTag && (n & kDepthMask) != 0) {
            const int nLow = static_cast<std::int8_t>(n >> kLowShift);
            const int nHigh = static_cast<std::int8_t>(n >> kHighShift);
            bounds.nLow = nLow > bounds.nLow ? nLow : bounds.nLow;
            bounds.nHigh = nHigh < bounds.nHigh ? nHigh : bounds.nHigh;
            if (nReply == kNoReply) {
                nReply = static_cast<int>(n >> kReplyShift & 7);
            }
            pVictim = place.pBucket + i;
            break;
        }
        const int nSlotDepth = static_cast<int>(n >> kDepthShift & 63);
        if (nSlotDepth < nVictimDepth) {
            pVictim = place.pBucket + i;
            nVictimDepth = nSlotDepth;
        }
    }
    pVictim->store(place.nTag | Byte(bounds.nLow) << kLowShift | Byte(bounds.nHigh) << kHighShift |
                       static_cast<std::uint64_t>(nDepth) << kDepthShift |
                       static_cast<std::uint64_t>(nReply) << kReplyShift,
                   std::memory_order_relaxed);
}

} // namespace search_table
