#include "analysis/heat_balance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "solvers/steady_state_conduction_1d.h"
#include "solvers/steady_state_conduction_2d.h"
#include "solvers/transient_state_conduction_1d.h"
#include "teach_support.h"

using namespace calorix;
using teach_test::Problem;

namespace {

struct Side_Setup {
    std::int16_t kind = BC_Temperature;
    double value = 0;  // T (kind 1), q (kind 2) or T_inf (kind 3)
    double h = 0;
};

// A steady run of sides left, right, top, bottom, solved by the program's
// own solver (into `st` when given); the balance is taken from the field the
// instruments read.
Heat_Balance Solve(Problem_Definition p, const std::array<Side_Setup, 4>& sides,
                   Result_Stores* into = nullptr) {
    std::int16_t* kind[4] = {&p.Left_BC, &p.Right_BC, &p.Top_BC, &p.Bottom_BC};
    double* t[4] = {&p.Temp_BC_Left, &p.Temp_BC_Right, &p.Temp_BC_Top, &p.Temp_BC_Bottom};
    double* q[4] = {&p.Q_BC_Left, &p.Q_BC_Right, &p.Q_BC_Top, &p.Q_BC_Bottom};
    double* h[4] = {&p.h_BC_Left, &p.h_BC_Right, &p.h_BC_Top, &p.h_BC_Bottom};
    double* ti[4] = {&p.T_Infinity_BC_Left, &p.T_Infinity_BC_Right, &p.T_Infinity_BC_Top,
                     &p.T_Infinity_BC_Bottom};
    for (int s = 0; s < 4; ++s) {
        *kind[s] = sides[s].kind;
        *t[s] = *q[s] = *ti[s] = sides[s].value;
        *h[s] = sides[s].h;
    }
    Result_Stores own;
    Result_Stores& st = into != nullptr ? *into : own;
    const int kind_of_run = p.Y_Grid == 1 ? Kind_Steady_1D : Kind_Steady_2D;
    if (kind_of_run == Kind_Steady_1D) {
        Dimension_Steady_1D(p, st);
        Solve_Steady_State_1D(p, st.Steady_1D);
    } else {
        Dimension_Steady_2D(p, st);
        Solve_Steady_State_2D(p, st.Steady_2D);
    }
    return Side_Balance(Run_Grid(p, st, kind_of_run), Instrument_Field(st, kind_of_run));
}

const Side_Setup Held_0{BC_Temperature, 0}, Insulated{BC_Flux, 0};

}  // namespace

TEST(HeatBalance, HeldPlateWithGenerationAndAFluxSide) {
    // 1 m square, 5 x 5 nodes, every side at 0 C, g = 100 W/m^3: the plate
    // makes 100 W per metre of depth and by symmetry each side carries a
    // quarter of it out.
    const Problem_Definition p = Problem(5, 5, 25, 1, 100);
    Heat_Balance b = Solve(p, {Held_0, Held_0, Held_0, Held_0});
    EXPECT_NEAR(b.generated, 100, 1e-12);
    for (int s = 0; s < 4; ++s) {
        EXPECT_NEAR(b.sides[s].rate, -25, 1e-4) << s;
    }
    EXPECT_NEAR(b.sum, 0, 1e-4);
    // The left side takes in q = 1000 W/m^2 over its whole metre, its ends
    // at the held top and bottom included.
    b = Solve(Problem(5, 5, 25, 1, 0), {Side_Setup{BC_Flux, 1000}, Held_0, Held_0, Held_0});
    EXPECT_DOUBLE_EQ(b.sides[Side_Left].rate, 1000);
    EXPECT_NEAR(b.sum, 0, 1e-3);
}

TEST(HeatBalance, WinterWallReadsTheUnclampedSolution) {
    // 0.2 m of k = 0.7 between air at -10 C (h = 25) and 20 C (h = 8):
    // U = 1 / (1/25 + 0.2/0.7 + 1/8) = 2.2187 W/m^2K, 30 K across, so
    // 66.56 W/m^2 enters on the warm side and leaves on the cold one.  The
    // cold face sits at -10 + 66.56/25 = -7.34 C and the wall warms by
    // 66.56/0.7 * 0.02 = 1.90 C a node: nodes 1-4 are below 0.01 C.
    Result_Stores st;
    const Heat_Balance b =
        Solve(Problem(11, 1, 2, 0.7, 0),
              {Side_Setup{BC_Convection, -10, 25}, Side_Setup{BC_Convection, 20, 8}, {}, {}}, &st);
    const double q = 30.0 / (1.0 / 25 + 0.2 / 0.7 + 1.0 / 8);
    EXPECT_NEAR(b.sides[Side_Left].rate, -q, 1e-3);
    EXPECT_NEAR(b.sides[Side_Right].rate, q, 1e-3);
    EXPECT_NEAR(b.sum, 0, 1e-3);
    EXPECT_EQ(b.faces_left_out, 2);  // no generation: nothing to leave out
    EXPECT_EQ(b.left_out, 0);
    EXPECT_EQ(Nodes_Stored_As_Zero(st, Kind_Steady_1D), 4);
    EXPECT_EQ(st.Steady_1D.Temperature_1D(1), 0);  // the stored result keeps its clamp
    EXPECT_NEAR(Instrument_Field(st, Kind_Steady_1D)[0], -10 + q / 25, 1e-4);
}

