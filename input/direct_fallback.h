#pragma once
// When the Gauss-Seidel sweeps of a steady run cannot settle within their
// 32767 sweeps, the same node equations can still be solved directly.  The
// answer then takes the place of the run's result in its store, and the
// results window, the report and the table say how it was found.
#include <atomic>
#include <string>

#include "common/output_model.h"
#include "common/problem_definition.h"
#include "solvers/result_stores.h"

namespace calorix {

inline constexpr const char* Direct_Question =
    "The Gauss-Seidel iteration did not settle within 32767 sweeps. Solve the node equations "
    "directly instead?";

// What the results window's caption and the report add for such a run.
inline constexpr const char* Direct_Solution_Note =
    "Values from the direct solution of the node equations (the Gauss-Seidel iteration did not "
    "settle within 32767 sweeps)";

// A steady run of `kind` that ended because its sweeps ran out.
bool Iteration_Did_Not_Settle(int kind, const Result_Stores& stores);

struct Direct_Fallback {
    bool solved = false;
    bool cancelled = false;
    std::string message;  // why there is no answer, when there is none
};

// Solves the node equations of the failed steady run directly and, when
// that succeeds, stores the answer as the run's result (the wall's values
// below 0.01 C stored as 0, as its solver stores them), presents it as the
// run would have and fills the display copies of the inputs.  `cancel`,
// when set, abandons the work between its stages; nothing is stored then.
Direct_Fallback Solve_Directly(const Problem_Definition& p, int kind, Result_Stores& stores,
                               Output_Model& out, const std::atomic<bool>* cancel);

}  // namespace calorix
