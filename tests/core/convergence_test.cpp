#include <gtest/gtest.h>

#include <cmath>

#include "analysis/convergence_iteration.h"
#include "analysis/convergence_refinement.h"
#include "analysis/convergence_time.h"
#include "analysis/exact_solution.h"
#include "analysis/spectral_radius.h"
#include "teach_support.h"

using namespace calorix;
using teach_test::Problem;

namespace {

const double Pi = std::acos(-1.0);

}  // namespace

// On a square held on every side, Jacobi's error shrinks by cos(pi/(N-1)) a
// sweep once its slowest mode is left, Gauss-Seidel's by the square of that,
// and SOR with the factor estimated from Gauss-Seidel's decay needs a small
// part of their sweeps.
TEST(Convergence, SpectralRadiiOfTheHeldSquare) {
    constexpr int N = 21;
    Problem_Definition p = Problem(N, N, 5, 1, 0);
    p.Temp_BC_Left = 100;
    const Node_System sys(Make_Grid(p, Kind_Steady_2D, N, N));
    const Exact_Solution x = Solve_Node_Equations(sys.grid);
    ASSERT_TRUE(x.solved);
    const Iteration_Limits to_rounding{0, 1e-9, 20000};
    const double rho_j = std::cos(Pi / (N - 1));
    const Iteration_Trace jacobi =
        Run_Iteration(sys, x.values, 0, Iteration_Method::Jacobi, 1, to_rounding);
    const Iteration_Trace gs =
        Run_Iteration(sys, x.values, 0, Iteration_Method::Gauss_Seidel, 1, to_rounding);
    EXPECT_NEAR(Decay_Rate(jacobi.error), rho_j, 1e-3);
    EXPECT_NEAR(Decay_Rate(gs.error), rho_j * rho_j, 1e-3);
    const double omega = Optimal_Omega(Decay_Rate(gs.change));
    EXPECT_NEAR(omega, 2 / (1 + std::sin(Pi / (N - 1))), 1e-2);
    const Iteration_Trace sor =
        Run_Iteration(sys, x.values, 0, Iteration_Method::SOR, omega, to_rounding);
    EXPECT_LT(sor.Final_Error(), 1e-9);
    EXPECT_LT(sor.sweeps * 5, gs.sweeps);
}

// Jacobi's spectral radius from the equations alone: on a rectangle held on
// every side the slowest mode sin(pi x/W) sin(pi y/H) gives
// (cos(pi/(nx-1)) + cos(pi/(ny-1))) / 2, on a held wall cos(pi/(n-1)).
TEST(Convergence, JacobiSpectralRadiusFromTheEquations) {
    const Problem_Definition p = Problem(21, 11, 5, 1, 0);
    EXPECT_NEAR(Jacobi_Spectral_Radius(Node_System(Make_Grid(p, Kind_Steady_2D, 21, 11))),
                (std::cos(Pi / 20) + std::cos(Pi / 10)) / 2, 1e-12);
    EXPECT_NEAR(Jacobi_Spectral_Radius(Node_System(Make_Grid(p, Kind_Steady_1D, 11, 1))),
                std::cos(Pi / 10), 1e-12);
}

// Halving the spacing twice: a plate held at 0 with generation converges at
// second order at its centre (the five-point equation's truncation error
// goes with dx^2); a wall with a convection face and generation at first
// order, because the face equation leaves out the generation of its half
// cell, so the face node's error halves with the spacing.
TEST(Convergence, ObservedOrderOfTheGrid) {
    Problem_Definition plate = Problem(9, 9, 10, 1, 1000);
    const Refinement_Study r = Study_Refinement(plate, Kind_Steady_2D, 9, 9, 5, 5);
    ASSERT_EQ(r.levels, 3) << r.message;
    EXPECT_NEAR(r.order, 2.0, 0.05);
    Problem_Definition wall = Problem(6, 1, 10, 1, 1000);
    wall.Left_BC = BC_Convection;
    wall.h_BC_Left = 10;
    wall.T_Infinity_BC_Left = 20;
    const Refinement_Study w = Study_Refinement(wall, Kind_Steady_1D, 6, 1, 1, 1);
    ASSERT_EQ(w.levels, 3) << w.message;
    EXPECT_NEAR(w.order, 1.0, 0.1);
    ASSERT_TRUE(w.has_exact);
    EXPECT_NEAR(w.exact_error[1] / w.exact_error[2], 2.0, 0.2);
}

// The plane wall's series, worked by hand for Bi = 1 at its centre at
// Fo = 0.5: z1 = 0.8603, C1 = 1.1191, first term 1.1191 exp(-0.3701) =
// 0.7730; z2 = 3.4256, C2 = -0.1522, second term -0.1522 exp(-5.867) =
// -0.0004; the rest below 1e-5.  The explicit limits (dx = 0.1 m, alpha =
// 1e-4, so F0 = dt / 100 s): the program's check counts the h typed for a
// held face, 2 F0 (1 + 0.5) <= 1, 33.3 s, although the held face has no
// equation and the scheme itself stays positive up to F0 = 1/2, 50 s; with
// that face cooled for real the face node's 1 - 2 F0 (1 + Bi) >= 0 gives
// 33.3 s.  A plate cooled on all sides with Bi = 0.5: its corner's quarter
// cell loses 1 - 4 F0 (1 + Bi) >= 0, F0 = 1/6.
TEST(Convergence, WallSeriesAndStableStep) {
    EXPECT_NEAR(Plane_Wall_Eigenvalue(1, 1), 0.8603, 1e-4);
    EXPECT_NEAR(Plane_Wall_Theta(1, 0.5, 0), 0.7726, 2e-4);
    Problem_Definition p = Problem(11, 1, 10, 20, 0);
    p.Diffusivity = 1e-4;
    p.Time_Step = 10;
    p.h_BC_Right = 100;  // Bi = 100 * 0.1 / 20 = 0.5, whatever the face's kind
    const Fd_Grid g = Make_Grid(p, Kind_Transient_1D, 11, 1);
    EXPECT_NEAR(Largest_Stable_Time_Step(g), 100.0 / 3, 1e-9);
    EXPECT_NEAR(Largest_Positive_Time_Step(Node_System(g)), 50.0, 1e-9);
    Problem_Definition plate = Problem(4, 4, 10, 20, 0);
    plate.Diffusivity = 1e-4;
    plate.Time_Step = 1;
    plate.Left_BC = plate.Right_BC = plate.Top_BC = plate.Bottom_BC = BC_Convection;
    plate.h_BC_Left = plate.h_BC_Right = plate.h_BC_Top = plate.h_BC_Bottom = 100;
    EXPECT_NEAR(Largest_Positive_Time_Step(Node_System(Make_Grid(plate, Kind_Transient_2D, 4, 4))),
                100.0 / 6, 1e-9);
    // Both schemes are first order in time (Euler steps): halving the step
    // halves the change mid-wall at Fo = 0.4; the series is its reference.
    p.Left_BC = BC_Flux, p.Right_BC = BC_Convection, p.T_Infinity_BC_Right = 20;
    const Time_Step_Study t =
        Study_Time_Steps(Make_Grid(p, Kind_Transient_1D, 11, 1), 100, 200, 6, 1);
    ASSERT_TRUE(t.ok) << t.message;
    EXPECT_NEAR(t.largest_stable, 100.0 / 3, 1e-9);
    EXPECT_NEAR(t.explicit_order, 1.0, 0.1);
    EXPECT_NEAR(t.implicit_order, 1.0, 0.1);
    ASSERT_TRUE(t.has_exact);
    EXPECT_NEAR(t.implicit_value[2], t.exact, 0.5);
}
