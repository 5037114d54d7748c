// Cost of the transient solvers per node update, each beside a textbook loop
// of the same size written straight from the interior node equation, and the
// memory a long 2-D implicit run holds at its peak.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "bench/bench_figures.h"
#include "bench/bench_run.h"
#include "common/number_text.h"
#include "common/run_error.h"
#include "common/user_dialogs.h"
#include "input/run_driver.h"
#include "solvers/transient_state_conduction_1d.h"
#include "solvers/transient_state_conduction_2d.h"

using namespace calorix;
using namespace calorix::bench;

namespace {

// A plate with one side held hot, one in air, two with a flux, generation.
Problem_Definition Bench_Plate(int n, int steps, double f, bool explicit_scheme) {
    Problem_Definition p;
    p.Kind = Kind_Transient_2D;
    p.Grid_Size = 1;
    p.X_Grid = n;
    p.Y_Grid = static_cast<std::int16_t>(n);
    p.Conductivity = 10;
    p.Initial_Temp = 20;
    p.Diffusivity = 1e-4;
    p.Time_Step = f;  // dx = 1 cm: F = dt
    p.Number_Of_Time_Steps = steps;
    p.Explicit_Scheme = explicit_scheme;
    p.Q_generation = 1e5;
    p.Left_BC = BC_Temperature;
    p.Temp_BC_Left = 300;
    p.Right_BC = BC_Convection;
    p.h_BC_Right = 50;
    p.T_Infinity_BC_Right = 20;
    p.Top_BC = BC_Flux;
    p.Q_BC_Top = 1000;
    p.Bottom_BC = BC_Flux;
    return p;
}

Problem_Definition Bench_Wall(int n, int steps, double f0, bool explicit_scheme) {
    Problem_Definition p = Bench_Plate(n, steps, f0, explicit_scheme);
    p.Kind = Kind_Transient_1D;
    return p;
}

constexpr int Plate_Nodes = 100, Wall_Nodes = 1000, Steps = 200;
constexpr double Plate_F = 0.2, Wall_F0 = 0.4;

void BM_Transient_2D(benchmark::State& state) {
    const bool explicit_scheme = state.range(0) == 1;
    const int n = Plate_Nodes;
    Problem_Definition p = Bench_Plate(n, Steps, Plate_F, explicit_scheme);
    Result_Stores stores;
    Dimension_Transient_2D(p, stores);
    Silent_Dialogs dialogs;
    double seconds = 0, passes = 0;
    for (auto _ : state) {
        const double start = Thread_Seconds();
        Solve_Transient_As_Run(Kind_Transient_2D, p, stores, dialogs);
        seconds += Thread_Seconds() - start;
        passes += explicit_scheme ? Steps : double(stores.Transient_2D.Implicit_Sweeps);
    }
    const double per_step = passes / (Steps * double(state.iterations()));
    Report(state, {1e9 * seconds / (passes * n * n), explicit_scheme ? 0 : per_step, 0, 0});
    state.SetLabel(explicit_scheme ? "explicit 100x100 200 steps F=0.2"
                                   : "implicit 100x100 200 steps F=0.2");
}
BENCHMARK(BM_Transient_2D)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// Textbook plate: the interior equation of each scheme node by node, sides
// held at their start value.  The implicit loop sweeps until no interior
// node moves by more than 0.0001.
void BM_Transient_2D_Textbook(benchmark::State& state) {
    const bool explicit_scheme = state.range(0) == 1;
    const int n = Plate_Nodes;
    const double F = Plate_F, G1 = 1e5 * 1e-4 / 10;
    std::vector<double> t, t_new, it;
    auto at = [&](int i, int j) { return std::size_t(i - 1) * n + (j - 1); };
    double seconds = 0, passes = 0;
    for (auto _ : state) {
        const double start = Thread_Seconds();
        t.assign(std::size_t(n) * n, 20.0);
        for (int j = 1; j <= n; ++j)
            t[at(1, j)] = 300;
        t_new = t;
        for (int step = 1; step <= Steps; ++step) {
            if (explicit_scheme) {
                for (int i = 2; i <= n - 1; ++i) {
                    for (int j = 2; j <= n - 1; ++j) {
                        t_new[at(i, j)] = F * (t[at(i - 1, j)] + t[at(i + 1, j)] + t[at(i, j + 1)] +
                                               t[at(i, j - 1)] + G1) +
                                          (1 - 4 * F) * t[at(i, j)];
                    }
                }
                ++passes;
            } else {
                for (;;) {
                    it = t_new;
                    for (int i = 2; i <= n - 1; ++i) {
                        for (int j = 2; j <= n - 1; ++j) {
                            t_new[at(i, j)] =
                                (F * (t_new[at(i - 1, j)] + t_new[at(i + 1, j)] +
                                      t_new[at(i, j + 1)] + t_new[at(i, j - 1)] + G1) +
                                 t[at(i, j)]) /
                                (1 + 4 * F);
                        }
                    }
                    ++passes;
                    double change = 0;
                    for (int i = 2; i <= n - 1; ++i) {
                        for (int j = 2; j <= n - 1; ++j) {
                            change = std::max(change, std::fabs(t_new[at(i, j)] - it[at(i, j)]));
                        }
                    }
                    if (change <= 1e-4)
                        break;
                }
            }
            t = t_new;
        }
        seconds += Thread_Seconds() - start;
        benchmark::DoNotOptimize(t.data());
    }
    const double per_step = passes / (Steps * double(state.iterations()));
    Report(state, {1e9 * seconds / (passes * n * n), explicit_scheme ? 0 : per_step, 0, 0});
    state.SetLabel(explicit_scheme ? "explicit" : "implicit");
}
BENCHMARK(BM_Transient_2D_Textbook)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_Transient_1D(benchmark::State& state) {
    const bool explicit_scheme = state.range(0) == 1;
    const int n = Wall_Nodes;
    Problem_Definition p = Bench_Wall(n, Steps, Wall_F0, explicit_scheme);
    Result_Stores stores;
    Dimension_Transient_1D(p, stores);
    Silent_Dialogs dialogs;
    double seconds = 0, passes = 0;
    for (auto _ : state) {
        const double start = Thread_Seconds();
        Solve_Transient_As_Run(Kind_Transient_1D, p, stores, dialogs);
        seconds += Thread_Seconds() - start;
        passes += explicit_scheme ? Steps : double(stores.Transient_1D.Implicit_Sweeps);
    }
    const double per_step = passes / (Steps * double(state.iterations()));
    Report(state, {1e9 * seconds / (passes * n), explicit_scheme ? 0 : per_step, 0, 0});
    state.SetLabel(explicit_scheme ? "explicit 1000 nodes 200 steps F0=0.4"
                                   : "implicit 1000 nodes 200 steps F0=0.4");
}
BENCHMARK(BM_Transient_1D)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// Textbook wall, faces held at their start value.
void BM_Transient_1D_Textbook(benchmark::State& state) {
    const bool explicit_scheme = state.range(0) == 1;
    const int n = Wall_Nodes;
    const double F0 = Wall_F0, G1 = 1e5 * 1e-4 / 10;
    std::vector<double> old_t, new_t, it;
    double seconds = 0, passes = 0;
    for (auto _ : state) {
        const double start = Thread_Seconds();
        old_t.assign(n + 1, 20.0);
        old_t[1] = 300;
        new_t = old_t;
        for (int step = 1; step <= Steps; ++step) {
            if (explicit_scheme) {
                for (int i = 2; i <= n - 1; ++i) {
                    new_t[i] = (1 - 2 * F0) * old_t[i] + F0 * (G1 + old_t[i + 1] + old_t[i - 1]);
                }
                ++passes;
            } else {
                for (;;) {
                    it = new_t;
                    for (int i = 2; i <= n - 1; ++i) {
                        new_t[i] =
                            (old_t[i] + F0 * (G1 + new_t[i - 1] + new_t[i + 1])) / (1 + 2 * F0);
                    }
                    ++passes;
                    bool settled = true;
                    for (int i = 1; i <= n; ++i)
                        settled &= std::fabs(new_t[i] - it[i]) <= 1e-4;
                    if (settled)
                        break;
                }
            }
            old_t = new_t;
        }
        seconds += Thread_Seconds() - start;
        benchmark::DoNotOptimize(old_t.data());
    }
    const double per_step = passes / (Steps * double(state.iterations()));
    Report(state, {1e9 * seconds / (passes * n), explicit_scheme ? 0 : per_step, 0, 0});
    state.SetLabel(explicit_scheme ? "explicit" : "implicit");
}
BENCHMARK(BM_Transient_1D_Textbook)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// The largest history a 100 x 100 plate can have, 999 implicit steps: the
// store holds 1000 levels of 10^4 doubles (76 MiB).  The high-water mark is
// reset first so that only this run is counted (and what the process already
// holds).
void BM_Transient_2D_Peak_Memory(benchmark::State& state) {
    for (auto _ : state) {
        Reset_Peak_Resident();
        Problem_Definition p = Bench_Plate(100, 999, 0.2, false);
        Result_Stores stores;
        Dimension_Transient_2D(p, stores);
        Silent_Dialogs dialogs;
        Solve_Transient_As_Run(Kind_Transient_2D, p, stores, dialogs);
        benchmark::DoNotOptimize(stores.Transient_2D.New_Temperature_T2D.Data());
        const double history =
            double(stores.Transient_2D.Temperature_History_2D.Size()) * 8.0 / (1024.0 * 1024.0);
        Report(state, {0, 0, history / 8.0 * 1024 * 1024, Status_Kb("VmHWM:") / 1024.0});
    }
}
BENCHMARK(BM_Transient_2D_Peak_Memory)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
