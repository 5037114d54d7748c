// Speed of the two steady Gauss-Seidel solvers, in nanoseconds per node
// update (every node of every sweep, edges included).
#include <benchmark/benchmark.h>

#include <algorithm>

#include "common/run_error.h"
#include "solvers/steady_state_conduction_1d.h"
#include "solvers/steady_state_conduction_2d.h"

using namespace calorix;

namespace {

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

void BM_Steady_2D(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const Problem_Definition p = Hot_Top_Plate(n);
    Steady_2D_Store s;
    double updates = 0;
    for (auto _ : state) {
        s.Temperature_2D.Dimension(n, n);
        s.Old_Temperature_2D.Dimension(n, n);
        s.Location_2D.Dimension(n);
        Solve_Steady_State_2D(p, s);
        benchmark::DoNotOptimize(s.Temperature_2D.Data());
        updates += static_cast<double>(s.Sweeps) * n * n;
    }
    state.counters["sweeps"] = s.Sweeps;
    state.counters["time_per_node_update"] =
        benchmark::Counter(updates, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_Steady_2D)->Arg(100)->Unit(benchmark::kMillisecond);

void BM_Steady_1D(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
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
    Steady_1D_Store s;
    double updates = 0;
    for (auto _ : state) {
        s.Temperature_1D.Dimension(n);
        s.Old_Temperature_1D.Dimension(n);
        s.X_Location_1D.Dimension(n);
        try {
            Solve_Steady_State_1D(p, s);
        } catch (const Run_Error&) {
            // the sweep limit; s.Sweeps holds the sweeps made
        }
        benchmark::DoNotOptimize(s.Temperature_1D.Data());
        updates += static_cast<double>(s.Sweeps) * n;
    }
    state.counters["sweeps"] = s.Sweeps;
    state.counters["time_per_node_update"] =
        benchmark::Counter(updates, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
// A 1000-node wall needs more than 32767 sweeps to settle to 1e-6 from a flat
// guess, so the run ends at the sweep limit: still a fair measure of a sweep.
BENCHMARK(BM_Steady_1D)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
