// What is drawn over the shaded picture and when its frames are shown:
// isotherms, the frame schedule of the animation, the zoom, the axes, the
// sides' conditions and the probe; and the points a long chart curve keeps.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "common/problem_definition.h"
#include "output/animation_schedule.h"
#include "output/curve_thinning.h"
#include "output/isotherms.h"
#include "output/plate_geometry.h"
#include "plane_support.h"

using namespace calorix;

using plane_test::Field;

// -- Isotherms -----------------------------------------------------------------

TEST(Isotherms, LinearRampGivesStraightLinesAtKnownX) {
    // T = 10 (i - 1) over 5 x 4 nodes: level v runs down the plate at
    // i = 1 + v/10, one segment per node row interval.
    const Node_Plane t = Field(5, 4, [](int i, int) { return 10.0 * (i - 1); });
    for (double v : {5.0, 15.0, 27.5, 39.0}) {
        const auto segments = Trace_Isotherm(t, 5, 4, v);
        ASSERT_EQ(segments.size(), 3u) << v;
        double covered = 0;
        for (const Isotherm_Segment& s : segments) {
            EXPECT_DOUBLE_EQ(s.From.I, 1 + v / 10);
            EXPECT_DOUBLE_EQ(s.To.I, 1 + v / 10);
            covered += std::abs(s.To.J - s.From.J);
        }
        EXPECT_DOUBLE_EQ(covered, 3.0);  // from the top row to the bottom row
    }
    EXPECT_TRUE(Trace_Isotherm(t, 5, 4, 41).empty());
    EXPECT_TRUE(Trace_Isotherm(t, 5, 4, -1).empty());
}

TEST(Isotherms, SaddleIsSplitByTheMeanOfItsCorners) {
    // 0 at the top left and bottom right, 10 at the other corners; the mean
    // 5 lies above the level 4, so the two cold corners are cut off.
    Node_Plane t = Field(2, 2, [](int i, int j) { return (i + j) % 2 == 0 ? 0.0 : 10.0; });
    auto s = Trace_Isotherm(t, 2, 2, 4);
    ASSERT_EQ(s.size(), 2u);
    EXPECT_DOUBLE_EQ(s[0].From.I, 1.0);  // left edge, 0.6 of the way up from 10 to 0
    EXPECT_DOUBLE_EQ(s[0].From.J, 1.4);
    EXPECT_DOUBLE_EQ(s[0].To.I, 1.4);  // top edge
    EXPECT_DOUBLE_EQ(s[0].To.J, 1.0);
    EXPECT_DOUBLE_EQ(s[1].From.I, 2.0);  // right edge
    EXPECT_DOUBLE_EQ(s[1].From.J, 1.6);
    EXPECT_DOUBLE_EQ(s[1].To.I, 1.6);  // bottom edge
    EXPECT_DOUBLE_EQ(s[1].To.J, 2.0);
    // At level 6 the mean is below: the warm corners are cut off instead.
    s = Trace_Isotherm(t, 2, 2, 6);
    ASSERT_EQ(s.size(), 2u);
    EXPECT_DOUBLE_EQ(s[0].From.I, 1.6);  // top edge
    EXPECT_DOUBLE_EQ(s[0].To.I, 2.0);    // right edge
    EXPECT_DOUBLE_EQ(s[0].To.J, 1.4);
}

