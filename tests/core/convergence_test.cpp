#include <gtest/gtest.h>

#include <cmath>

#include "analysis/convergence_iteration.h"
#include "analysis/convergence_refinement.h"
#include "analysis/exact_solution.h"
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
