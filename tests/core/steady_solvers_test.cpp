#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <numbers>
#include <tuple>
#include <utility>

#include "common/run_error.h"
#include "input/run_driver.h"
#include "solvers/steady_state_conduction_1d.h"
#include "solvers/steady_state_conduction_2d.h"

using namespace calorix;

namespace {

Problem_Definition Wall(int nodes, double grid_cm, double k) {
    Problem_Definition p;
    p.X_Grid = nodes;
    p.Grid_Size = grid_cm;
    p.Conductivity = k;
    p.Left_BC = p.Right_BC = p.Top_BC = p.Bottom_BC = BC_Temperature;
    return p;
}

Steady_1D_Store Solve_1D(const Problem_Definition& p) {
    Result_Stores stores;
    Dimension_Steady_1D(p, stores);
    Solve_Steady_State_1D(p, stores.Steady_1D);
    return std::move(stores.Steady_1D);
}

Steady_2D_Store Solve_2D(const Problem_Definition& p) {
    Result_Stores stores;
    Dimension_Steady_2D(p, stores);
    Solve_Steady_State_2D(p, stores.Steady_2D);
    return std::move(stores.Steady_2D);
}

}  // namespace

// Fixed faces give the straight line whatever the guess, and with generation
// T = 100 (1 - x) + g x (L - x) / 2k (g = 8, k = 1, L = 1): the central
// difference is exact for a parabola.
TEST(SteadyWall, FixedFacesGiveTheLineOrTheParabola) {
    const double line[] = {100, 75, 50, 25, 0};
    const double parabola[] = {100, 75.75, 51, 25.75, 0};
    for (const auto& [guess, g, expected] :
         {std::tuple{0.0, 0.0, line}, std::tuple{1000.0, 0.0, line},
          std::tuple{0.0, 8.0, parabola}}) {
        Problem_Definition p = Wall(5, 25, 1);
        p.Temp_BC_Left = 100;
        p.Guess_Temp = guess;
        p.Q_generation = g;
        const Steady_1D_Store s = Solve_1D(p);
        EXPECT_EQ(s.Nodes_1D, 5);
        for (int i = 1; i <= 5; ++i) {
            EXPECT_NEAR(s.Temperature_1D(i), expected[i - 1], 1e-5) << guess << " " << g;
            EXPECT_DOUBLE_EQ(s.X_Location_1D(i), (i - 1) * 0.25);
        }
    }
}

// Convection and flux faces, on either side, each with its own values while
// the other face holds different ones.  h = 10, k = 1, dx = 0.1: Bi = 1, and
// h (T_inf - T1) = k (T1 - T2) / dx with a linear interior gives
// T1 = 200/3, T2 = 100/3 against a face at 0.  q = 1000 W/m2 into a k = 10
// wall, dx = 0.01: 1 C per interval above a face at 20.
TEST(SteadyWall, ConvectionAndFluxFaces) {
    for (bool right : {false, true}) {
        Problem_Definition p = Wall(3, 10, 1);
        std::int16_t& kind = right ? p.Right_BC : p.Left_BC;
        (right ? p.h_BC_Right : p.h_BC_Left) = 10;
        (right ? p.T_Infinity_BC_Right : p.T_Infinity_BC_Left) = 100;
        (right ? p.h_BC_Left : p.h_BC_Right) = 1000;
        (right ? p.T_Infinity_BC_Left : p.T_Infinity_BC_Right) = -40;
        kind = BC_Convection;
        Steady_1D_Store s = Solve_1D(p);
        const int face = right ? 3 : 1;
        EXPECT_NEAR(s.Temperature_1D(face), 200.0 / 3, 1e-5) << right;
        EXPECT_NEAR(s.Temperature_1D(2), 100.0 / 3, 1e-5) << right;
        EXPECT_NEAR(s.Temperature_1D(4 - face), 0, 1e-5) << right;

        p = Wall(3, 1, 10);
        (right ? p.Right_BC : p.Left_BC) = BC_Flux;
        (right ? p.Q_BC_Right : p.Q_BC_Left) = 1000;
        (right ? p.Q_BC_Left : p.Q_BC_Right) = 7000;
        (right ? p.Temp_BC_Left : p.Temp_BC_Right) = 20;
        s = Solve_1D(p);
        EXPECT_NEAR(s.Temperature_1D(face), 22, 1e-5) << right;
        EXPECT_NEAR(s.Temperature_1D(2), 21, 1e-5) << right;
        EXPECT_NEAR(s.Temperature_1D(4 - face), 20, 1e-5) << right;
    }
}