TEST(HeatBalance, EveryKindOfCorner) {
    // Linear fields solve every node equation exactly.  0.4 m x 0.3 m,
    // k = 2: held 100 / held 0 conducts 2 * 100 / 0.4 * 0.3 = 150 W/m; a
    // flux of 500 W/m^2 brings 150; convection h = 10 from 100 C through
    // the plate to 0 C passes 100 / (1/10 + 0.4/2) * 0.3 = 100.  Insulated
    // sides, flux or convection with h = 0, carry nothing, at their corners
    // too.
    const Side_Setup air{BC_Convection, 100, 10}, still_air{BC_Convection, 50, 0};
    struct Corner_Case {
        std::array<Side_Setup, 4> sides;
        double through;  // in on the left, out on the right
    } cases[] = {
        {{Side_Setup{BC_Temperature, 100}, Held_0, Insulated, Insulated}, 150},  // held/flux
        {{Side_Setup{BC_Flux, 500}, Held_0, Insulated, Insulated}, 150},         // flux/flux
        {{air, Held_0, still_air, Insulated}, 100},  // convection/convection, convection/flux,
                                                     // held/convection
    };
    for (const Corner_Case& c : cases) {
        const Heat_Balance b = Solve(Problem(5, 4, 10, 2, 0), c.sides);
        EXPECT_NEAR(b.sides[Side_Left].rate, c.through, 1e-3) << c.through;
        EXPECT_NEAR(b.sides[Side_Right].rate, -c.through, 1e-3) << c.through;
        EXPECT_NEAR(b.sides[Side_Top].rate, 0, 1e-3) << c.through;
        EXPECT_NEAR(b.sides[Side_Bottom].rate, 0, 1e-3) << c.through;
    }
    // Held/held at different temperatures, 3 x 3, left 100, others 0, k = 1:
    // the centre is 25.  Left side: its middle cell sends 2*100 - (25 + 50
    // + 50) = 75 in; each left corner (held at 100) passes 100 - (0 + 50)/1
    // = 50 on, half to each side: left 125, top and bottom -75 + 25 = -50,
    // right -25.
    const Heat_Balance b =
        Solve(Problem(3, 3, 10, 1, 0), {Side_Setup{BC_Temperature, 100}, Held_0, Held_0, Held_0});
    const double expected[4] = {125, -25, -50, -50};
    for (int s = 0; s < 4; ++s) {
        EXPECT_NEAR(b.sides[s].rate, expected[s], 1e-4) << s;
    }
}

TEST(HeatBalance, LargeHTendsToTheHeldSide) {
    // 3 x 3, left in air at 100 C, others held at 0, k = 1, dx = 0.1 m.
    // With Bi = 0.1 h the left middle node is T = 100 Bi / (Bi + 1.75)
    // and the centre T/4.  Its cell takes in Bi (100 - T) = 175 Bi /
    // (Bi + 1.75); each left corner, held at 0 by the top or bottom, passes
    // on T/2, of which the air side takes Bi/(2 + Bi) : 1 + Bi/(2 + Bi).
    // As h grows the left side tends to 125, the held plate's answer above.
    for (const double h : {1e6, 1e15}) {
        const double bi = 0.1 * h, t = 100 * bi / (bi + 1.75);
        const double corner = -t / 2 * bi / (2 + 2 * bi);
        const Heat_Balance b = Solve(Problem(3, 3, 10, 1, 0),
                                     {Side_Setup{BC_Convection, 100, h}, Held_0, Held_0, Held_0});
        EXPECT_NEAR(b.sides[Side_Left].rate, 175 * bi / (bi + 1.75) + 2 * corner, 1e-4) << h;
        EXPECT_NEAR(b.sum, 0, 1e-4) << h;
    }
    // Wall, 5 nodes of 0.25 m, k = 1, air at 100 C with h = 1e15 on the
    // left, 0 C on the right: 100 / (1/h + 1) = 100 W/m^2 through.
    const Heat_Balance w =
        Solve(Problem(5, 1, 25, 1, 0), {Side_Setup{BC_Convection, 100, 1e15}, Held_0, {}, {}});
    EXPECT_NEAR(w.sides[Side_Left].rate, 100, 1e-4);
    EXPECT_NEAR(w.sides[Side_Right].rate, -100, 1e-4);
}

