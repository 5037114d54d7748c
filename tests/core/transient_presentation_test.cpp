// The transient results as the student reads them: the 1-D table of T against
// t and x with its location list and chart, rechoosing the charted location,
// one level of the 2-D history as a plate table, and the time navigation
// rules.  Every expected text below is worked out by hand from the rounding
// and text rules of the program.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/output_model.h"
#include "input/run_driver.h"
#include "solvers/presentation.h"
#include "solvers/result_stores.h"
#include "test_dialogs.h"

using namespace calorix;

namespace {

std::vector<std::string> Row_Of(const Text_Table& t, int row) {
    std::vector<std::string> l;
    for (int c = 1; c < t.Cols(); ++c) {
        l.push_back(t.Cell(row, c));
    }
    return l;
}
std::vector<std::string> Column_Of(const Text_Table& t, int col) {
    std::vector<std::string> l;
    for (int r = 1; r < t.Rows(); ++r) {
        l.push_back(t.Cell(r, col));
    }
    return l;
}

// A 1-D history of n nodes, dx = dx_m, m steps of dt: T(level, i) =
// 20 + level + i / 1000 unless overwritten.
void Fill_1D(Result_Stores& stores, int n, double dx_m, int m, double dt) {
    Transient_1D_Store& s = stores.Transient_1D;
    s.Nodes_T1D = n;
    s.Time_Steps_T1D = static_cast<std::int16_t>(m);
    s.X_Location_T1D.Dimension(n);
    for (int i = 1; i <= n; ++i) {
        s.X_Location_T1D(i) = (i - 1) * dx_m;
    }
    s.Temperature_History_1D.Dimension(1, m + 1, n);
    for (int level = 1; level <= m + 1; ++level) {
        for (int i = 1; i <= n; ++i) {
            s.Temperature_History_1D(level, i) = 20.0 + level + i / 1000.0;
        }
    }
    stores.Delta_Time = dt;
}

// A 2-D history: T(i, j, level) = 100 * level + 10 * i + j.
void Fill_2D(Transient_2D_Store& s, int nx, int ny, double dx_m, int steps) {
    s.X_Nodes_T2D = static_cast<std::int16_t>(nx);
    s.Y_Nodes_T2D = static_cast<std::int16_t>(ny);
    s.Time_Steps_T2D = static_cast<std::int16_t>(steps);
    s.Table_Ready_T2D = 0;
    const int nl = nx > ny ? nx : ny;
    s.Location_T2D.Dimension(nl);
    for (int k = 1; k <= nl; ++k) {
        s.Location_T2D(k) = (k - 1) * dx_m;
    }
    s.New_Temperature_T2D.Dimension(nx, ny);
    s.Temperature_History_2D.Dimension(steps + 1, nx, ny);
    for (int level = 0; level <= steps; ++level) {
        for (int i = 1; i <= nx; ++i) {
            for (int j = 1; j <= ny; ++j) {
                s.Temperature_History_2D(i, j, level) = 100.0 * level + 10.0 * i + j;
            }
        }
    }
}

}  // namespace

TEST(TransientPresentation1D, TableOfTemperatureAgainstTimeAndLocation) {
    Result_Stores stores;
    Fill_1D(stores, 5, 0.01, 10, 0.5);
    Transient_1D_Store& s = stores.Transient_1D;
    s.Temperature_History_1D(3, 2) = 62.456;  // rounds up to two decimals
    s.Temperature_History_1D(1, 1) = 25.0;    // whole: keeps its point
    s.Temperature_History_1D(2, 4) = -3.14159;
    s.Temperature_History_1D(11, 3) = 99.994;  // rounds down
    Output_Model out;
    Display_Transient_1D_Results(stores, out);

    // 10 steps are 11 stored levels from here on.
    EXPECT_EQ(s.Time_Steps_T1D, 11);
    const Text_Table& t = out.Output_Table;
    ASSERT_EQ(t.Rows(), 12);
    ASSERT_EQ(t.Cols(), 6);
    for (int c = 0; c < 6; ++c) {
        EXPECT_EQ(t.Column_Alignment(c), Cell_Alignment::Centre) << c;
    }
    EXPECT_EQ(t.Cell(0, 0), "T(t,x)");
    const std::vector<std::string> x = {"0.", "0.01", "0.02", "0.03", "0.04"};
    EXPECT_EQ(Row_Of(t, 0), x);
    // Row labels and chart labels: the times 0, 0.5, ..., 5 with a blank and
    // no zero before the point.
    const std::vector<std::string> times = {" 0", " .5",  " 1", " 1.5", " 2", " 2.5",
                                            " 3", " 3.5", " 4", " 4.5", " 5"};
    EXPECT_EQ(Column_Of(t, 0), times);

    EXPECT_EQ(t.Cell(1, 1), "25.");
    EXPECT_EQ(t.Cell(3, 2), "62.46");
    EXPECT_EQ(t.Cell(2, 4), "-3.14");
    EXPECT_EQ(t.Cell(11, 3), "99.99");
    EXPECT_EQ(t.Cell(7, 1), "27.");  // 27.001

    // The first chart follows the right face.
    const Chart_Data& c = out.Chart;
    ASSERT_EQ(c.Point_Count(), 11);
    EXPECT_EQ(c.Labels, times);
    // Node 5 at level n: 20 + n + 0.005.
    EXPECT_DOUBLE_EQ(c.Values[0], 21.005);
    EXPECT_DOUBLE_EQ(c.Values[10], 31.005);
    EXPECT_TRUE(c.Label_Ticks);
}

