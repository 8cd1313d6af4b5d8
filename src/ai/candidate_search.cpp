#include "ai/computer_player.h"
#include "ai/fast_searcher.h"

#include <atomic>
#include <cstring>
#include <system_error>
#include <thread>
#if defined(__linux__)
#include <sched.h>
#endif

namespace {

// Cores this process may run on: the affinity mask counts, so that a process held to one core
// searches on one thread.
int UsableCores() {
    static const int nCores = [] {
        int n = static_cast<int>(std::thread::hardware_concurrency());
#if defined(__linux__)
        cpu_set_t set;
        CPU_ZERO(&set);
        if (sched_getaffinity(0, sizeof set, &set) == 0) {
            const int nAllowed = CPU_COUNT(&set);
            if (nAllowed > 0 && (n <= 0 || nAllowed < n)) {
                n = nAllowed;
            }
        }
#endif
        return n > 0 ? n : 1;
    }();
    return nCores;
}

// One choice's candidates, shared by the threads that search them. Each thread takes the next
// candidate in pit order; a candidate is searched by one thread only.
struct CandidateRun {
    fast_search::Node nodes[kPits];
    bool bPlayable[kPits] = {};
    int nDepth = 0;
    std::int32_t* pScores = nullptr;
    std::atomic<int> nNext{0};
    std::atomic<std::int32_t> nPits[kPits] = {}; // pits passed by each candidate's top node
    std::atomic<bool> bDone[kPits] = {};
    const std::atomic<bool>* pStop = nullptr;
    // Shows a progress value unless a higher one shows already.
    void (*pfnRaise)(void* pPlayer, int nProgress) = nullptr;
    void* pPlayer = nullptr;
};

// Shows the progress of the candidates done in pit order, and of the first one not done: a
// value the choice would show searching them one after another. The shown value only rises.
// The ends are marked and read in one order for all threads: of two candidates that end at
// once, the later reader sees both, so the last value shown is the whole choice's.
void Publish(CandidateRun& run) {
    int k = 0;
    while (k < kPits && run.bDone[k].load(std::memory_order_seq_cst)) {
        ++k;
    }
    run.pfnRaise(run.pPlayer, CComputerPlayer::SearchProgressAt(
                                  k, k < kPits ? run.nPits[k].load(std::memory_order_relaxed) : 0));
}

struct PitContext {
    CandidateRun* pRun;
    int nCandidate;
};

void Work(CandidateRun& run) {
    fast_search::CFastSearcher searcher(*run.pStop, search_table::Slots());
    for (;;) {
        const int i = run.nNext.fetch_add(1, std::memory_order_relaxed);
        if (i >= kPits) {
            return;
        }
        if (!run.bPlayable[i]) {
            continue;
        }
        PitContext context{&run, i};
        const fast_search::PitCounter counter{[](void* p) {
                                                  auto* pContext = static_cast<PitContext*>(p);
                                                  CandidateRun& r = *pContext->pRun;
                                                  r.nPits[pContext->nCandidate].fetch_add(
                                                      1, std::memory_order_relaxed);
                                                  Publish(r);
                                              },
                                              &context};
        run.pScores[i] = searcher.Value(run.nodes[i], run.nDepth, &counter);
        if (run.pStop->load(std::memory_order_relaxed)) {
            return; // an abandoned choice shows nothing more
        }
        run.bDone[i].store(true, std::memory_order_seq_cst);
        Publish(run);
    }
}

} // namespace

bool CComputerPlayer::SearchCandidatesFast(int nDepth, std::int32_t* pScores) {
    if (nDepth > search_table::kMostDepth) {
        return false;
    }
    CandidateRun run;
    run.nDepth = nDepth;
    run.pScores = pScores;
    run.pStop = &m_bStopRequested;
    run.pfnRaise = [](void* pPlayer, int nProgress) {
        static_cast<CComputerPlayer*>(pPlayer)->RaiseProgress(nProgress);
    };
    run.pPlayer = this;
    std::int32_t snapshot[2][kPlaces];
    std::memcpy(snapshot, m_nCount, sizeof snapshot);
    int nPlayable = 0;
    for (int i = 0; i < kPits; ++i) {
        if (m_nCount[kComputerRow][i] == 0) {
            run.bDone[i].store(true, std::memory_order_relaxed);
            continue;
        }
        TrialMove(kComputerRow, i);
        const bool bSpelt = fast_search::NodeOfCounts(m_nCount, m_bUserTurn, run.nodes[i]);
        std::memcpy(m_nCount, snapshot, sizeof snapshot);
        m_bUserTurn = 0;
        if (!bSpelt) {
            return false;
        }
        run.bPlayable[i] = true;
        ++nPlayable;
    }

    // The candidates' searches share the table and nothing else; each thread works on its own
    // copies of the positions, and the board's counts stay as they are.
    const int nThreads = std::min(UsableCores(), nPlayable);
    std::thread helpers[kPits];
    int nHelpers = 0;
    for (; nHelpers < nThreads - 1; ++nHelpers) {
        try {
            helpers[nHelpers] = std::thread(Work, std::ref(run));
        } catch (const std::system_error&) {
            break; // the threads there are, this one included, take the rest
        }
    }
    Work(run);
    for (int k = 0; k < nHelpers; ++k) {
        helpers[k].join();
    }
    return true;
}
