#pragma once
// Blocks of the results table that show stored numbers: each cell's text is
// the number in a format pattern, worked out when the cell is read.  The
// numbers stay where the solver put them; a block only knows where to look.
#include <cstddef>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "common/text_table.h"

namespace calorix {

// The numbers a block reads, fetched afresh at every read so that a store
// dimensioned again by a later run is never read through a stale pointer.
using Number_Array = std::function<std::span<const double>()>;

// Cell (r, c) shows element first + r * row_stride + c * col_stride of the
// array in `pattern` (Format_Number).  A cell whose element lies outside the
// array as it is now shows an empty text.
class Number_Block : public Cell_Source {
  public:
    Number_Block(Number_Array values, int rows, int cols, std::size_t first, std::size_t row_stride,
                 std::size_t col_stride, std::string pattern);
    int Rows() const override { return rows_; }
    int Cols() const override { return cols_; }
    std::string Text(int row, int col) const override;
    bool Value(int row, int col, double& value) const override;
    void Widest_Texts(int col, std::vector<std::string>& texts) const override;

  private:
    struct Range {
        double Low = 0, High = 0;
        bool Finite = false, Nan = false, Plus_Inf = false, Minus_Inf = false;
    };
    void Find_Ranges() const;
    int rows_, cols_;
    std::size_t first_, row_stride_, col_stride_;
    Number_Array values_;
    std::string pattern_;
    // One pass over the block the first time a width is asked for.
    mutable std::vector<Range> ranges_;
};

// A column of times r * dt, r = 0 .. rows-1, as time labels
// (Plain_Number_Text).
class Time_Label_Block : public Cell_Source {
  public:
    Time_Label_Block(int rows, double dt) : rows_(rows), dt_(dt) {}
    int Rows() const override { return rows_; }
    int Cols() const override { return 1; }
    std::string Text(int row, int col) const override;
    bool Value(int row, int col, double& value) const override;
    void Widest_Texts(int col, std::vector<std::string>& texts) const override;

  private:
    int rows_;
    double dt_;
};

// Helpers for the arrays of the result stores.  `Of` reads the array in
// place (it must outlive the table's use of it); `Copy_Of` keeps a copy.
template <class Array>
std::size_t Element_Count(const Array& a) {
    if constexpr (requires { a.Size(); }) {
        return a.Size();
    } else {
        return static_cast<std::size_t>(a.Count());
    }
}
template <class Array>
Number_Array Of(const Array& a) {
    return [&a] { return std::span<const double>(a.Data(), Element_Count(a)); };
}
template <class Array>
Number_Array Copy_Of(const Array& a) {
    auto copy = std::make_shared<const std::vector<double>>(a.Data(), a.Data() + Element_Count(a));
    return [copy] { return std::span<const double>(*copy); };
}

}  // namespace calorix
