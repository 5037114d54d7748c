#include "input/direct_fallback.h"

#include <gtest/gtest.h>

#include "analysis/direct_solve_cache.h"
#include "common/run_error.h"
#include "file_support.h"
#include "input/report_writer.h"
#include "input/run_driver.h"
#include "test_dialogs.h"

using namespace calorix;

// A wall of 2001 nodes between -10 C and 90 C: the sweeps would need
// millions to settle, so the run ends with the memory message; solved
// directly it is the straight line from -10 to 90 (0.05 C a node), stored
// with the solver's rule that values below 0.01 C are 0, and the report
// says how the values were found.
using Direct_Fallback_Report = file_test::Temp_Folder;

TEST_F(Direct_Fallback_Report, DirectSolutionReplacesAWallThatCannotSettle) {
    Input_Form_State f = Initial_Form_State();
    f.Kind = Kind_Steady_1D;
    f.Tabs[0].X_Grid_Text = "2001";
    f.Tabs[0].Heat_Generation_Text = "0";
    f.Sides[Side_Left].T_Text = "-10";
    f.Sides[Side_Right].Choice = BC_Temperature;
    f.Sides[Side_Right].T_Text = "90";
    Problem_Definition p;
    Result_Stores stores;
    Output_Model out;
    fakes::Scripted_Dialogs dialogs;
    ASSERT_EQ(Run_Calculation(f, p, stores, out, dialogs), Run_Outcome::Failed);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    ASSERT_TRUE(Iteration_Did_Not_Settle(Kind_Steady_1D, stores));
    EXPECT_FALSE(Iteration_Did_Not_Settle(Kind_Steady_2D, stores));

    ASSERT_TRUE(Solve_Directly(p, Kind_Steady_1D, stores, out, nullptr).solved);
    const Node_Line& t = stores.Steady_1D.Temperature_1D;
    EXPECT_EQ(t(200), 0.0);  // -0.05 C
    EXPECT_EQ(t(201), 0.0);  // 0 C
    EXPECT_NEAR(t(202), 0.05, 1e-9);
    EXPECT_NEAR(t(1001), 40.0, 1e-9);
    EXPECT_EQ(out.Method_Note, Direct_Solution_Note);
    // The results window takes the unclamped answer from the store instead
    // of solving the equations again.
    const std::shared_ptr<Direct_Solve_Cache> cache = Run_Solve_Cache(p, stores, out);
    EXPECT_NEAR(cache->Get()->values[199], -0.05, 1e-9);  // node 200
    EXPECT_EQ(cache->Solves(), 0);

    ASSERT_TRUE(Print_To_File(Path("wall.out"), f, p, out).Written);
    EXPECT_NE(file_test::Bytes(Path("wall.out"))
                  .find("Number of Nodes in x Direction = 2001\r\n" +
                        std::string(Direct_Solution_Note) + "\r\n\r\n\r\nBoundary"),
              std::string::npos);
    // A later run that fails before its sweeps is not offered the question.
    f.Tabs[0].X_Grid_Text = "40000";
    ASSERT_EQ(Run_Calculation(f, p, stores, out, dialogs), Run_Outcome::Failed);
    EXPECT_FALSE(Iteration_Did_Not_Settle(Kind_Steady_1D, stores));
    // The next run solved by its sweeps reports as it always did.
    f.Tabs[0].X_Grid_Text = "5";
    ASSERT_EQ(Run_Calculation(f, p, stores, out, dialogs), Run_Outcome::Solved);
    EXPECT_TRUE(out.Method_Note.empty());
}
