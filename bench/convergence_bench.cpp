// The Convergence tab's figures: SOR with the estimated best factor on a
// 200 x 200 plate against Gauss-Seidel (both run until within 1e-6 C of the
// direct solution; target at most 1/20 of the sweeps) and each part of the
// study of a 100 x 100 plate alone (processor time of its thread).  What the
// user waits for on the tab itself is in convergence_tab_bench.cpp.
#include <benchmark/benchmark.h>

#include <string>

#include "analysis/convergence_study.h"
#include "analysis/direct_solve_cache.h"
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

// The plate with its left and right sides cooled by air as well.
Problem_Definition Convection_Plate(int n) {
    Problem_Definition p = Start_Up_Plate(n);
    p.Left_BC = p.Right_BC = BC_Convection;
    p.h_BC_Left = p.h_BC_Right = 10;
    p.T_Infinity_BC_Left = p.T_Infinity_BC_Right = 26.8;
    return p;
}

// Each steady part of the study of a 100 x 100 plate on one thread:
// processor time of the iteration methods (with the direct solve) and of
// the refinement (its two finer grids).
void BM_Convergence_Part_100(benchmark::State& state) {
    const Problem_Definition p = state.range(0) == 1 ? Convection_Plate(100) : Start_Up_Plate(100);
    const bool refinement = state.range(1) == 1;
    Convergence_Request request;
    request.i = request.j = 50;
    double seconds = 0;
    for (auto _ : state) {
        Direct_Solve_Cache cache(Make_Grid(p, Kind_Steady_2D, 100, 100));
        const double start = bench::Thread_Seconds();
        if (refinement) {
            const Refinement_Study r = Study_Grid_Refinement(p, cache, request, nullptr, nullptr);
            benchmark::DoNotOptimize(r.order);
        } else {
            Convergence_Results r;
            Study_Iteration_Methods(p, cache, request.omega, r, nullptr, nullptr);
            const char* names[] = {"jacobi", "gs", "sor_typed", "sor_best"};
            for (std::size_t m = 0; m < r.traces.size(); ++m) {
                state.counters[std::string(names[m]) + "_sweeps"] = r.traces[m].sweeps;
                state.counters[std::string(names[m]) + "_s"] = r.traces[m].seconds;
            }
        }
        seconds = bench::Thread_Seconds() - start;
    }
    bench::Report(state, {.cells = 10000});
    state.counters["thread_s"] = seconds;
}

}  // namespace

BENCHMARK(BM_SOR_Against_Gauss_Seidel_200)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Convergence_Part_100)
    ->ArgNames({"convection_sides", "refinement"})
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
