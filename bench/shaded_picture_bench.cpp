// Time to build one shaded picture: interpolation onto the cells and painting
// every cell into a pixel buffer.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "bench/bench_figures.h"
#include "output/shaded_temperature.h"

using namespace calorix;

namespace {

void BM_Shaded_Picture(benchmark::State& state) {
    const int nodes = static_cast<int>(state.range(0));
    const int kind = static_cast<int>(state.range(1));
    Node_Plane t;
    t.Dimension(nodes, nodes);
    for (int i = 1; i <= nodes; ++i) {
        for (int j = 1; j <= nodes; ++j) {
            t(i, j) = std::sin(0.1 * i) * std::cos(0.07 * j) * 100.0;
        }
    }
    const int w = 800;
    const int h = 700;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w) * h);
    Shaded_Picture pic;
    for (auto _ : state) {
        std::int16_t m = static_cast<std::int16_t>(nodes);
        std::int16_t n = static_cast<std::int16_t>(nodes);
        Interpolate_Temperature_Field(pic, kind, t, m, n);
        Paint_Picture(pic, -100, 100, 10, 10, pixels.data(), w, h, w);
        benchmark::DoNotOptimize(pixels.data());
    }
    calorix::bench::Report(state, {.cells = static_cast<double>(pic.Pixel_Temperature.Nx()) *
                                            pic.Pixel_Temperature.Ny()});
}
BENCHMARK(BM_Shaded_Picture)
    ->Args({3, 1})
    ->Args({5, 3})
    ->Args({100, 1})
    ->Args({400, 1})
    ->Unit(benchmark::kMillisecond);

}  // namespace
