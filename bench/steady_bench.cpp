// Speed of the two steady Gauss-Seidel solvers in nanoseconds per node update
// (every node of every sweep, edges included), each beside a textbook sweep
// of the same problem written straight from the node equations, so that one
// run prints the ratio.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "bench/bench_figures.h"
#include "common/run_error.h"
#include "solvers/steady_state_conduction_1d.h"
#include "solvers/steady_state_conduction_2d.h"

using namespace calorix;
using calorix::bench::Report;
using calorix::bench::Thread_Seconds;

namespace {

// A 100 x 100 plate, hot top edge, cooled bottom edge, fixed sides.
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

void BM_Steady_2D(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const Problem_Definition p = Hot_Top_Plate(n);
    Steady_2D_Store s;
    double updates = 0, seconds = 0;
    for (auto _ : state) {
        s.Temperature_2D.Dimension(n, n);
        s.Old_Temperature_2D.Dimension(n, n);
        s.Location_2D.Dimension(n);
        const double start = Thread_Seconds();
        Solve_Steady_State_2D(p, s);
        seconds += Thread_Seconds() - start;
        benchmark::DoNotOptimize(s.Temperature_2D.Data());
        updates += static_cast<double>(s.Sweeps) * n * n;
    }
    Report(state, {1e9 * seconds / updates, double(s.Sweeps), double(n) * n, 0});
}
BENCHMARK(BM_Steady_2D)->Arg(100)->Unit(benchmark::kMillisecond);

// The same plate swept node by node in the plain order of the node equations.
void BM_Steady_2D_Textbook(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const Problem_Definition p = Hot_Top_Plate(n);
    const double dx = p.Grid_Size / 100, k = p.Conductivity;
    const double G1 = dx * dx * p.Q_generation / k, Bi = p.h_BC_Bottom * dx / k;
    std::vector<double> t, old;
    auto T = [&](int i, int j) -> double& { return t[(i - 1) * n + (j - 1)]; };
    auto T_old = [&](int i, int j) -> double& { return old[(i - 1) * n + (j - 1)]; };
    double updates = 0, seconds = 0, sweeps = 0;
    for (auto _ : state) {
        const double start = Thread_Seconds();
        t.assign(std::size_t(n) * n, p.Guess_Temp);
        old = t;
        for (sweeps = 1; sweeps <= 32767; ++sweeps) {
            T(1, n) = T(n, n) = 0;  // the fixed sides own the corners
            for (int i = 2; i < n; ++i) {
                T(i, n) = (2 * T(i, n - 1) + T(i - 1, n) + T(i + 1, n) +
                           2 * Bi * p.T_Infinity_BC_Bottom + G1) /
                          (2 * Bi + 4);
            }
            for (int i = 1; i <= n; ++i)
                T(i, 1) = p.Temp_BC_Top;
            for (int j = 1; j <= n; ++j)
                T(1, j) = T(n, j) = 0;
            for (int i = 2; i <= n - 1; ++i) {
                for (int j = 2; j <= n - 1; ++j) {
                    T(i, j) = (T(i + 1, j) + T(i - 1, j) + T(i, j + 1) + T(i, j - 1) + G1) / 4;
                }
            }
            bool final = true;
            for (int i = 2; i <= n - 1; ++i) {
                for (int j = 2; j <= n - 1; ++j) {
                    final &= std::fabs(T(i, j) - T_old(i, j)) <= 1e-6;
                }
            }
            if (final)
                break;
            for (int i = 2; i <= n - 1; ++i) {
                for (int j = 2; j <= n - 1; ++j)
                    T_old(i, j) = T(i, j);
            }
        }
        seconds += Thread_Seconds() - start;
        benchmark::DoNotOptimize(t.data());
        updates += sweeps * n * n;
    }
    Report(state, {1e9 * seconds / updates, sweeps, double(n) * n, 0});
}
BENCHMARK(BM_Steady_2D_Textbook)->Arg(100)->Unit(benchmark::kMillisecond);

void BM_Steady_1D(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const Problem_Definition p = Generating_Wall(n);
    Steady_1D_Store s;
    double updates = 0, seconds = 0;
    for (auto _ : state) {
        s.Temperature_1D.Dimension(n);
        s.Old_Temperature_1D.Dimension(n);
        s.X_Location_1D.Dimension(n);
        const double start = Thread_Seconds();
        try {
            Solve_Steady_State_1D(p, s);
        } catch (const Run_Error&) {
            // the sweep limit; s.Sweeps holds the sweeps made
        }
        seconds += Thread_Seconds() - start;
        benchmark::DoNotOptimize(s.Temperature_1D.Data());
        updates += static_cast<double>(s.Sweeps) * n;
    }
    Report(state, {1e9 * seconds / updates, double(s.Sweeps), double(n), 0});
}
BENCHMARK(BM_Steady_1D)->Arg(1000)->Unit(benchmark::kMillisecond);

// The same wall swept node by node in the plain order of the node equations.
void BM_Steady_1D_Textbook(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const Problem_Definition p = Generating_Wall(n);
    const double dx = p.Grid_Size / 100, k = p.Conductivity;
    const double bi_r = (p.h_BC_Right * dx) / k;
    std::vector<double> T, T_old;
    double updates = 0, seconds = 0, sweeps = 0;
    for (auto _ : state) {
        const double start = Thread_Seconds();
        T.assign(n + 1, p.Guess_Temp);
        T_old = T;
        for (sweeps = 1; sweeps <= 32767; ++sweeps) {
            T[1] = p.Temp_BC_Left;
            T[n] = (p.T_Infinity_BC_Right * bi_r + T[n - 1]) / (bi_r + 1);
            for (int i = 2; i <= n - 1; ++i) {
                T[i] = ((dx * dx * p.Q_generation) / k + (T[i - 1] + T[i + 1])) / 2;
            }
            bool final = true;
            for (int i = 2; i <= n - 1; ++i)
                final &= std::fabs(T[i] - T_old[i]) <= 1e-6;
            if (final)
                break;
            for (int i = 2; i <= n - 1; ++i)
                T_old[i] = T[i];
        }
        sweeps = std::min(sweeps, 32767.0);
        seconds += Thread_Seconds() - start;
        benchmark::DoNotOptimize(T.data());
        updates += sweeps * n;
    }
    Report(state, {1e9 * seconds / updates, sweeps, double(n), 0});
}
BENCHMARK(BM_Steady_1D_Textbook)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
