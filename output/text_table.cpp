#include "output/text_table.h"

#include <algorithm>

#include "common/run_error.h"

namespace calorix {

void Text_Table::Reshape(int rows, int cols) {
    if (rows < 0 || cols < 0) {
        throw Run_Error("table size out of range");
    }
    if (rows == rows_ && cols == cols_) {
        return;
    }
    std::vector<std::string> cells(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols));
    const int keep_rows = std::min(rows, rows_);
    const int keep_cols = std::min(cols, cols_);
    for (int r = 0; r < keep_rows; ++r) {
        for (int c = 0; c < keep_cols; ++c) {
            cells[static_cast<std::size_t>(r) * static_cast<std::size_t>(cols) +
                  static_cast<std::size_t>(c)] = std::move(cells_[Index(r, c)]);
        }
    }
    cells_ = std::move(cells);
    rows_ = rows;
    cols_ = cols;
    alignment_.resize(static_cast<std::size_t>(cols), Cell_Alignment::Default);
    ++revision_;
}

void Text_Table::Set_Rows(int rows) {
    Reshape(rows, cols_);
}
void Text_Table::Set_Cols(int cols) {
    Reshape(rows_, cols);
}

void Text_Table::Set_Column_Alignment(int col, Cell_Alignment a) {
    if (col < 0 || col >= cols_) {
        throw Run_Error("table column out of range");
    }
    alignment_[static_cast<std::size_t>(col)] = a;
    ++revision_;
}

Cell_Alignment Text_Table::Column_Alignment(int col) const {
    if (col < 0 || col >= cols_) {
        throw Run_Error("table column out of range");
    }
    return alignment_[static_cast<std::size_t>(col)];
}

std::size_t Text_Table::Index(int row, int col) const {
    if (row < 0 || row >= rows_ || col < 0 || col >= cols_) {
        throw Run_Error("table cell out of range");
    }
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(cols_) +
           static_cast<std::size_t>(col);
}

void Text_Table::Set_Text(std::string text) {
    Set_Cell(row_, col_, std::move(text));
}
const std::string& Text_Table::Text() const {
    return Cell(row_, col_);
}

void Text_Table::Set_Cell(int row, int col, std::string text) {
    cells_[Index(row, col)] = std::move(text);
    ++revision_;
}

const std::string& Text_Table::Cell(int row, int col) const {
    return cells_[Index(row, col)];
}

}  // namespace calorix
