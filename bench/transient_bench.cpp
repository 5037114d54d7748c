// Cost of the transient solvers per node update, and the memory a long 2-D
// implicit run holds at its peak.
#include <benchmark/benchmark.h>

#include <chrono>
#include <fstream>
#include <string>

#include "common/number_text.h"
#include "common/run_error.h"
#include "common/user_dialogs.h"
#include "solvers/transient_state_conduction_1d.h"
#include "solvers/transient_state_conduction_2d.h"

using namespace calorix;

namespace {

class Silent_Dialogs : public User_Dialogs {
  public:
    void Show_Message(const std::string&) override {}
    bool Ask_Yes_No(const std::string&, bool) override { return true; }
};

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

void Dimension_2D(Result_Stores& stores, const Problem_Definition& p) {
    const int n = To_Int16(p.X_Grid);
    const int nt = To_Int16(p.Number_Of_Time_Steps);
    Transient_2D_Store& s = stores.Transient_2D;
    s.New_Temperature_T2D.Dimension(n, p.Y_Grid);
    s.Temperature_T2D.Dimension(n, p.Y_Grid);
    s.Iterate_Temperature_T2D.Dimension(n, p.Y_Grid);
    s.Temperature_History_2D.Dimension(nt + 1, n, p.Y_Grid);
    s.Location_T2D.Dimension(n);
}

Problem_Definition Bench_Wall(int n, int steps, double f0, bool explicit_scheme) {
    Problem_Definition p;
    p.Kind = Kind_Transient_1D;
    p.Grid_Size = 1;
    p.X_Grid = n;
    p.Conductivity = 10;
    p.Initial_Temp = 20;
    p.Diffusivity = 1e-4;
    p.Time_Step = f0;
    p.Number_Of_Time_Steps = steps;
    p.Explicit_Scheme = explicit_scheme;
    p.Q_generation = 1e5;
    p.Left_BC = BC_Temperature;
    p.Temp_BC_Left = 300;
    p.Right_BC = BC_Convection;
    p.h_BC_Right = 50;
    p.T_Infinity_BC_Right = 20;
    return p;
}

void Dimension_1D(Result_Stores& stores, const Problem_Definition& p) {
    const int n = To_Int16(p.X_Grid);
    const int m = To_Int16(p.Number_Of_Time_Steps);
    Transient_1D_Store& s = stores.Transient_1D;
    s.New_Temperature_T1D.Dimension(n);
    s.Temperature_T1D.Dimension(n);
    s.Iterate_Temperature_T1D.Dimension(n);
    s.Temperature_History_1D.Dimension(1, m + 1, n);
    s.X_Location_T1D.Dimension(n);
}

// Runs the solver once per iteration and reports the time per node update:
// steps * nodes for the explicit scheme, sweeps * nodes for the implicit one.
template <typename Solve, typename Sweeps>
void Measure(benchmark::State& state, Solve solve, Sweeps sweeps, double nodes, double steps,
             bool explicit_scheme) {
    double seconds = 0;
    double updates = 0;
    double sweep_total = 0;
    for (auto _ : state) {
        Clear_Float_Faults();
        const auto start = std::chrono::steady_clock::now();
        solve();
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        Check_Float_Faults();
        const double passes = explicit_scheme ? steps : static_cast<double>(sweeps());
        updates += passes * nodes;
        sweep_total += passes;
    }
    state.counters["ns_per_node_update"] = 1e9 * seconds / updates;
    if (!explicit_scheme) {
        state.counters["sweeps_per_step"] =
            sweep_total / (steps * static_cast<double>(state.iterations()));
    }
}

void BM_Transient_2D(benchmark::State& state) {
    const bool explicit_scheme = state.range(0) == 1;
    const int n = 100;
    const int steps = 200;
    Problem_Definition p = Bench_Plate(n, steps, 0.2, explicit_scheme);
    Result_Stores stores;
    Dimension_2D(stores, p);
    Silent_Dialogs dialogs;
    Measure(
        state, [&] { Solve_Transient_2D(p, stores, dialogs); },
        [&] { return stores.Transient_2D.Implicit_Sweeps; }, double(n) * n, steps, explicit_scheme);
    state.SetLabel(explicit_scheme ? "explicit 100x100, 200 steps, F=0.2"
                                   : "implicit 100x100, 200 steps, F=0.2");
}
BENCHMARK(BM_Transient_2D)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_Transient_1D(benchmark::State& state) {
    const bool explicit_scheme = state.range(0) == 1;
    const int n = 1000;
    const int steps = 200;
    Problem_Definition p = Bench_Wall(n, steps, 0.4, explicit_scheme);
    Result_Stores stores;
    Dimension_1D(stores, p);
    Silent_Dialogs dialogs;
    Measure(
        state, [&] { Solve_Transient_1D(p, stores, dialogs); },
        [&] { return stores.Transient_1D.Implicit_Sweeps; }, n, steps, explicit_scheme);
    state.SetLabel(explicit_scheme ? "explicit 1000 nodes, 200 steps, F0=0.4"
                                   : "implicit 1000 nodes, 200 steps, F0=0.4");
}
BENCHMARK(BM_Transient_1D)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// Peak resident memory (VmHWM, KiB) of this process.
double Peak_Resident_KiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stod(line.substr(6));
        }
    }
    return 0;
}

// The largest history a 100 x 100 plate can have, 999 implicit steps: the
// store holds 1000 levels of 10^4 doubles (80 MB).  The high-water mark is
// reset first so that only this run is counted (and what the process already
// holds).
void BM_Transient_2D_Peak_Memory(benchmark::State& state) {
    for (auto _ : state) {
        { std::ofstream("/proc/self/clear_refs") << "5"; }
        Problem_Definition p = Bench_Plate(100, 999, 0.2, false);
        Result_Stores stores;
        Dimension_2D(stores, p);
        Silent_Dialogs dialogs;
        Solve_Transient_2D(p, stores, dialogs);
        benchmark::DoNotOptimize(stores.Transient_2D.New_Temperature_T2D.Data());
        state.counters["peak_MiB"] = Peak_Resident_KiB() / 1024.0;
        state.counters["history_MiB"] =
            static_cast<double>(stores.Transient_2D.Temperature_History_2D.Size()) * 8.0 /
            (1024.0 * 1024.0);
    }
}
BENCHMARK(BM_Transient_2D_Peak_Memory)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