// The charted node is the typed location over the grid size plus one, halves
// going to the even node; off the wall it is the nearer face, named by its own
// location.  Grid 1 cm: 1.4 cm -> 2.4 -> node 2, 0.5 m -> node 51 of 5,
// -0.02 m -> node -1; grid 2 cm: 0.03 m -> 2.5 -> node 2, 0.05 m -> 3.5 -> 4.
TEST(TransientPresentation1D, PickedLocationSelectsTheNearestNode) {
    Result_Stores stores;
    Fill_1D(stores, 5, 0.01, 4, 1.0);
    Output_Model out;
    Display_Transient_1D_Results(stores, out);  // 5 levels from here on
    Chart_Data& c = out.Chart;
    struct Case {
        double grid;
        const char* typed;
        int node;
        bool off;
        const char* title;
    };
    const Case cases[] = {
        {1, "0.", 1, false, "Temperature Vs Time For x = 0. m "},
        {1, "0.04", 5, false, "Temperature Vs Time For x = 0.04 m "},
        {1, " 0.014", 2, false, "Temperature Vs Time For x = 0.014 m "},
        {2, "0.03", 2, false, "Temperature Vs Time For x = 0.03 m "},
        {2, "0.05", 4, false, "Temperature Vs Time For x = 0.05 m "},
        {1, "0.5", 5, true, "Temperature Vs Time For x = 0.04 m "},
        {1, "-0.02", 1, true, "Temperature Vs Time For x = 0. m "},
    };
    for (const Case& k : cases) {
        const Location_Pick pick = Chart_Transient_1D_Location(stores, k.grid, k.typed, c);
        EXPECT_EQ(pick.Node, k.node) << k.typed;
        EXPECT_EQ(pick.Off_The_Wall, k.off) << k.typed;
        EXPECT_EQ(c.Title, k.title);
        EXPECT_EQ(c.Category_Title, "Time (Sec)");
        ASSERT_EQ(c.Point_Count(), 5);
        EXPECT_EQ(c.Labels[4], " 4");
        for (int n = 0; n < 5; ++n) {
            EXPECT_DOUBLE_EQ(c.Values[n], 21.0 + n + 0.001 * k.node) << k.typed;
        }
    }
    // A grid size of zero names no node: the chart keeps its curve.
    const Chart_Data before = c;
    EXPECT_EQ(Chart_Transient_1D_Location(stores, 0.0, "0.02", c).Node, 0);
    EXPECT_EQ(c.Title, before.Title);
}

