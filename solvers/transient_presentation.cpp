// Presentation of the transient results: the 1-D history as a table of T
// against t and x with a chart of one location against time, and one time
// level of the 2-D history as a table of the plate.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "common/number_text.h"
#include "common/run_error.h"
#include "common/text_table_sources.h"
#include "solvers/presentation.h"
#include "solvers/value_range.h"

namespace calorix {

namespace {

// The history of node i as the chart's one curve, the category labels being
// the times of the levels.
void Chart_Node_History(const Transient_1D_Store& s, double delta_time, int node,
                        Chart_Data& chart) {
    const int levels = s.Time_Steps_T1D;
    chart.Category_Title = "Time (Sec)";
    chart.Set_Point_Count(levels);
    for (int n = 1; n <= levels; ++n) {
        const std::size_t k = static_cast<std::size_t>(n - 1);
        chart.Labels[k] = Plain_Number_Text((n - 1) * delta_time);
        chart.Values[k] = s.Temperature_History_1D(n, node);
    }
    chart.Label_Ticks = true;
}

// The 1-D history from its first level, level 1, on.
Number_Array History_Of(const Level_Lines& h) {
    return [&h] { return std::span<const double>(h.Level(1), h.Size()); };
}

}  // namespace

void Display_Transient_1D_Results(Result_Stores& stores, Output_Model& out) {
    Transient_1D_Store& s = stores.Transient_1D;
    // From here on the count holds stored levels (the initial profile plus one
    // per step), not steps.
    s.Time_Steps_T1D = To_Int16(s.Time_Steps_T1D + 1.0);
    const int levels = s.Time_Steps_T1D;
    const int n = To_Int16(s.Nodes_T1D);
    const double dt = stores.Delta_Time;

    Text_Table& table = out.Output_Table;
    table.Set_Rows(To_Int16(levels + 1.0));
    table.Set_Cols(To_Int16(n + 1.0));
    for (int c = 0; c <= n; ++c) {
        table.Set_Column_Alignment(c, Cell_Alignment::Centre);
    }
    table.Set_Cell(0, 0, "T(t,x)");
    // The cells read the history in place when shown: a long run costs no
    // text until it is looked at.
    table.Set_Block(0, 1,
                    std::make_shared<Number_Block>(Of(s.X_Location_T1D), 1, n, 0, 0, 1, "0.###"));
    for (int i = 1; i <= n; ++i) {
        out.Distance_List_Items.push_back(Format_Number(s.X_Location_T1D(i), "0.###"));
    }
    out.Distance_List_Text = Format_Number(s.X_Location_T1D(n), "0.###");
    table.Set_Block(1, 0, std::make_shared<Time_Label_Block>(levels, dt));
    // Row r is level r, whose nodes are contiguous.
    const std::size_t level_stride = static_cast<std::size_t>(s.Temperature_History_1D.Nodes());
    table.Set_Block(1, 1,
                    std::make_shared<Number_Block>(History_Of(s.Temperature_History_1D), levels, n,
                                                   0, level_stride, 1, "###0.##"));
    out.X_Input_Frame_Visible = true;

    // The first chart follows the right face.
    out.Chart.Title =
        "Temperature Vs Time For x =" + Format_Number(s.X_Location_T1D(n), "##0.###") + "  m";
    Chart_Node_History(s, dt, n, out.Chart);
}

Location_Pick Chart_Transient_1D_Location(const Result_Stores& stores, double grid_size_cm,
                                          const std::string& location_text, Chart_Data& chart) {
    const Transient_1D_Store& s = stores.Transient_1D;
    double x = Text_To_Number(location_text);
    // x * 100 turns metres into centimetres, the unit of the grid size.
    double node_value = Round_Half_Even(x * 100.0 / grid_size_cm + 1.0);
    const double nodes =
        std::min(s.Nodes_T1D, static_cast<double>(s.Temperature_History_1D.Nodes()));
    Location_Pick pick;
    // A grid size of zero names no node at all.
    if (!std::isfinite(node_value) || nodes < 1.0) {
        return pick;
    }
    if (s.Time_Steps_T1D < 1 || s.Time_Steps_T1D > s.Temperature_History_1D.Levels()) {
        return pick;
    }
    // Off the wall the nearest node is the face on that side.
    if (node_value < 1.0 || node_value > nodes) {
        node_value = node_value < 1.0 ? 1.0 : nodes;
        x = s.X_Location_T1D(static_cast<int>(node_value));
        pick.Off_The_Wall = true;
    }
    pick.Node = static_cast<int>(node_value);
    chart.Title = "Temperature Vs Time For x = " + Format_Number(x, "##0.###") + " m ";
    Chart_Node_History(s, stores.Delta_Time, pick.Node, chart);
    return pick;
}

void Display_Transient_2D_Results(Transient_2D_Store& s, const Node_Plane& plane,
                                  Text_Table& table) {
    const int nx = s.X_Nodes_T2D;
    const int ny = s.Y_Nodes_T2D;
    if (s.Table_Ready_T2D == 0) {
        table.Set_Rows(ny + 1);
        table.Set_Cols(nx + 1);
        for (int c = 0; c <= nx; ++c) {
            table.Set_Column_Alignment(c, Cell_Alignment::Centre);
        }
        table.Set_Cell(0, 0, "T(x,y)");
        table.Set_Block(
            0, 1, std::make_shared<Number_Block>(Of(s.Location_T2D), 1, nx, 0, 0, 1, "0.###"));
        // Rows run down the plate: row 1 is the top side.
        table.Set_Block(
            1, 0, std::make_shared<Number_Block>(Of(s.Location_T2D), ny, 1, 0, 1, 0, "0.###"));
        s.Table_Ready_T2D = 1;
    }
    // The plane is a working array that later levels overwrite, so the
    // table keeps the numbers of this level (not their texts).
    const std::size_t column_stride = static_cast<std::size_t>(plane.Ny());
    table.Set_Block(
        1, 1,
        std::make_shared<Number_Block>(Copy_Of(plane), ny, nx, 0, 1, column_stride, "###0.##"));
    table.Set_Row(ny);
    table.Set_Col(nx);
}

int Time_Text_Level(const Transient_2D_Store& s, double time_step, const std::string& time_text) {
    const int last = Last_Stored_Level(s);
    double q = Text_To_Number(time_text) / time_step;
    // Negative, undefined (time step 0 with time 0) and too late times fall
    // back onto the stored range.
    if (!(q >= 0.0)) {
        q = 0.0;
    }
    if (q > last) {
        q = last;
    }
    return static_cast<int>(Round_Half_Even(q));
}

int Last_Stored_Level(const Transient_2D_Store& s) {
    return std::max(0, std::min<int>(s.Time_Steps_T2D, s.Temperature_History_2D.Levels() - 1));
}

void Copy_Level_2D(const Transient_2D_Store& s, int level, Node_Plane& plane) {
    const int nx = s.X_Nodes_T2D;
    const int ny = s.Y_Nodes_T2D;
    if (plane.Nx() != nx || plane.Ny() != ny) {
        plane.Dimension(nx, ny);
    }
    const double* source = s.Temperature_History_2D.Level(level);
    // A level of the history and a node plane share the (i-1)*Ny + (j-1)
    // layout, so the level is one contiguous block.
    std::copy(source, source + s.Temperature_History_2D.Plane_Size(), plane.Data());
}

int Show_Transient_2D_Time(Transient_2D_Store& s, double time_step, const std::string& time_text,
                           Text_Table& table) {
    const int level = Time_Text_Level(s, time_step, time_text);
    Copy_Level_2D(s, level, s.New_Temperature_T2D);
    Display_Transient_2D_Results(s, s.New_Temperature_T2D, table);
    return level;
}

void Find_History_Range(const Transient_2D_Store& s, double& min, double& max) {
    // The stored levels lie one after the other in one block.
    const Level_Planes& h = s.Temperature_History_2D;
    const std::size_t count = h.Plane_Size() * static_cast<std::size_t>(Last_Stored_Level(s) + 1);
    Range_Of(h.Level(0), count, min, max);
}

int Step_Level(int current, int step, int last) {
    const long next = static_cast<long>(current) + step;
    if (step > 0) {
        // Stepping past the end does not move.
        return next > last ? current : static_cast<int>(next);
    }
    return next < 0 ? 0 : static_cast<int>(next);
}

}  // namespace calorix
