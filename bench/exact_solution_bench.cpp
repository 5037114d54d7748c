// Direct solve of the steady plate's node equations (assembly straight from
// the node coefficients, sparse Cholesky factorisation, solve, residual
// check), for square plates of n x n nodes.  Targets: 200 x 200 within
// 0.2 s, 400 x 400 within 1 s; the peak memory of a solve at most 1.3 times
// the factor's (the "MiB" counter is the peak over the resident size before
// the solve, the label that peak over the factor's bytes).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include "analysis/exact_solution.h"
#include "bench/bench_figures.h"

#include "bench/bench_run.h"

using namespace calorix;

namespace {

// Three convection edges and a hot edge, with generation: every kind of
// node equation the plate has, and a matrix that is not trivially diagonal.
Fd_Grid Plate(int n) {
    Problem_Definition p;
    p.X_Grid = n;
    p.Y_Grid = static_cast<std::int16_t>(n);
    p.Grid_Size = 1;
    p.Conductivity = 15;
    p.Q_generation = 1e5;
    p.Left_BC = BC_Temperature;
    p.Temp_BC_Left = 100;
    p.Right_BC = BC_Flux;
    p.Q_BC_Right = -500;
    p.Top_BC = p.Bottom_BC = BC_Convection;
    p.h_BC_Top = p.h_BC_Bottom = 25;
    p.T_Infinity_BC_Top = p.T_Infinity_BC_Bottom = 20;
    return Make_Grid(p, Kind_Steady_2D, n, n);
}

void BM_Exact_Solve_Plate(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const Fd_Grid g = Plate(n);
    double peak_kb = 0;
    std::size_t factor = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const double before = bench::Status_Kb("VmRSS:");
        bench::Reset_Peak_Resident();
        state.ResumeTiming();
        Exact_Solution x = Solve_Node_Equations(g);
        benchmark::DoNotOptimize(x.values.data());
        state.PauseTiming();
        peak_kb = std::max(peak_kb, bench::Status_Kb("VmHWM:") - before);
        factor = x.factor_bytes;
        state.ResumeTiming();
        if (!x.solved) {
            state.SkipWithError("the plate's equations were not solved");
            break;
        }
    }
    bench::Report(state, {.cells = static_cast<double>(n) * n, .MiB = peak_kb / 1024.0});
    char label[64];
    std::snprintf(label, sizeof label, "peak/factor %.2f",
                  factor > 0 ? peak_kb * 1024.0 / static_cast<double>(factor) : 0.0);
    state.SetLabel(label);
}

}  // namespace

BENCHMARK(BM_Exact_Solve_Plate)
    ->Arg(50)
    ->Arg(100)
    ->Arg(200)
    ->Arg(400)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
