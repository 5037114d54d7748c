// What an instructor keeps of a run: the PDF report of a 60 x 40 plate and
// the frames of a 100 x 100 run of 500 steps, written to a scratch folder.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>

#include "bench/bench_figures.h"
#include "bench/event_gap_meter.h"
#include "common/text_table.h"
#include "output/report_pdf.h"
#include "output/shaded_plot_panel.h"
#include "solvers/result_stores.h"
#include "tests/gui/shaded_plot_fixtures.h"

using namespace calorix;
using calorix::bench::Figures;
using calorix::bench::Report;

namespace {

double Warm(int i, int j, int n) {
    return 50.0 + 40.0 * std::sin(0.1 * i + 0.02 * n) * std::cos(0.07 * j);
}

void BM_Pdf_Report_60x40(benchmark::State& state) {
    Steady_2D_Store s;
    s.X_Nodes_2D = 60;
    s.Y_Nodes_2D = 40;
    s.Temperature_2D.Dimension(60, 40);
    Text_Table table;
    table.Set_Rows(41);
    table.Set_Cols(61);
    for (int i = 1; i <= 60; ++i) {
        for (int j = 1; j <= 40; ++j) {
            s.Temperature_2D(i, j) = Warm(i, j, 0);
            table.Set_Cell(j, i, std::to_string(s.Temperature_2D(i, j)).substr(0, 6));
        }
    }
    Shaded_Plot_Panel panel;
    panel.resize(1100, 620);
    panel.Show_Steady_2D(s);
    for (auto _ : state) {
        // Building the figure is part of the command.
        const Figure_Parts figure = panel.Figure_Now();
        Pdf_Report_Parts parts;
        parts.Document.Title = "CALORIX Report: 2-D Steady State Problem";
        parts.Table = &table;
        parts.Figure = &figure;
        benchmark::DoNotOptimize(Pdf_Report(parts).size());
    }
    Report(state, {.cells = 41.0 * 61.0});
}
BENCHMARK(BM_Pdf_Report_60x40)->Unit(benchmark::kMillisecond);

void BM_Save_Frames_100x100x500(benchmark::State& state) {
    constexpr int nodes = 100;
    constexpr int steps = 500;
    const Transient_2D_Store s = fixtures::History(nodes, nodes, steps, Warm);
    Shaded_Plot_Panel panel;
    panel.resize(1100, 620);
    panel.show();
    panel.Show_Transient_2D(s, 1.0, steps, "0");
    QApplication::processEvents();
    QTemporaryDir dir;
    int written = 0;
    calorix::bench::Event_Gap_Meter gap;
    double wall = 0;
    for (auto _ : state) {
        gap.Start();
        const double start = calorix::bench::Wall_Seconds();
        written = panel.Save_Frames(dir.filePath(QStringLiteral("run")));
        wall = calorix::bench::Wall_Seconds() - start;
        gap.Stop();
    }
    Figures f{.cells = static_cast<double>(nodes) * nodes * (steps + 1)};
    f.first_run_ms = wall * 1e3;
    Report(state, f);
    state.SetLabel(std::to_string(written) + " frames; wall " + std::to_string(wall) +
                   " s; longest event-loop gap " + std::to_string(gap.Longest_Seconds() * 1000.0) +
                   " ms");
}
// Process time counts the encoding threads too.
BENCHMARK(BM_Save_Frames_100x100x500)
    ->Iterations(1)
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kSecond);

}  // namespace
