#include "common/text_table.h"

#include <algorithm>
#include <utility>

#include "common/run_error.h"

namespace calorix {

void Text_Table::Reshape(int rows, int cols) {
    if (rows < 0 || cols < 0) {
        throw Run_Error("table size out of range");
    }
    if (rows == rows_ && cols == cols_) {
        return;
    }
    // Cells that fall outside are discarded, so that growing the grid again
    // gives empty cells rather than old texts.
    std::erase_if(written_, [&](const auto& entry) {
        const int r = static_cast<int>(entry.first >> 32);
        const int c = static_cast<int>(entry.first & 0xffffffffu);
        return r >= rows || c >= cols;
    });
    for (Block& b : blocks_) {
        b.Rows = std::max(0, std::min(b.Rows, rows - b.Row));
        b.Cols = std::max(0, std::min(b.Cols, cols - b.Col));
    }
    std::erase_if(blocks_, [](const Block& b) { return b.Rows == 0 || b.Cols == 0; });
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

void Text_Table::Check(int row, int col) const {
    if (row < 0 || row >= rows_ || col < 0 || col >= cols_) {
        throw Run_Error("table cell out of range");
    }
}

const Text_Table::Block* Text_Table::Block_At(int row, int col) const {
    for (auto b = blocks_.rbegin(); b != blocks_.rend(); ++b) {
        if (b->Contains(row, col)) {
            return &*b;
        }
    }
    return nullptr;
}

void Text_Table::Set_Text(std::string text) {
    Set_Cell(row_, col_, std::move(text));
}
std::string Text_Table::Text() const {
    return Cell(row_, col_);
}

void Text_Table::Set_Cell(int row, int col, std::string text) {
    Check(row, col);
    written_[Key(row, col)] = std::move(text);
    ++revision_;
}

std::string Text_Table::Cell(int row, int col) const {
    Check(row, col);
    // A written text is always newer than the blocks under it: setting a
    // block drops the texts it covers.
    if (!written_.empty()) {
        const auto w = written_.find(Key(row, col));
        if (w != written_.end()) {
            return w->second;
        }
    }
    const Block* b = Block_At(row, col);
    return b == nullptr ? std::string() : b->Source->Text(row - b->Row, col - b->Col);
}

bool Text_Table::Cell_Value(int row, int col, double& value) const {
    Check(row, col);
    if (written_.count(Key(row, col)) != 0) {
        return false;
    }
    const Block* b = Block_At(row, col);
    return b != nullptr && b->Source->Value(row - b->Row, col - b->Col, value);
}

void Text_Table::Set_Block(int row, int col, std::shared_ptr<const Cell_Source> source) {
    const Block block{row, col, source->Rows(), source->Cols(), std::move(source)};
    if (block.Rows <= 0 || block.Cols <= 0) {
        return;
    }
    Check(row, col);
    Check(row + block.Rows - 1, col + block.Cols - 1);
    std::erase_if(written_, [&](const auto& entry) {
        return block.Contains(static_cast<int>(entry.first >> 32),
                              static_cast<int>(entry.first & 0xffffffffu));
    });
    // Blocks wholly under the new one can never show again.
    std::erase_if(blocks_, [&](const Block& b) {
        return b.Row >= block.Row && b.Col >= block.Col &&
               b.Row + b.Rows <= block.Row + block.Rows && b.Col + b.Cols <= block.Col + block.Cols;
    });
    blocks_.push_back(block);
    ++revision_;
}

std::vector<std::string> Text_Table::Column_Width_Texts(int col, int first_row) const {
    std::vector<std::string> texts;
    for (const auto& [key, text] : written_) {
        if (static_cast<int>(key & 0xffffffffu) == col &&
            static_cast<int>(key >> 32) >= first_row) {
            texts.push_back(text);
        }
    }
    // Parts of a block hidden under a later one still count: the width is
    // a bound, and stays cheap.
    for (const Block& b : blocks_) {
        if (col >= b.Col && col < b.Col + b.Cols && b.Row + b.Rows > first_row) {
            b.Source->Widest_Texts(col - b.Col, texts);
        }
    }
    return texts;
}

}  // namespace calorix
