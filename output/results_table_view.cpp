#include "output/results_table_view.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <algorithm>
#include <vector>

#include "common/file_dialogs.h"
#include "common/file_names.h"
#include "common/message_dialogs.h"
#include "output/table_export.h"
#include "output/text_table_model.h"

namespace calorix {

namespace {

// Texts measured with every digit drawn as the widest digit of the font: the
// bound of every number text of the same shape.
class Shape_Measure {
  public:
    explicit Shape_Measure(const QFont& font) : fm_(font) {
        int widest_advance = -1;
        for (char d = '0'; d <= '9'; ++d) {
            const int a = fm_.horizontalAdvance(QLatin1Char(d));
            if (a > widest_advance) {
                widest_advance = a;
                widest_ = QLatin1Char(d);
            }
        }
    }
    // Columns of a table share a handful of shapes, so each is laid out once.
    int Width(const std::string& text) const {
        QString shape = QString::fromStdString(text);
        for (QChar& c : shape) {
            if (c.isDigit()) {
                c = widest_;
            }
        }
        const auto known = widths_.constFind(shape);
        if (known != widths_.cend()) {
            return *known;
        }
        const int w = fm_.horizontalAdvance(shape);
        widths_.insert(shape, w);
        return w;
    }
    int Widest(const std::vector<std::string>& texts) const {
        int w = 0;
        for (const std::string& t : texts) {
            w = std::max(w, Width(t));
        }
        return w;
    }

  private:
    QFontMetrics fm_;
    QChar widest_ = QLatin1Char('0');
    mutable QHash<QString, int> widths_;
};

}  // namespace

Results_Table_View::Results_Table_View(QWidget* parent) : QTableView(parent) {
    copy_action_ = new QAction(QStringLiteral("Copy"), this);
    copy_action_->setShortcut(QKeySequence::Copy);
    // The key itself is handled by keyPressEvent; the action only serves
    // the menu.
    copy_action_->setShortcutContext(Qt::WidgetShortcut);
    connect(copy_action_, &QAction::triggered, this, &Results_Table_View::Copy_Selection);
    select_all_action_ = new QAction(QStringLiteral("Select All"), this);
    select_all_action_->setShortcut(QKeySequence::SelectAll);
    select_all_action_->setShortcutContext(Qt::WidgetShortcut);
    connect(select_all_action_, &QAction::triggered, this, &QTableView::selectAll);
    // Columns keep the width the user drags them to.
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this] {
        if (!fitting_) {
            user_sized_ = true;
        }
    });
}

void Results_Table_View::setModel(QAbstractItemModel* model) {
    QTableView::setModel(model);
    if (model == nullptr) {
        return;
    }
    connect(model, &QAbstractItemModel::modelReset, this, [this] { Fit_Columns(false); });
    connect(model, &QAbstractItemModel::dataChanged, this, [this] { Fit_Columns(true); });
    Fit_Columns(false);
}

Text_Table_Model* Results_Table_View::Table_Model() const {
    return qobject_cast<Text_Table_Model*>(model());
}

const Text_Table* Results_Table_View::Table() const {
    const Text_Table_Model* m = Table_Model();
    return m == nullptr ? nullptr : m->Table();
}

