#pragma once
// The steady results shown three ways on the results window's table, chart
// and picture: the Gauss-Seidel result, the exact solution of the node
// equations, or their difference.  Each view says what it shows in the
// table's title, in its heading cell (which the CSV export carries) and on
// the chart.  The run's own store and table stay as they are.
#include <string>
#include <vector>

#include "common/output_model.h"
#include "common/problem_definition.h"
#include "solvers/result_stores.h"

namespace calorix {

enum Field_View { Gauss_Seidel_Field = 0, Exact_Field = 1, Difference_Field = 2 };

struct Field_View_Texts {
    std::string title;    // above the table
    std::string heading;  // the table's heading cell of the values
    std::string chart;    // the wall's chart title
};

// Texts of the exact and difference views of a steady kind.
Field_View_Texts View_Texts(int kind, int view);

// Fills `v1` (wall) or `v2` (plate) with the exact solution or the
// Gauss-Seidel result (unclamped) less the exact solution, and `out` with
// their table and chart: the difference with its significant digits on
// screen and at full precision in the CSV export; the locations as the
// shortest text of (m - 1) * grid size / 100, which reads back exactly.
void Present_Field_View(const Problem_Definition& p, const Result_Stores& s, int kind, int view,
                        const std::vector<double>& exact, Steady_1D_Store& v1, Steady_2D_Store& v2,
                        Output_Model& out);

}  // namespace calorix
