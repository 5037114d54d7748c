// The "Heat Balance and Accuracy" tab of the results window with runs of the
// start-up problems and of a student's own: the tab after the two specified
// ones, the iteration error and its view switch (the run's own table stays as
// it was for the report), a table or picture click explaining a node, the
// analytic curve of the wall and the note where there is none.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QSignalSpy>
#include <QSlider>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <QtTest>

#include "../core/test_dialogs.h"
#include "analysis/exact_solution.h"
#include "gui_test_support.h"
#include "input/run_driver.h"
#include "output/accuracy_tab.h"
#include "output/output_form.h"
#include "output/shaded_plot_panel.h"
#include "output/table_export.h"
#include "output/temperature_chart.h"
#include "output/text_table_model.h"

using namespace calorix;
using calorix::gui_test::Save_Screenshot;

namespace {

struct Run {
    Problem_Definition p;
    Result_Stores stores;
    Output_Model out;
};

void Solve(Input_Form_State form, Run& r) {
    fakes::Scripted_Dialogs dialogs;
    QCOMPARE(Run_Calculation(form, r.p, r.stores, r.out, dialogs), Run_Outcome::Solved);
}

Input_Form_State Start_Up(int kind) {
    Input_Form_State f = Initial_Form_State();
    f.Kind = kind;
    return f;
}

QString Shown_Cell(Output_Form& w, int row, int col) {
    const QAbstractItemModel* m = w.Table_View()->model();
    return m->data(m->index(row - 1, col - 1)).toString();
}

void Click_Cell(Output_Form& w, int row, int col) {
    QTableView* v = w.Table_View();
    const QRect r = v->visualRect(v->model()->index(row - 1, col - 1));
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, r.center());
}

}  // namespace

class Accuracy_Tab_Test : public QObject {
    Q_OBJECT

  private slots:
    void Steady_Plate_Error_And_View_Switch() {
        Run r;
        Solve(Start_Up(Kind_Steady_2D), r);
        Output_Form w;
        w.Load_Results(r.out, r.stores, r.p);
        Accuracy_Tab* tab = w.Accuracy_Page();
        // The plate's direct solve waits until its page is looked at.
        QVERIFY(tab->Error_Label()->text().isEmpty());
        w.Output_Tab()->setCurrentWidget(tab);

        const Fd_Grid g = Run_Grid(r.p, r.stores, Kind_Steady_2D);
        const Exact_Solution x = Solve_Node_Equations(g);
        const Field_Difference d =
            Largest_Difference(g, r.stores.Steady_2D.Temperature_2D.Data(), x.values.data());
        QVERIFY(tab->Error_Label()->text().contains(
            QString::fromStdString(Iteration_Error_Sentence(g, r.stores.Steady_2D.Sweeps, d))));
        const QString balance = tab->Balance_Label()->text();
        QVERIFY(balance.contains(QStringLiteral("in W/m (per metre of depth)")));
        QVERIFY(balance.contains(QStringLiteral("Sum (sides + generation)")));
        QVERIFY(balance.contains(QStringLiteral("Corners: a flux side takes q")));

        // Node (3, 3): the difference view shows GS - exact with its digits;
        // the report's table keeps the Gauss-Seidel text throughout.
        const std::string report_cell = r.out.Output_Table.Cell(3, 3);
        tab->View_Switch()->setCurrentIndex(Accuracy_Tab::Difference_View);
        const double diff = r.stores.Steady_2D.Temperature_2D(3, 3) - x.values[g.At(3, 3)];
        QCOMPARE(Shown_Cell(w, 3, 3), QString::fromStdString(Equation_Number(diff)));
        QCOMPARE(r.out.Output_Table.Cell(3, 3), report_cell);
        tab->View_Switch()->setCurrentIndex(Accuracy_Tab::Gauss_Seidel_View);
        QCOMPARE(w.Table_Model()->Table(), &r.out.Output_Table);
        QCOMPARE(Shown_Cell(w, 3, 3), QString::fromStdString(report_cell));
    }