// Row j is node row j (row 1 the top side), column i node column i.  A later
// level replaces only the values; a new run with another grid lays the
// table out again.
TEST(TransientPresentation2D, LevelTableLayoutThenValues) {
    Transient_2D_Store s;
    Fill_2D(s, 3, 4, 0.05, 2);
    Level_Planes& h = s.Temperature_History_2D;
    h(1, 1, 0) = 100.0;
    h(3, 4, 0) = 25.456;
    h(2, 1, 0) = -3.14159;
    Text_Table t;
    EXPECT_EQ(Show_Transient_2D_Time(s, 1.0, "0", t), 0);
    EXPECT_EQ(s.Table_Ready_T2D, 1);
    ASSERT_EQ(t.Rows(), 5);
    ASSERT_EQ(t.Cols(), 4);
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(t.Column_Alignment(c), Cell_Alignment::Centre);
    }
    EXPECT_EQ(t.Cell(0, 0), "T(x,y)");
    EXPECT_EQ(Row_Of(t, 0), (std::vector<std::string>{"0.", "0.05", "0.1"}));
    EXPECT_EQ(Column_Of(t, 0), (std::vector<std::string>{"0.", "0.05", "0.1", "0.15"}));
    EXPECT_EQ(Row_Of(t, 1), (std::vector<std::string>{"100.", "-3.14", "31."}));
    EXPECT_EQ(Row_Of(t, 4), (std::vector<std::string>{"14.", "24.", "25.46"}));
    EXPECT_EQ(t.Cell(2, 3), "32.");
    // The current cell is left on the last value written.
    EXPECT_EQ(t.Row(), 4);
    EXPECT_EQ(t.Col(), 3);

    // Marks in the headers show whether the layout is written again.
    t.Set_Cell(0, 2, "mark");
    t.Set_Cell(3, 0, "mark");
    EXPECT_EQ(Show_Transient_2D_Time(s, 1.0, "2", t), 2);
    EXPECT_DOUBLE_EQ(s.New_Temperature_T2D(2, 3), 223.0);
    EXPECT_EQ(t.Cell(0, 2), "mark");
    EXPECT_EQ(t.Cell(3, 0), "mark");
    EXPECT_EQ(t.Cell(3, 2), "223.");  // 200 + 20 + 3
    EXPECT_EQ(t.Rows(), 5);

    Fill_2D(s, 6, 2, 0.02, 1);
    Show_Transient_2D_Time(s, 1.0, "1", t);
    ASSERT_EQ(t.Rows(), 3);
    ASSERT_EQ(t.Cols(), 7);
    EXPECT_EQ(t.Cell(0, 6), "0.1");
    EXPECT_EQ(t.Cell(2, 0), "0.02");
    EXPECT_EQ(t.Cell(2, 6), "162.");
}

// Times name levels of dt = 2 s: 5 s is level 2.5 and 7 s level 3.5, halves
// going to the even level; beyond the stored range they are kept inside it,
// and a history shorter than the step count limits the levels too.  Forward
// and fast forward past the last level do not move; rewinds stop at 0.
TEST(TransientPresentation2D, TimesAndStepsStayInsideTheStoredLevels) {
    Transient_2D_Store s;
    Fill_2D(s, 3, 3, 0.1, 6);
    const std::pair<const char*, int> times[] = {{"0.", 0},  {"4.", 2}, {"12.", 6},
                                                 {"5", 2},   {"7", 4},  {"6.9 s", 3},
                                                 {"100", 6}, {"-3", 0}, {"late", 0}};
    for (const auto& [text, level] : times) {
        EXPECT_EQ(Time_Text_Level(s, 2.0, text), level) << text;
    }
    EXPECT_EQ(Last_Stored_Level(s), 6);
    s.Time_Steps_T2D = 9;
    EXPECT_EQ(Last_Stored_Level(s), 6);
    const int steps[][3] = {{5, 1, 6},  {6, 1, 6},  {1, 5, 6},  {2, 5, 2},
                            {4, -1, 3}, {0, -1, 0}, {3, -5, 0}, {6, -5, 1}};
    for (const auto& k : steps) {
        EXPECT_EQ(Step_Level(k[0], k[1], 6), k[2]) << k[0] << " " << k[1];
    }
}

TEST(TransientPresentation2D, HistoryRangeCoversEveryStoredLevel) {
    Transient_2D_Store s;
    Fill_2D(s, 3, 3, 0.1, 6);
    s.Temperature_History_2D(2, 2, 0) = -40.5;
    s.Temperature_History_2D(3, 1, 4) = 912.25;
    double lo = 0;
    double hi = 0;
    Find_History_Range(s, lo, hi);
    EXPECT_DOUBLE_EQ(lo, -40.5);
    EXPECT_DOUBLE_EQ(hi, 912.25);
    // Only levels up to Time_Steps_T2D count.
    s.Time_Steps_T2D = 3;
    Find_History_Range(s, lo, hi);
    EXPECT_DOUBLE_EQ(hi, 333.0);  // 300 + 30 + 3
    // A uniform history has an empty range.
    Level_Planes& h = s.Temperature_History_2D;
    std::fill(h.Level(0), h.Level(0) + h.Size(), 20.0);
    Find_History_Range(s, lo, hi);
    EXPECT_DOUBLE_EQ(lo, 20.0);
    EXPECT_DOUBLE_EQ(hi, 20.0);
}

