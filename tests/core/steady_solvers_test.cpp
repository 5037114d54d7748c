#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
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

TEST(SteadyWall, FixedFacesGiveTheLinearProfileWhateverTheGuess) {
    for (double guess : {0.0, 55.0, 1000.0}) {
        Problem_Definition p = Wall(5, 10, 3);
        p.Temp_BC_Left = 100;
        p.Temp_BC_Right = 0;
        p.Guess_Temp = guess;
        const Steady_1D_Store s = Solve_1D(p);
        EXPECT_EQ(s.Nodes_1D, 5);
        const double expected[] = {100, 75, 50, 25, 0};
        for (int i = 1; i <= 5; ++i) {
            EXPECT_NEAR(s.Temperature_1D(i), expected[i - 1], 1e-5) << "guess " << guess;
            EXPECT_DOUBLE_EQ(s.X_Location_1D(i), (i - 1) * 0.1);
        }
    }
}

TEST(SteadyWall, ConvergenceWaitsForEveryInteriorNode) {
    // With 50 nodes and T0 = 0, node 49 barely moves in the first sweep
    // while the middle is far from the line: stopping on one node is wrong.
    Problem_Definition p = Wall(50, 1, 1);
    p.Temp_BC_Left = 100;
    const Steady_1D_Store s = Solve_1D(p);
    for (int i = 1; i <= 50; ++i) {
        const double linear = 100.0 * (50 - i) / 49.0;
        EXPECT_NEAR(s.Temperature_1D(i), linear, 2e-3) << i;  // Gauss-Seidel stops at 1e-6/sweep
    }
}

TEST(SteadyWall, ConvectionAndFluxFaces) {
    // h = 10, k = 1, dx = 0.1: Bi = 1.  h(Tinf - T1) = k(T1 - T2)/dx with a
    // linear interior: T1 = 200/3, T2 = 100/3.
    Problem_Definition p = Wall(3, 10, 1);
    p.Left_BC = BC_Convection;
    p.h_BC_Left = 10;
    p.T_Infinity_BC_Left = 100;
    Steady_1D_Store s = Solve_1D(p);
    EXPECT_NEAR(s.Temperature_1D(1), 200.0 / 3, 1e-5);
    EXPECT_NEAR(s.Temperature_1D(2), 100.0 / 3, 1e-5);
    EXPECT_NEAR(s.Temperature_1D(3), 0, 1e-5);

    // q = 1000 W/m2 into a k = 10 wall, dx = 0.01: 1 C per interval.
    p = Wall(3, 1, 10);
    p.Left_BC = BC_Flux;
    p.Q_BC_Left = 1000;
    p.Temp_BC_Right = 20;
    s = Solve_1D(p);
    EXPECT_NEAR(s.Temperature_1D(1), 22, 1e-5);
    EXPECT_NEAR(s.Temperature_1D(2), 21, 1e-5);
    EXPECT_NEAR(s.Temperature_1D(3), 20, 1e-5);
}

TEST(SteadyWall, GenerationGivesTheParabola) {
    // T = g x (L - x) / 2k with g = 8, k = 1, L = 1: 0, .75, 1, .75, 0; the
    // central difference is exact for a parabola.
    Problem_Definition p = Wall(5, 25, 1);
    p.Q_generation = 8;
    const Steady_1D_Store s = Solve_1D(p);
    const double expected[] = {0, 0.75, 1.0, 0.75, 0};
    for (int i = 1; i <= 5; ++i) {
        EXPECT_NEAR(s.Temperature_1D(i), expected[i - 1], 1e-5);
    }
}

TEST(SteadyWall, SmallAndNegativeResultsAreReportedAsZero) {
    Problem_Definition p = Wall(3, 1, 1);
    p.Temp_BC_Left = -10;
    p.Temp_BC_Right = 0.02;
    const Steady_1D_Store s = Solve_1D(p);
    EXPECT_EQ(s.Temperature_1D(1), 0.0);  // -10
    EXPECT_EQ(s.Temperature_1D(2), 0.0);  // -4.99
    EXPECT_NEAR(s.Temperature_1D(3), 0.02, 1e-12);
}