    void Difference_View_Says_What_It_Shows() {
        // Grid 5 cm: the fourth location is 3 * 5 / 100 = 0.15 m, which
        // 3 * 0.05 would make 0.15000000000000002.
        Input_Form_State f = Start_Up(Kind_Steady_2D);
        f.Tabs[Kind_Steady_2D].Grid_Size_Text = "5";
        f.Tabs[Kind_Steady_2D].X_Grid_Text = "6";
        f.Tabs[Kind_Steady_2D].Y_Grid_Text = "5";
        Run r;
        Solve(f, r);
        Output_Form w;
        w.Load_Results(r.out, r.stores, r.p);
        w.Output_Tab()->setCurrentIndex(1);
        Accuracy_Tab* tab = w.Accuracy_Page();
        tab->View_Switch()->setCurrentIndex(Accuracy_Tab::Difference_View);
        QVERIFY(w.Table_Title()->text().startsWith(
            QStringLiteral("Gauss-Seidel result - exact solution of the node equations")));
        const std::string csv = Table_Csv_Text(*w.Table_Model()->Table());
        QVERIFY2(csv.rfind("GS - exact (C),0,0.05,0.1,0.15,0.2,0.25\n", 0) == 0, csv.c_str());
        QCOMPARE(w.Table_Corner()->text(), QStringLiteral("GS - exact (C)"));
        // Full precision: node (2, 2)'s difference reads back exactly.
        const Fd_Grid g = Run_Grid(r.p, r.stores, Kind_Steady_2D);
        const Exact_Solution x = Solve_Node_Equations(g);
        double v = 0;
        QVERIFY(w.Table_Model()->Table()->Cell_Value(2, 2, v));
        QCOMPARE(v, r.stores.Steady_2D.Temperature_2D(2, 2) - x.values[g.At(2, 2)]);
        Shaded_Plot_Panel* panel = w.Shaded_Panel();
        QVERIFY(panel->Difference_Scale());
        QVERIFY2(panel->Temperature_Scale_Label(0)->text().contains(QLatin1Char('e')),
                 qPrintable(panel->Temperature_Scale_Label(0)->text()));
        tab->View_Switch()->setCurrentIndex(Accuracy_Tab::Exact_View);
        QCOMPARE(w.Table_Model()->Table()->Cell(0, 0), std::string("T exact(x,y)"));
        QVERIFY(!panel->Difference_Scale());
        tab->View_Switch()->setCurrentIndex(Accuracy_Tab::Gauss_Seidel_View);
        QCOMPARE(w.Table_Title()->text(), QString::fromStdString(r.out.Table_Title_Label));
    }

    void Table_Click_Explains_A_Corner() {
        // A student's plate: insulated left edge, bottom in air at 20 C with
        // h = 10 (Bi = 0.25 at dx = 0.25 m, k = 10).
        Input_Form_State f = Start_Up(Kind_Steady_2D);
        f.Tabs[Kind_Steady_2D].Thermal_Conductivity_Text = "10";
        f.Sides[4].Choice = BC_Flux;
        f.Sides[4].q_Text = "0";
        f.Sides[7].Choice = BC_Convection;
        f.Sides[7].T_Infinity_Text = "20";
        Run r;
        Solve(f, r);
        Output_Form w;
        w.resize(1100, 720);
        w.Load_Results(r.out, r.stores, r.p);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        Click_Cell(w, 5, 1);  // bottom-left corner, node (1, 5)
        const QString text = w.Accuracy_Page()->Explain_Label()->text();
        QVERIFY2(text.contains(QStringLiteral("Node (1, 5): corner between the bottom edge "
                                              "(convection) and the left edge (constant heat "
                                              "flux), quarter-cell balance")),
                 qPrintable(text));
        QVERIFY(text.contains(
            QStringLiteral("T = (N_1 + N_2 + Bi_B·T∞B + q_L·dx/k + G2) / (2 + Bi_B)")));
        QVERIFY(text.contains(QStringLiteral("0.25·20")));
        w.Output_Tab()->setCurrentIndex(2);
        Save_Screenshot(&w, QStringLiteral("accuracy_corner.png"));
        w.hide();
    }

