// Speed of the two steady Gauss-Seidel solvers in nanoseconds per node update
// (every node of every sweep, edges included), each beside a textbook sweep
// of the same problem written straight from the node equations, so that one
// run prints the ratio.
#include <benchmark/benchmark.h>

#include "bench/bench_figures.h"
#include "common/run_error.h"
#include "input/run_driver.h"
#include "solvers/reference_sweeps.h"
#include "solvers/steady_state_conduction_1d.h"
#include "solvers/steady_state_conduction_2d.h"
#include "solvers/wavefront.h"

using namespace calorix;
using calorix::bench::Report;
using calorix::bench::Thread_Seconds;

namespace {

// An n x n plate, hot top edge, cooled bottom edge, fixed sides.
Problem_Definition Hot_Top_Plate(int n) {
    Problem_Definition p;
    p.X_Grid = n;
    p.Y_Grid = static_cast<std::int16_t>(n);
    p.Grid_Size = 1;
    p.Conductivity = 1;
    p.Left_BC = p.Right_BC = p.Top_BC = BC_Temperature;
    p.Bottom_BC = BC_Convection;
    p.h_BC_Bottom = 50;
    p.T_Infinity_BC_Bottom = 20;
    p.Temp_BC_Top = 100;
    return p;
}

// A 1000-node wall with generation, fixed left face, cooled right face.  It
// needs more than 32767 sweeps to settle to 1e-6 from a flat guess, so the
// run ends at the sweep limit: still a fair measure of a sweep.
Problem_Definition Generating_Wall(int n) {
    Problem_Definition p;
    p.X_Grid = n;
    p.Grid_Size = 0.1;
    p.Conductivity = 10;
    p.Q_generation = 1e5;
    p.Left_BC = BC_Temperature;
    p.Temp_BC_Left = 100;
    p.Right_BC = BC_Convection;
    p.h_BC_Right = 25;
    p.T_Infinity_BC_Right = 20;
    return p;
}

// Times one steady solve (solver or reference) on a store of n x n (or n)
// nodes and reports ns per node update over every sweep made.
template <bool Plate, typename Solve>
void Time_Steady(benchmark::State& state, const Problem_Definition& p, Solve solve) {
    const int n = static_cast<int>(state.range(0));
    Result_Stores stores;
    double updates = 0, seconds = 0, sweeps = 0;
    for (auto _ : state) {
        if constexpr (Plate) {
            Dimension_Steady_2D(p, stores);
        } else {
            Dimension_Steady_1D(p, stores);
        }
        const double start = Thread_Seconds();
        try {
            solve(stores);
        } catch (const Run_Error&) {
            // the sweep limit; the store holds the sweeps made
        }
        seconds += Thread_Seconds() - start;
        sweeps = Plate ? stores.Steady_2D.Sweeps : stores.Steady_1D.Sweeps;
        updates += sweeps * n * (Plate ? n : 1);
    }
    Report(state, {1e9 * seconds / updates, sweeps, double(n) * (Plate ? n : 1), 0});
}

// Second argument 1: the baseline (SSE2) build of the sweep even where the
// processor has AVX2.
void BM_Steady_2D(benchmark::State& state) {
    const Problem_Definition p = Hot_Top_Plate(static_cast<int>(state.range(0)));
    wavefront::Force_Baseline(state.range(1) == 1);
    Time_Steady<true>(state, p, [&](Result_Stores& s) { Solve_Steady_State_2D(p, s.Steady_2D); });
    state.SetLabel(wavefront::Active_Build() == wavefront::Build::AVX2 ? "AVX2" : "baseline");
    wavefront::Force_Baseline(false);
}
BENCHMARK(BM_Steady_2D)->Args({100, 0})->Args({100, 1})->Unit(benchmark::kMillisecond);

// The same plate swept node by node in the plain order of the node equations.
void BM_Steady_2D_Textbook(benchmark::State& state) {
    const Problem_Definition p = Hot_Top_Plate(static_cast<int>(state.range(0)));
    Time_Steady<true>(state, p,
                      [&](Result_Stores& s) { reference::Solve_Steady_2D(p, s.Steady_2D); });
}
BENCHMARK(BM_Steady_2D_Textbook)->Arg(100)->Unit(benchmark::kMillisecond);

void BM_Steady_1D(benchmark::State& state) {
    const Problem_Definition p = Generating_Wall(static_cast<int>(state.range(0)));
    Time_Steady<false>(state, p, [&](Result_Stores& s) { Solve_Steady_State_1D(p, s.Steady_1D); });
}
BENCHMARK(BM_Steady_1D)->Arg(1000)->Unit(benchmark::kMillisecond);

// The same wall swept node by node in the plain order of the node equations.
void BM_Steady_1D_Textbook(benchmark::State& state) {
    const Problem_Definition p = Generating_Wall(static_cast<int>(state.range(0)));
    Time_Steady<false>(state, p,
                       [&](Result_Stores& s) { reference::Solve_Steady_1D(p, s.Steady_1D); });
}
BENCHMARK(BM_Steady_1D_Textbook)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
