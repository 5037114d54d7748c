#pragma once
// The exact solution of the steady node equations: the same equations the
// Gauss-Seidel sweeps iterate (same edge and corner rules), assembled as one
// sparse system and solved directly.  The difference from the stored result
// is how far the iteration stopped from the answer of its own equations.
// Memory grows with the factor of the matrix; the matrix itself is built
// straight from the node coefficients, three entries a column.
#include <atomic>
#include <string>
#include <vector>

#include "analysis/node_equation.h"

namespace calorix {

enum class Direct_Status {
    Solved,           // the residual's correction was negligible
    Refined,          // one refinement with the same factor made it so
    Ill_Conditioned,  // still not after one refinement: no trustworthy answer
    No_Unique,        // nothing fixes the temperature level
    Singular,         // the factorisation failed
    Cancelled,
};

struct Exact_Solution {
    bool solved = false;
    Direct_Status status = Direct_Status::Singular;
    std::string message;           // why there is no solution, when there is none
    std::vector<double> values;    // laid out like the stores
    double correction = 0;         // largest change the residual still asked for, C
    std::size_t factor_bytes = 0;  // the Cholesky factor's values and row indices
    double seconds = 0;            // time the solve took
    bool from_run = false;         // the run's own stored answer: nothing was solved
};

// Steady kinds only.  The wall's exact solution is not rounded to 0 below
// 0.01 C as the stored result is.  `cancel`, when given and set, ends the
// work between its stages (status Cancelled).
Exact_Solution Solve_Node_Equations(const Fd_Grid& g, const std::atomic<bool>* cancel = nullptr);

struct Field_Difference {
    double largest = 0;  // max |a - b|
    int i = 1, j = 1;    // where
};

Field_Difference Largest_Difference(const Fd_Grid& g, const double* a, const double* b);

// "the Gauss-Seidel result after N sweeps differs from the exact solution of
// its equations by at most E C (at node i, j)".
// The sentence for a run whose values are themselves the direct solution
// (Gauss-Seidel gave up).
std::string Direct_Result_Sentence();

std::string Iteration_Error_Sentence(const Fd_Grid& g, int sweeps, const Field_Difference& d);

}  // namespace calorix
