#pragma once

#include "rules/game_board.h"

#include <cstddef>
#include <cstdint>

// The fast search's table. A node's value depends on nothing but the fourteen counts, the side to
// move and the remaining depth, so a slot holding all of them gives back exactly what searching
// the node again would show: its value, or the bounds on it that a narrower question found.
// Slots come in buckets of four, one cache line each.
namespace search_table {

inline constexpr int kSlotsPerBucket = 4;
inline constexpr int kBucketBits = 17; // 8 MiB
inline constexpr std::size_t kBuckets = std::size_t{1} << kBucketBits;
inline constexpr std::size_t kBucketBytes = kSlotsPerBucket * sizeof(SearchSlot);
inline constexpr std::size_t kBytes = kBuckets * kBucketBytes;

// Six bits a count: with at most 63 marbles on the board no count can outgrow them.
inline constexpr int kMostMarbles = 63;
inline constexpr int kMostDepth = 63;

// First word: the user's row in bits 0-41, the turn in bit 42, the depth in bits 43-48. Second
// word: the computer's row in bits 0-41, the bounds in bits 42-57, the used mark in bit 63.
inline constexpr int kDepthShift = 43;
inline constexpr int kTurnShift = 42;
inline constexpr int kBoundsShift = 42;
inline constexpr std::uint64_t kBoundsMask = std::uint64_t{0xffff} << kBoundsShift;
inline constexpr std::uint64_t kUsed = std::uint64_t{1} << 63;

// What is known of a node's value: nLow <= value <= nHigh. Values never come near the limits of
// a byte (a finish is worth at most the depth + 1).
struct Bounds {
    int nLow;
    int nHigh;
};
inline constexpr int kNoLow = -128;
inline constexpr int kNoHigh = 127;

// The full key of a node: the user's row with the turn and the depth, the computer's row with
// the used mark. An empty slot (all zero) matches no key.
struct Key {
    std::uint64_t nFirst;
    std::uint64_t nSecond;
};

inline std::uint64_t PackRow(const std::int32_t* row) {
    std::uint64_t n = 0;
    for (int i = 0; i < kPlaces; ++i) {
        n |= static_cast<std::uint64_t>(row[i]) << (6 * i);
    }
    return n;
}

inline Key MakeKey(const std::int32_t (&counts)[2][kPlaces], int bUserTurn, int nDepth) {
    return Key{PackRow(counts[kUserRow]) |
                   static_cast<std::uint64_t>(bUserTurn != 0) << kTurnShift |
                   static_cast<std::uint64_t>(nDepth) << kDepthShift,
               PackRow(counts[kComputerRow]) | kUsed};
}

inline SearchSlot* BucketOf(SearchSlot* pSlots, const Key& key) {
    std::uint64_t h = key.nFirst ^ (key.nSecond * 0x9e3779b97f4a7c15ull);
    h ^= h >> 31;
    h *= 0xbf58476d1ce4e5b9ull;
    return pSlots + (h >> (64 - kBucketBits)) * kSlotsPerBucket;
}

inline SearchSlot* FindSlot(SearchSlot* pBucket, const Key& key) {
    for (int i = 0; i < kSlotsPerBucket; ++i) {
        SearchSlot& slot = pBucket[i];
        if (slot.nKey == key.nFirst && (slot.nKeyAndValue & ~kBoundsMask) == key.nSecond) {
            return &slot;
        }
    }
    return nullptr;
}

inline Bounds BoundsOf(const SearchSlot& slot) {
    return Bounds{static_cast<std::int8_t>(slot.nKeyAndValue >> kBoundsShift),
                  static_cast<std::int8_t>(slot.nKeyAndValue >> (kBoundsShift + 8))};
}

inline void Write(SearchSlot& slot, const Key& key, Bounds bounds) {
    const auto byte = [](int n) {
        return static_cast<std::uint64_t>(static_cast<std::uint8_t>(n < kNoLow    ? kNoLow
                                                                    : n > kNoHigh ? kNoHigh
                                                                                  : n));
    };
    slot.nKey = key.nFirst;
    slot.nKeyAndValue =
        key.nSecond | byte(bounds.nLow) << kBoundsShift | byte(bounds.nHigh) << (kBoundsShift + 8);
}

// Adds what a search has shown to the bucket. A node already there keeps both findings; a new
// one takes the slot of the shallowest node (an empty slot counts as depth 0), since deep nodes
// cost the most to search again.
inline void Keep(SearchSlot* pBucket, const Key& key, Bounds bounds) {
    if (SearchSlot* pSame = FindSlot(pBucket, key)) {
        const Bounds known = BoundsOf(*pSame);
        Write(*pSame, key,
              Bounds{known.nLow > bounds.nLow ? known.nLow : bounds.nLow,
                     known.nHigh < bounds.nHigh ? known.nHigh : bounds.nHigh});
        return;
    }
    SearchSlot* pVictim = pBucket;
    std::uint64_t nVictimDepth = pBucket[0].nKey >> kDepthShift;
    for (int i = 1; i < kSlotsPerBucket; ++i) {
        const std::uint64_t nDepth = pBucket[i].nKey >> kDepthShift;
        if (nDepth < nVictimDepth) {
            pVictim = pBucket + i;
            nVictimDepth = nDepth;
        }
    }
    Write(*pVictim, key, bounds);
}

} // namespace search_table
