// Think time of levels 3 and 4 on the positions that take the plain search longest, with the
// plain and the fast search in the same run. Every move starts on a fresh board with the fast
// search's table emptied, so that it finds nothing that an earlier move worked out: the worst
// a move can meet in a game. The process's first board is made before any timing, as the game
// makes its board before the first move; the first move the process times is reported apart.
//
//   search_bench                           both searches (the plain one takes many minutes)
//   search_bench --benchmark_filter=Fast   the fast search alone
//   search_bench --benchmark_filter=Fast/selfplay_mid_a
//                                          one position: its first move is the process's first
//
// After the benchmarks a summary gives the worst single move of each search, and the run fails
// when the two searches disagree on any score.

#include "ai/computer_player.h"
#include "ai/search_table.h"
#include "hard_positions.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>
#include <time.h>

namespace {

constexpr std::size_t kCount = std::size(kHardPositions);

struct Outcome {
    bool bDone = false;
    int nPit = -1;
    ChoiceReport report;
    long long nMoves = 0;
    double dTotalMs = 0.0;    // wall clock
    double dTotalCpuMs = 0.0; // this thread's processor time: what the move costs on a busy machine
    double dWorstMs = 0.0;    // the slowest single move, wall clock
    double dWorstCpuMs = 0.0; // the same by this thread's processor time (alone: one core)
    double MeanMs() const { return nMoves ? dTotalMs / static_cast<double>(nMoves) : 0.0; }
    double MeanCpuMs() const { return nMoves ? dTotalCpuMs / static_cast<double>(nMoves) : 0.0; }
};

double ThreadCpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

Outcome g_outcomes[2][kCount]; // [search mode][position]
int g_nMismatches = 0;
int g_nFirst = -1; // the position of the process's first timed fast move
double g_dFirstMs = 0.0;

int Choose(const HardPosition& hard, int nMode, ChoiceReport& report) {
    CComputerPlayer player;
    player.SetSearchMode(nMode);
    Position pos;
    for (int i = 0; i < kPlaces; ++i) {
        pos[kUserRow][i] = hard.counts[i];
        pos[kComputerRow][i] = hard.counts[kPlaces + i];
    }
    player.SetPosition(pos, false);
    player.SeedRandom(1);
    int nPit = -1;
    int nRow = -1;
    if (hard.nLevel == 3) {
        player.ChooseMoveLevel3(nPit, nRow);
    } else {
        player.ChooseMoveLevel4(nPit, nRow);
    }
    report = player.GetLastChoice();
    return nPit;
}

bool SameReport(const Outcome& a, const Outcome& b) {
    return a.nPit == b.nPit && a.report.nDepth == b.report.nDepth &&
           a.report.bForced == b.report.bForced &&
           std::memcmp(a.report.nScores, b.report.nScores, sizeof a.report.nScores) == 0;
}

void ThinkTime(benchmark::State& state, std::size_t nIndex, int nMode) {
    const HardPosition& hard = kHardPositions[nIndex];
    Outcome& outcome = g_outcomes[nMode][nIndex];
    for (auto _ : state) {
        if (nMode == kSearchFast) {
            state.PauseTiming();
            search_table::Clear();
            state.ResumeTiming();
        }
        const double dCpuStart = ThreadCpuMs();
        const auto start = std::chrono::steady_clock::now();
        outcome.nPit = Choose(hard, nMode, outcome.report);
        const auto stop = std::chrono::steady_clock::now();
        const double dMs = std::chrono::duration<double, std::milli>(stop - start).count();
        const double dCpuMs = ThreadCpuMs() - dCpuStart;
        outcome.dTotalCpuMs += dCpuMs;
        outcome.dWorstCpuMs = std::max(outcome.dWorstCpuMs, dCpuMs);
        outcome.dTotalMs += dMs;
        outcome.dWorstMs = std::max(outcome.dWorstMs, dMs);
        if (nMode == kSearchFast && g_nFirst < 0) {
            g_nFirst = static_cast<int>(nIndex);
            g_dFirstMs = dMs;
        }
        ++outcome.nMoves;
        benchmark::DoNotOptimize(outcome.nPit);
    }
    outcome.bDone = true;
    state.counters["level"] = hard.nLevel;
    state.counters["depth"] = outcome.report.nDepth;
    const Outcome& other = g_outcomes[1 - nMode][nIndex];
    if (other.bDone && !SameReport(outcome, other)) {
        ++g_nMismatches;
        state.SkipWithError("the plain and the fast search chose differently");
    }
}

// The worst position of a search by a figure of its moves; -1 when none was run.
template <typename Figure> int WorstOf(int nMode, Figure figure) {
    int nWorst = -1;
    for (std::size_t i = 0; i < kCount; ++i) {
        const Outcome& outcome = g_outcomes[nMode][i];
        if (outcome.bDone && (nWorst < 0 || figure(outcome) > figure(g_outcomes[nMode][nWorst]))) {
            nWorst = static_cast<int>(i);
        }
    }
    return nWorst;
}

void PrintSummary() {
    const char* const kNames[2] = {"plain", "fast"};
    const auto mean = [](const Outcome& o) { return o.MeanMs(); };
    const auto cpu = [](const Outcome& o) { return o.MeanCpuMs(); };
    const auto single = [](const Outcome& o) { return o.dWorstMs; };
    std::printf("\nevery position, ms per move (fast: each move on an emptied table):\n");
    std::printf("  %-16s level depth   plain once    fast mean  fast slowest  slowest cpu\n",
                "position");
    for (std::size_t i = 0; i < kCount; ++i) {
        const Outcome& plain = g_outcomes[kSearchPlain][i];
        const Outcome& fast = g_outcomes[kSearchFast][i];
        if (!plain.bDone && !fast.bDone) {
            continue;
        }
        std::printf("  %-16s %5d %5d %12.3f %12.3f %13.3f %12.3f\n", kHardPositions[i].name,
                    kHardPositions[i].nLevel, (fast.bDone ? fast : plain).report.nDepth,
                    plain.bDone ? plain.dWorstMs : 0.0, fast.MeanMs(), fast.dWorstMs,
                    fast.dWorstCpuMs);
    }
    std::printf("\nworst position of the suite (%zu positions), ms per move:\n", kCount);
    std::printf("  search  mean wall (position)          mean cpu (position)           "
                "slowest single move\n");
    for (int nMode : {kSearchPlain, kSearchFast}) {
        const int w = WorstOf(nMode, mean);
        if (w < 0) {
            continue;
        }
        const int c = WorstOf(nMode, cpu);
        const int s = WorstOf(nMode, single);
        std::printf("  %-6s %12.3f %-16s %12.3f %-16s %12.3f %s\n", kNames[nMode],
                    g_outcomes[nMode][w].MeanMs(), kHardPositions[w].name,
                    g_outcomes[nMode][c].MeanCpuMs(), kHardPositions[c].name,
                    g_outcomes[nMode][s].dWorstMs, kHardPositions[s].name);
    }
    if (g_nFirst >= 0) {
        std::printf("  first fast move of the process: %.3f ms (%s)\n", g_dFirstMs,
                    kHardPositions[g_nFirst].name);
    }
    const int p = WorstOf(kSearchPlain, mean);
    const int f = WorstOf(kSearchFast, mean);
    if (p >= 0 && f >= 0) {
        std::printf("  plain worst / fast worst (mean wall): %.0f\n",
                    g_outcomes[kSearchPlain][p].MeanMs() / g_outcomes[kSearchFast][f].MeanMs());
    }
    if (g_nMismatches > 0) {
        std::printf("  %d positions chosen differently: the fast search is wrong\n", g_nMismatches);
    }
}

} // namespace

int main(int argc, char** argv) {
    // The game makes its player long before the computer's first move.
    const CComputerPlayer firstPlayer;
    // The fast search first: the plain run of a position checks its choice against it.
    for (int nMode : {kSearchFast, kSearchPlain}) {
        for (std::size_t i = 0; i < kCount; ++i) {
            const std::string name =
                std::string(nMode == kSearchFast ? "Fast/" : "Plain/") + kHardPositions[i].name;
            auto* pBench = benchmark::RegisterBenchmark(
                name.c_str(), [i, nMode](benchmark::State& state) { ThinkTime(state, i, nMode); });
            pBench->Unit(benchmark::kMillisecond);
            if (nMode == kSearchPlain) {
                pBench->Iterations(1); // one move takes from seconds to minutes
            }
        }
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    PrintSummary();
    return g_nMismatches == 0 ? 0 : 1;
}