void Results_Table_View::Fit_Columns(bool grow_only) {
    const Text_Table* table = Table();
    if (table == nullptr || table->Rows() < 1 || table->Cols() < 1) {
        return;
    }
    QHeaderView* across = horizontalHeader();
    QHeaderView* down = verticalHeader();
    const Shape_Measure cell_fm(font());
    const Shape_Measure across_fm(across->font());
    const Shape_Measure down_fm(down->font());
    // Room around the text: the header's margins and the cell's focus frame,
    // plus a little air.
    const int header_pad = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, across) + 8;
    const int cell_pad =
        2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + 8;

    // Column c of the view is column c + 1 of the table: its heading is the
    // text of row 0, its cells those of rows 1 on.
    const std::size_t n = static_cast<std::size_t>(table->Cols() - 1);
    if (!grow_only || fitted_.size() != n) {
        fitted_.assign(n, 0);
        user_sized_ = false;
    }
    for (int col = 1; col < table->Cols(); ++col) {
        const int heading = across_fm.Width(table->Cell(0, col));
        const int cells = cell_fm.Widest(table->Column_Width_Texts(col, 1));
        int& fitted = fitted_[static_cast<std::size_t>(col - 1)];
        fitted = std::max(fitted, std::max(heading + header_pad, cells + cell_pad));
        if (user_sized_ && fitted > across->sectionSize(col - 1)) {
            across->resizeSection(col - 1, fitted);  // the user's width, widened to fit
        }
    }
    Spread();
    // The heading column: the row headings, and the table's own heading in
    // the corner above them.
    const int down_w = std::max(down_fm.Widest(table->Column_Width_Texts(0, 1)),
                                across_fm.Width(table->Cell(0, 0))) +
                       header_pad;
    if (!grow_only || down_w > down->minimumWidth()) {
        down->setMinimumWidth(down_w);
    }
}

void Results_Table_View::Spread() {
    if (user_sized_ || fitted_.empty()) {
        return;
    }
    // Room for a vertical scroll bar that may still appear, so that a
    // spread table never needs a horizontal one.
    const int room =
        viewport()->width() -
        (verticalScrollBar()->isVisible() ? 0 : verticalScrollBar()->sizeHint().width());
    long total = 0;
    for (int w : fitted_) {
        total += w;
    }
    const int extra =
        total < room ? static_cast<int>((room - total) / static_cast<long>(fitted_.size())) : 0;
    QHeaderView* across = horizontalHeader();
    fitting_ = true;
    for (std::size_t c = 0; c < fitted_.size(); ++c) {
        const int w = fitted_[c] + extra;
        if (across->sectionSize(static_cast<int>(c)) != w) {
            across->resizeSection(static_cast<int>(c), w);
        }
    }
    fitting_ = false;
}

void Results_Table_View::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    Spread();
}

QString Results_Table_View::Selection_Text() const {
    const Text_Table* table = Table();
    if (table == nullptr || selectionModel() == nullptr) {
        return {};
    }
    // The bounding block of the selection (one block: selections are
    // contiguous); the current cell when nothing is selected.
    int top = -1, bottom = -1, left = -1, right = -1;
    for (const QItemSelectionRange& r : selectionModel()->selection()) {
        top = top < 0 ? r.top() : std::min(top, r.top());
        left = left < 0 ? r.left() : std::min(left, r.left());
        bottom = std::max(bottom, r.bottom());
        right = std::max(right, r.right());
    }
    if (top < 0) {
        const QModelIndex current = currentIndex();
        if (!current.isValid()) {
            return {};
        }
        top = bottom = current.row();
        left = right = current.column();
    }
    return QString::fromStdString(Table_Tsv_Text(*table, top + 1, bottom + 1, left + 1, right + 1));
}

void Results_Table_View::Copy_Selection() {
    const QString text = Selection_Text();
    if (!text.isEmpty()) {
        QApplication::clipboard()->setText(text);
    }
}

void Results_Table_View::Export_Csv() {
    const Text_Table* table = Table();
    if (table == nullptr) {
        return;
    }
    const QString typed = Ask_File_Name(
        this, Save_File_Request(QStringLiteral("csv"), {QStringLiteral("CSV Files (*.csv)"),
                                                        QStringLiteral("All Files (*.*)")}));
    if (typed.isEmpty()) {
        return;
    }
    const std::string path = Csv_Path(File_System_Path(typed, false));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool written = Export_Table_Csv(*table, path);
    QApplication::restoreOverrideCursor();
    if (!written) {
        Show_Calorix_Message(
            this, QStringLiteral("The table could not be written to %1.").arg(Shown_Path(path)));
    }
}

void Results_Table_View::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        Copy_Selection();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void Results_Table_View::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.addAction(copy_action_);
    menu.addAction(select_all_action_);
    menu.exec(event->globalPos());
}

}  // namespace calorix
