#pragma once
// The run behind "Calculate Temperature": fill the problem definition from
// the selected tab, validate it, dimension the store of the kind, solve,
// present the results in the output model and fill the display copies of the
// inputs.  Messages and questions go through the dialogs; the caller shows the
// results window when the outcome is Solved.
#include <string>

#include "common/output_model.h"
#include "common/problem_definition.h"
#include "common/user_dialogs.h"
#include "solvers/result_stores.h"

namespace calorix {

enum class Run_Outcome {
    Invalid_Input,  // a validation message was shown
    Failed,         // the memory message was shown
    Declined,       // the user declined an unstable explicit scheme
    Solved,         // the output model holds the results; show the window
};

Run_Outcome Run_Calculation(const Input_Form_State& form, Problem_Definition& p,
                            Result_Stores& stores, Output_Model& out, User_Dialogs& dialogs);

// Upper bounds of the stores as the original dimensioning computed them:
// 25*X+1 in double precision rounded into 32 bits, 25*Y+1 in 16-bit integer
// arithmetic.  Both throw Run_Error on overflow.
std::int32_t Upper_Bound_X(double x_grid);
std::int16_t Upper_Bound_Y(std::int16_t y_grid);

// Throws Run_Error when stores of this many doubles would take more memory
// than the process may still use (Available_Memory_Bytes under root) or than
// the machine can hold without swapping.
void Require_Memory(double doubles, const std::string& root = "/");

// Dimension the store of a kind for the problem: the original bounds are
// computed and checked (Run_Error when they overflow or cannot hold the
// nodes), then exactly the nodes and levels the solver uses are allocated.
void Dimension_Steady_1D(const Problem_Definition& p, Result_Stores& stores);
void Dimension_Steady_2D(const Problem_Definition& p, Result_Stores& stores);
void Dimension_Transient_1D(const Problem_Definition& p, Result_Stores& stores);
void Dimension_Transient_2D(const Problem_Definition& p, Result_Stores& stores);

// The steady kinds' results as their branch of the run presents them: the
// table (and chart), the captions, labels and sketches of the kind.
void Present_Steady_1D(Result_Stores& stores, Output_Model& out);
void Present_Steady_2D(Result_Stores& stores, Output_Model& out);

// The display copies of the inputs on the results window.
void Initialize_Text_Boxes(const Problem_Definition& p, int kind, Output_Model& out);

}  // namespace calorix