TEST(SteadyWall, TwoHeatedFacesNeverSettle) {
    Problem_Definition p = Wall(5, 1, 1);
    p.Left_BC = p.Right_BC = BC_Flux;
    p.Q_BC_Left = p.Q_BC_Right = 1000;
    EXPECT_THROW(Solve_1D(p), Run_Error);
    p.X_Grid = 40000;  // beyond the 16-bit node count
    Steady_1D_Store s;
    EXPECT_THROW(Solve_Steady_State_1D(p, s), Run_Error);
}

TEST(SteadyPlate, UniformEdgesNeedNoSweep) {
    Problem_Definition p = Wall(4, 1, 1);
    p.Y_Grid = 6;
    p.Temp_BC_Left = p.Temp_BC_Right = p.Temp_BC_Top = p.Temp_BC_Bottom = 100;
    p.Guess_Temp = 20;
    const Steady_2D_Store s = Solve_2D(p);
    for (int i = 1; i <= 4; ++i) {
        for (int j = 1; j <= 6; ++j) {
            EXPECT_EQ(s.Temperature_2D(i, j), 100.0);
        }
    }
    for (int m = 1; m <= 6; ++m) {
        EXPECT_DOUBLE_EQ(s.Location_2D(m), (m - 1) * 0.01);
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
    for (int j = 1; j <= 5; ++j) {
        for (int i = 1; i <= 5; ++i) {
            EXPECT_NEAR(s.Temperature_2D(i, j), s.Temperature_2D(6 - i, j), 1e-5);
        }
    }
    // Exact five-point solution of the 3x3 interior, solved by hand with the
    // symmetry: the nodes next to the hot corners are 300/7, the bottom
    // corners' neighbours 50/7.
    EXPECT_NEAR(s.Temperature_2D(2, 2), 300.0 / 7.0, 1e-4);
    EXPECT_NEAR(s.Temperature_2D(2, 4), 50.0 / 7.0, 1e-4);
}

TEST(SteadyPlate, HotTopEdgeFollowsTheFourierSeries) {
    // The square of side L with the top at 100 C and the other sides at 0:
    //   T(x, y) = (400 / pi) sum over odd n of
    //             sin(n pi x / L) sinh(n pi y / L) / (n sinh(n pi)),
    // y measured up from the bottom.  A 41 x 41 grid (h = L / 40) is within
    // a few hundredths of a degree away from the hot corners.
    Problem_Definition p = Wall(41, 2.5, 1);
    p.Y_Grid = 41;
    p.Temp_BC_Top = 100;
    const Steady_2D_Store s = Solve_2D(p);
    constexpr double pi = std::numbers::pi;
    auto series = [](double x, double y) {
        double sum = 0;
        for (int n = 1; n < 200; n += 2) {
            // sinh(n pi y) / sinh(n pi) without overflow.
            const double ratio = std::exp(n * pi * (y - 1.0)) *
                                 (1.0 - std::exp(-2.0 * n * pi * y)) /
                                 (1.0 - std::exp(-2.0 * n * pi));
            sum += std::sin(n * pi * x) * ratio / n;
        }
        return 400.0 / pi * sum;
    };
    // (i, j) with row j = 1 at the top: x = (i - 1) / 40, y = 1 - (j - 1) / 40.
    for (const auto& [i, j] : {std::pair{21, 21}, std::pair{21, 11}, std::pair{11, 21},
                               std::pair{21, 31}, std::pair{11, 6}, std::pair{31, 36}}) {
        const double x = (i - 1) / 40.0;
        const double y = 1.0 - (j - 1) / 40.0;
        EXPECT_NEAR(s.Temperature_2D(i, j), series(x, y), 0.05) << "node " << i << ", " << j;
    }
    // The centre is 25 C on any grid: the four rotations of the problem add
    // to a plate held at 100 C all round.
    EXPECT_NEAR(s.Temperature_2D(21, 21), 25.0, 2e-3);
}

TEST(SteadyPlate, InsulatedTopAndBottomGiveOneDimensionalRows) {
    Problem_Definition p = Wall(5, 1, 1);
    p.Y_Grid = 4;
    p.Temp_BC_Left = 100;
    p.Top_BC = p.Bottom_BC = BC_Flux;
    const Steady_2D_Store s = Solve_2D(p);
    const double expected[] = {100, 75, 50, 25, 0};
    for (int j = 1; j <= 4; ++j) {
        for (int i = 1; i <= 5; ++i) {
            EXPECT_NEAR(s.Temperature_2D(i, j), expected[i - 1], 1e-4) << i << "," << j;
        }
    }
}

TEST(SteadyPlate, InsulatedCornerTakesTheFixedEdgesTemperature) {
    Problem_Definition p = Wall(6, 1, 1);
    p.Y_Grid = 5;
    p.Bottom_BC = p.Left_BC = BC_Flux;
    p.Temp_BC_Top = p.Temp_BC_Right = 50;
    const Steady_2D_Store s = Solve_2D(p);
    for (int i = 1; i <= 6; ++i) {
        for (int j = 1; j <= 5; ++j) {
            EXPECT_NEAR(s.Temperature_2D(i, j), 50.0, 1e-3);
        }
    }
}

TEST(SteadyPlate, EqualConvectionOnTopAndBottomBringsTheAmbient) {
    Problem_Definition p = Wall(5, 2, 4);
    p.Y_Grid = 6;
    p.Top_BC = p.Bottom_BC = BC_Convection;
    p.h_BC_Top = p.h_BC_Bottom = 100;
    p.T_Infinity_BC_Top = p.T_Infinity_BC_Bottom = 30;
    p.Left_BC = p.Right_BC = BC_Flux;
    p.Guess_Temp = 80;
    const Steady_2D_Store s = Solve_2D(p);
    for (int i = 1; i <= 5; ++i) {
        for (int j = 1; j <= 6; ++j) {
            EXPECT_NEAR(s.Temperature_2D(i, j), 30.0, 1e-3);
        }
    }
}

TEST(SteadyPlate, GenerationEnergyBalanceWithConvection) {
    // All edges convect to 0 C with equal h; generation g over the plate
    // must leave through the edges.  Sum of the convective losses of the edge
    // cells (half cells along edges, quarter cells... weights 1/2 and corners
    // 1) equals g times the plate area, with unit depth.
    Problem_Definition p = Wall(7, 5, 2);
    p.Y_Grid = 5;
    p.Left_BC = p.Right_BC = p.Top_BC = p.Bottom_BC = BC_Convection;
    p.h_BC_Left = p.h_BC_Right = p.h_BC_Top = p.h_BC_Bottom = 40;
    p.Q_generation = 5000;
    const Steady_2D_Store s = Solve_2D(p);
    const double dx = 0.05;
    const int nx = 7;
    const int ny = 5;
    double loss = 0;
    for (int i = 1; i <= nx; ++i) {
        const double w = (i == 1 || i == nx) ? 0.5 : 1.0;
        loss += 40 * w * dx * (s.Temperature_2D(i, 1) + s.Temperature_2D(i, ny));
    }
    for (int j = 1; j <= ny; ++j) {
        const double w = (j == 1 || j == ny) ? 0.5 : 1.0;
        loss += 40 * w * dx * (s.Temperature_2D(1, j) + s.Temperature_2D(nx, j));
    }
    const double generated = 5000 * (nx - 1) * dx * (ny - 1) * dx;
    EXPECT_NEAR(loss, generated, 1e-3 * generated);
}

TEST(SteadyPlate, SmallestGridHasOneInteriorNode) {
    Problem_Definition p = Wall(3, 1, 1);
    p.Y_Grid = 3;
    p.Temp_BC_Left = 40;
    p.Temp_BC_Right = 80;
    p.Temp_BC_Top = 0;
    p.Temp_BC_Bottom = 0;
    const Steady_2D_Store s = Solve_2D(p);
    // (40 + 80 + 0 + 0)/4
    EXPECT_NEAR(s.Temperature_2D(2, 2), 30.0, 1e-9);
    EXPECT_EQ(s.Temperature_2D(1, 1), 40.0);
    EXPECT_EQ(s.Temperature_2D(3, 3), 80.0);
}

TEST(SteadyPlate, NoSteadyStateEndsAtTheSweepLimit) {
    Problem_Definition p = Wall(4, 1, 1);
    p.Y_Grid = 4;
    p.Left_BC = p.Right_BC = p.Top_BC = p.Bottom_BC = BC_Flux;
    p.Q_BC_Left = 100;
    EXPECT_THROW(Solve_2D(p), Run_Error);
}
