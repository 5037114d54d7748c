// Time for the shaded picture panel to put a result on screen: a 2-D steady
// picture from scratch (interpolation, painting, values, bar, repaint) and one
// frame of the transient animation (copy the level, draw it, repaint).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QSlider>
#include <QToolButton>
#include <algorithm>
#include <cmath>

#include "bench/bench_figures.h"
#include "output/shaded_plot_panel.h"
#include "solvers/presentation.h"
#include "solvers/result_stores.h"

using namespace calorix;
using calorix::bench::Report;

namespace {

double Field(int i, int j, int n) {
    return 50.0 + 40.0 * std::sin(0.1 * i + 0.02 * n) * std::cos(0.07 * j);
}

// A transient history of nx x ny nodes and levels 0..steps.
Transient_2D_Store Field_History(int nx, int ny, int steps) {
    Transient_2D_Store s;
    s.X_Nodes_T2D = static_cast<std::int16_t>(nx);
    s.Y_Nodes_T2D = static_cast<std::int16_t>(ny);
    s.Time_Steps_T2D = steps;
    s.Temperature_History_2D.Dimension(steps + 1, nx, ny);
    for (int n = 0; n <= steps; ++n) {
        for (int i = 1; i <= nx; ++i) {
            for (int j = 1; j <= ny; ++j) {
                s.Temperature_History_2D(i, j, n) = Field(i, j, n);
            }
        }
    }
    return s;
}

void BM_Panel_Show_Steady_2D(benchmark::State& state) {
    const int nodes = static_cast<int>(state.range(0));
    Steady_2D_Store s;
    s.X_Nodes_2D = static_cast<std::int16_t>(nodes);
    s.Y_Nodes_2D = static_cast<std::int16_t>(nodes);
    s.Temperature_2D.Dimension(nodes, nodes);
    for (int i = 1; i <= nodes; ++i) {
        for (int j = 1; j <= nodes; ++j) {
            s.Temperature_2D(i, j) = Field(i, j, 0);
        }
    }
    Shaded_Plot_Panel panel;
    panel.resize(1100, 620);
    panel.show();
    QApplication::processEvents();
    for (auto _ : state) {
        panel.Show_Steady_2D(s);
        panel.repaint();
        benchmark::DoNotOptimize(panel.Picture().constBits());
    }
    Report(state, {.cells = static_cast<double>(panel.Picture_Data().Pixel_Temperature.Size())});
}
BENCHMARK(BM_Panel_Show_Steady_2D)->Arg(3)->Arg(100)->Unit(benchmark::kMillisecond);

// The colour range of a 2-D transient run is the minimum and maximum over
// every stored level: 200 x 200 nodes x 1000 levels (305 MiB), beside the
// one-value-at-a-time scan it must equal, and the graphical tab's first
// display of that run (the scan, then the first level drawn).
const Transient_2D_Store& Large_History() {
    static const Transient_2D_Store s = Field_History(200, 200, 999);
    return s;
}

void BM_History_Range_200x200x999(benchmark::State& state) {
    const Transient_2D_Store& s = Large_History();
    double lo = 0, hi = 0;
    for (auto _ : state) {
        Find_History_Range(s, lo, hi);
        benchmark::DoNotOptimize(lo + hi);
    }
    Report(state, {.cells = double(s.Temperature_History_2D.Size()),
                   .MiB = double(s.Temperature_History_2D.Size()) * 8 / 1048576});
}
BENCHMARK(BM_History_Range_200x200x999)->Unit(benchmark::kMillisecond);

void BM_History_Range_200x200x999_One_At_A_Time(benchmark::State& state) {
    const Level_Planes& h = Large_History().Temperature_History_2D;
    double lo = 0, hi = 0;
    for (auto _ : state) {
        const double* v = h.Level(0);
        lo = hi = v[0];
        for (std::size_t k = 0; k < h.Size(); ++k) {
            lo = std::min(lo, v[k]);
            hi = std::max(hi, v[k]);
        }
        benchmark::DoNotOptimize(lo + hi);
    }
    Report(state, {.cells = double(h.Size()), .MiB = double(h.Size()) * 8 / 1048576});
}
BENCHMARK(BM_History_Range_200x200x999_One_At_A_Time)->Unit(benchmark::kMillisecond);

void BM_Panel_Show_Transient_2D_200x200x999(benchmark::State& state) {
    const Transient_2D_Store& s = Large_History();
    Shaded_Plot_Panel panel;
    panel.resize(1100, 620);
    panel.show();
    QApplication::processEvents();
    for (auto _ : state) {
        panel.Show_Transient_2D(s, 1.0, 999, "0");
        panel.repaint();
        benchmark::DoNotOptimize(panel.Picture().constBits());
    }
    Report(state, {.cells = double(s.Temperature_History_2D.Size())});
}
BENCHMARK(BM_Panel_Show_Transient_2D_200x200x999)->Unit(benchmark::kMillisecond);

// Second argument 1: the plate fitted to a full-screen panel (zoomed); 2:
// fitted to a panel of 3000 x 2400 (zoom 6 and more).
void BM_Panel_Animation_Frame(benchmark::State& state) {
    const int nodes = static_cast<int>(state.range(0));
    constexpr int steps = 20;
    const Transient_2D_Store s = Field_History(nodes, nodes, steps);
    Shaded_Plot_Panel panel;
    panel.Fit_Box()->setChecked(state.range(1) != 0);
    panel.resize(state.range(1) == 1   ? QSize(1900, 1000)
                 : state.range(1) == 2 ? QSize(3000, 2400)
                                       : QSize(1100, 620));
    panel.show();
    panel.Show_Transient_2D(s, 1.0, steps, "0");
    QApplication::processEvents();
    int level = 0;
    for (auto _ : state) {
        // A slider move is exactly one frame: copy, interpolate, paint,
        // values, repaint.
        level = level % steps + 1;
        panel.Time_Slider()->setValue(level);
        benchmark::DoNotOptimize(panel.Picture().constBits());
    }
    Report(state, {.cells = static_cast<double>(panel.Picture_Data().Pixel_Temperature.Size())});
    state.SetLabel("zoom " + std::to_string(panel.Zoom()));
}
BENCHMARK(BM_Panel_Animation_Frame)
    ->Args({5, 0})
    ->Args({100, 0})
    ->Args({3, 1})
    ->Args({5, 1})
    ->Args({12, 1})
    ->Args({40, 1})
    ->Args({100, 1})
    ->Args({5, 2})
    ->Args({100, 2})
    ->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// A whole paced play at the default speed, on the real clock: how long it
// lasts and the longest time events waited between two turns of the loop.
// Arguments: node count (square plate), number of time steps.  5 x 3 nodes
// and 6 steps is the 2-D transient problem the program starts with.
void BM_Panel_Play_Default_Speed(benchmark::State& state) {
    const int nx = static_cast<int>(state.range(0));
    const int ny = static_cast<int>(state.range(1));
    const int steps = static_cast<int>(state.range(2));
    const Transient_2D_Store s = Field_History(nx, ny, steps);
    Shaded_Plot_Panel panel;
    panel.resize(1100, 620);
    panel.show();
    panel.Show_Transient_2D(s, 1.0, steps, "0");
    QApplication::processEvents();
    double worst_gap = 0;
    double seconds = 0;
    for (auto _ : state) {
        panel.Play_Button_Picture()->click();  // from the end it starts again
        worst_gap = std::max(worst_gap, panel.Worst_Event_Gap());
        seconds = panel.Last_Play_Seconds();
    }
    // The shared counters keep one CSV header; the play figures go in the label.
    Report(state, {.cells = static_cast<double>(nx) * ny * (steps + 1)});
    state.SetLabel("played " + std::to_string(seconds) + " s; worst event gap " +
                   std::to_string(worst_gap * 1000.0) + " ms");
}
BENCHMARK(BM_Panel_Play_Default_Speed)
    ->Args({5, 3, 6})
    ->Args({40, 40, 999})
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kSecond);

}  // namespace