TEST(Isotherms, TheTwelveInteriorValuesOfTheBarLabelledAsOnTheBar) {
    EXPECT_EQ(Isotherm_Levels(0, 130),
              (std::vector<double>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120}));
    EXPECT_TRUE(Isotherm_Levels(25, 25).empty());
    EXPECT_TRUE(Isotherm_Levels(-INFINITY, 25).empty());
    // A ramp over 0..65 shows every level; the user's narrower range 0..13
    // leaves only the levels 1..12, their labels "###0.00".
    const Node_Plane t = Field(14, 3, [](int i, int) { return 5.0 * (i - 1); });
    auto lines = Trace_Isotherms(t, 14, 3, 0, 13);
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[0].Label, "1.00");
    EXPECT_EQ(lines[11].Label, "12.00");
    EXPECT_DOUBLE_EQ(lines[11].Label_At.I, 1 + 12 / 5.0);
    // The lines stand 0.2 node apart; their labels take turns between the
    // two row intervals (J 1.5 and 2.5), so neighbours are 0.4 apart across
    // or a whole node along, never 0.2.
    double closest = 10;
    for (std::size_t a = 0; a < lines.size(); ++a) {
        EXPECT_DOUBLE_EQ(lines[a].Label_At.J, a % 2 == 0 ? 1.5 : 2.5) << a;
        for (std::size_t b = 0; b < a; ++b) {
            closest = std::min(closest, std::hypot(lines[a].Label_At.I - lines[b].Label_At.I,
                                                   lines[a].Label_At.J - lines[b].Label_At.J));
        }
    }
    EXPECT_NEAR(closest, 0.4, 1e-9);
    // Levels that do not cross the field are left out.
    lines = Trace_Isotherms(t, 14, 3, 0, 130);
    ASSERT_EQ(lines.size(), 6u);  // 10 .. 60 of the ramp's 0 .. 65
    EXPECT_EQ(lines.back().Label, "60.00");
}

// -- The frame schedule ----------------------------------------------------------

TEST(FrameSchedule, PacedRunsLastAboutTheChosenTimeWithin2To60FramesASecond) {
    const struct {
        int first, last;
        double seconds;
        int frames;
        double interval, duration;
    } rows[] = {
        // Six levels in 5 s would be 0.83 s a frame: held to 2 a second.
        {1, 6, 5.0, 6, 0.5, 2.5},
        {1, 100, 5.0, 100, 0.05, 4.95},
        // 999 levels: 60 frames a second, 300 of them, levels skipped.
        {1, 999, 5.0, 300, 1.0 / 60, 299.0 / 60},
        {1, 1000, 2.0, 120, 1.0 / 60, 119.0 / 60},
        {1, 4, 20.0, 4, 0.5, 1.5},
        {7, 7, 5.0, 1, 0.5, 0.0},
        // As fast as drawn: every level, no waiting.
        {0, 10, 0.0, 11, 0.0, 0.0},
    };
    for (const auto& r : rows) {
        const Frame_Schedule s(r.first, r.last, r.seconds);
        EXPECT_EQ(s.Frame_Count(), r.frames) << r.last << " levels in " << r.seconds;
        EXPECT_NEAR(s.Frame_Interval(), r.interval, 1e-12) << r.last;
        EXPECT_NEAR(s.Duration(), r.duration, 1e-9) << r.last;
        EXPECT_EQ(s.Level_Of_Frame(0), r.first);
        EXPECT_EQ(s.Level_Of_Frame(r.frames - 1), r.last);
    }
    // Between the ends the levels are spread evenly: frame 150 of 300 over
    // 999 levels shows level 1 + floor(150 * 998 / 299) = 501.
    const Frame_Schedule s(1, 999, 5.0);
    EXPECT_EQ(s.Level_Of_Frame(150), 501);
    EXPECT_EQ(s.Frame_At(0.999 / 60), 0);
    EXPECT_EQ(s.Frame_At(10.0), 299);
}

TEST(FrameSchedule, PlayerFollowsTheInjectedClockAndSkipsWhatIsLate) {
    double now = 100.0;
    const auto clock = [&now] { return now; };
    // Six levels at half a second each.
    Frame_Player p(Frame_Schedule(1, 6, 5.0), clock);
    const struct {
        double clock_before_next;  // when the previous frame finished drawing
        int level;
        double due;
    } steps[] = {
        {100.0, 1, 100.0}, {100.1, 2, 100.5},  // drawn in time: the next frame
        {101.7, 4, 101.5},  // drawn late: level 3 was due at 101.0, level 4 at 101.5
        {101.8, 5, 102.0}, {109.0, 6, 102.5},  // far behind: the last level is still shown
    };
    for (const auto& st : steps) {
        now = st.clock_before_next;
        ASSERT_TRUE(p.Next());
        EXPECT_EQ(p.Level(), st.level);
        EXPECT_DOUBLE_EQ(p.Due_Time(), st.due);
    }
    EXPECT_FALSE(p.Next());

    // Unpaced: every level in turn, whatever the clock says.
    Frame_Player fast(Frame_Schedule(3, 6, 0.0), clock);
    std::vector<int> levels;
    while (fast.Next()) {
        levels.push_back(fast.Level());
        now += 50;
    }
    EXPECT_EQ(levels, (std::vector<int>{3, 4, 5, 6}));
}

