#include "solvers/value_range.h"

#include <cstring>

namespace calorix {

namespace {

using V2 = double __attribute__((vector_size(16)));
constexpr int Lanes = 8;  // four vectors of two

// The first element of v whose value equals m (a zero of either sign
// matches a zero).
double First_Equal(const double* v, std::size_t n, double m) {
    for (std::size_t k = 0; k < n; ++k) {
        if (v[k] == m) {
            return v[k];
        }
    }
    return m;
}

// Joins the lanes of one running value with `better(x, best)`.  The lanes
// agree bit for bit on the value they found unless it is a zero of two
// signs; then the array decides which came first.
template <typename Better>
double Join(const double* lanes, const double* v, std::size_t n, Better better) {
    double best = lanes[0];
    for (int k = 1; k < Lanes; ++k) {
        best = better(lanes[k], best) ? lanes[k] : best;
    }
    for (int k = 0; k < Lanes; ++k) {
        if (lanes[k] == best && std::memcmp(&lanes[k], &best, sizeof best) != 0) {
            return v[0] == best ? v[0] : First_Equal(v, n, best);
        }
    }
    return best;
}

}  // namespace

void Range_Of(const double* v, std::size_t n, double& min, double& max) {
    const V2 first = V2{} + v[0];
    V2 lo[4] = {first, first, first, first};
    V2 hi[4] = {first, first, first, first};
    std::size_t k = 0;
    for (; k + Lanes <= n; k += Lanes) {
        for (int a = 0; a < 4; ++a) {
            V2 x;
            std::memcpy(&x, v + k + 2 * a, sizeof x);
            lo[a] = x < lo[a] ? x : lo[a];
            hi[a] = x > hi[a] ? x : hi[a];
        }
    }
    double lo_lanes[Lanes];
    double hi_lanes[Lanes];
    std::memcpy(lo_lanes, lo, sizeof lo_lanes);
    std::memcpy(hi_lanes, hi, sizeof hi_lanes);
    // The last few values go to lane 0, after everything before them.
    for (; k < n; ++k) {
        lo_lanes[0] = v[k] < lo_lanes[0] ? v[k] : lo_lanes[0];
        hi_lanes[0] = v[k] > hi_lanes[0] ? v[k] : hi_lanes[0];
    }
    min = Join(lo_lanes, v, n, [](double x, double best) { return x < best; });
    max = Join(hi_lanes, v, n, [](double x, double best) { return x > best; });
}

}  // namespace calorix
