#pragma once
// The presentation procedures: each writes one kind's results into the
// results table and chart of the output model.
#include <string>

#include "output/output_model.h"
#include "solvers/result_stores.h"

namespace calorix {

// Table of x against T, one chart point per node.
void Display_Steady_State_1D_Results(Steady_1D_Store& s, Output_Model& out);

// Table of the field: row j = node row j (j = 1 the top edge), column i = node
// column i (i = 1 the left edge).
void Display_Steady_State_2D_Results(const Steady_2D_Store& s, Output_Model& out);

// Table of T against t and x, the list of locations, and the chart of the
// right face against time.  Turns Time_Steps_T1D from M into M + 1.
void Display_Transient_1D_Results(Result_Stores& stores, Output_Model& out);

// Recharts the history of the node nearest to the location typed or picked in
// the location list.
void Chart_Transient_1D_Location(const Result_Stores& stores, double grid_size_cm,
                                 const std::string& location_text, Chart_Data& chart);

// One level of the 2-D transient run into the table; the layout (size,
// alignment, headers) is written only on the first call after a run.
void Display_Transient_2D_Results(Transient_2D_Store& s, const Node_Plane& plane,
                                  Text_Table& table);

}  // namespace calorix