// -- Zoom, axes, sides, probe ----------------------------------------------------

TEST(PlateGeometry, ZoomIsTheLargestWholeFactorThatFits) {
    EXPECT_EQ(Fit_Zoom(200, 150, 650, 500), 3);  // 650/200 = 3.25, 500/150 = 3.33
    EXPECT_EQ(Fit_Zoom(200, 150, 650, 449), 2);  // the height decides
    EXPECT_EQ(Fit_Zoom(400, 300, 390, 800), 1);  // never below one
    EXPECT_EQ(Fit_Zoom(10, 10, 1000, 1000), 16);
}

TEST(PlateGeometry, AxisTicksAtRoundValuesFarEnoughApart) {
    const struct {
        double length, pixels;
        std::vector<std::string> labels;
    } rows[] = {
        // 0.39 m over 314 px: 50 px need 0.062 m, so steps of 0.1.
        {0.39, 314, {"0", "0.1", "0.2", "0.3"}},
        // 0.2 m over 400 px: 50 px need 0.025 m, so steps of 0.05.
        {0.2, 400, {"0", "0.05", "0.1", "0.15", "0.2"}},
        // 3 m over 50 px: one step of 5 m does not fit: only the origin.
        {3, 50, {"0"}},
        {0.003, 300, {"0", "0.0005", "0.001", "0.0015", "0.002", "0.0025", "0.003"}},
    };
    for (const auto& r : rows) {
        std::vector<std::string> labels;
        for (const Axis_Tick& t : Axis_Ticks(r.length, r.pixels, 50)) {
            labels.push_back(t.Label);
        }
        EXPECT_EQ(labels, r.labels) << r.length;
    }
    EXPECT_DOUBLE_EQ(Axis_Ticks(0.39, 314, 50)[3].Metres, 0.3);
}

TEST(PlateGeometry, EachSideNamedWithItsCondition) {
    Problem_Definition p;
    p.Left_BC = BC_Temperature;
    p.Temp_BC_Left = 100;
    p.Right_BC = BC_Convection;
    p.h_BC_Right = 10;
    p.T_Infinity_BC_Right = 20.5;
    p.Top_BC = BC_Flux;
    p.Q_BC_Top = -500;
    p.Bottom_BC = BC_Temperature;
    p.Temp_BC_Bottom = 0.25;
    EXPECT_EQ(Side_Condition_Text(p, Side_Left), "Left: T = 100 C");
    EXPECT_EQ(Side_Condition_Text(p, Side_Right), "Right: h = 10 W/m^2.C, T_inf = 20.5 C");
    EXPECT_EQ(Side_Condition_Text(p, Side_Top), "Top: q = -500 W/m^2");
    EXPECT_EQ(Side_Condition_Text(p, Side_Bottom), "Bottom: T = 0.25 C");
}