    void Wall_Curve_And_Note() {
        Run r;
        Solve(Start_Up(Kind_Steady_1D), r);
        Output_Form w;
        w.Load_Results(r.out, r.stores, r.p);
        // The nodes alone until "Exact profile" is ticked; a later results
        // window starts as it was left.
        QVERIFY(!gui_test::Choices_Kept_Apart.path.empty());
        QVERIFY(!w.Exact_Profile_Box()->isChecked());
        QCOMPARE(w.Chart_View()->chart()->series().size(), 1);
        QVERIFY(!w.Chart_View()->chart()->legend()->isVisible());
        w.Exact_Profile_Box()->setChecked(true);
        QVERIFY(Output_Form().Exact_Profile_Box()->isChecked());
        const QList<QAbstractSeries*> series = w.Chart_View()->chart()->series();
        QCOMPARE(series.size(), 2);
        QVERIFY(series[1]->name().startsWith(
            QStringLiteral("Exact continuous profile (largest difference at the nodes ")));
        QCOMPARE(series[0]->name(), QStringLiteral("Finite-difference nodes"));
        QVERIFY(w.Chart_View()->chart()->legend()->isVisible());
        w.resize(1100, 720);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.Output_Tab()->setCurrentIndex(1);
        Save_Screenshot(&w, QStringLiteral("accuracy_wall_chart.png"));
        w.hide();  // as Close leaves it
        // The difference view charts GS - exact alone; back to the result,
        // the curve returns.
        w.Accuracy_Page()->View_Switch()->setCurrentIndex(Accuracy_Tab::Difference_View);
        QCOMPARE(w.Chart_View()->chart()->series().size(), 1);
        w.Accuracy_Page()->View_Switch()->setCurrentIndex(Accuracy_Tab::Gauss_Seidel_View);
        QCOMPARE(w.Chart_View()->chart()->series().size(), 2);

        // Both faces insulated, no generation: the sweeps stop at once, but
        // no steady profile is fixed.
        Input_Form_State f = Start_Up(Kind_Steady_1D);
        f.Tabs[Kind_Steady_1D].Heat_Generation_Text = "0";
        f.Sides[0].Choice = f.Sides[1].Choice = BC_Flux;
        f.Sides[0].q_Text = f.Sides[1].q_Text = "0";
        Run flux;
        Solve(f, flux);
        w.Load_Results(flux.out, flux.stores, flux.p);
        QCOMPARE(w.Chart_View()->chart()->series().size(), 1);
        auto* note = w.Chart_View()->findChild<QLabel*>(QStringLiteral("analytic_note"));
        QVERIFY(note != nullptr && !note->isHidden());
        QCOMPARE(note->text(), QStringLiteral("Heat flux on both faces: the wall has no unique "
                                              "steady profile, so no analytic curve is drawn."));
        QVERIFY(w.Accuracy_Page()->Error_Label()->text().contains(
            QStringLiteral("no unique solution")));
        w.Exact_Profile_Box()->setChecked(false);
        QVERIFY(note->isHidden());
    }

    void Transient_Wall_Row_Picks_The_Level() {
        Run r;
        Solve(Start_Up(Kind_Transient_1D), r);
        Output_Form w;
        w.resize(1100, 720);
        w.Load_Results(r.out, r.stores, r.p);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        Click_Cell(w, 3, 3);  // level 3, t = 48 s, an interior node
        Accuracy_Tab* tab = w.Accuracy_Page();
        QCOMPARE(tab->Level_List()->currentText(), QStringLiteral("t = 48 s"));
        QVERIFY(tab->Explain_Label()->text().contains(
            QStringLiteral("T' = F0·(T_W + T_E + G1) + (1 - 2F0)·T")));
        Click_Cell(w, 1, 3);  // the initial profile
        QVERIFY(tab->Explain_Label()->text().contains(
            QStringLiteral("No equation makes the initial level.")));
        w.hide();
    }

