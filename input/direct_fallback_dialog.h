#pragma once
// The question after a steady run whose sweeps ran out, and the direct solve
// it offers, off the interface thread with the busy pointer and, past half a
// second, a progress dialog with Cancel.
#include "common/output_model.h"
#include "common/problem_definition.h"
#include "solvers/result_stores.h"

class QWidget;

namespace calorix {

// Asks the question; on Yes solves directly and stores the answer as the
// run's result.  True when the results window should now be shown.  A
// failure of the solve (no memory) is thrown on to the caller's handler.
bool Offer_Direct_Solution(QWidget* parent, const Problem_Definition& p, int kind,
                           Result_Stores& stores, Output_Model& out);

}  // namespace calorix
