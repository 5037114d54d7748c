// Time from a finished solve to a results table on screen: the presentation
// writes the table texts, the results window loads them and the table view
// lays out and paints its first page.  A 100 x 100 plate and a 1-D history
// of 1000 levels; the window lives on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTableView>

#include "bench/bench_figures.h"
#include "input/problem_definition.h"
#include "output/output_form.h"
#include "solvers/presentation.h"

using namespace calorix;
using calorix::bench::Report;

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
    const int steps = static_cast<int>(state.range(0));
    Result_Stores stores;
    Problem_Definition problem;
    problem.Grid_Size = 7.5;
    Fill_History(stores, 5, steps);
    Output_Form form;
    for (auto _ : state) {
        Output_Model model;
        model.Kind = Kind_Transient_1D;
        stores.Transient_1D.Time_Steps_T1D = static_cast<std::int16_t>(steps);
        Display_Transient_1D_Results(stores, model);
        Show_Table(form, model, stores, problem);
        form.hide();
    }
    Report(state, {.cells = 5.0 * (steps + 1)});
}
BENCHMARK(BM_Table_Fill_History)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
