#include "analysis/exact_solution.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

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
        // 3 x 3, left and top heated (q dx/k = 40), right and bottom at 0:
        // corner T11 - (T21 + T12)/2 = 40, sides 2a - T11/2 - T22 = 40,
        // centre 4 T22 = 2a, so a = 60, T11 = 100, T22 = 30.
        {"heated corner", Kind_Steady_2D,
         [](Problem_Definition& p) {
             p.X_Grid = p.Y_Grid = 3, p.Conductivity = 1, p.Grid_Size = 10;
             p.Left_BC = p.Top_BC = BC_Flux, p.Q_BC_Left = p.Q_BC_Top = 400;
         },
         [](int i, int j) {
             const double t[3][3] = {{100, 60, 0}, {60, 30, 0}, {0, 0, 0}};
             return t[i - 1][j - 1];
         }},
        // The start-up plate: T = 226.8 (1 - u), u solving the nine interior
        // node equations with the cold side at 1, the others at 0 (by
        // symmetry six unknowns, solved by hand in fractions).
        {"plate with one cold side", Kind_Steady_2D,
         [](Problem_Definition& p) {
             p.X_Grid = p.Y_Grid = 5;
             p.Temp_BC_Left = p.Temp_BC_Right = p.Temp_BC_Top = 226.8;
         },
         [](int i, int j) {
             const double u[3][2] = {
                 {1.0 / 14, 11.0 / 112}, {3.0 / 16, 0.25}, {3.0 / 7, 59.0 / 112}};
             return i == 1 || i == 5 || j == 1 ? 226.8
                    : j == 5                   ? 0.0
                                               : 226.8 * (1 - u[j - 2][i == 3 ? 1 : 0]);
         }},
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

// The largest difference by size, whatever its sign and wherever it lies,
// and the sentence that reports it.
TEST(ExactSolution, LargestDifferenceIsFoundAndReported) {
    const Fd_Grid g = Make_Grid(Problem(3, 2, 10, 1, 0), Kind_Steady_2D, 3, 2);
    std::vector<double> a(g.Node_Count(), 20.0), b = a;
    b[g.At(1, 1)] = 19.5;
    b[g.At(2, 2)] = 22.25;  // the largest, 2.25 C
    b[g.At(3, 2)] = 21;
    const Field_Difference d = Largest_Difference(g, a.data(), b.data());
    EXPECT_EQ(d.largest, 2.25);
    EXPECT_EQ(d.i, 2);
    EXPECT_EQ(d.j, 2);
    b[g.At(1, 2)] = 17;  // now -3 C at node (1, 2)
    const Field_Difference e = Largest_Difference(g, a.data(), b.data());
    EXPECT_EQ(e.largest, 3);
    EXPECT_EQ(e.i, 1);
    EXPECT_EQ(e.j, 2);
    EXPECT_EQ(Iteration_Error_Sentence(g, 2, {0.5, 3, 4}),
              "The Gauss-Seidel result after 2 sweeps differs from the exact solution of its "
              "equations by at most 0.5 C (at node 3, 4).");
}

// A plate insulated on three sides and cooled on the fourth by a tiny h has
// the environment's temperature everywhere, but the matrix is then nearly
// singular.  The direct solve must give that answer or say it cannot, never
// return another field as solved.
TEST(ExactSolution, NearlySingularPlateIsRightOrRefused) {
    struct Case {
        double h;
        bool may_refuse;
    };
    for (const Case c : {Case{1e-6, false}, Case{1e-12, true}, Case{1e-14, true}}) {
        Problem_Definition p = Problem(100, 100, 25, 1, 0);
        p.Left_BC = p.Right_BC = p.Top_BC = BC_Flux;
        p.Bottom_BC = BC_Convection;
        p.h_BC_Bottom = c.h;
        p.T_Infinity_BC_Bottom = 26.8;
        const Fd_Grid g = Make_Grid(p, Kind_Steady_2D, 100, 100);
        const Exact_Solution x = Solve_Node_Equations(g);

        if (!x.solved) {
            EXPECT_TRUE(c.may_refuse) << c.h;
            EXPECT_EQ(x.status, Direct_Status::Ill_Conditioned) << c.h;
            EXPECT_NE(x.message.find("too ill-conditioned to solve directly"), std::string::npos);
            continue;
        }
        for (const double v : x.values) {
            ASSERT_NEAR(v, 26.8, 1e-6) << c.h;
        }
    }
}
