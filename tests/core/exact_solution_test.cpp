#include "output/exact_solution.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "teach_support.h"

using namespace calorix;
using teach_test::Problem;

namespace {

struct Closed_Form {
    const char* name;
    int kind;
    std::function<void(Problem_Definition&)> set;
    std::function<double(int, int)> expected;  // node (i, j)
};

}  // namespace

TEST(ExactSolution, MatchesClosedFormDiscreteAnswers) {
    const Closed_Form cases[] = {
        {"linear wall", Kind_Steady_1D, [](Problem_Definition& p) { p.Temp_BC_Left = 100; },
         [](int i, int) { return 100.0 - 100.0 * (i - 1) / 6.0; }},
        {"convection face, Bi = 1", Kind_Steady_1D,
         [](Problem_Definition& p) {
             p.X_Grid = 3, p.Conductivity = 1, p.Left_BC = BC_Convection;
             p.h_BC_Left = 10, p.T_Infinity_BC_Left = 100;
         },
         [](int i, int) { return (3 - i) * 100.0 / 3.0; }},
        {"flux face", Kind_Steady_1D,
         [](Problem_Definition& p) {
             p.X_Grid = 3, p.Grid_Size = 1, p.Conductivity = 10, p.Left_BC = BC_Flux;
             p.Q_BC_Left = 1000, p.Temp_BC_Right = 20;
         },
         [](int i, int) { return 23.0 - i; }},
        {"parabola with generation", Kind_Steady_1D,
         [](Problem_Definition& p) {
             p.X_Grid = 5, p.Grid_Size = 25, p.Q_generation = 8, p.Conductivity = 1;
         },
         [](int i, int) { return 4.0 * (i - 1) * 0.25 * (1 - (i - 1) * 0.25); }},
        {"uniform plate", Kind_Steady_2D,
         [](Problem_Definition& p) {
             p.Temp_BC_Left = p.Temp_BC_Right = p.Temp_BC_Top = p.Temp_BC_Bottom = 37.5;
         },
         [](int, int) { return 37.5; }},
        {"plate in air above and below, insulated ends", Kind_Steady_2D,
         [](Problem_Definition& p) {
             p.Left_BC = p.Right_BC = BC_Flux;
             p.Top_BC = p.Bottom_BC = BC_Convection;
             p.h_BC_Top = p.h_BC_Bottom = 15, p.T_Infinity_BC_Top = p.T_Infinity_BC_Bottom = 42;
         },
         [](int, int) { return 42.0; }},
        {"plate between two temperatures", Kind_Steady_2D,
         [](Problem_Definition& p) { p.Temp_BC_Left = 120, p.Top_BC = p.Bottom_BC = BC_Flux; },
         [](int i, int) { return 120.0 - 20.0 * (i - 1); }},
    };
    for (const Closed_Form& c : cases) {
        Problem_Definition p = Problem(7, 6, 10, 2, 0);
        c.set(p);
        const int ny = c.kind == Kind_Steady_1D ? 1 : p.Y_Grid;
        const Fd_Grid g = Make_Grid(p, c.kind, static_cast<int>(p.X_Grid), ny);
        const Exact_Solution x = Solve_Node_Equations(g);
        ASSERT_TRUE(x.solved) << c.name;
        for (int i = 1; i <= g.nx; ++i) {
            for (int j = 1; j <= g.ny; ++j) {
                EXPECT_NEAR(x.values[g.At(i, j)], c.expected(i, j), 1e-10)
                    << c.name << " node " << i << ", " << j;
            }
        }
    }
}

TEST(ExactSolution, NoUniqueAnswerWithoutATemperatureLevel) {
    for (const int kind : {Kind_Steady_1D, Kind_Steady_2D}) {
        Problem_Definition p = Problem(4, 4, 10, 1, 0);
        p.Left_BC = p.Right_BC = p.Top_BC = p.Bottom_BC = BC_Flux;
        const Exact_Solution x = Solve_Node_Equations(Make_Grid(p, kind, 4, 4));
        EXPECT_FALSE(x.solved);
        EXPECT_NE(x.message.find("no unique solution"), std::string::npos);
    }
}

TEST(ExactSolution, StartUpPlateErrorIsTheLargestDifferenceFromItsEquations) {
    teach_test::Run r;
    teach_test::Start_Up(Kind_Steady_2D, r);
    const Steady_2D_Store& s = r.stores.Steady_2D;
    // The same plate solved here on its own: three edges at 226.8, the bottom
    // at 0, every node between them the mean of its four neighbours, swept
    // until nothing moves in the last bit.
    double t[6][6];
    for (int i = 1; i <= 5; ++i) {
        for (int j = 1; j <= 5; ++j) {
            t[i][j] = (j == 5 && i > 1 && i < 5) ? 0.0 : 226.8;
        }
    }
    for (int sweep = 0; sweep < 2000; ++sweep) {
        for (int i = 2; i <= 4; ++i) {
            for (int j = 2; j <= 4; ++j) {
                t[i][j] = (t[i - 1][j] + t[i + 1][j] + t[i][j - 1] + t[i][j + 1]) / 4.0;
            }
        }
    }
    double largest = 0;
    int at_i = 0, at_j = 0;
    for (int i = 1; i <= 5; ++i) {
        for (int j = 1; j <= 5; ++j) {
            const double d = std::fabs(s.Temperature_2D(i, j) - t[i][j]);
            if (d > largest) {
                largest = d, at_i = i, at_j = j;
            }
        }
    }
    const Exact_Solution x = Solve_Node_Equations(r.grid);
    ASSERT_TRUE(x.solved);
    const Field_Difference d = Largest_Difference(r.grid, s.Temperature_2D.Data(), x.values.data());
    EXPECT_NEAR(d.largest, largest, 1e-12);
    EXPECT_GT(d.largest, 0);
    EXPECT_LT(d.largest, 1e-5);
    EXPECT_EQ(d.i, at_i);
    EXPECT_EQ(d.j, at_j);
    EXPECT_EQ(Iteration_Error_Sentence(r.grid, 2, {0.5, 3, 4}),
              "The Gauss-Seidel result after 2 sweeps differs from the exact solution of its "
              "equations by at most 0.5 C (at node 3, 4).");
}
