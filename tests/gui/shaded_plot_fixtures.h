#pragma once
// Result stores filled from a formula for the shaded-picture suites and the
// panel benchmarks.  No QtTest here, so that the benchmarks can use them too.
#include <cstdint>

#include "solvers/result_stores.h"

namespace calorix::fixtures {

// Result stores of nx x ny nodes filled by f(i, j) (steady) or f(i, j, n)
// for the levels n = 0..steps (transient).
template <class F>
Steady_2D_Store Steady_Field(int nx, int ny, F f) {
    Steady_2D_Store s;
    s.X_Nodes_2D = static_cast<std::int16_t>(nx);
    s.Y_Nodes_2D = static_cast<std::int16_t>(ny);
    s.Temperature_2D.Dimension(nx, ny);
    for (int i = 1; i <= nx; ++i) {
        for (int j = 1; j <= ny; ++j) {
            s.Temperature_2D(i, j) = f(i, j);
        }
    }
    return s;
}

template <class F>
Transient_2D_Store History(int nx, int ny, int steps, F f) {
    Transient_2D_Store s;
    s.X_Nodes_T2D = static_cast<std::int16_t>(nx);
    s.Y_Nodes_T2D = static_cast<std::int16_t>(ny);
    s.Time_Steps_T2D = steps;
    s.Temperature_History_2D.Dimension(steps + 1, nx, ny);
    for (int n = 0; n <= steps; ++n) {
        for (int i = 1; i <= nx; ++i) {
            for (int j = 1; j <= ny; ++j) {
                s.Temperature_History_2D(i, j, n) = f(i, j, n);
            }
        }
    }
    return s;
}

}  // namespace calorix::fixtures
