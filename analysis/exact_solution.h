#pragma once
// The exact solution of the steady node equations: the same equations the
// Gauss-Seidel sweeps iterate (same edge and corner rules), assembled as one
// sparse system and solved directly.  The difference from the stored result
// is how far the iteration stopped from the answer of its own equations.
// Memory grows linearly with the node count (five entries a row at most).
#include <string>
#include <vector>

#include "analysis/node_equation.h"

namespace calorix {

struct Exact_Solution {
    bool solved = false;
    std::string message;         // why there is no solution, when there is none
    std::vector<double> values;  // laid out like the stores
};

// Steady kinds only.  The wall's exact solution is not rounded to 0 below
// 0.01 C as the stored result is.
Exact_Solution Solve_Node_Equations(const Fd_Grid& g);

struct Field_Difference {
    double largest = 0;  // max |a - b|
    int i = 1, j = 1;    // where
};

Field_Difference Largest_Difference(const Fd_Grid& g, const double* a, const double* b);

// "the Gauss-Seidel result after N sweeps differs from the exact solution of
// its equations by at most E C (at node i, j)".
std::string Iteration_Error_Sentence(const Fd_Grid& g, int sweeps, const Field_Difference& d);

}  // namespace calorix
