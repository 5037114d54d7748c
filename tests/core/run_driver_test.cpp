#include "input/run_driver.h"

#include <gtest/gtest.h>

#include <new>

#include "common/run_error.h"
#include "test_dialogs.h"

using namespace calorix;

namespace {

struct Driver_Run {
    Problem_Definition problem;
    Result_Stores stores;
    Output_Model out;
    fakes::Scripted_Dialogs dialogs;
    Run_Outcome Go(const Input_Form_State& f) {
        return Run_Calculation(f, problem, stores, out, dialogs);
    }
};

}  // namespace

// Every side starts as "Constant Temperature": three at 226.8 and the bottom
// with an empty box, 0 C (its h and T_infinity boxes are filled but unused).
// The left and right edges own the corners.  The display copies write the
// plain number rule: no zero before the point.
TEST(RunDriver, StartUpPlateAndItsDisplayCopies) {
    Driver_Run r;
    Input_Form_State f = Initial_Form_State();
    f.Tabs[1].Grid_Size_Text = "0.5";
    ASSERT_EQ(r.Go(f), Run_Outcome::Solved);
    EXPECT_TRUE(r.dialogs.messages.empty());
    EXPECT_EQ(r.out.Kind, Kind_Steady_2D);
    const Node_Plane& t = r.stores.Steady_2D.Temperature_2D;
    EXPECT_EQ(t(3, 1), 226.8);
    EXPECT_EQ(t(3, 5), 0.0);
    EXPECT_EQ(t(1, 5), 226.8);
    EXPECT_EQ(r.out.Draw_Flag, 1);
    EXPECT_EQ(r.stores.Picture_Upper_X, 2500);  // below 100 nodes
    EXPECT_EQ(r.stores.Picture_Upper_Y, 2500);
    EXPECT_EQ(r.out.Display_Text[Box_Grid_Size], " .5");
    EXPECT_EQ(r.out.Display_Text[Box_Thermal_Conductivity], " 1");
    EXPECT_EQ(r.out.Display_Text[Box_Y_Grid], " 5");
    EXPECT_TRUE(r.out.Y_Grid_Visible);
    EXPECT_FALSE(r.out.Transient_Frame_Visible);
    EXPECT_EQ(r.out.Side_Label_Caption[0], "Constant Temperature");

    f.Sides[7].Choice = BC_Convection;
    ASSERT_EQ(r.Go(f), Run_Outcome::Solved);
    EXPECT_EQ(r.out.Side_Label_Caption[3], "Convection Environment");
}

// Tab 0: 200 C on the left, 0 C on the right (empty box), g = 200, k = 50,
// dx = 0.1: T = 200 (1 - x/L) + g x (L - x) / 2k.
TEST(RunDriver, OneDimensionalSteadyRun) {
    Driver_Run r;
    Input_Form_State f = Initial_Form_State();
    f.Kind = Kind_Steady_1D;
    ASSERT_EQ(r.Go(f), Run_Outcome::Solved);
    const Steady_1D_Store& s = r.stores.Steady_1D;
    ASSERT_EQ(s.Nodes_1D, 5);
    for (int i = 1; i <= 5; ++i) {
        const double x = (i - 1) * 0.1;
        EXPECT_NEAR(s.Temperature_1D(i), 200 * (1 - x / 0.4) + 200 * x * (0.4 - x) / 100, 1e-5);
    }
    EXPECT_FALSE(r.out.Y_Grid_Visible);
}

TEST(RunDriver, ValidationFailureSolvesNothing) {
    Driver_Run r;
    Input_Form_State f = Initial_Form_State();
    f.Tabs[1].Grid_Size_Text = "";
    f.Tabs[1].Thermal_Conductivity_Text = "0";
    EXPECT_EQ(r.Go(f), Run_Outcome::Invalid_Input);
    EXPECT_EQ(r.dialogs.messages, std::vector<std::string>{"Grid size has to be a positive value"});
    EXPECT_EQ(r.problem.Input_Message_Flag, 1);
    EXPECT_EQ(r.stores.Steady_2D.Temperature_2D.Size(), 0u);

    // A good run afterwards resets the flag.
    EXPECT_EQ(r.Go(Initial_Form_State()), Run_Outcome::Solved);
    EXPECT_EQ(r.problem.Input_Message_Flag, 0);
}