// Locations 0.0125 m apart and a temperature with four decimals tell the
// patterns apart: locations take "0.###" (0.0125 -> 0.013, 0.0375 -> 0.038,
// where "0.##" would give 0.01 and 0.04), temperatures "###0.##" (62.4567 ->
// 62.46, not 62.457), the steady wall's chart labels "0.##", the 1-D chart
// title "##0.###" and the 2-D time list "0.###".
TEST(PresentationFormats, EveryNumberTakesItsPattern) {
    const std::vector<double> x = {0, 0.0125, 0.025, 0.0375};
    const std::vector<std::string> three = {"0.", "0.013", "0.025", "0.038"};
    const std::vector<std::string> two = {"0.", "0.01", "0.03", "0.04"};
    const std::vector<std::string> hot(4, "62.46");
    constexpr double T = 62.4567;

    Result_Stores stores;
    Steady_1D_Store& wall = stores.Steady_1D;
    wall.Nodes_1D = 4;
    wall.X_Location_1D.Dimension(4);
    wall.Temperature_1D.Dimension(4);
    Steady_2D_Store& plate = stores.Steady_2D;
    plate.X_Nodes_2D = plate.Y_Nodes_2D = 4;
    plate.Location_2D.Dimension(4);
    plate.Temperature_2D.Dimension(4, 4);
    std::copy(x.begin(), x.end(), wall.X_Location_1D.Data());
    std::copy(x.begin(), x.end(), plate.Location_2D.Data());
    std::fill_n(wall.Temperature_1D.Data(), 4, T);
    std::fill_n(plate.Temperature_2D.Data(), 16, T);
    Output_Model steady_wall, steady_plate, transient_wall;
    Display_Steady_State_1D_Results(wall, steady_wall);
    Display_Steady_State_2D_Results(plate, steady_plate);

    Fill_1D(stores, 4, 0.0125, 1, 0.5);
    std::fill_n(stores.Transient_1D.Temperature_History_1D.Level(1), 8, T);
    Display_Transient_1D_Results(stores, transient_wall);

    Transient_2D_Store& s = stores.Transient_2D;
    Fill_2D(s, 4, 4, 0.0125, 1);
    Node_Plane level(s.New_Temperature_T2D);
    std::fill_n(level.Data(), 16, T);
    Text_Table transient_plate;
    Display_Transient_2D_Results(s, level, transient_plate);

    // The start-up plate run with steps of 0.0125 s (F = 0.0012, stable).
    Input_Form_State form = Initial_Form_State();
    form.Kind = Kind_Transient_2D;
    form.Tabs[3].Time_Step_Text = "0.0125";
    form.Tabs[3].Number_Of_Time_Steps_Text = "3";
    Problem_Definition problem;
    Result_Stores run_stores;
    Output_Model run;
    fakes::Scripted_Dialogs dialogs;
    ASSERT_EQ(Run_Calculation(form, problem, run_stores, run, dialogs), Run_Outcome::Solved);

    const struct {
        const char* what;
        std::vector<std::string> shown, expected;
    } checks[] = {
        {"steady wall locations", Row_Of(steady_wall.Output_Table, 0), three},
        {"steady wall temperatures", Row_Of(steady_wall.Output_Table, 1), hot},
        {"steady wall chart labels", steady_wall.Chart.Labels, two},
        {"steady plate x", Row_Of(steady_plate.Output_Table, 0), three},
        {"steady plate y", Column_Of(steady_plate.Output_Table, 0), three},
        {"steady plate temperatures", Column_Of(steady_plate.Output_Table, 4), hot},
        {"transient wall locations", Row_Of(transient_wall.Output_Table, 0), three},
        {"transient wall times", Column_Of(transient_wall.Output_Table, 0), {" 0", " .5"}},
        {"location list", transient_wall.Distance_List_Items, three},
        {"location shown", {transient_wall.Distance_List_Text}, {"0.038"}},
        {"chart title", {transient_wall.Chart.Title}, {"Temperature Vs Time For x =0.038  m"}},
        {"transient plate x", Row_Of(transient_plate, 0), three},
        {"transient plate y", Column_Of(transient_plate, 0), three},
        {"time list", run.Time_List_Items, three},
        {"time shown", {run.Time_List_Text}, {"0.038"}},
    };
    for (const auto& c : checks) {
        EXPECT_EQ(c.shown, c.expected) << c.what;
    }
}
