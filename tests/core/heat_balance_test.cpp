#include "analysis/heat_balance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "solvers/steady_state_conduction_1d.h"
#include "solvers/steady_state_conduction_2d.h"
#include "teach_support.h"

using namespace calorix;
using teach_test::Problem;

TEST(HeatBalance, WallBetweenTwoTemperaturesConductsKDeltaTOverL) {
    // k = 2, L = 4 x 0.1 m, 100 -> 0 C: k*dT/L = 500 W/m^2 in on the left,
    // out on the right.
    Problem_Definition p = Problem(5, 1, 10, 2, 0);
    p.Temp_BC_Left = 100;
    const Fd_Grid g = Make_Grid(p, Kind_Steady_1D, 5, 1);
    const std::vector<double> t = {100, 75, 50, 25, 0};
    const Heat_Balance b = Side_Balance(g, t.data());
    EXPECT_NEAR(b.sides[Side_Left].rate, 500, 1e-9);
    EXPECT_NEAR(b.sides[Side_Right].rate, -500, 1e-9);
    EXPECT_FALSE(b.sides[Side_Top].present);
    EXPECT_NEAR(b.imbalance, 0, 1e-9);
    EXPECT_EQ(b.sides[Side_Left].links, 1);
}

TEST(HeatBalance, StartUpPlateClosesToTheConvergenceError) {
    teach_test::Run r;
    teach_test::Start_Up(Kind_Steady_2D, r);
    const Heat_Balance b = Side_Balance(r.grid, Steady_Field(r.stores, Kind_Steady_2D));
    EXPECT_GT(b.largest, 100.0);
    EXPECT_LT(std::fabs(b.imbalance), 1e-3 * b.largest);
    // Heat comes in at the three edges at 226.8 C and leaves through the
    // bottom at 0 C, from its three nodes between the corners (the left and
    // right edges hold the corners).
    EXPECT_GT(b.sides[Side_Left].rate, 0);
    EXPECT_NEAR(b.sides[Side_Left].rate, b.sides[Side_Right].rate, 1e-3);
    EXPECT_LT(b.sides[Side_Bottom].rate, 0);
    EXPECT_EQ(b.sides[Side_Bottom].links, 3);
    EXPECT_EQ(b.sides[Side_Bottom].cells, 0);
}

TEST(HeatBalance, GenerationLeavesThroughFourConvectionSides) {
    // 0.4 m x 0.4 m plate, g = 1000 W/m^3: 160 W per metre of depth.
    Problem_Definition p = Problem(5, 5, 10, 10, 1000);
    p.Left_BC = p.Right_BC = p.Top_BC = p.Bottom_BC = BC_Convection;
    p.h_BC_Left = p.h_BC_Right = p.h_BC_Top = p.h_BC_Bottom = 20;
    p.T_Infinity_BC_Left = p.T_Infinity_BC_Right = p.T_Infinity_BC_Top = p.T_Infinity_BC_Bottom =
        20;
    Result_Stores s;
    Dimension_Steady_2D(p, s);
    Solve_Steady_State_2D(p, s.Steady_2D);
    const Fd_Grid g = Run_Grid(p, s, Kind_Steady_2D);
    const Heat_Balance b = Side_Balance(g, s.Steady_2D.Temperature_2D.Data());
    EXPECT_NEAR(b.generated, 160, 1e-9);
    EXPECT_NEAR(b.imbalance, 0, 1e-3);
    for (int side = 0; side < 4; ++side) {
        EXPECT_NEAR(b.sides[side].rate, -40, 1e-3) << side;  // symmetric plate
        EXPECT_EQ(b.sides[side].cells, 5);
    }
}

TEST(HeatBalance, TransientStepStoresWhatFlowsIn) {
    // Wall of 3 nodes, faces at 0, initial 100, F0 = 0.5: level 2 is 0, 0, 0
    // (explicit).  The middle cell (0.01 m, k/alpha = 1e4) loses
    // 1e4 * 0.01 * 100 = 1e4 J/m^2 in 0.5 s, the rate the two faces draw out
    // of it at level 1: 2 * (k/dx) * 100 = 2e4 W/m^2.
    Problem_Definition p = Problem(3, 1, 1, 1, 0);
    p.Diffusivity = 1e-4;
    p.Time_Step = 0.5;
    const Fd_Grid g = Make_Grid(p, Kind_Transient_1D, 3, 1);
    const std::vector<double> level1 = {0, 100, 0}, level2 = {0, 0, 0};
    const Step_Balance b = Transient_Step_Balance(g, level1.data(), level1.data(), level2.data());
    EXPECT_NEAR(b.stored, -1e4, 1e-6);
    EXPECT_NEAR(b.storage_rate, -2e4, 1e-6);
    EXPECT_NEAR(b.inflow, -2e4, 1e-6);
    EXPECT_NEAR(b.error, 0, 1e-6);
}

TEST(HeatBalance, SchemesOfTheStartUpPlateBalanceTheirSteps) {
    // The explicit scheme is an exact balance of its cells, step by step; the
    // implicit one balances to its sweep tolerance.
    for (const bool explicit_scheme : {true, false}) {
        teach_test::Run r;
        Input_Form_State form = Initial_Form_State();
        form.Kind = Kind_Transient_2D;
        form.Tabs[Kind_Transient_2D].Explicit_Option = explicit_scheme;
        fakes::Scripted_Dialogs dialogs;
        ASSERT_EQ(Run_Calculation(form, r.p, r.stores, r.out, dialogs), Run_Outcome::Solved);
        const Fd_Grid g = Run_Grid(r.p, r.stores, Kind_Transient_2D);
        const int last = Last_Level(r.stores, Kind_Transient_2D);
        ASSERT_EQ(last, 6);
        const Step_Balance b =
            Transient_Step_Balance(g, Level_Field(r.stores, Kind_Transient_2D, 0),
                                   Level_Field(r.stores, Kind_Transient_2D, last - 1),
                                   Level_Field(r.stores, Kind_Transient_2D, last));
        EXPECT_LT(std::fabs(b.error), (explicit_scheme ? 1e-9 : 1e-2) * std::fabs(b.inflow))
            << explicit_scheme;
        EXPECT_LT(b.stored, 0);  // the 300 C plate cools through its edges at 0 C
    }
}
