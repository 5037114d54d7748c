// Temporary: the transient presentation is being written on its own branch;
// until it lands a transient run leaves the table and chart empty.
#include "solvers/presentation.h"

namespace calorix {

void Display_Transient_1D_Results(Result_Stores&, Output_Model&) {}
void Chart_Transient_1D_Location(const Result_Stores&, double, const std::string&, Chart_Data&) {}
void Display_Transient_2D_Results(Transient_2D_Store&, const Node_Plane&, Text_Table&) {}

}  // namespace calorix
