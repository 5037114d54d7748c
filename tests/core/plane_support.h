#pragma once
// Shared by the picture suites: a node field T(i, j) = f(i, j) over m x n nodes.
#include "output/shaded_temperature.h"

namespace plane_test {

template <class F>
calorix::Node_Plane Field(int m, int n, F f) {
    calorix::Node_Plane t;
    t.Dimension(m, n);
    for (int i = 1; i <= m; ++i) {
        for (int j = 1; j <= n; ++j) {
            t(i, j) = f(i, j);
        }
    }
    return t;
}

}  // namespace plane_test
