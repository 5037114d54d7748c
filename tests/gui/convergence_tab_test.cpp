// The Convergence tab lays out what the core computed, off the interface
// thread, once per run shown.
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QtTest>

#include "analysis/direct_solve_cache.h"
#include "gui_test_support.h"
#include "output/accuracy_tab.h"
#include "output/convergence_tab.h"

using namespace calorix;

class Convergence_Tab_Test : public QObject {
    Q_OBJECT

  private slots:
    void steady_and_transient_runs_fill_their_parts() {
        for (const int kind : {Kind_Steady_2D, Kind_Transient_1D}) {
            D12_Input_Form form;
            form.show();
            QString methods, time;
            int rows = 0, series = 0, time_rows = 0, studies = 0;
            gui_test::Run_Through_Form(form, kind, [&](Output_Form* w) {
                Convergence_Tab* tab = w->Convergence_Page();
                QSignalSpy ready(tab, &Convergence_Tab::Study_Ready);
                w->Output_Tab()->setCurrentWidget(tab);
                QVERIFY(ready.wait(20000));
                // Shown again, the page keeps what it has.
                w->Output_Tab()->setCurrentIndex(0);
                w->Output_Tab()->setCurrentWidget(tab);
                QTest::qWait(50);
                studies = static_cast<int>(ready.count());
                rows = tab->Method_Table()->rowCount();
                series = static_cast<int>(tab->Chart()->chart()->series().size());
                methods = tab->Method_Text()->text();
                time_rows = tab->Time_Table()->rowCount();
                time = tab->Time_Text()->text();
                // One direct solve of the run serves both pages and the
                // refinement's coarse grid.
                w->Output_Tab()->setCurrentWidget(w->Accuracy_Page());
                if (kind == Kind_Steady_2D) {
                    QCOMPARE(w->Accuracy_Page()->Exact(), tab->Results().direct.get());
                    QCOMPARE(w->Direct_Cache()->Solves(), 1);
                    QCOMPARE(tab->Results().refinement.seconds[0], 0.0);
                }
                gui_test::Save_Screenshot(w, QStringLiteral("convergence_%1.png").arg(kind));
            });
            QCOMPARE(studies, 1);
            if (kind == Kind_Steady_2D) {
                QCOMPARE(rows, 5);    // four methods and the direct solution
                QCOMPARE(series, 8);  // change and error of each method
                QVERIFY(methods.contains(QStringLiteral("rho / (1 - rho)")));
            } else {
                QCOMPARE(time_rows, 3);
                QVERIFY(time.contains(QStringLiteral("stable on this grid for time steps up to")));
            }
        }
    }

    // Cancel ends both parts; a window closed while they run ends them too.
    void cancel_and_close_while_the_study_runs() {
        D12_Input_Form form;
        form.show();
        form.Parameters(1).X_Grid_Text->setText(QStringLiteral("60"));
        form.Parameters(1).Y_Grid_Text->setText(QStringLiteral("60"));
        gui_test::Run_Through_Form(form, Kind_Steady_2D, [&](Output_Form* w) {
            Convergence_Tab* tab = w->Convergence_Page();
            w->Output_Tab()->setCurrentWidget(tab);
            QVERIFY(tab->Cancel_Button()->isEnabled());
            tab->Cancel_Button()->click();
            QTRY_VERIFY_WITH_TIMEOUT(!tab->Cancel_Button()->isEnabled(), 20000);
            QVERIFY(!tab->Ready());
            QCOMPARE(tab->Refinement_Text()->text(),
                     QStringLiteral("Cancelled. Press Recompute to start again."));
            tab->Recompute_Button()->click();
            QVERIFY(tab->Cancel_Button()->isEnabled());
            w->Close_Command()->click();
            QVERIFY(!tab->Cancel_Button()->isEnabled());
        });
    }
};

QTEST_MAIN(Convergence_Tab_Test)
#include "convergence_tab_test.moc"
