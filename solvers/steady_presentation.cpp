#include <memory>

#include "common/number_text.h"
#include "common/text_table_sources.h"
#include "solvers/presentation.h"

namespace calorix {

// The tables read the stores in place: a cell's text is made when it is read.

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
    // Row 0: the locations; rows 1..Column_Count_1D: the temperatures.
    table.Set_Block(0, 1,
                    std::make_shared<Number_Block>(Of(s.X_Location_1D), 1, n, 0, 0, 1, "0.###"));
    table.Set_Block(1, 1,
                    std::make_shared<Number_Block>(Of(s.Temperature_1D), s.Column_Count_1D, n, 0, 0,
                                                   1, "###0.##"));
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
    // x of each column across the top, y of each row down the side.
    table.Set_Block(0, 1,
                    std::make_shared<Number_Block>(Of(s.Location_2D), 1, nx, 0, 0, 1, "0.###"));
    table.Set_Block(1, 0,
                    std::make_shared<Number_Block>(Of(s.Location_2D), ny, 1, 0, 1, 0, "0.###"));
    // Cell (row j, column i) is node (i, j), element (i-1)*Ny + (j-1).
    const std::size_t column_stride = static_cast<std::size_t>(s.Temperature_2D.Ny());
    table.Set_Block(1, 1,
                    std::make_shared<Number_Block>(Of(s.Temperature_2D), ny, nx, 0, 1,
                                                   column_stride, "###0.##"));
}

}  // namespace calorix
