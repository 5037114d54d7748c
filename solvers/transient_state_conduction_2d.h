#pragma once
#include "common/problem_definition.h"
#include "common/user_dialogs.h"
#include "solvers/result_stores.h"

namespace calorix {

// Time history of the temperature field of a rectangular plate, explicit or
// implicit scheme; every level 0..NT is kept in Temperature_History_2D.
// The plain steps are reference::Explicit_Step_2D and Implicit_Sweep_2D
// (solvers/reference_sweeps.h); these give the same numbers, the implicit
// sweeps reordered for speed (solvers/wavefront.h).
void Solve_Transient_2D(Problem_Definition& p, Result_Stores& stores, User_Dialogs& dialogs);

// Warns before an unstable explicit step: at most one question per run; No
// sets Stability_Message_Flag.
void Check_Stability_2D(Problem_Definition& p, const Result_Stores& stores, User_Dialogs& dialogs);

}  // namespace calorix
