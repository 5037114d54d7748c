#pragma once
// The results table as the presentation procedures write it and the report
// reads it back: a rectangle of text cells, row 0 and column 0 being the
// header row and header column, with a current cell and a per-column
// alignment.  The results window shows it through a model/view table.
#include <cstddef>
#include <string>
#include <vector>

namespace calorix {

enum class Cell_Alignment { Default, Centre };

class Text_Table {
  public:
    // Resizing keeps the texts of cells that stay inside the grid.
    void Set_Rows(int rows);
    void Set_Cols(int cols);
    int Rows() const { return rows_; }
    int Cols() const { return cols_; }

    void Set_Column_Alignment(int col, Cell_Alignment a);
    Cell_Alignment Column_Alignment(int col) const;

    void Set_Row(int row) { row_ = row; }
    void Set_Col(int col) { col_ = col; }
    int Row() const { return row_; }
    int Col() const { return col_; }
    // Text of the current cell.  An address outside the grid throws Run_Error.
    void Set_Text(std::string text);
    const std::string& Text() const;

    // Direct cell access, for the window and for bulk writers.
    void Set_Cell(int row, int col, std::string text);
    const std::string& Cell(int row, int col) const;

    // Bumped on every change of shape or text, so a view can tell when to
    // refresh.
    unsigned long Revision() const { return revision_; }

  private:
    void Reshape(int rows, int cols);
    std::size_t Index(int row, int col) const;
    int rows_ = 0;
    int cols_ = 0;
    int row_ = 0;
    int col_ = 0;
    std::vector<std::string> cells_;
    std::vector<Cell_Alignment> alignment_;
    unsigned long revision_ = 0;
};

// The one temperature curve of the results chart: points numbered from 1,
// each with a category label along the x axis and a value.
struct Chart_Data {
    std::string Title;
    std::string Category_Title;
    std::vector<std::string> Labels;
    std::vector<double> Values;
    bool Label_Ticks = false;

    void Set_Point_Count(int n) {
        Labels.resize(static_cast<std::size_t>(n));
        Values.resize(static_cast<std::size_t>(n));
    }
    int Point_Count() const { return static_cast<int>(Values.size()); }
};

}  // namespace calorix
