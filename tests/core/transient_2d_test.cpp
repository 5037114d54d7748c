#include "solvers/transient_state_conduction_2d.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "common/run_error.h"
#include "input/run_driver.h"
#include "tests/core/transient_test_support.h"

using namespace calorix;
using transient_test::Scripted_Dialogs;

namespace {

// The nine questions of the stability chain differ only in their condition;
// the second one ends with a blank.
std::string Message(int n) {
    const char* const conditions[9] = {
        "",
        " + 2 x Bi_Left x F0",
        " + 2 x Bi_Right x F0",
        " + 2 x Bi_Bottom x F0",
        " + 2 x Bi_Right x F0 + 2 x Bi_Bottom x F0",
        " + 2 x Bi_Left x F0 + 2 x Bi_Bottom x F0",
        " + 2 x Bi_Top x F0",
        " + 2 x Bi_Right x F0 + 2 x Bi_Top x F0",
        " + 2 x Bi_Left x F0 + 2 x Bi_Top x F0",
    };
    return std::string("Stability condition violated.... 4 x F0") + conditions[n - 1] +
           " must be less than or equal to 1... Do you want to proceed ?" + (n == 2 ? " " : "");
}

// The 2-D transient tab (F = dt, Bi = h / 1000): plate at 50 C with every
// side held at 50 C.
Input_Form_State Plate_Form(const char* nx, const char* ny, const char* dt, const char* steps,
                            bool explicit_scheme = true) {
    return transient_test::Transient_Form(Kind_Transient_2D, nx, ny, dt, steps, explicit_scheme,
                                          "50", "50");
}

Side_Inputs& Side_Of(Input_Form_State& f, int side) {
    return f.Sides[4 * Kind_Transient_2D + side];
}

struct Plate_Run : transient_test::Transient_Run {
    using Transient_Run::Transient_Run;
    double T(int i, int j, int n) const {
        return stores.Transient_2D.Temperature_History_2D(i, j, n);
    }
    int Last() const { return stores.Transient_2D.Temperature_History_2D.Levels() - 1; }
};

// A plate defined directly, for the solver alone (every side kind 2, q = 0).
Problem_Definition Plate(int nx, int ny, double dt, double steps, bool explicit_scheme) {
    Problem_Definition p;
    p.Kind = Kind_Transient_2D;
    p.Grid_Size = 1;
    p.X_Grid = nx;
    p.Y_Grid = static_cast<std::int16_t>(ny);
    p.Conductivity = 10;
    p.Initial_Temp = 50;
    p.Diffusivity = 0.0001;
    p.Time_Step = dt;
    p.Number_Of_Time_Steps = steps;
    p.Explicit_Scheme = explicit_scheme;
    p.Left_BC = p.Right_BC = p.Top_BC = p.Bottom_BC = BC_Flux;
    return p;
}

void Solve(Problem_Definition& p, Result_Stores& stores, Scripted_Dialogs& dialogs) {
    transient_test::Solve_Alone(p, stores, dialogs, Solve_Transient_2D);
}

// Heat content of level n over rho c dx^2: node weights 1 inside, 1/2 on the
// sides, 1/4 at the corners.
double Heat_Content(const Level_Planes& h, int n) {
    double sum = 0;
    for (int i = 1; i <= h.Nx(); ++i) {
        for (int j = 1; j <= h.Ny(); ++j) {
            const double w =
                (i == 1 || i == h.Nx() ? 0.5 : 1.0) * (j == 1 || j == h.Ny() ? 0.5 : 1.0);
            sum += w * h(i, j, n);
        }
    }
    return sum;
}

// Asks the stability check about a state of the store.
std::vector<std::string> Questions_For(double f, double bi_l, double bi_r, double bi_t, double bi_b,
                                       bool answer) {
    Problem_Definition p;
    Result_Stores stores;
    stores.Fourier_Number = f;
    stores.Transient_2D.Bi_Left = bi_l;
    stores.Transient_2D.Bi_Right = bi_r;
    stores.Transient_2D.Bi_Top = bi_t;
    stores.Transient_2D.Bi_Bottom = bi_b;
    Scripted_Dialogs dialogs({answer});
    Check_Stability_2D(p, stores, dialogs);
    for (bool yes_default : dialogs.yes_defaults) {
        EXPECT_TRUE(yes_default);
    }
    return dialogs.questions;
}

}  // namespace

