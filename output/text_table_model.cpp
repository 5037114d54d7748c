#include "output/text_table_model.h"

#include <algorithm>

namespace calorix {

void Text_Table_Model::Set_Table(const Text_Table* table) {
    beginResetModel();
    table_ = table;
    endResetModel();
    Remember_Shape();
}

void Text_Table_Model::Refresh() {
    // Same shape (another time level): the view keeps its scroll position,
    // selection and column widths, and repaints what it shows.
    if (table_ != nullptr && rowCount() == shown_rows_ && columnCount() == shown_cols_) {
        if (shown_rows_ > 0 && shown_cols_ > 0) {
            emit dataChanged(index(0, 0), index(shown_rows_ - 1, shown_cols_ - 1));
        }
        emit headerDataChanged(Qt::Horizontal, 0, std::max(shown_cols_ - 1, 0));
        emit headerDataChanged(Qt::Vertical, 0, std::max(shown_rows_ - 1, 0));
        return;
    }
    beginResetModel();
    endResetModel();
    Remember_Shape();
}

void Text_Table_Model::Remember_Shape() {
    shown_rows_ = rowCount();
    shown_cols_ = columnCount();
}

int Text_Table_Model::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || table_ == nullptr || table_->Rows() < 1) {
        return 0;
    }
    return table_->Rows() - 1;
}

int Text_Table_Model::columnCount(const QModelIndex& parent) const {
    if (parent.isValid() || table_ == nullptr || table_->Cols() < 1) {
        return 0;
    }
    return table_->Cols() - 1;
}

QVariant Text_Table_Model::data(const QModelIndex& index, int role) const {
    if (table_ == nullptr || !index.isValid()) {
        return {};
    }
    const int col = index.column() + 1;
    if (role == Qt::DisplayRole) {
        return QString::fromStdString(table_->Cell(index.row() + 1, col));
    }
    if (role == Qt::TextAlignmentRole) {
        const bool centre = table_->Column_Alignment(col) == Cell_Alignment::Centre;
        return QVariant::fromValue(centre ? Qt::Alignment(Qt::AlignCenter)
                                          : Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    }
    return {};
}

QVariant Text_Table_Model::headerData(int section, Qt::Orientation orientation, int role) const {
    if (table_ == nullptr || role != Qt::DisplayRole || section < 0) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (orientation == Qt::Horizontal) {
        if (section + 1 >= table_->Cols() || table_->Rows() < 1) {
            return {};
        }
        return QString::fromStdString(table_->Cell(0, section + 1));
    }
    if (section + 1 >= table_->Rows() || table_->Cols() < 1) {
        return {};
    }
    return QString::fromStdString(table_->Cell(section + 1, 0));
}

}  // namespace calorix
