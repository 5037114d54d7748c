#include "common/text_table_sources.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>
#include <utility>

#include "common/number_text.h"

namespace calorix {

Number_Block::Number_Block(Number_Array values, int rows, int cols, std::size_t first,
                           std::size_t row_stride, std::size_t col_stride, std::string pattern)
    : rows_(std::max(rows, 0)),
      cols_(std::max(cols, 0)),
      first_(first),
      row_stride_(row_stride),
      col_stride_(col_stride),
      values_(std::move(values)),
      pattern_(std::move(pattern)) {}

bool Number_Block::Value(int row, int col, double& value) const {
    if (row < 0 || row >= rows_ || col < 0 || col >= cols_) {
        return false;
    }
    const std::span<const double> a = values_();
    const std::size_t k = first_ + static_cast<std::size_t>(row) * row_stride_ +
                          static_cast<std::size_t>(col) * col_stride_;
    if (k >= a.size()) {
        return false;
    }
    value = a[k];
    return true;
}

std::string Number_Block::Text(int row, int col) const {
    double v = 0;
    return Value(row, col, v) ? Format_Number(v, pattern_) : std::string();
}

void Number_Block::Find_Ranges() const {
    const std::span<const double> a = values_();
    const std::size_t cols = static_cast<std::size_t>(cols_);
    std::vector<double> low(cols, std::numeric_limits<double>::infinity());
    std::vector<double> high(cols, -std::numeric_limits<double>::infinity());
    ranges_.assign(cols, Range{});
    auto look = [&](std::size_t c, std::size_t k) {
        if (k >= a.size()) {
            return;
        }
        const double v = a[k];
        if (std::isfinite(v)) {
            low[c] = std::min(low[c], v);
            high[c] = std::max(high[c], v);
        } else if (std::isnan(v)) {
            ranges_[c].Nan = true;
        } else {
            (v > 0 ? ranges_[c].Plus_Inf : ranges_[c].Minus_Inf) = true;
        }
    };
    // Walk the array in memory order: a history is stored level by level,
    // a plate column by column.
    if (row_stride_ > col_stride_) {
        for (int r = 0; r < rows_; ++r) {
            const std::size_t k = first_ + static_cast<std::size_t>(r) * row_stride_;
            for (std::size_t c = 0; c < cols; ++c) {
                look(c, k + c * col_stride_);
            }
        }
    } else {
        for (std::size_t c = 0; c < cols; ++c) {
            const std::size_t k = first_ + c * col_stride_;
            for (int r = 0; r < rows_; ++r) {
                look(c, k + static_cast<std::size_t>(r) * row_stride_);
            }
        }
    }
    for (std::size_t c = 0; c < cols; ++c) {
        ranges_[c].Finite = low[c] <= high[c];
        ranges_[c].Low = low[c];
        ranges_[c].High = high[c];
    }
}

void Number_Block::Widest_Texts(int col, std::vector<std::string>& texts) const {
    if (col < 0 || col >= cols_) {
        return;
    }
    if (ranges_.size() != static_cast<std::size_t>(cols_)) {
        Find_Ranges();
    }
    const Range& g = ranges_[static_cast<std::size_t>(col)];
    if (g.Finite) {
        // A text has a sign, the integer digits of its rounded magnitude,
        // which grow with the magnitude, and at most every decimal the
        // pattern allows: the largest magnitude with every decimal bounds
        // them all.
        const std::string big =
            Format_Number(std::max(std::fabs(g.Low), std::fabs(g.High)), pattern_);
        const auto point = big.find('.');
        std::string widest = g.Low < 0 ? "-" : "";
        widest += big.substr(0, point);
        if (const auto p = pattern_.find('.'); p != std::string::npos) {
            widest += '.';
            widest.append(pattern_.size() - p - 1, '0');
        }
        texts.push_back(std::move(widest));
    }
    if (g.Nan) {
        texts.push_back(Format_Number(std::numeric_limits<double>::quiet_NaN(), pattern_));
    }
    if (g.Plus_Inf) {
        texts.push_back(Format_Number(std::numeric_limits<double>::infinity(), pattern_));
    }
    if (g.Minus_Inf) {
        texts.push_back(Format_Number(-std::numeric_limits<double>::infinity(), pattern_));
    }
}

bool Time_Label_Block::Value(int row, int col, double& value) const {
    if (row < 0 || row >= rows_ || col != 0) {
        return false;
    }
    value = row * dt_;
    return true;
}

std::string Time_Label_Block::Text(int row, int col) const {
    double t = 0;
    return Value(row, col, t) ? Plain_Number_Text(t) : std::string();
}

void Time_Label_Block::Widest_Texts(int col, std::vector<std::string>& texts) const {
    if (col != 0) {
        return;
    }
    // The length of a time label does not grow with the time (with dt = 1/3
    // s, 1/3 has fifteen digits and 3 one), so every label is looked at;
    // only their shapes, digits made alike, are kept.
    std::set<std::string> shapes;
    for (int r = 0; r < rows_; ++r) {
        std::string t = Text(r, 0);
        std::replace_if(
            t.begin(), t.end(), [](char ch) { return ch >= '0' && ch <= '9'; }, '0');
        shapes.insert(std::move(t));
    }
    texts.insert(texts.end(), shapes.begin(), shapes.end());
}

}  // namespace calorix
