#include "output/table_export.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <sstream>

#include "common/atomic_file.h"

namespace calorix {

namespace {

// A field in the quoting of spreadsheets: enclosed in quotes, inner quotes
// doubled, when it holds the separator, a quote or a line break.
void Put_Field(std::string& line, const std::string& text, char separator) {
    if (text.find_first_of(std::string{separator, '"', '\n', '\r'}) == std::string::npos) {
        line += text;
        return;
    }
    line += '"';
    for (char c : text) {
        line += c;
        if (c == '"') {
            line += '"';
        }
    }
    line += '"';
}

void Put_Tsv_Row(std::string& text, const Text_Table& table, int row, int first_col, int last_col) {
    Put_Field(text, table.Cell(row, 0), '\t');
    for (int c = first_col; c <= last_col; ++c) {
        text += '\t';
        Put_Field(text, table.Cell(row, c), '\t');
    }
    text += '\n';
}

}  // namespace

std::string Table_Tsv_Text(const Text_Table& table, int first_row, int last_row, int first_col,
                           int last_col) {
    std::string text;
    if (table.Rows() < 1 || table.Cols() < 1) {
        return text;
    }
    first_row = std::max(first_row, 1);
    first_col = std::max(first_col, 1);
    last_row = std::min(last_row, table.Rows() - 1);
    last_col = std::min(last_col, table.Cols() - 1);
    Put_Tsv_Row(text, table, 0, first_col, last_col);
    for (int r = first_row; r <= last_row; ++r) {
        Put_Tsv_Row(text, table, r, first_col, last_col);
    }
    return text;
}

void Write_Table_Csv(const Text_Table& table, std::ostream& out) {
    std::string line;
    for (int r = 0; r < table.Rows(); ++r) {
        line.clear();
        for (int c = 0; c < table.Cols(); ++c) {
            if (c > 0) {
                line += ',';
            }
            double v = 0;
            if (table.Cell_Value(r, c, v)) {
                // Shortest round-trip form; to_chars never uses the locale.
                char buf[32];
                const auto end = std::to_chars(buf, buf + sizeof buf, v).ptr;
                line.append(buf, end);
            } else {
                Put_Field(line, table.Cell(r, c), ',');
            }
        }
        line += '\n';
        out << line;
    }
}

std::string Table_Csv_Text(const Text_Table& table) {
    std::ostringstream out;
    Write_Table_Csv(table, out);
    return out.str();
}

bool Export_Table_Csv(const Text_Table& table, const std::string& path) {
    // Whole or not at all: a full disk keeps an older export as it was.
    return Replace_File_Contents(path, Table_Csv_Text(table));
}

std::string Csv_Path(const std::string& typed) {
    if (typed.empty() || std::filesystem::path(typed).has_extension()) {
        return typed;
    }
    return typed + ".csv";
}

}  // namespace calorix
