#include "common/problem_definition.h"

#include <gtest/gtest.h>

#include "common/run_error.h"

using namespace calorix;

namespace {

Problem_Definition Fill(const Input_Form_State& f) {
    Problem_Definition p;
    Initialize_Inputs(f, p);
    Initialize_Boundary_Conditions(f, p);
    return p;
}

}  // namespace

TEST(ProblemDefinition, StartUpValuesOfTheTwoDimensionalSteadyTab) {
    const Input_Form_State f = Initial_Form_State();
    EXPECT_EQ(f.Kind, Kind_Steady_2D);
    const Problem_Definition p = Fill(f);
    EXPECT_EQ(p.Grid_Size, 25);
    EXPECT_EQ(p.X_Grid, 5);
    EXPECT_EQ(p.Y_Grid, 5);
    EXPECT_EQ(p.Conductivity, 1);
    EXPECT_EQ(p.Guess_Temp, 250);
    EXPECT_EQ(p.Initial_Temp, 250);  // one box serves both
    EXPECT_EQ(p.Left_BC, BC_Temperature);
    EXPECT_EQ(p.Bottom_BC, BC_Temperature);
    EXPECT_EQ(p.Temp_BC_Left, 226.8);
    EXPECT_EQ(p.Temp_BC_Top, 226.8);
    EXPECT_EQ(p.Temp_BC_Bottom, 0);  // the bottom box is empty
    EXPECT_EQ(p.T_Infinity_BC_Bottom, 26.8);
    EXPECT_EQ(p.h_BC_Bottom, 10);
}

TEST(ProblemDefinition, NodesInYRoundHalfToEvenAndKeepTheirLastValue) {
    Input_Form_State f = Initial_Form_State();
    f.Tabs[1].Y_Grid_Text = "3.5";
    EXPECT_EQ(Fill(f).Y_Grid, 4);
    f.Tabs[1].Y_Grid_Text = "2.5";
    EXPECT_EQ(Fill(f).Y_Grid, 2);

    // After a 2-D run and a 1-D run, Y_Grid still holds the 2-D value, and
    // X_Grid stays unrounded.
    Problem_Definition p;
    f.Tabs[1].Y_Grid_Text = "7";
    Initialize_Inputs(f, p);
    f.Kind = Kind_Steady_1D;
    f.Tabs[0].X_Grid_Text = "3.2";
    Initialize_Inputs(f, p);
    EXPECT_EQ(p.Y_Grid, 7);
    EXPECT_DOUBLE_EQ(p.X_Grid, 3.2);

    f.Kind = Kind_Steady_2D;
    f.Tabs[1].Y_Grid_Text = "40000";
    EXPECT_THROW(Initialize_Inputs(f, p), Run_Error);
}

TEST(ProblemDefinition, TransientFieldsOnlyFromTransientTabs) {
    Input_Form_State f = Initial_Form_State();
    Problem_Definition p;
    f.Kind = Kind_Transient_2D;
    f.Tabs[3].Explicit_Option = false;
    Initialize_Inputs(f, p);
    EXPECT_DOUBLE_EQ(p.Diffusivity, 2.344e-6);
    EXPECT_EQ(p.Time_Step, 2);
    EXPECT_EQ(p.Number_Of_Time_Steps, 6);
    EXPECT_FALSE(p.Explicit_Scheme);
    f.Kind = Kind_Steady_1D;
    Initialize_Inputs(f, p);
    EXPECT_EQ(p.Time_Step, 2);  // untouched by a steady fill
}

TEST(ProblemDefinition, HiddenTopAndBottomOfOneDimensionalTabsAreReadToo) {
    Input_Form_State f = Initial_Form_State();
    f.Kind = Kind_Steady_1D;
    f.Sides[2].Choice = BC_Convection;
    f.Sides[2].h_Text = "5";
    f.Sides[3].T_Text = "12abc";
    const Problem_Definition p = Fill(f);
    EXPECT_EQ(p.Top_BC, BC_Convection);
    EXPECT_EQ(p.h_BC_Top, 5);
    EXPECT_EQ(p.Temp_BC_Bottom, 12);
    EXPECT_EQ(p.Temp_BC_Left, 200);
}

