#pragma once

#include <array>
#include <cstdint>

// Whether a row can be emptied by a forced chain depends on its six pits alone: every forced
// move either ends in the row's own store or, from pit 5, sends all but one marble into the
// other row, so nothing outside the six pits is read or comes back. Counts only grow until a
// pit is played, and a pit is played only with exactly 6 - pit marbles (pit 5 also with up to
// 8), so a pit holding more than that never empties and the answer is 0. The rest, 7 * 6 * 5 *
// 4 * 3 * 9 rows, is worked out once at start-up into a bit table of 2.8 KB.
namespace forced_finish_table {

inline constexpr int kPitLimit[6] = {6, 5, 4, 3, 2, 8};       // the most a pit can hold and empty
inline constexpr int kWeight[6] = {3240, 540, 108, 27, 9, 1}; // mixed radix over kPitLimit + 1
inline constexpr int kRows = 7 * 6 * 5 * 4 * 3 * 9;

// The chain of forced moves, played greedily from the store side for at most ten moves, on the
// six pits alone. The marbles that a closing pit-5 move sends into the other row never matter.
inline bool ChainEmptiesRow(std::array<int, 6> pits) {
    for (int nMoves = 0; nMoves < 10; ++nMoves) {
        bool bEmpty = true;
        for (int p = 0; p < 6; ++p) {
            bEmpty = bEmpty && pits[p] == 0;
        }
        if (bEmpty) {
            return true;
        }
        int m = -1;
        for (int p = 5; p >= 0 && m < 0; --p) {
            if (pits[p] == 6 - p) {
                m = p;
            }
        }
        if (m < 0 && pits[0] == 0 && pits[1] == 0 && pits[2] == 0 && pits[3] == 0 && pits[4] == 0 &&
            pits[5] < 9) {
            m = 5;
        }
        if (m < 0) {
            return false;
        }
        const int n = pits[m];
        pits[m] = 0;
        for (int q = m + 1; q < 6 && q <= m + n; ++q) {
            ++pits[q];
        }
    }
    return false;
}

inline std::array<std::uint64_t, (kRows + 63) / 64> BuildTable() {
    std::array<std::uint64_t, (kRows + 63) / 64> bits{};
    for (int i = 0; i < kRows; ++i) {
        std::array<int, 6> pits{};
        int rest = i;
        for (int p = 5; p >= 0; --p) {
            pits[p] = rest % (kPitLimit[p] + 1);
            rest /= kPitLimit[p] + 1;
        }
        if (ChainEmptiesRow(pits)) {
            bits[i / 64] |= std::uint64_t{1} << (i % 64);
        }
    }
    return bits;
}

inline const std::array<std::uint64_t, (kRows + 63) / 64> kTable = BuildTable();

// Each pit's share of the row's index in kTable; a count too large to empty its pit adds more
// than any index, so the sum alone tells the rows that can never finish.
inline constexpr int kMostCount = 63;
inline constexpr int kOut = 1 << 16;
static_assert(kRows < kOut);

constexpr std::array<std::array<std::int32_t, kMostCount + 1>, 6> BuildShares() {
    std::array<std::array<std::int32_t, kMostCount + 1>, 6> shares{};
    for (int p = 0; p < 6; ++p) {
        for (int n = 0; n <= kMostCount; ++n) {
            shares[p][n] = n <= kPitLimit[p] ? n * kWeight[p] : kOut;
        }
    }
    return shares;
}

inline constexpr auto kShares = BuildShares();

// 1 when the six pits (none negative) can be emptied by a forced chain, else 0.
inline int RowCanFinish(const std::int32_t* pits) {
    const auto over = [](std::int32_t n, int nLimit) {
        // An int, not a bool: the six tests are or-ed without branches.
        return static_cast<int>(static_cast<std::uint32_t>(n) > static_cast<std::uint32_t>(nLimit));
    };
    if (over(pits[0], 6) | over(pits[1], 5) | over(pits[2], 4) | over(pits[3], 3) |
        over(pits[4], 2) | over(pits[5], 8)) {
        return 0;
    }
    const int i = pits[0] * kWeight[0] + pits[1] * kWeight[1] + pits[2] * kWeight[2] +
                  pits[3] * kWeight[3] + pits[4] * kWeight[4] + pits[5];
    return static_cast<int>((kTable[static_cast<unsigned>(i) / 64] >> (i % 64)) & 1u);
}

// As RowCanFinish, for pits that hold 0 to kMostCount marbles each, as they do in a search of
// a position with at most 63 marbles.
inline int SmallRowCanFinish(const std::int32_t* pits) {
    const int i = kShares[0][pits[0]] + kShares[1][pits[1]] + kShares[2][pits[2]] +
                  kShares[3][pits[3]] + kShares[4][pits[4]] + kShares[5][pits[5]];
    if (i >= kRows) {
        return 0;
    }
    return static_cast<int>((kTable[static_cast<unsigned>(i) / 64] >> (i % 64)) & 1u);
}

} // namespace forced_finish_table