TEST(Transient2DStability, FirstViolatedConditionIsTheOnlyQuestion) {
    struct Case {
        double f, bi_l, bi_r, bi_t, bi_b;
        int message;  // 1..9, 0 for none
    };
    const Case cases[] = {
        {0.3, 0, 0, 0, 0, 1},
        {0.3, 5, 5, 5, 5, 1},
        {0.25, 0, 0, 0, 0, 0},
        {0.25, 0.1, 0, 0, 0, 2},
        {0.2, 0.6, 0, 0.6, 0, 2},
        {0.2, 0, 0.6, 0, 0, 3},
        {0.2, 0, 0, 0, 0.6, 4},
        {0.2, 0, 0.4, 0, 0.4, 5},
        {0.2, 0.4, 0, 0, 0.4, 6},
        {0.2, 0, 0, 1.0, 0, 7},
        {0.2, 0, 0.4, 0.4, 0, 8},
        {0.2, 0.4, 0, 0.4, 0, 9},
        // Each side alone gives exactly 1 and passes; two sides at a corner 1.2.
        {0.2, 0.5, 0.5, 0.5, 0.5, 5},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> asked =
            Questions_For(c.f, c.bi_l, c.bi_r, c.bi_t, c.bi_b, true);
        if (c.message == 0) {
            EXPECT_TRUE(asked.empty()) << c.f << " " << c.bi_l;
        } else {
            ASSERT_EQ(asked.size(), 1u);
            EXPECT_EQ(asked[0], Message(c.message)) << "expected message " << c.message;
        }
    }
}

TEST(Transient2DStability, DeclinedRunWritesNoField) {
    Plate_Run r(Plate_Form("4", "3", "0.3", "5"), {false});
    EXPECT_EQ(r.outcome, Run_Outcome::Declined);
    EXPECT_EQ(r.p.Stability_Message_Flag, 1);
    ASSERT_EQ(r.dialogs.questions.size(), 1u);
    EXPECT_EQ(r.dialogs.questions[0], Message(1));
    // Counts and numbers are stored, the field is not.
    const Transient_2D_Store& s = r.stores.Transient_2D;
    EXPECT_EQ(s.X_Nodes_T2D, 4);
    EXPECT_EQ(s.Y_Nodes_T2D, 3);
    EXPECT_EQ(s.Time_Steps_T2D, 5);
    EXPECT_NEAR(r.stores.Fourier_Number, 0.3, 1e-12);
    EXPECT_EQ(s.Table_Ready_T2D, 0);
    EXPECT_EQ(s.Temperature_T2D(2, 2), 0.0);
    EXPECT_TRUE(r.out.Time_List_Items.empty());
}

TEST(Transient2DStability, AcceptedUnstableRunIsComputed) {
    Input_Form_State f = Plate_Form("5", "5", "0.3", "3");
    Side_Of(f, Side_Left).T_Text = "150";
    Plate_Run r(f, {true});
    EXPECT_EQ(r.outcome, Run_Outcome::Solved);
    EXPECT_EQ(r.dialogs.questions.size(), 1u);
    // The left side is at T0 on level 0, so node (2, 3) first sees it at
    // level 2: 0.3 * (150 + 50 + 50 + 50) + (1 - 1.2) * 50 = 80.
    EXPECT_NEAR(r.T(2, 3, 1), 50.0, 1e-9);
    EXPECT_NEAR(r.T(2, 3, 2), 80.0, 1e-9);
}

TEST(Transient2DStability, BiotNumbersComeFromEveryH) {
    // h = 400 on a kind-1 left side still makes Bi_Left = 0.4; F = 0.2.
    Input_Form_State f = Plate_Form("4", "4", "0.2", "2");
    Side_Of(f, Side_Left).h_Text = "400";
    Side_Of(f, Side_Right).h_Text = "100";
    Side_Of(f, Side_Top).h_Text = "200";
    Side_Of(f, Side_Bottom).h_Text = "300";
    Plate_Run r(f);
    const Transient_2D_Store& s = r.stores.Transient_2D;
    EXPECT_NEAR(s.Bi_Left, 0.4, 1e-12);
    EXPECT_NEAR(s.Bi_Right, 0.1, 1e-12);
    EXPECT_NEAR(s.Bi_Top, 0.2, 1e-12);
    EXPECT_NEAR(s.Bi_Bottom, 0.3, 1e-12);
    // 0.8 + 0.16 = 0.96 passes, 0.8 + 0.04 + 0.12 = 0.96 passes, then
    // 0.8 + 0.16 + 0.12 = 1.08: message 6.
    ASSERT_EQ(r.dialogs.questions.size(), 1u);
    EXPECT_EQ(r.dialogs.questions[0], Message(6));
}