TEST(SteadyWall, NodeCountBeyondSixteenBitsFails) {
    Problem_Definition p = Wall(5, 1, 1);
    p.X_Grid = 40000;  // beyond the 16-bit node count
    Steady_1D_Store s;
    EXPECT_THROW(Solve_Steady_State_1D(p, s), Run_Error);
}

// A plate held at one temperature all round is that temperature without a
// sweep, but only without generation: with G1 = 4 the single interior node
// of the 3 x 3 plate at 100 C is swept to (400 + G1) / 4.
TEST(SteadyPlate, UniformShortcutNeedsNoGeneration) {
    for (double g : {0.0, 4e4}) {
        Problem_Definition p = Wall(3, 1, 1);
        p.Y_Grid = 3;
        p.Temp_BC_Left = p.Temp_BC_Right = p.Temp_BC_Top = p.Temp_BC_Bottom = 100;
        p.Guess_Temp = 20;
        p.Q_generation = g;
        const Steady_2D_Store s = Solve_2D(p);
        EXPECT_EQ(s.Sweeps, g == 0 ? 0 : 2);
        EXPECT_EQ(s.Temperature_2D(2, 2), g == 0 ? 100.0 : 101.0);
        EXPECT_EQ(s.Temperature_2D(1, 1), 100.0);
        for (int m = 1; m <= 3; ++m) {
            EXPECT_DOUBLE_EQ(s.Location_2D(m), (m - 1) * 0.01);
        }
    }
}

TEST(SteadyPlate, HotTopEdgeSquare) {
    // Classic Laplace square: top 100, the rest 0.  The centre of a 5x5 grid
    // is the mean of the four edge temperatures, 25; left and right edges own
    // the corners.
    Problem_Definition p = Wall(5, 10, 1);
    p.Y_Grid = 5;
    p.Temp_BC_Top = 100;
    const Steady_2D_Store s = Solve_2D(p);
    EXPECT_EQ(s.Temperature_2D(1, 1), 0.0);
    EXPECT_EQ(s.Temperature_2D(5, 1), 0.0);
    for (int i = 2; i <= 4; ++i) {
        EXPECT_EQ(s.Temperature_2D(i, 1), 100.0);
    }
    EXPECT_NEAR(s.Temperature_2D(3, 3), 25.0, 1e-4);
    // Exact five-point solution of the 3x3 interior, solved by hand with the
    // symmetry: the nodes next to the hot corners are 300/7, the bottom
    // corners' neighbours 50/7.
    EXPECT_NEAR(s.Temperature_2D(2, 2), 300.0 / 7.0, 1e-4);
    EXPECT_NEAR(s.Temperature_2D(2, 4), 50.0 / 7.0, 1e-4);
}

// Each rule of the node equations on the smallest plate, 3 x 3 with the top
// and right edges held at 0, where the converged field solves a linear system
// small enough to eliminate by hand (dx = 1 cm, k = 1, so q*dx/k = q/100,
// Bi = h/100 and G1 = g/10^4).  Unknowns: the bottom-left corner (1,3), the
// bottom edge node (2,3), the left edge node (1,2) and the centre (2,2).
TEST(SteadyPlate, SmallestPlateSolvesTheNodeEquationsByHand) {
    struct Case {
        const char* rule;
        std::int16_t bottom, left;
        double q_b, q_l, h_b, h_l, t_inf_b, t_inf_l, g;
        double corner, bottom_node, left_node, centre;
    };
    const Case cases[] = {
        // Left flux, the rest at 0, no generation: T12 = T22/2 + q dx/2k and
        // T22 = T12/4, so T22 = q dx/7k and T12 = 4 q dx/7k (edge term 2q dx/k).
        {"flux edge", BC_Temperature, BC_Flux, 0, 700, 0, 0, 0, 0, 0, 0, 0, 4, 1},
        // Left convection Bi = 1, T_inf = 55: T12 (2 Bi + 4) = 2 T22 + 2 Bi T_inf
        // with T22 = T12/4: T12 = 2 Bi T_inf / (2 Bi + 3.5) = 20.
        {"convection edge", BC_Temperature, BC_Convection, 0, 0, 0, 100, 0, 55, 0, 0, 0, 20, 5},
        // Flux on both edges of the corner, G1 = 2 (G2 = 1 in the corner).
        {"flux corner", BC_Flux, BC_Flux, 300, 500, 0, 0, 0, 0, 2e4, 49.0 / 4, 29.0 / 4, 33.0 / 4,
         35.0 / 8},
        // Convection on both, Bi_B = 1 at 40 C, Bi_L = 0.5 at 20 C, G1 = 2.
        {"convection corner", BC_Convection, BC_Convection, 0, 0, 100, 50, 40, 20, 2e4,
         7210.0 / 299, 6170.0 / 299, 3816.0 / 299, 2646.0 / 299},
    };
    for (const Case& c : cases) {
        Problem_Definition p = Wall(3, 1, 1);
        p.Y_Grid = 3;
        p.Bottom_BC = c.bottom;
        p.Left_BC = c.left;
        p.Q_BC_Bottom = c.q_b;
        p.Q_BC_Left = c.q_l;
        p.h_BC_Bottom = c.h_b;
        p.h_BC_Left = c.h_l;
        p.T_Infinity_BC_Bottom = c.t_inf_b;
        p.T_Infinity_BC_Left = c.t_inf_l;
        p.Q_generation = c.g;
        const Steady_2D_Store s = Solve_2D(p);
        const Node_Plane& t = s.Temperature_2D;
        if (c.bottom != BC_Temperature) {
            EXPECT_NEAR(t(1, 3), c.corner, 1e-5) << c.rule;
            EXPECT_NEAR(t(2, 3), c.bottom_node, 1e-5) << c.rule;
        }
        EXPECT_NEAR(t(1, 2), c.left_node, 1e-5) << c.rule;
        EXPECT_NEAR(t(2, 2), c.centre, 1e-5) << c.rule;
    }
}

