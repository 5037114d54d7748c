// Temporary: the transient solvers and their presentation are being written
// on their own branch; until they land a transient run ends with the run
// failure message.
#include "common/run_error.h"
#include "solvers/presentation.h"
#include "solvers/transient_state_conduction_1d.h"
#include "solvers/transient_state_conduction_2d.h"

namespace calorix {

void Solve_Transient_1D(Problem_Definition&, Result_Stores&, User_Dialogs&) {
    throw Run_Error("transient 1-D solver not available yet");
}
void Solve_Transient_2D(Problem_Definition&, Result_Stores&, User_Dialogs&) {
    throw Run_Error("transient 2-D solver not available yet");
}
void Check_Stability_2D(Problem_Definition&, const Result_Stores&, User_Dialogs&) {}
void Display_Transient_1D_Results(Result_Stores&, Output_Model&) {}
void Chart_Transient_1D_Location(const Result_Stores&, double, const std::string&, Chart_Data&) {}
void Display_Transient_2D_Results(Transient_2D_Store&, const Node_Plane&, Text_Table&) {}

}  // namespace calorix
