// A student on a German desktop: the process runs under de_DE.UTF-8, whose
// decimal separator is the comma, set before the application starts as a
// desktop session would.  Every number the program writes (table, time list,
// report, problem file) must still use the point, and picking
// a time from the list must show that time's level.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <clocale>
#include <cstdlib>

#include "common/file_dialogs.h"
#include "common/message_dialogs.h"
#include "gui_test_support.h"
#include "input/input_form.h"
#include "output/output_form.h"

using namespace calorix;
using namespace calorix::gui_test;

namespace {

// A pick from the drop-down list, as a mouse click on the item does it.
void Pick(QComboBox* c, int index) {
    c->setCurrentIndex(index);
    emit c->textActivated(c->itemText(index));
}

}  // namespace

class Locale_Test : public QObject {
    Q_OBJECT

    QString answer_;  // the path the hooked file dialog returns

  private slots:
    void init() {
        Set_Message_Hook([](const Message_Request&) { return true; });
        Set_File_Dialog_Hook([this](const File_Dialog_Request&) { return answer_; });
    }
    void cleanup() {
        Set_Message_Hook({});
        Set_File_Dialog_Hook({});
    }

    void the_process_runs_under_a_comma_locale() {
        // Fails loudly where test.sh has not generated de_DE.UTF-8.
        QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
        QCOMPARE(QByteArray(std::localeconv()->decimal_point), QByteArray(","));
    }

    // A 3 x 3 plate 1 cm between nodes at 100 C, its four sides held at 0 C,
    // implicit steps of 0.5 s with F = 5e-5 * 0.5 / 0.01^2 = 0.25.  The one
    // interior node sees four neighbours at 0 C:
    //   T1 = (100 + 0.25 * 0) / (1 + 4 * 0.25) = 50,  T2 = 50 / 2 = 25.
    void plate_time_list_report_and_problem_file_keep_the_point() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString report = dir.filePath(QStringLiteral("results.out"));
        D12_Input_Form form;
        form.show();
        const Parameter_Controls& p = form.Parameters(3);
        p.Grid_Size_Text->setText(QStringLiteral("1"));
        p.X_Grid_Text->setText(QStringLiteral("3"));
        p.Y_Grid_Text->setText(QStringLiteral("3"));
        p.Guess_Initial_Temperature_Text->setText(QStringLiteral("100"));
        p.Diffusivity_Text->setText(QStringLiteral("5e-5"));
        p.Time_Step_Text->setText(QStringLiteral("0.5"));
        p.Number_Of_Time_Steps_Text->setText(QStringLiteral("2"));
        p.Implicit_Option->setChecked(true);
        for (int j = 12; j < 16; ++j) {
            form.Side(j).BC1_Option->setChecked(true);
            form.Side(j).T_Text->setText(QStringLiteral("0"));
        }
        answer_ = report;
        const int shown = Run_Through_Form(form, 3, [&](Output_Form* w) {
            // The times 0, 0.5 and 1 s with "0.###"; the last one is shown.
            QComboBox* times = w->Time_List();
            QCOMPARE(Items(times), QStringList({"0.", "0.5", "1."}));
            QCOMPARE(times->currentText(), QStringLiteral("1."));
            QCOMPARE(Row(w, 0), QStringList({"T(x,y)", "0.", "0.01", "0.02"}));
            QCOMPARE(Row(w, 2), QStringList({"0.01", "0.", "25.", "0."}));

            Pick(times, 1);
            QCOMPARE(Row(w, 2), QStringList({"0.01", "0.", "50.", "0."}));
            QCOMPARE(times->currentText(), QStringLiteral("0.5"));
            Pick(times, 0);
            QCOMPARE(Row(w, 2)[2], QStringLiteral("100."));

            // A typed time is written again with "0.###" when the tab changes.
            times->setEditText(QStringLiteral("0.5126"));
            w->Output_Tab()->setCurrentIndex(1);
            QCOMPARE(times->currentText(), QStringLiteral("0.513"));
            times->setEditText(QStringLiteral("1.0"));
            w->Output_Tab()->setCurrentIndex(0);
            QCOMPARE(times->currentText(), QStringLiteral("1."));
            QTest::keyClick(times->lineEdit(), Qt::Key_Return);
            QCOMPARE(Row(w, 2)[2], QStringLiteral("25."));

            emit w->Print_Requested();
        });
        QCOMPARE(shown, 1);

        const QByteArray text = Bytes(report);
        for (const char* line :
             {"\r\nGrid Size = 0.01 m\r\n", "\r\nThermal Diffusivity = 5E-05 m^2/s\r\n",
              "\r\nTime Step = 0.5 sec\r\n",
              "\r\nT (Degrees Celsuis) as a function of x (Meters) and y (Meters) at Time = 1.  "
              "Sec\r\n",
              "\r\n00.01         00.00         25.00         00.00         \r\n"}) {
            QVERIFY2(text.contains(line), line);
        }

        // File_Name now names the report; Save writes the problem file there.
        form.Save_Command->trigger();
        const QList<QByteArray> lines = Bytes(report).split('\n');
        QCOMPARE(lines.size(), 116);                    // 115 lines and the empty rest
        QCOMPARE(lines[14], QByteArray("7.5\r"));       // the grid size of tab 2
        QCOMPARE(lines[20], QByteArray("1.17E-04\r"));  // its diffusivity
        QCOMPARE(lines[31], QByteArray("5E-05\r"));     // tab 3: diffusivity, time step
        QCOMPARE(lines[32], QByteArray("0.5\r"));
        QCOMPARE(lines[51 + 4 * 4], QByteArray("226.8\r"));  // T of side 4
    }
};

int main(int argc, char** argv) {
    // The desktop's locale, in place before the application reads it.
    ::setenv("LANG", "de_DE.UTF-8", 1);
    ::setenv("LC_ALL", "de_DE.UTF-8", 1);
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    Locale_Test test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "locale_test.moc"