// The first failing check wins, in order, on the kinds that make it.  Each
// row starts from a valid problem: grid 1 cm, k = 1, 5 x 5 nodes, alpha =
// 1e-5, dt = 1 s, 10 steps, every side held at a temperature (or, with
// `flux`, every side a flux, the bottom one a convection when flux is 3).
TEST(Validation, FirstFailingCheckWinsOnTheKindsThatMakeIt) {
    const std::string grid = "Grid size has to be a positive value",
                      k = "Thermal conductivity  has to be a positive value",
                      nodes =
                          "Number of nodes has to be greater or equal three nodes in each "
                          "direction",
                      alpha = "Thermal diffusivity has to be a positive value",
                      dt = "Time step has to be a positive value",
                      steps = "Number of time steps has to be a positive value",
                      fewer = "Number of time steps has to be less than 1000",
                      none = "There is no steady state solution for this problem";
    const struct {
        int kind;
        double grid, k, x, y, alpha, dt, steps;
        int flux;
        std::string message;
    } cases[] = {
        {1, 1, 1, 5, 5, 1e-5, 1, 10, 0, ""},
        {1, 0, 0, 5, 5, 1e-5, 1, 10, 0, grid},
        {1, 1, 0, 5, 5, 1e-5, 1, 10, 0, k},
        {1, 1, -1, 5, 5, 1e-5, 1, 10, 0, k},
        {1, 1, 1, 5, 2, 1e-5, 1, 10, 0, nodes},
        {0, 1, 1, 5, 2, 1e-5, 1, 10, 0, ""},  // y is not tested for 1-D kinds
        {2, 1, 1, 5, 2, 1e-5, 1, 10, 0, ""},
        {3, 1, 1, 5, 2, 1e-5, 1, 10, 0, nodes},
        {0, 1, 1, 2.5, 3, 1e-5, 1, 10, 0, nodes},
        {0, 1, 1, 3.2, 3, 1e-5, 1, 10, 0, ""},
        {0, 1, 1, 5, 5, 0, 0, 10, 0, ""},  // transient checks for transient kinds only
        {2, 1, 1, 5, 5, 0, 0, 10, 0, alpha},
        {3, 1, 1, 5, 5, 1, 0, 10, 0, dt},
        {2, 1, 1, 5, 5, 1, 1, 0, 0, steps},
        {2, 1, 1, 5, 5, 1, 1, 1000, 0, fewer},
        {3, 1, 1, 5, 5, 1, 1, 999.5, 0, fewer},
        {2, 1, 1, 5, 5, 1, 1, 999, 0, ""},
        {2, 1, 1, 5, 5, 1, 1, 0.3, 0, ""},  // rounds to no step, but is positive
        {1, 1, 1, 5, 5, 1e-5, 1, 10, 4, none},
        {3, 1, 1, 5, 5, 1e-5, 1, 10, 4, none},
        {1, 1, 1, 5, 5, 1e-5, 1, 10, 3, ""},
    };
    int row = 0;
    for (const auto& c : cases) {
        Problem_Definition p;
        p.Kind = c.kind;
        p.Grid_Size = c.grid;
        p.Conductivity = c.k;
        p.X_Grid = c.x;
        p.Y_Grid = static_cast<std::int16_t>(c.y);
        p.Diffusivity = c.alpha;
        p.Time_Step = c.dt;
        p.Number_Of_Time_Steps = c.steps;
        p.Left_BC = p.Right_BC = p.Top_BC = p.Bottom_BC = c.flux ? BC_Flux : BC_Temperature;
        if (c.flux == 3) {
            p.Bottom_BC = BC_Convection;
        }
        EXPECT_EQ(Validation_Message(p, c.kind), c.message) << "row " << row++;
    }
}
