// Cost of the transient solvers per node update, each beside the reference
// steps of the same run written straight from the node equations, and the
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
#include "solvers/reference_sweeps.h"
#include "solvers/transient_state_conduction_1d.h"
#include "solvers/transient_state_conduction_2d.h"
#include "solvers/wavefront.h"

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

// Times whole runs of one kind (solver or reference) on a store dimensioned
// once, and reports ns per node update over every step or sweep made.
template <typename Solve>
void Time_Transient(benchmark::State& state, Problem_Definition& p, Solve solve) {
    const bool plate = p.Kind == Kind_Transient_2D;
    const double nodes = plate ? double(Plate_Nodes) * Plate_Nodes : double(Wall_Nodes);
    Result_Stores stores;
    if (plate) {
        Dimension_Transient_2D(p, stores);
    } else {
        Dimension_Transient_1D(p, stores);
    }
    double seconds = 0, passes = 0;
    for (auto _ : state) {
        const double start = Thread_Seconds();
        solve(stores);
        seconds += Thread_Seconds() - start;
        const std::int64_t sweeps =
            plate ? stores.Transient_2D.Implicit_Sweeps : stores.Transient_1D.Implicit_Sweeps;
        passes += p.Explicit_Scheme ? Steps : double(sweeps);
    }
    const double per_step = passes / (Steps * double(state.iterations()));
    Report(state, {1e9 * seconds / (passes * nodes), p.Explicit_Scheme ? 0 : per_step, 0, 0});
    state.SetLabel(std::string(p.Explicit_Scheme ? "explicit " : "implicit ") +
                   (plate ? "100x100 200 steps F=0.2" : "1000 nodes 200 steps F0=0.4"));
}

// Second argument 1: the baseline (SSE2) build of the implicit sweep even
// where the processor has AVX2.
void BM_Transient_2D(benchmark::State& state) {
    Problem_Definition p = Bench_Plate(Plate_Nodes, Steps, Plate_F, state.range(0) == 1);
    Silent_Dialogs dialogs;
    wavefront::Force_Baseline(state.range(1) == 1);
    Time_Transient(state, p, [&](Result_Stores& s) {
        Solve_Transient_As_Run(Kind_Transient_2D, p, s, dialogs);
    });
    if (!p.Explicit_Scheme) {
        state.SetLabel(state.range(1) == 1 ? "implicit 100x100 200 steps F=0.2 baseline"
                                           : "implicit 100x100 200 steps F=0.2 AVX2");
    }
    wavefront::Force_Baseline(false);
}
BENCHMARK(BM_Transient_2D)->Args({1, 0})->Args({0, 0})->Args({0, 1})->Unit(benchmark::kMillisecond);

// The same plate stepped node by node in the plain order of the node
// equations, every level stored as the solver stores it.
void BM_Transient_2D_Textbook(benchmark::State& state) {
    Problem_Definition p = Bench_Plate(Plate_Nodes, Steps, Plate_F, state.range(0) == 1);
    Time_Transient(state, p,
                   [&](Result_Stores& s) { reference::Solve_Transient_2D(p, s.Transient_2D); });
}
BENCHMARK(BM_Transient_2D_Textbook)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_Transient_1D(benchmark::State& state) {
    Problem_Definition p = Bench_Wall(Wall_Nodes, Steps, Wall_F0, state.range(0) == 1);
    Silent_Dialogs dialogs;
    Time_Transient(state, p, [&](Result_Stores& s) {
        Solve_Transient_As_Run(Kind_Transient_1D, p, s, dialogs);
    });
}
BENCHMARK(BM_Transient_1D)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// The same wall stepped node by node, every level stored.
void BM_Transient_1D_Textbook(benchmark::State& state) {
    Problem_Definition p = Bench_Wall(Wall_Nodes, Steps, Wall_F0, state.range(0) == 1);
    Time_Transient(state, p,
                   [&](Result_Stores& s) { reference::Solve_Transient_1D(p, s.Transient_1D); });
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
