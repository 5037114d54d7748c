#pragma once
// The words of the PDF report, without the toolkit: its title, the inputs of
// the run and the sides' conditions as label and value, the table's title,
// and how a large results table is cut into pages that each repeat the
// header row and column.
#include <string>
#include <utility>
#include <vector>

#include "common/output_model.h"
#include "common/problem_definition.h"

namespace calorix {

struct Report_Document {
    std::string Title;
    std::vector<std::pair<std::string, std::string>> Inputs;  // label, value with its unit
    std::vector<std::string> Sides;                           // "Left: T = 100 C", ...
    std::string Table_Title;
};

// From the definition of the run on display and the results window's model.
Report_Document Build_Report_Document(const Problem_Definition& p, const Output_Model& out);

// A page of the table: body rows first_row..last_row and columns
// first_col..last_col (both from 1; row 0 and column 0 are printed on every
// page).
struct Table_Page {
    int First_Row = 1, Last_Row = 0;
    int First_Col = 1, Last_Col = 0;
};
// Pages of a table of `rows` x `cols` cells (headers included), at most
// rows_per_page body rows (first_page_rows on the first page, which starts
// under the inputs) and cols_per_page body columns each.  One band of
// columns is read down before the next band starts.
std::vector<Table_Page> Table_Pages(int rows, int cols, int first_page_rows, int rows_per_page,
                                    int cols_per_page);

}  // namespace calorix
