// The history range scan keeps eight minima and maxima side by side; its
// answer must be the one-at-a-time scan's to the bit.  Hand-built arrays with
// the extremes at chosen places (lane, tail), NaNs, and zeros of both signs,
// where the first one in the array decides.
#include "solvers/value_range.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using calorix::Range_Of;

namespace {

constexpr double Nan = std::numeric_limits<double>::quiet_NaN();
constexpr double Tiny = std::numeric_limits<double>::denorm_min();  // 4.9e-324

// n copies of `fill` with the given values put at their indices.
std::vector<double> Array(std::size_t n, double fill,
                          std::initializer_list<std::pair<std::size_t, double>> put) {
    std::vector<double> v(n, fill);
    for (const auto& [k, x] : put) {
        v[k] = x;
    }
    return v;
}

struct Case {
    const char* name;
    std::vector<double> v;
    double min, max;
};

}  // namespace

TEST(ValueRange, SameAsTheOneAtATimeScan) {
    const Case cases[] = {
        {"extremes in two lanes", Array(40, 20.0, {{5, -1e308}, {30, 1e308}}), -1e308, 1e308},
        {"extremes in the tail", Array(19, 20.0, {{17, -1e308}, {18, 1e308}}), -1e308, 1e308},
        {"a subnormal above negatives", Array(23, -1.0, {{13, Tiny}, {2, -Tiny}}), -1.0, Tiny},
        {"a subnormal below positives", Array(23, 1.0, {{7, -Tiny}}), -Tiny, 1.0},
        {"NaNs are passed over", Array(21, 3.0, {{1, Nan}, {9, 2.0}, {20, Nan}}), 2.0, 3.0},
        {"a leading NaN stays", Array(21, 3.0, {{0, Nan}, {9, 2.0}}), Nan, Nan},
        {"three values", {2.0, -5.0, 7.0}, -5.0, 7.0},
    };
    for (const Case& c : cases) {
        double lo = 0;
        double hi = 0;
        Range_Of(c.v.data(), c.v.size(), lo, hi);
        if (std::isnan(c.min)) {
            EXPECT_TRUE(std::isnan(lo) && std::isnan(hi)) << c.name;
        } else {
            EXPECT_EQ(lo, c.min) << c.name;
            EXPECT_EQ(hi, c.max) << c.name;
        }
    }
}

TEST(ValueRange, FirstZeroDecidesTheSign) {
    // Element 3 lies in the second vector, element 9 in the first: different
    // lanes find different zeros, and the earlier one must win.
    for (bool negative_first : {true, false}) {
        const double a = negative_first ? -0.0 : 0.0;
        const std::vector<double> up = Array(16, 5.0, {{3, a}, {9, -a}});
        const std::vector<double> down = Array(16, -5.0, {{3, a}, {9, -a}});
        double lo = 1;
        double hi = 1;
        Range_Of(up.data(), up.size(), lo, hi);
        EXPECT_EQ(std::signbit(lo), negative_first);
        Range_Of(down.data(), down.size(), lo, hi);
        EXPECT_EQ(std::signbit(hi), negative_first);
    }
}
