#pragma once
#include "common/problem_definition.h"
#include "common/user_dialogs.h"
#include "solvers/result_stores.h"

namespace calorix {

// Temperature history of a plane wall starting at a uniform temperature,
// explicit or implicit scheme (Problem_Definition::Explicit_Scheme).  Before
// an explicit run three stability conditions are checked; a No to any of
// them sets Stability_Message_Flag and returns without writing the arrays.
// The plain steps are reference::Explicit_Step_1D and Implicit_Sweep_1D
// (solvers/reference_sweeps.h); these give the same numbers.
void Solve_Transient_1D(Problem_Definition& p, Result_Stores& stores, User_Dialogs& dialogs);

}  // namespace calorix
