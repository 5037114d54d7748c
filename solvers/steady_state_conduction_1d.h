#pragma once
#include "common/problem_definition.h"
#include "solvers/result_stores.h"

namespace calorix {

// Steady conduction across a plane wall with uniform heat generation, solved
// by Gauss-Seidel iteration in place (tolerance 1e-6 C on the interior nodes).
// The store must be dimensioned for round(X_Grid) nodes.  Throws Run_Error
// when the node count leaves 16 bits or the 32768th sweep would start.
void Solve_Steady_State_1D(const Problem_Definition& p, Steady_1D_Store& s);

}  // namespace calorix
