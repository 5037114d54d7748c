#pragma once
#include "common/problem_definition.h"
#include "solvers/result_stores.h"

namespace calorix {

// Steady conduction in a rectangular plate with uniform heat generation.
// Edge nodes follow half-cell and corner nodes quarter-cell energy balances;
// all node equations are solved by Gauss-Seidel in place until no interior
// node moves by more than 1e-6 C.  Node (i, j): i = 1 is the left edge, j = 1
// the top edge.  The store must be dimensioned for round(X_Grid) x Y_Grid
// nodes, Location_2D for the larger count.  Throws Run_Error on a node count
// beyond 16 bits or when the 32768th sweep would start.
//
// The plain sweep is reference::Steady_Sweep_2D (solvers/reference_sweeps.h);
// this one gives the same numbers, reordered for speed: anti-diagonal by
// anti-diagonal, several nodes at a time (solvers/wavefront.h).
void Solve_Steady_State_2D(const Problem_Definition& p, Steady_2D_Store& s);

}  // namespace calorix
