#include "output/report_document.h"

#include <algorithm>

#include "common/number_text.h"
#include "output/plate_geometry.h"

namespace calorix {

namespace {

const char* const Kind_Titles[4] = {"1-D Steady State Problem", "2-D Steady State Problem",
                                    "1-D Transient Problem", "2-D Transient Problem"};

}  // namespace

Report_Document Build_Report_Document(const Problem_Definition& p, const Output_Model& out) {
    Report_Document d;
    const int k = std::clamp(out.Kind, 0, 3);
    const bool two_d = k == Kind_Steady_2D || k == Kind_Transient_2D;
    const bool transient = k == Kind_Transient_1D || k == Kind_Transient_2D;
    d.Title = std::string("CALORIX Report: ") + Kind_Titles[k];
    auto add = [&d](const char* label, double v, const char* unit) {
        d.Inputs.emplace_back(label, General_Text(v) + unit);
    };
    add("Grid Size", p.Grid_Size, " cm");
    add("Nodes in x", p.X_Grid, "");
    if (two_d) {
        add("Nodes in y", p.Y_Grid, "");
    }
    add("Heat Generation", p.Q_generation, " W/m^3");
    add("Thermal Conductivity", p.Conductivity, " W/m.K");
    if (transient) {
        add("Initial Temperature", p.Initial_Temp, " C");
        add("Thermal Diffusivity", p.Diffusivity, " m^2/s");
        add("Time Step", p.Time_Step, " s");
        add("Number of Time Steps", p.Number_Of_Time_Steps, "");
        d.Inputs.emplace_back("Scheme", out.Explicit_Shown ? "Explicit" : "Implicit");
    } else {
        add("Guessed Temperature", p.Guess_Temp, " C");
    }
    for (int side = 0; side < (two_d ? 4 : 2); ++side) {
        d.Sides.push_back(Side_Condition_Text(p, side));
    }
    d.Table_Title = out.Table_Title_Label;
    if (k == Kind_Transient_2D) {
        d.Table_Title += " at " + out.Time_List_Text + " s";
    }
    return d;
}

std::vector<Table_Page> Table_Pages(int rows, int cols, int first_page_rows, int rows_per_page,
                                    int cols_per_page) {
    std::vector<Table_Page> pages;
    rows_per_page = std::max(1, rows_per_page);
    cols_per_page = std::max(1, cols_per_page);
    int n = std::max(1, first_page_rows);
    for (int c = 1; c < cols; c += cols_per_page) {
        for (int r = 1; r < rows; r += n, n = rows_per_page) {
            pages.push_back(
                {r, std::min(rows - 1, r + n - 1), c, std::min(cols - 1, c + cols_per_page - 1)});
        }
    }
    return pages;
}

}  // namespace calorix
