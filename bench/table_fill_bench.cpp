// Time from a finished solve to a results table on screen: the presentation
// writes the table texts, the results window loads them and the table view
// lays out and paints its first page.  A 100 x 100 steady plate, a 1-D
// history of 1000 nodes over 999 steps and one level of a 200 x 200 transient
// plate; the window lives on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTableView>
#include <fstream>
#include <memory>
#include <string>

#include "bench/bench_figures.h"
#include "bench/bench_run.h"
#include "common/problem_definition.h"
#include "common/user_dialogs.h"
#include "input/run_driver.h"
#include "output/output_form.h"
#include "solvers/presentation.h"

using namespace calorix;
using namespace calorix::bench;

namespace {

void Fill_Plate(Steady_2D_Store& s, int n) {
    s.X_Nodes_2D = static_cast<std::int16_t>(n);
    s.Y_Nodes_2D = static_cast<std::int16_t>(n);
    s.Temperature_2D.Dimension(n, n);
    s.Location_2D.Dimension(n);
    for (int i = 1; i <= n; ++i) {
        s.Location_2D(i) = (i - 1) * 0.01;
        for (int j = 1; j <= n; ++j) {
            s.Temperature_2D(i, j) = 20.0 + 80.0 * (n - j) / n + 0.37 * i;
        }
    }
}

void Fill_History(Result_Stores& stores, int nodes, int steps) {
    Transient_1D_Store& s = stores.Transient_1D;
    s.Nodes_T1D = nodes;
    s.X_Location_T1D.Dimension(nodes);
    s.Temperature_History_1D.Dimension(1, steps + 1, nodes);
    for (int i = 1; i <= nodes; ++i) {
        s.X_Location_T1D(i) = (i - 1) * 0.075;
    }
    for (int n = 1; n <= steps + 1; ++n) {
        for (int i = 1; i <= nodes; ++i) {
            s.Temperature_History_1D(n, i) = 20.0 + 0.123 * n + i;
        }
    }
    stores.Delta_Time = 0.5;
}

void Show_Table(Output_Form& form, Output_Model& model, Result_Stores& stores,
                Problem_Definition& problem) {
    form.Load_Results(model, stores, problem);
    form.show();
    QApplication::processEvents();
    // Painting the view makes it lay out and read the cells it shows.
    benchmark::DoNotOptimize(form.Table_View()->grab());
}

void BM_Table_Fill_Plate(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    Result_Stores stores;
    Problem_Definition problem;
    Fill_Plate(stores.Steady_2D, n);
    Output_Form form;
    for (auto _ : state) {
        Output_Model model;
        model.Kind = Kind_Steady_2D;
        Display_Steady_State_2D_Results(stores.Steady_2D, model);
        Show_Table(form, model, stores, problem);
        form.hide();
    }
    Report(state, {.cells = static_cast<double>(n) * n});
}
BENCHMARK(BM_Table_Fill_Plate)->Arg(100)->Unit(benchmark::kMillisecond);

void BM_Table_Fill_History(benchmark::State& state) {
    const int nodes = static_cast<int>(state.range(0));
    const int steps = static_cast<int>(state.range(1));
    Result_Stores stores;
    Problem_Definition problem;
    problem.Grid_Size = 7.5;
    Fill_History(stores, nodes, steps);
    Output_Form form;
    for (auto _ : state) {
        Output_Model model;
        model.Kind = Kind_Transient_1D;
        stores.Transient_1D.Time_Steps_T1D = static_cast<std::int16_t>(steps);
        Display_Transient_1D_Results(stores, model);
        Show_Table(form, model, stores, problem);
        form.hide();
    }
    Report(state, {.cells = static_cast<double>(nodes) * (steps + 1)});
}
BENCHMARK(BM_Table_Fill_History)->Args({1000, 999})->Unit(benchmark::kMillisecond);

// One level of a 2-D transient plate, as the run driver shows it after a run.
void BM_Table_Fill_Transient_Level(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    Result_Stores stores;
    // A consistent one-step run: the results window's other tabs read the
    // problem and the history as well as the level on display.
    Problem_Definition problem;
    problem.Grid_Size = 1;
    problem.Conductivity = 1;
    problem.Diffusivity = 1e-5;
    problem.Time_Step = 1;
    problem.Number_Of_Time_Steps = 1;
    problem.Left_BC = problem.Right_BC = problem.Top_BC = problem.Bottom_BC = BC_Temperature;
    Transient_2D_Store& s = stores.Transient_2D;
    s.X_Nodes_T2D = static_cast<std::int16_t>(n);
    s.Y_Nodes_T2D = static_cast<std::int16_t>(n);
    s.Time_Steps_T2D = 1;
    s.Location_T2D.Dimension(n);
    s.New_Temperature_T2D.Dimension(n, n);
    s.Temperature_History_2D.Dimension(2, n, n);
    for (int i = 1; i <= n; ++i) {
        s.Location_T2D(i) = (i - 1) * 0.01;
        for (int j = 1; j <= n; ++j) {
            s.New_Temperature_T2D(i, j) = 20.0 + 0.61 * i - 0.17 * j;
            s.Temperature_History_2D(i, j, 0) = 20.0;
            s.Temperature_History_2D(i, j, 1) = s.New_Temperature_T2D(i, j);
        }
    }
    stores.Delta_Time = 1;
    Output_Form form;
    for (auto _ : state) {
        Output_Model model;
        model.Kind = Kind_Transient_2D;
        s.Table_Ready_T2D = 0;
        Display_Transient_2D_Results(s, s.New_Temperature_T2D, model.Output_Table);
        Show_Table(form, model, stores, problem);
        form.hide();
    }
    Report(state, {.cells = static_cast<double>(n) * n});
}
BENCHMARK(BM_Table_Fill_Transient_Level)->Arg(200)->Unit(benchmark::kMillisecond);

// The widest 1-D transient run the 16-bit node count allows, 999 steps: the
// run driver solves and presents it, the results window opens on its table.
// Peak resident memory over the whole sequence against the bytes of the
// solver's arrays.  Run this benchmark on its own (--benchmark_filter): the
// kernel's high-water mark is reset at its start.
void BM_Table_Peak_Memory_1D(benchmark::State& state) {
    Input_Form_State form = Initial_Form_State();
    form.Kind = Kind_Transient_1D;
    form.Tabs[2].X_Grid_Text = std::to_string(state.range(0));
    form.Tabs[2].Number_Of_Time_Steps_Text = "999";
    for (auto _ : state) {
        state.PauseTiming();
        auto stores = std::make_unique<Result_Stores>();
        auto out = std::make_unique<Output_Model>();
        Problem_Definition problem;
        Silent_Dialogs dialogs;
        Reset_Peak_Resident();
        const double base_kb = Status_Kb("VmRSS:");
        state.ResumeTiming();
        if (Run_Calculation(form, problem, *stores, *out, dialogs) != Run_Outcome::Solved) {
            state.SkipWithError("run not solved");
            break;
        }
        Output_Form window;
        Show_Table(window, *out, *stores, problem);
        state.PauseTiming();
        const Transient_1D_Store& s = stores->Transient_1D;
        const double solver_bytes = 8.0 * (static_cast<double>(s.Temperature_History_1D.Size()) +
                                           4.0 * s.X_Location_T1D.Count());
        const double peak_bytes = 1024.0 * (Status_Kb("VmHWM:") - base_kb);
        Report(state, {.MiB = peak_bytes / (1024.0 * 1024.0)});
        state.SetLabel("solver arrays " + std::to_string(solver_bytes / (1024.0 * 1024.0)) +
                       " MiB; peak ratio " + std::to_string(peak_bytes / solver_bytes));
        window.hide();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Table_Peak_Memory_1D)->Arg(32766)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