TEST(Transient2DRun, NoStepAndTwoSteps) {
    for (bool explicit_scheme : {true, false}) {
        Input_Form_State f = Plate_Form("4", "5", "0.2", "0.4", explicit_scheme);
        Side_Of(f, Side_Left).T_Text = "90";
        Plate_Run zero(f);
        ASSERT_EQ(zero.outcome, Run_Outcome::Solved);
        const Transient_2D_Store& s = zero.stores.Transient_2D;
        EXPECT_EQ(s.Time_Steps_T2D, 0);
        EXPECT_EQ(s.Temperature_History_2D.Size(), 4u * 5u);
        EXPECT_EQ(zero.out.Time_List_Items, std::vector<std::string>{"0."});
        EXPECT_EQ(zero.T(1, 3, 0), 50.0);  // the kind-1 side is at T0 at level 0
        EXPECT_EQ(s.New_Temperature_T2D(1, 3), 50.0);

        f.Tabs[Kind_Transient_2D].Number_Of_Time_Steps_Text = "2";
        Plate_Run two(f);
        ASSERT_EQ(two.outcome, Run_Outcome::Solved);
        const Transient_2D_Store& t = two.stores.Transient_2D;
        EXPECT_EQ(t.Temperature_History_2D.Size(), 3u * 4u * 5u);
        EXPECT_EQ(two.out.Time_List_Items, (std::vector<std::string>{"0.", "0.2", "0.4"}));
        EXPECT_EQ(two.out.Time_List_Text, "0.4");
        EXPECT_DOUBLE_EQ(two.stores.Delta_Time, 0.2);
        for (int m = 1; m <= 5; ++m) {
            EXPECT_NEAR(t.Location_T2D(m), (m - 1) * 0.01, 1e-15);
        }
        EXPECT_EQ(two.T(1, 3, 0), 50.0);
        EXPECT_EQ(two.T(1, 3, 1), 90.0);
        // Both working planes hold the last level.
        EXPECT_EQ(t.Temperature_T2D(2, 3), two.T(2, 3, 2));
        EXPECT_EQ(t.New_Temperature_T2D(2, 3), two.T(2, 3, 2));
    }
}

TEST(Transient2DCorners, FixedSidesOwnTheirCorners) {
    for (bool explicit_scheme : {true, false}) {
        Input_Form_State f = Plate_Form("5", "4", "0.2", "3", explicit_scheme);
        Side_Of(f, Side_Left).T_Text = "10";
        Side_Of(f, Side_Right).T_Text = "20";
        Side_Of(f, Side_Top).T_Text = "30";
        Side_Of(f, Side_Bottom).T_Text = "40";
        Plate_Run r(f);
        Input_Form_State g = Plate_Form("5", "4", "0.2", "3", explicit_scheme);
        Side_Of(g, Side_Top).T_Text = "70";
        Side_Of(g, Side_Left).Choice = BC_Flux;
        Side_Of(g, Side_Left).q_Text = "5000";
        Plate_Run heated(g);
        ASSERT_EQ(r.outcome, Run_Outcome::Solved);
        ASSERT_EQ(heated.outcome, Run_Outcome::Solved);
        for (int e = 0; e < 20; ++e) {
            EXPECT_EQ(r.T(1 + e % 5, 1 + e / 5, 0), 50.0);
        }
        for (int n = 1; n <= 3; ++n) {
            for (int j = 1; j <= 4; ++j) {
                EXPECT_EQ(r.T(1, j, n), 10.0);
                EXPECT_EQ(r.T(5, j, n), 20.0);
            }
            EXPECT_EQ(r.T(3, 1, n), 30.0);
            EXPECT_EQ(r.T(3, 4, n), 40.0);
            EXPECT_EQ(heated.T(1, 1, n), 70.0);
            EXPECT_GT(heated.T(1, 2, n), 50.0);  // the heated left side warms up
        }
    }
}

