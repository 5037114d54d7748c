#include "analysis/analytic_profile.h"

#include <gtest/gtest.h>

#include <array>

#include "teach_support.h"

using namespace calorix;

namespace {

struct Face {
    std::int16_t kind;
    double t = 0, q = 0, h = 0, t_inf = 0;
};

struct Profile_Case {
    Face left, right;
    std::array<double, 5> nodes;  // T at x = 0, 0.25, 0.5, 0.75, 1
};

}  // namespace

// k = 1, g = 8, L = 1 m: T = -4x^2 + c1 x + c2, the constants from the faces
// (flux into the wall: q = -k T'(0) on the left, k T'(L) on the right;
// convection: h (T_inf - T) = k T'.n).
TEST(AnalyticProfile, EveryPairOfFaceKindsAtTheNodes) {
    const Profile_Case cases[] = {
        {{BC_Temperature, 0}, {BC_Temperature, 0}, {0, 0.75, 1, 0.75, 0}},
        {{BC_Temperature, 0}, {BC_Flux, 0, -2}, {0, 1.25, 2, 2.25, 2}},
        {{BC_Temperature, 0}, {BC_Convection, 0, 0, 2, 0}, {0, 13.0 / 12, 5.0 / 3, 1.75, 4.0 / 3}},
        {{BC_Flux, 0, 3}, {BC_Temperature, 1}, {8, 7, 5.5, 3.5, 1}},
        {{BC_Convection, 0, 0, 4, 10}, {BC_Temperature, 0}, {8.8, 7.35, 5.4, 2.95, 0}},
        {{BC_Flux, 0, 0}, {BC_Convection, 0, 0, 2, 0}, {8, 7.75, 7, 5.75, 4}},
        {{BC_Convection, 0, 0, 2, 0}, {BC_Flux, 0, 0}, {4, 5.75, 7, 7.75, 8}},
        {{BC_Convection, 0, 0, 2, 0}, {BC_Convection, 0, 0, 2, 0}, {2, 2.75, 3, 2.75, 2}},
    };
    for (const Profile_Case& c : cases) {
        Problem_Definition p = teach_test::Problem(5, 1, 25, 1, 8);
        p.Left_BC = c.left.kind, p.Temp_BC_Left = c.left.t, p.Q_BC_Left = c.left.q;
        p.h_BC_Left = c.left.h, p.T_Infinity_BC_Left = c.left.t_inf;
        p.Right_BC = c.right.kind, p.Temp_BC_Right = c.right.t, p.Q_BC_Right = c.right.q;
        p.h_BC_Right = c.right.h, p.T_Infinity_BC_Right = c.right.t_inf;
        const Fd_Grid g = Make_Grid(p, Kind_Steady_1D, 5, 1);
        const Analytic_Profile a = Wall_Profile(g);
        ASSERT_TRUE(a.unique) << c.left.kind << c.right.kind;
        for (int n = 0; n < 5; ++n) {
            EXPECT_NEAR(a.At(0.25 * n), c.nodes[n], 1e-12)
                << "faces " << c.left.kind << ", " << c.right.kind << " node " << n + 1;
        }
        const Field_Difference d = Profile_Difference(g, a, c.nodes.data());
        EXPECT_LT(d.largest, 1e-12);
    }
}

TEST(AnalyticProfile, LegendAndNoteTexts) {
    Problem_Definition p = teach_test::Problem(5, 1, 25, 1, 8);
    p.Left_BC = p.Right_BC = BC_Flux;
    const Analytic_Profile a = Wall_Profile(Make_Grid(p, Kind_Steady_1D, 5, 1));
    EXPECT_FALSE(a.unique);
    EXPECT_EQ(a.note,
              "Heat flux on both faces: the wall has no unique steady profile, so no analytic "
              "curve is drawn.");
    Problem_Definition held = teach_test::Problem(5, 1, 25, 1, 8);
    EXPECT_EQ(Profile_Legend(Make_Grid(held, Kind_Steady_1D, 5, 1), {0.0625, 3, 1}),
              "Exact continuous profile (largest difference at the nodes 0.0625 C, node 3)");
    EXPECT_STREQ(Nodes_Legend, "Finite-difference nodes");
    // The steady wall's face nodes carry no half cell, so with generation and
    // an insulated face the nodes miss the parabola: the first face node
    // sits one conduction step from its neighbour.
    p.Left_BC = BC_Temperature;
    p.Right_BC = BC_Flux;
    const Fd_Grid g = Make_Grid(p, Kind_Steady_1D, 5, 1);
    const std::vector<double> fd = {0, 1.75, 3, 3.75, 3.75};  // hand-solved node equations
    const Field_Difference d = Profile_Difference(g, Wall_Profile(g), fd.data());
    EXPECT_NEAR(d.largest, 0.25, 1e-12);  // parabola -4x^2 + 8x is 4 at x = 1
    EXPECT_EQ(d.i, 5);
    // g dx/2 = 8 * 0.25 / 2 = 1 W/m^2 of the insulated face's half cell is in
    // no node equation.
    EXPECT_EQ(Profile_Legend(g, d),
              "Exact continuous profile (largest difference at the nodes 0.25 C, node 5; face "
              "equations leave out g·dx/2 = 1 W/m^2)");
}