TEST(HeatBalance, WallRatesConvergeToTheExactProfileAndNameWhatTheFacesLeaveOut) {
    // k = 1, g = 8, L = 1 m, held at 0 on the left, air at 0 C with h = 2 on
    // the right: T = -4x^2 + 16x/3 (h T(1) = -T'(1)), so 8/3 W/m^2 leaves
    // through the air side and 16/3 through the held side.  The convection
    // face equation carries no half cell: g dx/2 is left out, and the error
    // halves with the grid.
    double last_error = 1e9;
    for (const double grid : {25.0, 12.5, 6.25, 3.125}) {
        const int n = static_cast<int>(100 / grid) + 1;
        const Heat_Balance b =
            Solve(Problem(n, 1, grid, 1, 8), {Held_0, Side_Setup{BC_Convection, 0, 2}, {}, {}});
        EXPECT_NEAR(b.generated, 8, 1e-12);
        EXPECT_EQ(b.faces_left_out, 1);
        EXPECT_NEAR(b.left_out, 8 * grid / 200, 1e-12);
        EXPECT_NEAR(b.remainder, 0, 1e-3) << grid;  // the sweeps' convergence
        const double error = std::fabs(b.sides[Side_Left].rate + 16.0 / 3) +
                             std::fabs(b.sides[Side_Right].rate + 8.0 / 3);
        EXPECT_LT(error, 0.55 * last_error) << grid;
        last_error = error;
    }
    EXPECT_LT(last_error, 0.13);  // about g dx/2 at dx = 3.125 cm
}

TEST(HeatBalance, TransientWallStoresWhatFlowsIn) {
    // 3 nodes of 0.01 m, k = 1, faces at 0, starting at 100, F0 = 0.5,
    // explicit: levels 0, 100, 0 then 0, 0, 0 twice.  The middle cell
    // (k/alpha = 1e4 J/m^3K) loses 1e4 * 0.01 * 100 = 1e4 J/m^2 in the first
    // 0.5 s, drawn by the two faces at (k/dx) * 100 = 1e4 W/m^2 each.
    Problem_Definition p = Problem(3, 1, 1, 1, 0);
    p.Kind = Kind_Transient_1D;
    p.Initial_Temp = 100;
    p.Diffusivity = 1e-4;
    p.Time_Step = 0.5;
    p.Number_Of_Time_Steps = 2;
    p.Explicit_Scheme = true;
    Result_Stores s;
    Dimension_Transient_1D(p, s);
    fakes::Scripted_Dialogs dialogs;
    Solve_Transient_1D(p, s, dialogs);
    const Fd_Grid g = Run_Grid(p, s, Kind_Transient_1D);
    const Heat_Balance b =
        Step_Balance(g, Level_Field(s, Kind_Transient_1D, 1), Level_Field(s, Kind_Transient_1D, 2));
    EXPECT_NEAR(b.sides[Side_Left].rate, -1e4, 1e-6);
    EXPECT_NEAR(b.sides[Side_Right].rate, -1e4, 1e-6);
    EXPECT_NEAR(b.storage_rate, -2e4, 1e-6);
    EXPECT_NEAR(b.remainder, 0, 1e-6);
    const Cumulative_Balance c = Cumulative_Balance_To(g, s, Kind_Transient_1D, 3);
    EXPECT_NEAR(c.inflow, -1e4, 1e-6);
    EXPECT_NEAR(c.stored, -1e4, 1e-6);
}

TEST(HeatBalance, StartUpPlateSchemesBalanceStepByStepAndOverTheRun) {
    // The explicit scheme is an exact balance of its cells, step by step; the
    // implicit one balances to its level solve's tolerance.  The held sides
    // jump from the initial 300 C at the first step: that heat passes
    // through them.
    for (const bool explicit_scheme : {true, false}) {
        teach_test::Run r;
        Input_Form_State form = Initial_Form_State();
        form.Kind = Kind_Transient_2D;
        form.Tabs[Kind_Transient_2D].Explicit_Option = explicit_scheme;
        form.Sides[4 * Kind_Transient_2D + Side_Top].Choice = BC_Convection;  // the air it offers
        fakes::Scripted_Dialogs dialogs;
        ASSERT_EQ(Run_Calculation(form, r.p, r.stores, r.out, dialogs), Run_Outcome::Solved);
        const Fd_Grid g = Run_Grid(r.p, r.stores, Kind_Transient_2D);
        const int last = Last_Level(r.stores, Kind_Transient_2D);
        const Heat_Balance b = Step_Balance(g, Level_Field(r.stores, Kind_Transient_2D, last - 1),
                                            Level_Field(r.stores, Kind_Transient_2D, last));
        const double tolerance = explicit_scheme ? 1e-9 : 1e-2;
        EXPECT_LT(std::fabs(b.remainder), tolerance * std::fabs(b.sum)) << explicit_scheme;
        const Cumulative_Balance c = Cumulative_Balance_To(g, r.stores, Kind_Transient_2D, last);
        EXPECT_LT(c.stored, 0);
        EXPECT_LT(std::fabs(c.inflow - c.stored), tolerance * std::fabs(c.stored))
            << explicit_scheme;
    }
}
