// The results table as a student reads and takes it away: every visible
// heading and cell fits its column on a 60 x 40 plate and a 21-node history
// of 500 steps (also scrolled to the far corner), Ctrl+C, the "Copy" menu
// entry and Select All put the block with its headings on the clipboard, and
// "Export Table…" writes a CSV file that reads back to the stored doubles.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <cmath>

#include "common/file_dialogs.h"
#include "gui_test_support.h"
#include "output/output_form.h"
#include "output/results_table_view.h"
#include "solvers/presentation.h"

using namespace calorix;
using calorix::gui_test::Bytes;

namespace {

// Temperatures with wide texts (four integer digits, a sign) in the middle
// of the field, so a column sized from its first rows would be too narrow.
double Field(int i, int j) {
    return 20.0 + 1234.567 * std::sin(0.37 * i) * std::cos(0.21 * j) - (i == j ? 9000.5 : 0.0);
}

void Fill_Plate(Steady_2D_Store& s, int nx, int ny, double dx) {
    s.X_Nodes_2D = static_cast<std::int16_t>(nx);
    s.Y_Nodes_2D = static_cast<std::int16_t>(ny);
    s.Temperature_2D.Dimension(nx, ny);
    s.Location_2D.Dimension(std::max(nx, ny));
    for (int m = 1; m <= std::max(nx, ny); ++m) {
        s.Location_2D(m) = (m - 1) * dx;
    }
    for (int i = 1; i <= nx; ++i) {
        for (int j = 1; j <= ny; ++j) {
            s.Temperature_2D(i, j) = Field(i, j);
        }
    }
}

void Fill_History(Result_Stores& stores, int nodes, int steps, double dt) {
    Transient_1D_Store& s = stores.Transient_1D;
    s.Nodes_T1D = nodes;
    s.Time_Steps_T1D = static_cast<std::int16_t>(steps);
    s.X_Location_T1D.Dimension(nodes);
    s.Temperature_History_1D.Dimension(1, steps + 1, nodes);
    for (int i = 1; i <= nodes; ++i) {
        s.X_Location_T1D(i) = (i - 1) * 0.0125;
        for (int n = 1; n <= steps + 1; ++n) {
            s.Temperature_History_1D(n, i) = Field(i, n);
        }
    }
    stores.Delta_Time = dt;
}

}  // namespace

class Results_Table_View_Test : public QObject {
    Q_OBJECT

    Result_Stores stores_;
    Problem_Definition problem_;
    Output_Model model_;

    Results_Table_View* Show(Output_Form& w) {
        w.Load_Results(model_, stores_, problem_);
        w.resize(1100, 700);
        w.show();
        if (!QTest::qWaitForWindowExposed(&w)) {
            return nullptr;
        }
        return qobject_cast<Results_Table_View*>(w.Table_View());
    }

