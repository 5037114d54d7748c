// The Convergence tab's figures: SOR with the estimated best factor on a
// 200 x 200 plate against Gauss-Seidel (both run until within 1e-6 C of the
// direct solution; target at most 1/20 of the sweeps), the whole study of a
// 100 x 100 plate (target: ready within 1 s) and its grid refinement up to
// 397 x 397 nodes (target: 3 s).  Processor time of the working thread.
#include <benchmark/benchmark.h>

#include "analysis/convergence_study.h"
#include "analysis/exact_solution.h"
#include "bench/bench_figures.h"

using namespace calorix;

namespace {

// The start-up plate: three sides at 226.8 C, the fourth cooled by air.
Problem_Definition Start_Up_Plate(int n) {
    Problem_Definition p;
    p.X_Grid = n;
    p.Y_Grid = static_cast<std::int16_t>(n);
    p.Grid_Size = 25;
    p.Conductivity = 1;
    p.Guess_Temp = 250;
    p.Left_BC = p.Right_BC = p.Top_BC = BC_Temperature;
    p.Temp_BC_Left = p.Temp_BC_Right = p.Temp_BC_Top = 226.8;
    p.Bottom_BC = BC_Convection;
    p.h_BC_Bottom = 10;
    p.T_Infinity_BC_Bottom = 26.8;
    return p;
}

void BM_SOR_Against_Gauss_Seidel_200(benchmark::State& state) {
    const Problem_Definition p = Start_Up_Plate(200);
    const Node_System sys(Make_Grid(p, Kind_Steady_2D, 200, 200));
    const Exact_Solution x = Solve_Node_Equations(sys.grid);
    const Iteration_Limits to_1e6{0, 1e-6, 1000000};
    double gs_sweeps = 0, sor_sweeps = 0, sor_error = 0;
    for (auto _ : state) {
        const Iteration_Trace gs =
            Run_Iteration(sys, x.values, p.Guess_Temp, Iteration_Method::Gauss_Seidel, 1, to_1e6);
        const double omega = Optimal_Omega(Decay_Rate(gs.change));
        const Iteration_Trace sor =
            Run_Iteration(sys, x.values, p.Guess_Temp, Iteration_Method::SOR, omega, to_1e6);
        gs_sweeps = gs.sweeps;
        sor_sweeps = sor.sweeps;
        sor_error = sor.Final_Error();
    }
    bench::Report(state, {.sweeps = sor_sweeps, .cells = 40000});
    state.counters["gs_sweeps"] = gs_sweeps;
    state.counters["sor_error"] = sor_error;
}

void BM_Convergence_Study_100(benchmark::State& state) {
    Problem_Definition p = Start_Up_Plate(100);
    Result_Stores stores;
    stores.Steady_2D.X_Nodes_2D = 100;
    stores.Steady_2D.Y_Nodes_2D = 100;
    Convergence_Request request;
    request.i = request.j = 50;
    const bool refinement = state.range(0) == 1;
    double seconds = 0;
    for (auto _ : state) {
        const double start = bench::Thread_Seconds();
        if (refinement) {
            const Refinement_Study r =
                Study_Refinement(p, Kind_Steady_2D, 100, 100, 50, 50, nullptr);
            benchmark::DoNotOptimize(r.order);
        } else {
            const Convergence_Results r = Study_Convergence(p, stores, request, nullptr, nullptr);
            benchmark::DoNotOptimize(r.traces.data());
        }
        seconds = bench::Thread_Seconds() - start;
    }
    bench::Report(state, {.cells = 10000});
    state.counters["thread_s"] = seconds;
}

}  // namespace

BENCHMARK(BM_SOR_Against_Gauss_Seidel_200)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Convergence_Study_100)
    ->ArgNames({"refinement_only"})
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
