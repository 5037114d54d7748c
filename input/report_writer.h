#pragma once
// The results report (*.out): the problem as typed on the selected tab, its
// boundary conditions and the results table of the last run, as plain text
// with CR LF line ends.
#include <string>

#include "common/output_model.h"
#include "common/problem_definition.h"

namespace calorix {

struct Report_Result {
    bool Written = false;  // false: empty path, unreadable input or a write failure
    // Row and column count of the table written (header row and column
    // included); the picture counters take them over.
    int Plot_X_Count = 0;
    int Plot_Y_Count = 0;
};

// Refreshes the parameter fields of the definition from the selected tab
// (Initialize_Inputs), then writes the report to path.  An empty path writes
// nothing.  Side_String of the definition is used as the work field for the
// side headings.
Report_Result Print_To_File(const std::string& path, const Input_Form_State& form,
                            Problem_Definition& p, const Output_Model& out);

// The table part of the report: every cell through the "00.00" pattern, six
// blanks, then blanks to the start of the next 14-character print zone.
std::string Report_Table_Text(const Text_Table& table);

}  // namespace calorix
