// Direct solve of the steady plate's node equations (assembly, sparse
// Cholesky factorisation, solve), for square plates of n x n nodes.  The
// 200 x 200 plate must take well under 100 ms.
#include <benchmark/benchmark.h>

#include "analysis/exact_solution.h"
#include "bench/bench_figures.h"

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
    for (auto _ : state) {
        Exact_Solution x = Solve_Node_Equations(g);
        benchmark::DoNotOptimize(x.values.data());
        if (!x.solved) {
            state.SkipWithError("the plate's equations were not solved");
            break;
        }
    }
    bench::Report(state, {.cells = static_cast<double>(n) * n});
}

}  // namespace

BENCHMARK(BM_Exact_Solve_Plate)->Arg(50)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);
