// A steady plate whose sweeps cannot settle within 32767: after the memory
// message the run asks whether to solve the node equations directly.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QtTest>
#include <cmath>

#include "analysis/direct_solve_cache.h"
#include "analysis/node_equation.h"
#include "common/message_dialogs.h"
#include "common/run_error.h"
#include "gui_test_support.h"
#include "output/accuracy_tab.h"

using namespace calorix;

namespace {

// The largest amount by which an interior node of the stored field misses
// its own equation: below 1e-9 only for a solved system, about the sweep's
// last change (1e-6 and more) for sweeps that ran out.
double Largest_Interior_Residual(const D12_Input_Form& form) {
    D12_Input_Form& f = const_cast<D12_Input_Form&>(form);
    const Fd_Grid g = Run_Grid(f.Definition(), f.Stores(), Kind_Steady_2D);
    const double* t = f.Stores().Steady_2D.Temperature_2D.Data();
    double largest = 0;
    for (int i = 2; i < g.nx; i += 7) {
        for (int j = 2; j < g.ny; j += 7) {
            largest = std::max(largest,
                               std::fabs(t[g.At(i, j)] - Evaluate(g, Equation_At(g, i, j), t, t)));
        }
    }
    return largest;
}

}  // namespace

class Direct_Fallback_Test : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { Set_Message_Hook({}); }

    // The start-up sides on 200 x 200 nodes need about 120000 sweeps.
    void a_plate_that_cannot_settle_is_offered_the_direct_solution() {
        for (const bool yes : {true, false}) {
            QList<Message_Request> requests;
            Set_Message_Hook([&](const Message_Request& r) {
                requests.append(r);
                return r.Question ? yes : true;
            });
            D12_Input_Form form;
            form.show();
            form.Parameters(1).X_Grid_Text->setText(QStringLiteral("200"));
            form.Parameters(1).Y_Grid_Text->setText(QStringLiteral("200"));
            form.Case_Tab()->setCurrentIndex(Kind_Steady_2D);
            // The direct solve keeps the window painting, so the results
            // window is waited for rather than expected at the first turn.
            QString caption;
            QString error_text;
            int shown = 0, solves = -1;
            QTimer watch;
            QObject::connect(&watch, &QTimer::timeout, [&] {
                if (auto* w = qobject_cast<Output_Form*>(QApplication::activeModalWidget())) {
                    ++shown;
                    caption = w->windowTitle();
                    w->Output_Tab()->setCurrentWidget(w->Accuracy_Page());
                    error_text = w->Accuracy_Page()->Error_Label()->text();
                    solves = w->Direct_Cache()->Solves();
                    w->Close_Command()->click();
                }
            });
            watch.start(50);
            QTest::mouseClick(form.OK_Command(), Qt::LeftButton);
            watch.stop();
            QCOMPARE(requests.size(), 2);
            QCOMPARE(requests[0].Text, QString::fromLatin1(Memory_Message));
            QVERIFY(!requests[0].Question);
            QCOMPARE(requests[1].Text,
                     QStringLiteral("The Gauss-Seidel iteration did not settle within 32767 "
                                    "sweeps. Solve the node equations directly instead?"));
            QVERIFY(requests[1].Question);
            QVERIFY(requests[1].Yes_Default);
            QCOMPARE(requests[1].Icon, QMessageBox::Question);
            QVERIFY(QGuiApplication::overrideCursor() == nullptr);
            if (yes) {
                QCOMPARE(shown, 1);
                QVERIFY(caption.contains(QStringLiteral("direct solution of the node equations")));
                QVERIFY2(error_text.startsWith(QStringLiteral("Gauss-Seidel did not settle")),
                         qPrintable(error_text));
                QVERIFY(Largest_Interior_Residual(form) < 1e-9);
                QCOMPARE(solves, 0);  // the stored answer is the direct solution
            } else {
                QCOMPARE(shown, 0);
                QVERIFY(Largest_Interior_Residual(form) > 1e-9);
            }
        }
    }
};

QTEST_MAIN(Direct_Fallback_Test)
#include "direct_fallback_test.moc"
