#pragma once
// The results table as text for other programs: tab-separated for the
// clipboard (the texts as the cells show them) and comma-separated for a file
// (the stored numbers at full precision).  Both put the headings first, as
// the table does: row 0 across the top, column 0 down the left.
#include <ostream>
#include <string>

#include "common/text_table.h"

namespace calorix {

// Rows first_row..last_row and columns first_col..last_col (table
// addresses, data cells from 1), preceded by their column headings (row 0)
// and each led by its row heading (column 0); cell (0, 0) leads the heading
// line.  Fields are separated by tabs, lines end in "\n".
std::string Table_Tsv_Text(const Text_Table& table, int first_row, int last_row, int first_col,
                           int last_col);

// Every cell, one line per row.  A cell filled from a stored number gives that
// number in its shortest form that reads back to the same double, with a
// point; any other cell its text, quoted when it holds a comma, a quote or a
// line break.  Lines end in "\n"; the text is UTF-8.
void Write_Table_Csv(const Text_Table& table, std::ostream& out);
std::string Table_Csv_Text(const Text_Table& table);

// Writes the CSV text to a file; false when it cannot be written.
bool Export_Table_Csv(const Text_Table& table, const std::string& path);

// The path a typed file name stands for: ".csv" appended when the name has
// no extension.
std::string Csv_Path(const std::string& typed);

}  // namespace calorix
