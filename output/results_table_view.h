#pragma once
// The view of the results table: columns as wide as their widest text, the
// headings fixed while the cells scroll, and the table handed on to other
// programs: Ctrl+C or "Copy" puts the selected block with its headings on the
// clipboard as tab-separated text, and "Export Table…" writes the whole table
// to a CSV file.
#include <QTableView>
#include <vector>

#include "common/text_table.h"

class QAction;

namespace calorix {

class Text_Table_Model;

class Results_Table_View : public QTableView {
    Q_OBJECT

  public:
    explicit Results_Table_View(QWidget* parent = nullptr);
    void setModel(QAbstractItemModel* model) override;

    // The table on display, or null.
    const Text_Table* Table() const;
    // The selected block (or the current cell) with its headings, as
    // tab-separated text.
    QString Selection_Text() const;
    QAction* Copy_Action() const { return copy_action_; }
    QAction* Select_All_Action() const { return select_all_action_; }

  public slots:
    void Copy_Selection();
    // Asks for a file name and writes the table to it as CSV.
    void Export_Csv();
    // Gives every column (and the heading column) the width of the widest
    // text it can show; a table narrower than the view spreads over it.
    // With grow_only, wider columns stay as they are, so a width the user
    // set survives another time level.
    void Fit_Columns(bool grow_only = false);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    Text_Table_Model* Table_Model() const;
    void Spread();
    std::vector<int> fitted_;  // the fitted width of each column
    bool user_sized_ = false;  // a column was dragged since the last fit
    bool fitting_ = false;
    QAction* copy_action_ = nullptr;
    QAction* select_all_action_ = nullptr;
};

}  // namespace calorix
