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
#include "tests/gui/shaded_plot_fixtures.h"

using namespace calorix;
using calorix::bench::Report;

namespace {

double Field(int i, int j, int n) {
    return 50.0 + 40.0 * std::sin(0.1 * i + 0.02 * n) * std::cos(0.07 * j);
}

void BM_Panel_Show_Steady_2D(benchmark::State& state) {
    const int nodes = static_cast<int>(state.range(0));
    const Steady_2D_Store s =
        fixtures::Steady_Field(nodes, nodes, [](int i, int j) { return Field(i, j, 0); });
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
    static const Transient_2D_Store s = fixtures::History(200, 200, 999, Field);
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

// Grows a panel with "Fit to window" ticked until the plate is shown at
// `zoom` (1: the box not ticked); the zoom reached may be less on a panel of
// at most 6000 x 5000.
void Grow_To_Zoom(Shaded_Plot_Panel& panel, int zoom) {
    panel.Fit_Box()->setChecked(zoom > 1);
    QSize size(1100, 620);
    panel.resize(size);
    while (panel.Zoom() < zoom && size.width() < 6000) {
        size += QSize(60, 50);
        panel.resize(size);
    }
}

// One frame of the transient animation at each zoom, on a plate of the given
// node count (square).  Arguments: nodes, zoom.
void BM_Panel_Animation_Frame(benchmark::State& state) {
    const int nodes = static_cast<int>(state.range(0));
    constexpr int steps = 20;
    const Transient_2D_Store s = fixtures::History(nodes, nodes, steps, Field);
    Shaded_Plot_Panel panel;
    panel.show();
    panel.Show_Transient_2D(s, 1.0, steps, "0");
    Grow_To_Zoom(panel, static_cast<int>(state.range(1)));
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
    state.SetLabel("zoom " + std::to_string(panel.Zoom()) + ", panel " +
                   std::to_string(panel.width()) + " x " + std::to_string(panel.height()));
}
BENCHMARK(BM_Panel_Animation_Frame)
    ->ArgsProduct({{5, 100}, {1, 2, 3, 4, 5, 6, 7}})
    ->Args({3, 2})
    ->Args({12, 2})
    ->Args({40, 2})
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
    const Transient_2D_Store s = fixtures::History(nx, ny, steps, Field);
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