TEST(PlateGeometry, ProbeReadsTheNearestNodeUnderTheMouse) {
    // 10 x 40 steady nodes: 4 cells per interval of 2 pixels, first cell at
    // (302, 107), dx = 1 cm; T = 100 i + j.
    Plate_Geometry g;
    g.Left = 302;
    g.Top = 107;
    g.Cell_Pixels = 2;
    g.Cells_Per_Interval = 4;
    g.X_Nodes = 10;
    g.Y_Nodes = 40;
    g.Dx = 0.01;
    const Node_Plane t = Field(10, 40, [](int i, int j) { return 100.0 * i + j; });
    EXPECT_EQ(g.Width(), 74);  // 37 cells
    EXPECT_EQ(g.Height(), 314);
    const struct {
        double x, y;
        bool inside;
        int i, j;
        const char* text;
    } rows[] = {
        // Cell 9 across (u = 8.5) is node 3; cell 21 down (v = 20.5) node 6.
        {302 + 8.5 * 2, 107 + 20.5 * 2, true, 3, 6,
         "x = 0.02 m   y = 0.05 m   node (3, 6)   T = 306.00 C"},
        // Halfway between nodes 3 and 4 (u = 10.5): x = 0.025, node 4.
        {302 + 10.5 * 2, 107 + 0.5 * 2, true, 4, 1,
         "x = 0.025 m   y = 0 m   node (4, 1)   T = 401.00 C"},
        // The top-left corner of the first cell reads the first node.
        {302, 107, true, 1, 1, "x = 0 m   y = 0 m   node (1, 1)   T = 101.00 C"},
        {375.9, 420.9, true, 10, 40, "x = 0.09 m   y = 0.39 m   node (10, 40)   T = 1040.00 C"},
        {301.9, 200, false, 0, 0, ""},
        {376, 200, false, 0, 0, ""},
        {310, 421, false, 0, 0, ""},
    };
    for (const auto& r : rows) {
        const Probe_Reading p = Probe_At(g, r.x, r.y, t);
        EXPECT_EQ(p.Inside, r.inside) << r.x << ", " << r.y;
        EXPECT_EQ(p.I, r.i);
        EXPECT_EQ(p.J, r.j);
        EXPECT_EQ(p.Text, r.text);
    }
    // Zoomed three times the same node lies three times as far in.
    g.Cell_Pixels = 6;
    EXPECT_EQ(Probe_At(g, 302 + 8.5 * 6, 107 + 20.5 * 6, t).Text,
              "x = 0.02 m   y = 0.05 m   node (3, 6)   T = 306.00 C");
    EXPECT_DOUBLE_EQ(g.X_Of_Node(3), 302 + 8.5 * 6);
}

// -- Chart curve thinning ------------------------------------------------------

TEST(Chart_Thinning, KeepsFirstExtremesAndLastOfEachColumn) {
    struct Case {
        std::vector<double> values;
        int columns;
        std::vector<int> kept;
    };
    const Case cases[] = {
        // Four points a column or fewer: all of them.
        {{1, 2, 3, 4, 5, 6, 7, 8}, 2, {0, 1, 2, 3, 4, 5, 6, 7}},
        // One column: first, highest 9, lowest -4, last.
        {{3, 9, -4, 2, 6}, 1, {0, 1, 2, 4}},
        // Columns 0..3 and 4..8: the second keeps its first lowest 1 (index
        // 5) and its highest 8, not the other 1s.
        {{0, 5, -3, 2, 7, 1, 1, 8, 1}, 2, {0, 1, 2, 3, 4, 5, 7, 8}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Thinned_Points(c.values, c.columns), c.kept) << c.values.size();
    }
    // A 32767-node wall on a 1366-pixel screen: at most four points a
    // column, and a one-node spike and dip are still drawn.
    std::vector<double> wall(32767);
    for (std::size_t k = 0; k < wall.size(); ++k) {
        wall[k] = std::sin(0.001 * static_cast<double>(k));
    }
    wall[12345] = 1000;
    wall[20001] = -1000;
    const std::vector<int> kept = Thinned_Points(wall, 1366);
    EXPECT_LE(kept.size(), 4u * 1366u);
    EXPECT_EQ(kept.front(), 0);
    EXPECT_EQ(kept.back(), 32766);
    EXPECT_TRUE(std::is_sorted(kept.begin(), kept.end()));
    for (int extreme : {12345, 20001}) {
        EXPECT_TRUE(std::count(kept.begin(), kept.end(), extreme) == 1) << extreme;
    }
}
