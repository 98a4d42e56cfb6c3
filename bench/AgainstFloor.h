#pragma once
// Runs one of our operations and its floor (the plainest way to do the same amount of work) in the
// same benchmark, iteration by iteration, so both meet the same caches and disk. The benchmark's
// time is ours; the counters give ours and the floor in microseconds and their ratio, which is the
// figure we track (bench/run prints them as a table).

#include <benchmark/benchmark.h>

#include <chrono>

namespace gr2::bench {

/// The counters of a run that timed ours and the floor itself (seconds summed over the iterations).
inline void reportAgainstFloor(benchmark::State& state, double oursSeconds, double floorSeconds)
{
    const double n = double(state.iterations());
    if (n > 0) {
        state.counters["ours_us"] = oursSeconds / n * 1e6;
        state.counters["floor_us"] = floorSeconds / n * 1e6;
        state.counters["ratio"] = floorSeconds > 0 ? oursSeconds / floorSeconds : 0.0;
    }
}

template <class Ours, class Floor> void againstFloor(benchmark::State& state, Ours&& ours, Floor&& floor)
{
    using Clock = std::chrono::steady_clock;
    double oursSeconds = 0;
    double floorSeconds = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        ours();
        const auto t1 = Clock::now();
        floor();
        const auto t2 = Clock::now();
        const double o = std::chrono::duration<double>(t1 - t0).count();
        oursSeconds += o;
        floorSeconds += std::chrono::duration<double>(t2 - t1).count();
        state.SetIterationTime(o);
    }
    reportAgainstFloor(state, oursSeconds, floorSeconds);
}

} // namespace gr2::bench

/// Registers a benchmark of ours against its floor, timed by the helper above.
#define GR2_BENCHMARK_AGAINST_FLOOR(fn) BENCHMARK(fn)->UseManualTime()->Unit(benchmark::kMicrosecond)
