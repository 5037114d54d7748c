#include <gtest/gtest.h>

#include "analysis/heat_flux.h"

using namespace calorix;

namespace {

template <class F>
Node_Plane Field(int nx, int ny, F f) {
    Node_Plane t;
    t.Dimension(nx, ny);
    for (int i = 1; i <= nx; ++i) {
        for (int j = 1; j <= ny; ++j) {
            t(i, j) = f(i, j);
        }
    }
    return t;
}

}  // namespace

// 5 x 5 nodes 0.25 m apart, k = 1.  Only the left side hot (100 C): heat
// flows right, 100/(2 dx) = 200 W/m^2 at the second node (central), 100/dx =
// 400 W/m^2 at the side (one-sided).  Only the top hot: heat flows down.
TEST(Heat_Flux, Points_From_Hot_To_Cold) {
    const Node_Plane left_hot = Field(5, 5, [](int i, int) { return i == 1 ? 100.0 : 0.0; });
    const Node_Plane top_hot = Field(5, 5, [](int, int j) { return j == 1 ? 100.0 : 0.0; });
    struct Case {
        const Node_Plane* t;
        int i, j;
        double qx, qy;
    } cases[] = {
        {&left_hot, 2, 3, 200, 0}, {&left_hot, 1, 3, 400, 0}, {&left_hot, 4, 3, 0, 0},
        {&top_hot, 3, 2, 0, 200},  {&top_hot, 3, 1, 0, 400},
    };
    for (const Case& c : cases) {
        const Flux_Arrow a = Node_Flux(*c.t, 5, 5, c.i, c.j, 0.25, 1.0);
        EXPECT_NEAR(a.Qx, c.qx, 1e-9) << c.i << "," << c.j;
        EXPECT_NEAR(a.Qy, c.qy, 1e-9) << c.i << "," << c.j;
    }
}

// A wall-like plate, T falling linearly from 100 C to 0 C over L = 4 x 0.25 m
// with k = 2: q = k dT/L = 200 W/m^2 to the right at every node, sides too.
TEST(Heat_Flux, Linear_Plate_Carries_k_DeltaT_Over_L) {
    const Node_Plane t = Field(5, 3, [](int i, int) { return 100.0 - 25.0 * (i - 1); });
    const std::vector<Flux_Arrow> arrows = Flux_Arrows(t, 5, 3, 0.25, 2.0, 2);
    ASSERT_EQ(arrows.size(), 6u);  // nodes 1, 3, 5 of rows 1 and 3
    for (const Flux_Arrow& a : arrows) {
        EXPECT_NEAR(a.Qx, 200, 1e-9) << a.I << "," << a.J;
        EXPECT_NEAR(a.Qy, 0, 1e-9) << a.I << "," << a.J;
    }
    EXPECT_NEAR(Largest_Flux(arrows), 200, 1e-9);
    EXPECT_EQ(Arrow_Legend(12345.6), "= 12350 W/m^2");
    // Nodes 10 px apart: every third node keeps arrows 24 px apart.
    EXPECT_EQ(Arrow_Stride(10, 24), 3);
    EXPECT_EQ(Arrow_Stride(24, 24), 1);
}

// Arrows kept clear of the sides: the nodes left free at each end, the rest
// stepped by the stride and centred (11 nodes, stride 3, one free: 3, 6, 9
// rather than 2, 5, 8, 11); a plate too small for its inset keeps the middle
// node.
TEST(Heat_Flux, Arrows_Stay_Clear_Of_The_Sides_And_Centred) {
    struct Case {
        int n, stride, inset;
        std::vector<int> nodes;
    } cases[] = {
        {11, 3, 1, {3, 6, 9}}, {10, 3, 1, {2, 5, 8}}, {9, 2, 2, {3, 5, 7}},
        {3, 1, 2, {2}},        {5, 2, 0, {1, 3, 5}},
    };
    for (const Case& c : cases) {
        const Node_Plane t = Field(c.n, 1, [](int i, int) { return 1.0 * i; });
        std::vector<int> nodes;
        for (const Flux_Arrow& a : Flux_Arrows(t, c.n, 1, 0.1, 1.0, c.stride, c.inset)) {
            nodes.push_back(a.I);
        }
        EXPECT_EQ(nodes, c.nodes) << c.n << " nodes, stride " << c.stride << ", inset " << c.inset;
    }
}