    // Every heading and cell in view is no wider than its column.
    static void Check_Visible_Texts_Fit(Results_Table_View* v) {
        const QAbstractItemModel* m = v->model();
        const int cell_pad = 2 * (v->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
        const int head_pad = 2 * v->style()->pixelMetric(QStyle::PM_HeaderMargin);
        const QFontMetrics cell_fm(v->font());
        const QFontMetrics across_fm(v->horizontalHeader()->font());
        const QFontMetrics down_fm(v->verticalHeader()->font());
        const auto last = [](int at, int count) { return at < 0 ? count - 1 : at; };
        const int r0 = v->rowAt(0);
        const int r1 = last(v->rowAt(v->viewport()->height() - 1), m->rowCount());
        const int c0 = v->columnAt(0);
        const int c1 = last(v->columnAt(v->viewport()->width() - 1), m->columnCount());
        QVERIFY(r0 >= 0 && c0 >= 0);
        for (int c = c0; c <= c1; ++c) {
            const QString head = m->headerData(c, Qt::Horizontal).toString();
            QVERIFY2(v->columnWidth(c) >= across_fm.horizontalAdvance(head) + head_pad,
                     qPrintable(head));
            for (int r = r0; r <= r1; ++r) {
                const QString text = m->data(m->index(r, c)).toString();
                QVERIFY2(v->columnWidth(c) >= cell_fm.horizontalAdvance(text) + cell_pad,
                         qPrintable(QStringLiteral("%1 at %2,%3").arg(text).arg(r).arg(c)));
            }
        }
        for (int r = r0; r <= r1; ++r) {
            const QString head = m->headerData(r, Qt::Vertical).toString();
            QVERIFY2(v->verticalHeader()->width() >= down_fm.horizontalAdvance(head) + head_pad,
                     qPrintable(head));
        }
        QVERIFY(v->horizontalHeader()->isVisible() && v->verticalHeader()->isVisible());
    }

    static QString Clipboard() { return QApplication::clipboard()->text(); }

  private slots:
    void init() {
        stores_ = Result_Stores();
        model_ = Output_Model();
    }

    void columns_fit_every_visible_text_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("nx");
        QTest::addColumn<int>("ny");
        QTest::addColumn<double>("step");
        QTest::newRow("plate 60 x 40") << int(Kind_Steady_2D) << 60 << 40 << 0.0125;
        // dt = 0.7 s: times such as 0.7 * 3 = 2.0999999999999996 s.
        QTest::newRow("history 21 x 500") << int(Kind_Transient_1D) << 21 << 500 << 0.7;
        // Row headings " 0" to " 3", narrower than the corner's "T(t,x)".
        QTest::newRow("history 3 x 3") << int(Kind_Transient_1D) << 3 << 3 << 1.0;
    }
    void columns_fit_every_visible_text() {
        QFETCH(int, kind);
        QFETCH(int, nx);
        QFETCH(int, ny);
        QFETCH(double, step);
        model_.Kind = kind;
        if (kind == Kind_Steady_2D) {
            Fill_Plate(stores_.Steady_2D, nx, ny, step);
            Display_Steady_State_2D_Results(stores_.Steady_2D, model_);
        } else {
            Fill_History(stores_, nx, ny, step);
            Display_Transient_1D_Results(stores_, model_);
        }
        Output_Form w;
        Results_Table_View* v = Show(w);
        QVERIFY(v != nullptr);
        Check_Visible_Texts_Fit(v);
        const QLabel* corner = w.Table_Corner();
        QVERIFY(corner->width() >= corner->fontMetrics().horizontalAdvance(corner->text()));
        // A narrow table spreads over the view.
        QVERIFY(v->horizontalHeader()->length() >= v->viewport()->width() - 40);
        // Down and right to the far corner: the headings stay, the texts fit.
        v->scrollTo(v->model()->index(v->model()->rowCount() / 2, v->model()->columnCount() / 2));
        Check_Visible_Texts_Fit(v);
        v->scrollToBottom();
        v->horizontalScrollBar()->setValue(v->horizontalScrollBar()->maximum());
        Check_Visible_Texts_Fit(v);
        // The user can still drag a column narrower or wider.
        QCOMPARE(v->horizontalHeader()->sectionResizeMode(0), QHeaderView::Interactive);
        v->horizontalHeader()->resizeSection(0, 200);
        QCOMPARE(v->columnWidth(0), 200);
    }

    void a_wide_heading_deep_in_the_table_fits() {
        // The header view itself only looks at the first and last hundred
        // rows; the widest heading here is in row 150 of 300.
        Text_Table& t = model_.Output_Table;
        t.Set_Rows(301);
        t.Set_Cols(2);
        for (int r = 1; r <= 300; ++r) {
            t.Set_Cell(r, 0, r == 150 ? "1234567.890123" : "7");
            t.Set_Cell(r, 1, "1");
        }
        model_.Kind = Kind_Steady_2D;
        Output_Form w;
        Results_Table_View* v = Show(w);
        QVERIFY(v != nullptr);
        v->scrollTo(v->model()->index(149, 0));
        Check_Visible_Texts_Fit(v);
    }

    void another_level_keeps_the_users_widths_and_widens_what_no_longer_fits() {
        // Level 0 holds 20 C everywhere, level 1 a wide -12345.67 C.
        Transient_2D_Store& s = stores_.Transient_2D;
        s.X_Nodes_T2D = 3;
        s.Y_Nodes_T2D = 2;
        s.Time_Steps_T2D = 1;
        s.Location_T2D.Dimension(3);
        s.New_Temperature_T2D.Dimension(3, 2);
        s.Temperature_History_2D.Dimension(2, 3, 2);
        for (int i = 1; i <= 3; ++i) {
            s.Location_T2D(i) = (i - 1) * 0.01;
            for (int j = 1; j <= 2; ++j) {
                s.Temperature_History_2D(i, j, 0) = 20.0;
                s.Temperature_History_2D(i, j, 1) = -12345.67;
            }
        }
        problem_.Time_Step = 1;
        model_.Kind = Kind_Transient_2D;
        Show_Transient_2D_Time(s, 1, "0", model_.Output_Table);
        Output_Form w;
        Results_Table_View* v = Show(w);
        QVERIFY(v != nullptr);
        // The user widens x = 0 and narrows x = 0.01 to what 20. needs.
        v->horizontalHeader()->resizeSection(0, 300);
        v->horizontalHeader()->resizeSection(1, 40);
        w.Time_List()->setEditText(QStringLiteral("1"));
        w.Time_List_Box_Click();
        QCOMPARE(v->model()->data(v->model()->index(0, 1)).toString(), QStringLiteral("-12345.67"));
        QCOMPARE(v->columnWidth(0), 300);
        QVERIFY(v->columnWidth(1) > 40);
        Check_Visible_Texts_Fit(v);
    }