// Sweep counts that follow from the tolerance 1e-6.  Fixed edges at 0 and a
// guess of 1: on a 3 x 4 plate the two interior nodes of the middle column
// fall by 1/4 at each step, T(2,2) = 4^-(2k-1) after sweep k, so its change
// 15 * 4^-(2k-1) first drops below 1e-6 at sweep 7 (it is 3.6e-6 at sweep 6).
// On a 4-node wall T(2) = 2 * 4^-k with the change 6 * 4^-k: sweep 12.
// Powers of two, so the values are exact.
TEST(SteadySweeps, CountFollowsFromTheTolerance) {
    Problem_Definition plate = Wall(3, 1, 1);
    plate.Y_Grid = 4;
    plate.Guess_Temp = 1;
    plate.Temp_BC_Bottom = 1e-30;  // not the uniform plate, which is not swept
    const Steady_2D_Store s2 = Solve_2D(plate);
    EXPECT_EQ(s2.Sweeps, 7);
    EXPECT_NEAR(s2.Temperature_2D(2, 2), std::ldexp(1.0, -26), 1e-20);
    Problem_Definition wall = Wall(4, 1, 1);
    wall.Guess_Temp = 1;
    const Steady_1D_Store s1 = Solve_1D(wall);
    EXPECT_EQ(s1.Sweeps, 12);
    EXPECT_EQ(s1.Temperature_1D(2), 0.0);  // 2^-23 is below 0.01
}

// A problem without a steady state makes exactly 32767 sweeps, then fails.
TEST(SteadySweeps, TheLimitIs32767Sweeps) {
    Problem_Definition p = Wall(4, 1, 1);
    p.Y_Grid = 4;
    p.Left_BC = p.Right_BC = p.Top_BC = p.Bottom_BC = BC_Flux;
    p.Q_BC_Left = p.Q_BC_Right = 100;
    Result_Stores stores;
    Dimension_Steady_2D(p, stores);
    EXPECT_THROW(Solve_Steady_State_2D(p, stores.Steady_2D), Run_Error);
    EXPECT_EQ(stores.Steady_2D.Sweeps, 32767);
    Dimension_Steady_1D(p, stores);
    EXPECT_THROW(Solve_Steady_State_1D(p, stores.Steady_1D), Run_Error);
    EXPECT_EQ(stores.Steady_1D.Sweeps, 32767);
}

// Every result below 0.01 is reported as 0, negative or not, while 0.01
// itself stays.
TEST(SteadyWall, ValuesBelowOneHundredthBecomeZero) {
    Problem_Definition p = Wall(3, 1, 1);
    for (const auto& [left, right, middle] :
         {std::tuple{0.004, 0.01, 0.0}, std::tuple{-10.0, 0.02, 0.0},
          std::tuple{0.3, 0.01, 0.155}}) {
        p.Temp_BC_Left = left;
        p.Temp_BC_Right = right;
        const Steady_1D_Store s = Solve_1D(p);
        EXPECT_EQ(s.Temperature_1D(1), left < 0.01 ? 0.0 : left);
        EXPECT_NEAR(s.Temperature_1D(2), middle, 1e-12);
        EXPECT_EQ(s.Temperature_1D(3), right);
    }
}
