#pragma once
// The results table as the presentation procedures write it and the report
// reads it back: a rectangle of text cells, row 0 and column 0 being the
// header row and header column, with a current cell and a per-column
// alignment.  The results window shows it through a model/view table.
//
// A table of a long run has millions of cells, most of which nobody ever
// looks at.  So the table keeps no text per cell: a block of cells is filled
// from a Cell_Source that works the text out from the stored number when the
// cell is read.  Single texts written cell by cell are kept as they are.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace calorix {

enum class Cell_Alignment { Default, Centre };

// The texts of a rectangular block of cells, computed on demand.  Cells are
// addressed from the block's own first cell, (0, 0).
class Cell_Source {
  public:
    virtual ~Cell_Source() = default;
    virtual int Rows() const = 0;
    virtual int Cols() const = 0;
    virtual std::string Text(int row, int col) const = 0;
    // The number the text was made from, at full precision; false for a
    // text that stands for no number.
    virtual bool Value(int row, int col, double& value) const = 0;
    // Appends texts that are at least as wide as every text of block column
    // `col` once each digit is drawn as the widest digit of the font, so a
    // view can size a column without formatting all of it.
    virtual void Widest_Texts(int col, std::vector<std::string>& texts) const = 0;
};

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
    std::string Text() const;

    // Direct cell access, for the window and for bulk writers.
    void Set_Cell(int row, int col, std::string text);
    std::string Cell(int row, int col) const;
    // The full-precision number behind a cell filled from a source; false
    // for written texts and empty cells.
    bool Cell_Value(int row, int col, double& value) const;

    // Fills the block of source->Rows() x source->Cols() cells from (row,
    // col) on: those cells now show the source's texts, as if each had been
    // written.  A block reaching outside the grid throws Run_Error.
    void Set_Block(int row, int col, std::shared_ptr<const Cell_Source> source);

    // Texts bounding the width of column `col` over rows first_row .. Rows()-1
    // (see Cell_Source::Widest_Texts); a few per block, not one per cell.
    std::vector<std::string> Column_Width_Texts(int col, int first_row) const;

    // Bumped on every change of shape or text, so a view can tell when to
    // refresh.
    unsigned long Revision() const { return revision_; }

  private:
    struct Block {
        int Row, Col, Rows, Cols;
        std::shared_ptr<const Cell_Source> Source;
        bool Contains(int r, int c) const {
            return r >= Row && r < Row + Rows && c >= Col && c < Col + Cols;
        }
    };
    static std::uint64_t Key(int row, int col) {
        return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(row)) << 32) |
               static_cast<std::uint32_t>(col);
    }
    void Reshape(int rows, int cols);
    void Check(int row, int col) const;
    const Block* Block_At(int row, int col) const;
    int rows_ = 0;
    int cols_ = 0;
    int row_ = 0;
    int col_ = 0;
    std::unordered_map<std::uint64_t, std::string> written_;
    std::vector<Block> blocks_;  // later blocks cover earlier ones
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
