// What a user waits for after "Calculate Temperature" on a large problem of
// each kind: the run (validation, store, solver, presentation), then the
// results window with its table painted, then the graphical tab painted.
// The results window and the stores live across runs, as in the program:
// the first run pays for fresh pages of its stores, the later ones reuse
// them; both figures are reported (first_run_ms, reused_run_ms).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTabWidget>
#include <QTableView>
#include <string>

#include "bench/bench_figures.h"
#include "bench/bench_run.h"
#include "common/user_dialogs.h"
#include "input/run_driver.h"
#include "output/output_form.h"
#include "solvers/transient_state_conduction_2d.h"

using namespace calorix;
using namespace calorix::bench;

namespace {

// The start-up texts of the input window with large grids: a 100-node wall
// (a longer one cannot settle to 1e-6 within 32767 sweeps), a 100 x 100
// plate, a 1000-node wall over 999 steps and a 200 x 200 plate over 999 steps.
Input_Form_State Large_Problem(int kind) {
    Input_Form_State f = Initial_Form_State();
    f.Kind = kind;
    Parameter_Texts& t = f.Tabs[static_cast<std::size_t>(kind)];
    const char* nodes[] = {"100", "100", "1000", "200"};
    t.X_Grid_Text = nodes[kind];
    t.Y_Grid_Text = nodes[kind];
    t.Number_Of_Time_Steps_Text = "999";
    return f;
}

// One full run of the 2-D transient plate alone (store and solver), the
// store reused across runs (argument 1) or made afresh (argument 0).
void BM_Run_Transient_2D_200x200x999(benchmark::State& state) {
    const bool reuse = state.range(0) == 1;
    Silent_Dialogs dialogs;
    Problem_Definition p;
    Input_Form_State f = Large_Problem(Kind_Transient_2D);
    Initialize_Inputs(f, p);
    Initialize_Boundary_Conditions(f, p);
    Result_Stores kept;
    Run_Times times;
    for (auto _ : state) {
        const double start = Wall_Seconds();
        Result_Stores fresh;
        Result_Stores& stores = reuse ? kept : fresh;
        p.Stability_Message_Flag = 0;
        Dimension_Transient_2D(p, stores);
        Solve_Transient_As_Run(Kind_Transient_2D, p, stores, dialogs);
        benchmark::DoNotOptimize(stores.Transient_2D.New_Temperature_T2D.Data());
        times.Add(Wall_Seconds() - start);
    }
    Figures figures{0, 0, 0, double(kept.Transient_2D.Temperature_History_2D.Size()) * 8 / 1048576};
    times.Into(figures);
    Report(state, figures);
    state.SetLabel(reuse ? "store of the previous run" : "new store");
}
BENCHMARK(BM_Run_Transient_2D_200x200x999)
    ->Arg(1)
    ->Arg(0)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_User_Wait(benchmark::State& state) {
    const int kind = static_cast<int>(state.range(0));
    const Input_Form_State f = Large_Problem(kind);
    Silent_Dialogs dialogs;
    Result_Stores stores;
    Problem_Definition problem;
    Output_Form form;
    double cells = 0;
    Run_Times times;
    for (auto _ : state) {
        const double start = Wall_Seconds();
        Output_Model model;
        if (Run_Calculation(f, problem, stores, model, dialogs) != Run_Outcome::Solved) {
            state.SkipWithError("the run did not solve");
            break;
        }
        form.Load_Results(model, stores, problem);
        form.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(form.Table_View()->grab());
        form.Output_Tab()->setCurrentIndex(1);
        QApplication::processEvents();
        benchmark::DoNotOptimize(form.grab());
        form.hide();
        form.Output_Tab()->setCurrentIndex(0);
        cells = double(model.Output_Table.Rows()) * model.Output_Table.Cols();
        times.Add(Wall_Seconds() - start);
    }
    Figures figures{0, 0, cells, 0};
    times.Into(figures);
    Report(state, figures);
    const char* labels[] = {"1-D steady 100 nodes", "2-D steady 100x100",
                            "1-D transient 1000 nodes x 999 steps",
                            "2-D transient 200x200 x 999 steps explicit"};
    state.SetLabel(labels[kind]);
}
// Three runs each: the first on new stores, two reusing them.
BENCHMARK(BM_User_Wait)
    ->DenseRange(0, 3)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
