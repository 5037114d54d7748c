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

class Validation : public ::testing::Test {
  protected:
    Problem_Definition Valid(int kind) {
        Problem_Definition p;
        p.Grid_Size = 1;
        p.Conductivity = 1;
        p.X_Grid = 5;
        p.Y_Grid = 5;
        p.Diffusivity = 1e-5;
        p.Time_Step = 1;
        p.Number_Of_Time_Steps = 10;
        p.Left_BC = p.Right_BC = p.Top_BC = p.Bottom_BC = BC_Temperature;
        p.Kind = kind;
        return p;
    }
};

TEST_F(Validation, FirstFailingTestWinsInOrder) {
    Problem_Definition p = Valid(Kind_Steady_2D);
    EXPECT_EQ(Validation_Message(p, 1), "");
    p.Grid_Size = 0;
    p.Conductivity = 0;
    EXPECT_EQ(Validation_Message(p, 1), "Grid size has to be a positive value");
    p.Grid_Size = 1;
    EXPECT_EQ(Validation_Message(p, 1), "Thermal conductivity  has to be a positive value");
    p.Conductivity = -1;
    EXPECT_EQ(Validation_Message(p, 1), "Thermal conductivity  has to be a positive value");
}

TEST_F(Validation, NodeCounts) {
    const char* nodes = "Number of nodes has to be greater or equal three nodes in each direction";
    Problem_Definition p = Valid(Kind_Steady_2D);
    p.Y_Grid = 2;
    EXPECT_EQ(Validation_Message(p, 1), nodes);
    EXPECT_EQ(Validation_Message(p, 0), "");  // y is not tested for 1-D kinds
    EXPECT_EQ(Validation_Message(p, 2), "");
    EXPECT_EQ(Validation_Message(p, 3), nodes);
    p.Y_Grid = 3;
    p.X_Grid = 2.5;
    EXPECT_EQ(Validation_Message(p, 0), nodes);
    p.X_Grid = 3.2;
    EXPECT_EQ(Validation_Message(p, 0), "");
}

TEST_F(Validation, TransientChecksOnlyForTransientKinds) {
    Problem_Definition p = Valid(Kind_Steady_1D);
    p.Diffusivity = 0;
    p.Time_Step = 0;
    EXPECT_EQ(Validation_Message(p, 0), "");
    EXPECT_EQ(Validation_Message(p, 2), "Thermal diffusivity has to be a positive value");
    p.Diffusivity = 1;
    EXPECT_EQ(Validation_Message(p, 3), "Time step has to be a positive value");
    p.Time_Step = 1;
    p.Number_Of_Time_Steps = 0;
    EXPECT_EQ(Validation_Message(p, 2), "Number of time steps has to be a positive value");
    p.Number_Of_Time_Steps = 1000;
    EXPECT_EQ(Validation_Message(p, 2), "Number of time steps has to be less than 1000");
    p.Number_Of_Time_Steps = 999.5;
    EXPECT_EQ(Validation_Message(p, 3), "Number of time steps has to be less than 1000");
    p.Number_Of_Time_Steps = 999;
    EXPECT_EQ(Validation_Message(p, 2), "");
    p.Number_Of_Time_Steps = 0.3;  // rounds to no step at all, but is positive
    EXPECT_EQ(Validation_Message(p, 2), "");
}

TEST_F(Validation, FourFluxSidesHaveNoSteadyState) {
    const char* none = "There is no steady state solution for this problem";
    Problem_Definition p = Valid(Kind_Steady_2D);
    p.Left_BC = p.Right_BC = p.Top_BC = p.Bottom_BC = BC_Flux;
    EXPECT_EQ(Validation_Message(p, 1), none);
    EXPECT_EQ(Validation_Message(p, 3), none);
    p.Bottom_BC = BC_Convection;
    EXPECT_EQ(Validation_Message(p, 1), "");
}
