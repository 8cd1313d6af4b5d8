#pragma once

#include <array>

// Positions where levels 3 and 4 think longest, the computer to move: the user's pits 0 to 5
// and store, then the computer's pits 0 to 5 and store.
//
// random_*: random endgames with 7 to 12 marbles in play, kept where the plain search needs
// 10 seconds or more (up to several minutes for random_l4_a). selfplay_end_*: the endgames of
// 300 level-4 games that took the plain search longest (28 to 40 plies deep). selfplay_mid_*,
// selfplay_end_d and selfplay_l3: the moves of the same games (and of level-3 games) that took
// the fast search longest, middle games with 19 to 24 marbles searched 13 plies deep and
// endgames with 10 to 12. match_first_deep: the slowest move of `ravelo2-cli play --levels 4 4
// --games 200 --seed 7`, the first search 13 plies deep of its first game (24 marbles), which
// meets a table that holds only the shallower searches of the moves before.
struct HardPosition {
    const char* name;
    int nLevel;
    std::array<int, 14> counts;
};

inline constexpr HardPosition kHardPositions[] = {
    {"random_l4_a", 4, {1, 1, 0, 0, 1, 0, 31, 1, 3, 1, 1, 0, 1, 7}},
    {"random_l4_b", 4, {0, 1, 1, 1, 0, 0, 7, 2, 1, 1, 0, 1, 1, 32}},
    {"random_l4_c", 4, {2, 0, 0, 1, 0, 1, 23, 2, 1, 1, 0, 0, 0, 17}},
    {"random_l4_d", 4, {1, 0, 1, 0, 1, 0, 38, 2, 1, 0, 1, 1, 2, 0}},
    {"random_l4_e", 4, {0, 2, 0, 0, 0, 0, 28, 1, 1, 2, 1, 3, 0, 10}},
    {"random_l4_f", 4, {0, 1, 0, 0, 1, 0, 12, 1, 1, 0, 1, 2, 1, 28}},
    {"random_l3_a", 3, {1, 0, 1, 0, 1, 0, 7, 1, 2, 0, 1, 1, 0, 33}},
    {"random_l3_b", 3, {1, 0, 1, 0, 0, 0, 38, 3, 1, 1, 1, 0, 0, 2}},
    {"random_l3_c", 3, {1, 1, 1, 0, 0, 0, 40, 1, 1, 1, 1, 1, 0, 0}},
    {"selfplay_end_a", 4, {1, 0, 0, 0, 0, 0, 20, 1, 1, 1, 1, 1, 2, 20}},
    {"selfplay_end_b", 4, {1, 0, 1, 1, 0, 0, 18, 1, 1, 1, 1, 1, 2, 20}},
    {"selfplay_end_c", 4, {0, 0, 1, 1, 0, 0, 21, 1, 1, 1, 1, 3, 1, 17}},
    {"selfplay_end_d", 4, {1, 0, 0, 1, 1, 0, 16, 1, 1, 1, 1, 2, 3, 20}},
    {"selfplay_mid_a", 4, {0, 0, 0, 0, 1, 10, 15, 1, 0, 2, 1, 1, 3, 14}},
    {"selfplay_mid_b", 4, {1, 1, 4, 2, 1, 1, 13, 2, 2, 2, 2, 2, 3, 12}},
    {"selfplay_mid_c", 4, {1, 1, 1, 1, 0, 6, 14, 3, 3, 4, 1, 2, 1, 10}},
    {"selfplay_l3", 3, {1, 0, 0, 0, 0, 0, 18, 1, 1, 2, 1, 3, 1, 20}},
    {"match_first_deep", 4, {2, 2, 2, 2, 0, 2, 13, 2, 4, 2, 1, 2, 1, 13}},
};