TEST(Transient2DBoth, InsulatedTopAndBottomGiveTheLinearProfile) {
    struct Case {
        const char* dt;
        const char* steps;
        bool explicit_scheme;
    };
    for (const Case& c : {Case{"0.25", "999", true}, Case{"1", "300", false}}) {
        Input_Form_State f = Plate_Form("11", "5", c.dt, c.steps, c.explicit_scheme);
        f.Tabs[Kind_Transient_2D].Guess_Initial_Temperature_Text = "0";
        Side_Of(f, Side_Left).T_Text = "100";
        Side_Of(f, Side_Right).T_Text = "0";
        for (int side : {Side_Top, Side_Bottom}) {
            Side_Of(f, side).Choice = BC_Flux;
            Side_Of(f, side).q_Text = "0";
        }
        Plate_Run r(f);
        ASSERT_EQ(r.outcome, Run_Outcome::Solved);
        EXPECT_TRUE(r.dialogs.questions.empty());
        for (int i = 1; i <= 11; ++i) {
            for (int j = 1; j <= 5; ++j) {
                EXPECT_NEAR(r.T(i, j, r.Last()), 100.0 - 10.0 * (i - 1), 1e-3) << i << "," << j;
            }
        }
    }
}

TEST(Transient2DBoth, HeatContentRisesByTheBoundaryFluxAndGeneration) {
    // Heat in per step over rho c dx^2: F dx / k times the flux of each side
    // over its length, (Ny - 1) for the vertical and (Nx - 1) for the
    // horizontal sides, 0.2 * (1 * 4 + (-2) * 4 + 3 * 6 + 0.5 * 6) = 3.4, plus
    // F G1 over the area, 0.2 * 2 * 6 * 4 = 9.6 (G1 in the body, half of it
    // on the sides, G2 = G1 / 2 at the corners).
    for (bool explicit_scheme : {true, false}) {
        Problem_Definition p = Plate(7, 5, 0.2, 20, explicit_scheme);
        p.Q_BC_Left = 1000;  // dx q / k = 1
        p.Q_BC_Right = -2000;
        p.Q_BC_Top = 3000;
        p.Q_BC_Bottom = 500;
        p.Q_generation = 2e5;  // G1 = 1e-4 * 2e5 / 10 = 2
        Result_Stores stores;
        Scripted_Dialogs dialogs;
        Solve(p, stores, dialogs);
        const Level_Planes& h = stores.Transient_2D.Temperature_History_2D;
        const double tolerance = explicit_scheme ? 1e-9 : 5e-3;
        for (int n = 1; n <= 20; ++n) {
            EXPECT_NEAR(Heat_Content(h, n) - Heat_Content(h, n - 1), 13.0, tolerance) << n;
        }
    }
}

TEST(Transient2DExplicit, FirstStepOfConvectionSidesBalancesTheFilmHeat) {
    // From a uniform T0 the first explicit step changes the heat content by
    // F times the film heat of every side over its length:
    // F * sum Bi (T_inf - T0) * length.
    Problem_Definition p = Plate(6, 4, 0.1, 1, true);
    p.Left_BC = p.Right_BC = p.Top_BC = p.Bottom_BC = BC_Convection;
    p.h_BC_Left = 100;    // Bi 0.1
    p.h_BC_Right = 200;   // Bi 0.2
    p.h_BC_Top = 300;     // Bi 0.3
    p.h_BC_Bottom = 400;  // Bi 0.4
    p.T_Infinity_BC_Left = 150;
    p.T_Infinity_BC_Right = 0;
    p.T_Infinity_BC_Top = 80;
    p.T_Infinity_BC_Bottom = 20;
    Result_Stores stores;
    Scripted_Dialogs dialogs;
    Solve(p, stores, dialogs);
    const Level_Planes& h = stores.Transient_2D.Temperature_History_2D;
    const double film = 0.1 * 100 * 3 + 0.2 * -50 * 3 + 0.3 * 30 * 5 + 0.4 * -30 * 5;
    EXPECT_NEAR(Heat_Content(h, 1) - Heat_Content(h, 0), 0.1 * film, 1e-9);
    // The bottom-left corner of the worked case: 2F (T + T + Bi_B T_inf_B +
    // Bi_L T_inf_L) + (1 - 4F - 2 Bi_L F - 2 Bi_B F) T.
    const double corner = 0.2 * (50 + 50 + 0.4 * 20 + 0.1 * 150) + (1 - 0.4 - 0.02 - 0.08) * 50;
    EXPECT_NEAR(h(1, 4, 1), corner, 1e-9);
}

