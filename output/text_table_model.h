#pragma once
// A read-only Qt table model over the results table.  Row 0 and column 0 of
// the table are its headings: they become the horizontal and vertical header
// sections, so they stay in view while a long history is scrolled; the cell
// (0, 0) is shown in the view's corner by the results window.  Cells are read
// straight from the table on demand, so a table of any size appears at once.
#include <QAbstractTableModel>

#include "common/text_table.h"

namespace calorix {

class Text_Table_Model : public QAbstractTableModel {
    Q_OBJECT

  public:
    explicit Text_Table_Model(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    // Shows `table` (or nothing for null); the table must outlive the model
    // or be replaced first.
    void Set_Table(const Text_Table* table);
    // The table's texts changed (another time level, a new run).
    void Refresh();
    const Text_Table* Table() const { return table_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    void Remember_Shape();
    const Text_Table* table_ = nullptr;
    int shown_rows_ = 0;
    int shown_cols_ = 0;
};

}  // namespace calorix
