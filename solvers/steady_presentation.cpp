#include "common/number_text.h"
#include "solvers/presentation.h"

namespace calorix {

void Display_Steady_State_1D_Results(Steady_1D_Store& s, Output_Model& out) {
    const int n = s.Nodes_1D;
    s.Column_Count_1D = 1;
    Text_Table& table = out.Output_Table;
    table.Set_Rows(2);
    table.Set_Cols(n + 1);
    for (int c = 0; c <= n; ++c) {
        table.Set_Column_Alignment(c, Cell_Alignment::Centre);
    }
    table.Set_Cell(1, 0, "T(x)");
    table.Set_Cell(0, 0, "");
    for (int i = 1; i <= n; ++i) {
        table.Set_Cell(0, i, Format_Number(s.X_Location_1D(i), "0.###"));
    }
    for (int r = 1; r <= s.Column_Count_1D; ++r) {
        for (int i = 1; i <= n; ++i) {
            table.Set_Cell(r, i, Format_Number(s.Temperature_1D(i), "###0.##"));
        }
    }
    out.X_Input_Frame_Visible = false;

    Chart_Data& chart = out.Chart;
    chart.Title = "Temperature(C) Vs x Location (m)";
    chart.Category_Title = "x (m)";
    chart.Set_Point_Count(n);
    for (int i = 1; i <= n; ++i) {
        chart.Labels[static_cast<std::size_t>(i - 1)] = Format_Number(s.X_Location_1D(i), "0.##");
        chart.Values[static_cast<std::size_t>(i - 1)] = s.Temperature_1D(i);
    }
    chart.Label_Ticks = true;
}

void Display_Steady_State_2D_Results(const Steady_2D_Store& s, Output_Model& out) {
    const int nx = s.X_Nodes_2D;
    const int ny = s.Y_Nodes_2D;
    Text_Table& table = out.Output_Table;
    table.Set_Rows(ny + 1);
    table.Set_Cols(nx + 1);
    for (int c = 0; c <= nx; ++c) {
        table.Set_Column_Alignment(c, Cell_Alignment::Centre);
    }
    table.Set_Cell(0, 0, "T(x,y)");
    for (int i = 1; i <= nx; ++i) {
        table.Set_Cell(0, i, Format_Number(s.Location_2D(i), "0.###"));
    }
    for (int j = 1; j <= ny; ++j) {
        table.Set_Cell(j, 0, Format_Number(s.Location_2D(j), "0.###"));
    }
    for (int i = 1; i <= nx; ++i) {
        for (int j = 1; j <= ny; ++j) {
            table.Set_Cell(j, i, Format_Number(s.Temperature_2D(i, j), "###0.##"));
        }
    }
}

}  // namespace calorix
