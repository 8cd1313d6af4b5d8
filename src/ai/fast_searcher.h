#pragma once

#include "ai/search_table.h"
#include "rules/game_board.h"

#include <atomic>
#include <cstdint>

// The fast search works on a copy of the position of its own: each row's six pits one byte
// each (pit p in byte p), with the stores left out, since marbles in a store never change a
// value. A child is made by adding the marbles sown from the parent's pit, so nothing is ever
// undone, and several searchers may run side by side on their own copies.
namespace fast_search {

using PitRow = std::uint64_t;

struct Node {
    PitRow nRow[2]; // [kUserRow], [kComputerRow]
    bool bUserTurn;
};

// The node of the live counts, or false when its pits hold more marbles than the table can name
// (or a count no game can have); then the plain search answers.
bool NodeOfCounts(const std::int32_t (&counts)[2][kPlaces], bool bUserTurn, Node& node);

// Called once for each pit that the top node passes, as the plain search adds to the progress.
struct PitCounter {
    void (*pfnPit)(void* pContext);
    void* pContext;
};

// The searcher's own pieces, in fast_search.cpp.
struct TestedNode;
struct Child;
struct Children;

class CFastSearcher {
public:
    // The searcher gives up at once when bStop rises; pSlots may be null (no table).
    CFastSearcher(const std::atomic<bool>& bStop, std::atomic<std::uint64_t>* pSlots)
        : m_bStop(bStop), m_pSlots(pSlots) {}

    // The value of the node nDepth plies deep, exactly as the plain search gives it.
    int Value(const Node& node, int nDepth, const PitCounter* pCounter);

private:
    // The value of the node clamped to [nLow, nHigh], searched nDepth plies deep; the user's and
    // the computer's nodes follow rules of their own.
    int Search(const TestedNode& node, int nDepth, int nLow, int nHigh,
               const search_table::Place* pPlace, const PitCounter* pCounter);
    int UserNode(const TestedNode& node, int nDepth, int nLow, int nHigh,
                 const search_table::Place* pPlace, const PitCounter* pCounter);
    int ComputerNode(const TestedNode& node, int nDepth, int nLow, int nHigh,
                     const search_table::Place* pPlace, const PitCounter* pCounter);
    int AskChild(Children& children, int nPit, int nNextPit, int nLow, int nHigh);
    Child& ChildAt(Children& children, int nPit) const;
    void Fetch(Children& children, int nPit) const;
    int Keep(const search_table::Place* pPlace, int nDepth, int nLow, int nHigh, int nAnswer,
             int nReply) const;
    search_table::Place PlaceOf(const Node& node, int nDepth) const;
    bool Stopped() const;

    const std::atomic<bool>& m_bStop;
    std::atomic<std::uint64_t>* const m_pSlots;
};

} // namespace fast_search
