#pragma once
// Every benchmark reports the same counters, zero where one does not apply,
// so that the CSV output has one header for all rows.
#include <benchmark/benchmark.h>
#include <time.h>

namespace calorix::bench {

struct Figures {
    double ns_per_node_update = 0;
    double sweeps = 0;  // sweeps of a steady solve, sweeps per time step of an implicit run
    double cells = 0;   // table cells or picture cells behind the figure
    double MiB = 0;     // memory the figure is about
    // User-wait figures: the first run of a benchmark pays for the fresh
    // pages of new stores; the later runs reuse them.
    double first_run_ms = 0;
    double reused_run_ms = 0;
};

// Collects the wall time of each run of a user-wait benchmark.
struct Run_Times {
    double first = -1;
    double reused = 0;
    int reused_runs = 0;
    void Add(double seconds) {
        if (first < 0) {
            first = seconds;
        } else {
            reused += seconds;
            ++reused_runs;
        }
    }
    void Into(Figures& f) const {
        f.first_run_ms = 1e3 * first;
        f.reused_run_ms = reused_runs > 0 ? 1e3 * reused / reused_runs : 0;
    }
};

inline void Report(benchmark::State& state, const Figures& f) {
    state.counters["ns_per_node_update"] = f.ns_per_node_update;
    state.counters["sweeps"] = f.sweeps;
    state.counters["cells"] = f.cells;
    state.counters["MiB"] = f.MiB;
    state.counters["first_run_ms"] = f.first_run_ms;
    state.counters["reused_run_ms"] = f.reused_run_ms;
}

inline double Wall_Seconds() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

// Processor time of this thread: unlike the wall clock it does not count the
// time the machine spends on other processes.
inline double Thread_Seconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

}  // namespace calorix::bench