TEST(Transient2DFailures, RunawayExplicitRunEndsWithTheRunMessage) {
    Input_Form_State f = Plate_Form("9", "9", "3", "999");
    Side_Of(f, Side_Left).T_Text = "1000";
    Plate_Run runaway(f, {true});
    EXPECT_EQ(runaway.outcome, Run_Outcome::Failed);
    ASSERT_EQ(runaway.dialogs.messages.size(), 1u);
    EXPECT_EQ(runaway.dialogs.messages[0], Memory_Message);
}

// The bottom-left corner after one explicit step from 50 C everywhere
// (F = 0.2, dx = 1 cm, k = 10: q dx/k = q/1000, Bi = h/1000):
//   2F (T(2,Ny) + T(1,Ny-1) + S_h + S_v + G2) + (1 - 4F - C_h - C_v) T_c.
TEST(Transient2DCorners, ExplicitCornerBalancesByHand) {
    struct Case {
        const char* sides;
        std::int16_t bottom, left;
        const char *q_b, *q_l, *h_b, *h_l, *t_inf_b, *t_inf_l, *g;
        double corner;
    };
    const Case cases[] = {
        // 0.4 (100 + 1 + 2 + G2 = 1) + 0.2 * 50; G2 = g dx^2 / 2k
        {"flux both", BC_Flux, BC_Flux, "1000", "2000", "0", "0", "0", "0", "200000", 51.6},
        // 0.4 (100 + 1 + 0.1 * 100) + (0.2 - 0.04) 50
        {"flux and convection", BC_Flux, BC_Convection, "1000", "0", "0", "100", "0", "100", "0",
         52.4},
    };
    for (const Case& c : cases) {
        Input_Form_State f = Plate_Form("4", "4", "0.2", "1");
        f.Tabs[Kind_Transient_2D].Heat_Generation_Text = c.g;
        Side_Inputs& bottom = Side_Of(f, Side_Bottom);
        Side_Inputs& left = Side_Of(f, Side_Left);
        bottom.Choice = c.bottom;
        left.Choice = c.left;
        bottom.q_Text = c.q_b;
        left.q_Text = c.q_l;
        bottom.h_Text = c.h_b;
        left.h_Text = c.h_l;
        bottom.T_Infinity_Text = c.t_inf_b;
        left.T_Infinity_Text = c.t_inf_l;
        Plate_Run r(f);
        ASSERT_EQ(r.outcome, Run_Outcome::Solved) << c.sides;
        EXPECT_TRUE(r.dialogs.questions.empty()) << c.sides;
        EXPECT_NEAR(r.T(1, 4, 1), c.corner, 1e-9) << c.sides;
    }
}

// One implicit step of a 3 x 3 plate in air on all four sides (F = 1,
// Bi = 0.5, T_inf = 0) from 100 C.  By symmetry the corners share one value
// c, the side nodes e and the centre m:
//   corner c (1 + 4F + 2 Bi F + 2 Bi F) = 2F (2e) + 100  ->  7c = 4e + 100
//   side   e (1 + 4F + 2 Bi F) = F (2m + 2c) + 100       ->  6e = 2m + 2c + 100
//   centre m (1 + 4F) = F (4e) + 100                     ->  5m = 4e + 100
// so e = 5900/114, c = (4e + 100)/7, m = (4e + 100)/5.  The implicit scheme
// asks no stability question even though 4F = 4.
TEST(Transient2DCorners, ImplicitStepOfAPlateInAirByHand) {
    Input_Form_State f = Plate_Form("3", "3", "1", "1", false);
    f.Tabs[Kind_Transient_2D].Guess_Initial_Temperature_Text = "100";
    for (int side = 0; side < 4; ++side) {
        Side_Of(f, side).Choice = BC_Convection;
        Side_Of(f, side).h_Text = "500";
        Side_Of(f, side).T_Infinity_Text = "0";
    }
    Plate_Run r(f);
    ASSERT_EQ(r.outcome, Run_Outcome::Solved);
    EXPECT_TRUE(r.dialogs.questions.empty());
    const double e = 5900.0 / 114;
    EXPECT_NEAR(r.T(1, 1, 1), (4 * e + 100) / 7, 1e-3);
    EXPECT_NEAR(r.T(3, 3, 1), (4 * e + 100) / 7, 1e-3);
    EXPECT_NEAR(r.T(2, 3, 1), e, 1e-3);
    EXPECT_NEAR(r.T(2, 2, 1), (4 * e + 100) / 5, 1e-3);
}