    void Transient_Plate_Levels() {
        // The start-up plate with its top edge in the 50 C air it offers.
        Input_Form_State f = Start_Up(Kind_Transient_2D);
        f.Sides[14].Choice = BC_Convection;
        Run r;
        Solve(f, r);
        Output_Form w;
        w.resize(1100, 720);
        w.Load_Results(r.out, r.stores, r.p);
        Accuracy_Tab* tab = w.Accuracy_Page();
        QCOMPARE(tab->Level_List()->count(), 7);
        QCOMPARE(tab->Level_List()->currentText(), QStringLiteral("t = 12 s"));
        QVERIFY(tab->Balance_Label()->text().contains(
            QStringLiteral("over the step from t = 10 s to t = 12 s, taken at t = 10 s as the "
                           "explicit scheme takes its flows")));
        QVERIFY(tab->Balance_Label()->text().contains(QStringLiteral("Inflow since t = 0")));
        QVERIFY(!tab->View_Switch()->isVisibleTo(tab));
        tab->Level_List()->setCurrentIndex(0);
        QVERIFY(tab->Balance_Label()->text().contains(QStringLiteral("Choose a later level")));
        tab->Level_List()->setCurrentIndex(6);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        Click_Cell(w, 1, 2);  // node (2, 1) on the top edge in air, at the last level
        QVERIFY(tab->Explain_Label()->text().contains(QStringLiteral(
            "T' = F·(2·N_in + N_a + N_b + 2·Bi_T·T∞T + G1) + (1 - 4F - 2·Bi_T·F)·T")));
        w.Output_Tab()->setCurrentIndex(2);
        Save_Screenshot(&w, QStringLiteral("accuracy_transient.png"));

        // A node clicked on the picture is explained at the level the
        // picture shows (one step on: t = 2 s), not at the table's 12 s, and
        // the explanation comes to the front.
        w.Output_Tab()->setCurrentIndex(1);
        Shaded_Plot_Panel* panel = w.Shaded_Panel();
        panel->Time_Slider()->setValue(0);
        panel->Forward_Button_Picture()->click();
        const Plate_Geometry g = panel->Plate_On_Screen();
        const QPoint node = QPointF(g.X_Of_Node(3), g.Y_Of_Node(2)).toPoint();
        QTest::mouseClick(panel, Qt::LeftButton, {}, node);
        QCOMPARE(w.Output_Tab()->currentIndex(), 2);
        QCOMPARE(tab->Level_List()->currentText(), QStringLiteral("t = 2 s"));
        QVERIFY2(tab->Explain_Label()->text().contains(QStringLiteral("T(3,2) at t = 2 s")),
                 qPrintable(tab->Explain_Label()->text()));

        // While the picture plays, a click neither stops the play nor leaves
        // its tab: the level on the screen then is explained beside it.
        w.Output_Tab()->setCurrentIndex(1);
        panel->Loop_Box()->setChecked(true);
        QSignalSpy drawn(panel, &Shaded_Plot_Panel::Frame_Drawn);
        QString seen;
        // Once the play has drawn two frames of its own.
        QTimer click;
        connect(&click, &QTimer::timeout, panel, [&] {
            if (drawn.size() < 2 || !seen.isEmpty()) {
                return;
            }
            QTest::mouseClick(panel, Qt::LeftButton, {}, node);
            const QString at =
                QStringLiteral("T(3,2) at t = %1 s").arg(2 * drawn.last().at(0).toInt());
            seen = QStringLiteral("%1 %2 %3 %4")
                       .arg(panel->Playing())
                       .arg(w.Output_Tab()->currentIndex())
                       .arg(tab->Explain_Label()->text().contains(at))
                       .arg(QToolTip::isVisible() && QToolTip::text().contains(at));
            panel->Stop_Button_Picture()->click();
        });
        click.start(10);
        panel->Play_Button_Picture()->click();
        QCOMPARE(seen, QStringLiteral("1 1 1 1"));
        w.hide();
    }
};

QTEST_MAIN(Accuracy_Tab_Test)
#include "accuracy_tab_test.moc"
