#include <gtest/gtest.h>

#include "analysis/plate_probes.h"

using namespace calorix;

namespace {

Problem_Definition Plate(int left, int right, int top, int bottom) {
    Problem_Definition p;
    p.Grid_Size = 25;  // 0.25 m between nodes
    p.Conductivity = 1;
    p.Left_BC = static_cast<std::int16_t>(left);
    p.Right_BC = static_cast<std::int16_t>(right);
    p.Top_BC = static_cast<std::int16_t>(top);
    p.Bottom_BC = static_cast<std::int16_t>(bottom);
    return p;
}

}  // namespace

// Node (2, 1) of a 2 x 2 history at 100 i + 10 j + n, steps of 15 s.
TEST(Plate_Probes, Node_History_Reads_Every_Level_And_Writes_Csv) {
    Transient_2D_Store s;
    s.X_Nodes_T2D = 2;
    s.Y_Nodes_T2D = 2;
    s.Time_Steps_T2D = 3;
    s.Temperature_History_2D.Dimension(4, 2, 2);
    for (int n = 0; n <= 3; ++n) {
        for (int i = 1; i <= 2; ++i) {
            for (int j = 1; j <= 2; ++j) {
                s.Temperature_History_2D(i, j, n) = 100 * i + 10 * j + n;
            }
        }
    }
    const Probe_Series h = Node_History(s, 2, 1, 15);
    EXPECT_EQ(h.X, (std::vector<double>{0, 15, 30, 45}));
    EXPECT_EQ(h.T, (std::vector<double>{210, 211, 212, 213}));
    EXPECT_EQ(Probe_Csv(h), "t (s),T (C)\n0,210\n15,211\n30,212\n45,213\n");
}

// Node (i, j) of a 3 x 2 field holds 10 i + j: row 2 runs along i, column
// 3 along j, positions dx apart.
TEST(Plate_Probes, Line_Profiles_Run_Along_Their_Own_Line) {
    Node_Plane t;
    t.Dimension(3, 2);
    for (int i = 1; i <= 3; ++i) {
        for (int j = 1; j <= 2; ++j) {
            t(i, j) = 10 * i + j;
        }
    }
    const Probe_Series row = Line_Profile(t, true, 3, 2, 0.5);
    EXPECT_EQ(row.T, (std::vector<double>{12, 22, 32}));
    EXPECT_EQ(row.X, (std::vector<double>{0, 0.5, 1}));
    EXPECT_EQ(row.Title, "Temperature along row 2 (y = 0.5 m)");
    const Probe_Series column = Line_Profile(t, false, 2, 3, 0.5);
    EXPECT_EQ(column.T, (std::vector<double>{31, 32}));
    EXPECT_EQ(column.X_Title, "y (m)");
}

// Insulated top and bottom: each row is a wall from 100 C to 0 C over
// 4 x 0.25 m, T = 100 - 100 x.  Insulated left and right with g = 1000 W/m^3,
// k = 1, top 100 C, bottom 0 C over 0.5 m: T = -500 y^2 + 50 y + 100.
TEST(Plate_Probes, Exact_Profile_Only_Between_Insulated_Sides) {
    Problem_Definition rows = Plate(BC_Temperature, BC_Temperature, BC_Flux, BC_Flux);
    rows.Temp_BC_Left = 100;
    const Analytic_Profile r = Line_Exact_Profile(rows, 5, 3, true);
    ASSERT_TRUE(r.unique);
    EXPECT_NEAR(r.At(0.5), 50, 1e-9);
    EXPECT_NEAR(r.length, 1.0, 1e-12);

    Problem_Definition cols = Plate(BC_Flux, BC_Flux, BC_Temperature, BC_Temperature);
    cols.Temp_BC_Top = 100;
    cols.Q_generation = 1000;
    const Analytic_Profile c = Line_Exact_Profile(cols, 5, 3, false);
    ASSERT_TRUE(c.unique);
    EXPECT_NEAR(c.a, -500, 1e-9);
    EXPECT_NEAR(c.c1, 50, 1e-9);
    EXPECT_NEAR(c.c2, 100, 1e-9);

    rows.Q_BC_Top = 10;  // heat through the top: not a wall
    EXPECT_FALSE(Line_Exact_Profile(rows, 5, 3, true).unique);
    EXPECT_FALSE(Line_Exact_Profile(cols, 5, 3, true).unique);
}