    void copy_gives_the_block_with_its_headings() {
        model_.Kind = Kind_Steady_2D;
        Fill_Plate(stores_.Steady_2D, 4, 3, 0.1);
        Steady_2D_Store& s = stores_.Steady_2D;
        s.Temperature_2D(2, 1) = 62.456;
        s.Temperature_2D(3, 1) = -3.14159;
        s.Temperature_2D(2, 2) = 99.994;
        s.Temperature_2D(3, 2) = 0.004;
        Display_Steady_State_2D_Results(s, model_);
        Output_Form w;
        Results_Table_View* v = Show(w);
        QVERIFY(v != nullptr);
        v->setFocus();
        const QAbstractItemModel* m = v->model();

        // Rows y = 0, 0.1 and columns x = 0.1, 0.2 of the plate.
        v->selectionModel()->select(QItemSelection(m->index(0, 1), m->index(1, 2)),
                                    QItemSelectionModel::ClearAndSelect);
        QApplication::clipboard()->clear();
        QTest::keyClick(v, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(Clipboard(),
                 QStringLiteral("T(x,y)\t0.1\t0.2\n0.\t62.46\t-3.14\n0.1\t99.99\t0.\n"));

        // The same through the context menu's "Copy", for one cell.
        v->selectionModel()->select(m->index(1, 1), QItemSelectionModel::ClearAndSelect);
        QApplication::clipboard()->clear();
        bool found = false;
        QTimer::singleShot(0, this, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu != nullptr);
            for (QAction* a : menu->actions()) {
                if (a->text() == QStringLiteral("Copy")) {
                    found = true;
                    a->trigger();
                }
            }
            menu->close();
        });
        const QPoint at = v->visualRect(m->index(1, 1)).center();
        QContextMenuEvent menu_event(QContextMenuEvent::Mouse, at, v->viewport()->mapToGlobal(at));
        QApplication::sendEvent(v->viewport(), &menu_event);
        QVERIFY(found);
        QCOMPARE(Clipboard(), QStringLiteral("T(x,y)\t0.1\n0.1\t99.99\n"));
        // Select All, then Copy: the whole table, one line per row.
        QTest::keyClick(v, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(v, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(Clipboard().count(QLatin1Char('\n')), 4);
    }

    void export_writes_the_stored_numbers_to_csv() {
        model_.Kind = Kind_Transient_1D;
        Fill_History(stores_, 4, 3, 0.1);
        stores_.Transient_1D.Temperature_History_1D(2, 3) = 1.0 / 3;
        Display_Transient_1D_Results(stores_, model_);
        Output_Form w;
        QVERIFY(Show(w) != nullptr);
        QCOMPARE(w.Export_Command()->text(), QString::fromUtf8("Export Table\u2026"));

        QTemporaryDir dir;
        File_Dialog_Request asked;
        Set_File_Dialog_Hook([&](const File_Dialog_Request& r) {
            asked = r;
            return dir.filePath(QStringLiteral("history"));  // typed without extension
        });
        w.Export_Command()->click();
        Set_File_Dialog_Hook({});
        QVERIFY(asked.Save);
        QVERIFY(asked.Filters.contains(QStringLiteral("CSV Files (*.csv)")));

        // The heading quoted for its comma; 3 * 0.0125 m is 0.037500000000000006.
        // The level at 0.1 s holds the 1/3 set above, written to read back whole.
        const QList<QByteArray> lines =
            Bytes(dir.filePath(QStringLiteral("history.csv"))).split('\n');
        QCOMPARE(lines[0], QByteArray("\"T(t,x)\",0,0.0125,0.025,0.037500000000000006"));
        QVERIFY2(lines[2].startsWith("0.1,") && lines[2].contains(",0.3333333333333333,"),
                 lines[2].constData());
    }
};

QTEST_MAIN(Results_Table_View_Test)
#include "results_table_view_test.moc"