TEST(RunDriver, RunFailuresShowTheOneMemoryMessage) {
    auto expect_failure = [](Input_Form_State f) {
        Driver_Run r;
        EXPECT_EQ(r.Go(f), Run_Outcome::Failed);
        EXPECT_EQ(r.dialogs.messages, std::vector<std::string>{Memory_Message});
    };
    Input_Form_State f = Initial_Form_State();
    f.Tabs[1].Y_Grid_Text = "1311";  // 25*Y+1 overflows 16 bits
    expect_failure(f);
    f.Tabs[1].Y_Grid_Text = "40000";  // not even a 16-bit node count
    expect_failure(f);
    f = Initial_Form_State();
    f.Tabs[1].X_Grid_Text = "3";
    f.Tabs[1].Y_Grid_Text = "100";  // the location list, sized from x, cannot hold y
    expect_failure(f);
    f = Initial_Form_State();
    f.Kind = Kind_Steady_1D;
    f.Tabs[0].X_Grid_Text = "40000";
    expect_failure(f);
    // Two heated faces: validation lets it through on tab 0 (top and bottom
    // are fixed), the sweeps never settle and the 32768th sweep ends it.
    f = Initial_Form_State();
    f.Kind = Kind_Steady_1D;
    f.Sides[0].Choice = f.Sides[1].Choice = BC_Flux;
    f.Sides[0].q_Text = f.Sides[1].q_Text = "1000";
    expect_failure(f);
    // A number beyond the double range cannot be read, on every tab, even
    // in a box the chosen conditions leave unused.
    for (int kind : {Kind_Steady_1D, Kind_Steady_2D, Kind_Transient_1D, Kind_Transient_2D}) {
        SCOPED_TRACE(kind);
        f = Initial_Form_State();
        f.Kind = kind;
        f.Sides[4 * kind + Side_Left].Choice = BC_Temperature;
        f.Sides[4 * kind + Side_Left].T_Text = "1e999";
        expect_failure(f);
        f = Initial_Form_State();
        f.Kind = kind;
        f.Sides[4 * kind + Side_Right].h_Text = "-2e400";
        expect_failure(f);
    }
    // It is found before validation would complain about the conductivity.
    f = Initial_Form_State();
    f.Tabs[1].Thermal_Conductivity_Text = "0";
    f.Tabs[1].Heat_Generation_Text = "1D999";
    expect_failure(f);
    // Tiny exponents are only zero.
    f = Initial_Form_State();
    f.Tabs[1].Heat_Generation_Text = "1e-999";
    Driver_Run tiny;
    EXPECT_EQ(tiny.Go(f), Run_Outcome::Solved);
    EXPECT_EQ(tiny.problem.Q_generation, 0.0);
}

// The bounds are 25 nodes per node plus one; a rerun replaces the results of
// its kind, and only the nodes are allocated, not the 3001 x 126 spare room.
TEST(RunDriver, StoreBoundsAndRerun) {
    EXPECT_EQ(Upper_Bound_X(5), 126);
    EXPECT_EQ(Upper_Bound_X(120), 3001);
    EXPECT_EQ(Upper_Bound_Y(1310), 32751);
    EXPECT_THROW(Upper_Bound_Y(1311), Run_Error);
    EXPECT_THROW(Upper_Bound_X(1e10), Run_Error);
    EXPECT_NO_THROW(Require_Memory(1e6));
    EXPECT_THROW(Require_Memory(1e15), Run_Error);

    Driver_Run r;
    Input_Form_State f = Initial_Form_State();
    ASSERT_EQ(r.Go(f), Run_Outcome::Solved);
    f.Tabs[1].X_Grid_Text = "120";
    f.Sides[7].T_Text = "226.8";  // a quick uniform-field plate
    ASSERT_EQ(r.Go(f), Run_Outcome::Solved);
    EXPECT_EQ(r.stores.Picture_Upper_X, 3001);
    EXPECT_EQ(r.stores.Picture_Upper_Y, 126);
    EXPECT_EQ(r.stores.Steady_2D.Temperature_2D.Size(), 120u * 5u);
    EXPECT_EQ(r.out.Output_Table.Cols(), 121);
}

// A run whose history takes terabytes ends with the run message, and an
// allocation that cannot be made is a std::bad_alloc, which the driver turns
// into the same message, leaving an empty store behind.
TEST(RunDriver, AllocationsBeyondTheMachineEndWithTheMemoryMessage) {
    Driver_Run r;
    Input_Form_State f = Initial_Form_State();
    f.Kind = Kind_Transient_2D;
    f.Tabs[3].X_Grid_Text = "3000";
    f.Tabs[3].Y_Grid_Text = "1300";
    f.Tabs[3].Number_Of_Time_Steps_Text = "999";
    EXPECT_EQ(r.Go(f), Run_Outcome::Failed);
    EXPECT_EQ(r.dialogs.messages, std::vector<std::string>{Memory_Message});

    Level_Planes history;
    history.Dimension(2, 3, 3);
    EXPECT_THROW(history.Dimension(1 << 30, 1 << 30, 1 << 3), std::bad_alloc);
    EXPECT_EQ(history.Size(), 0u);
}
