// The File, Properties and Help commands of the input window, the print
// command of the results window and the start-up screen, driven with the
// file dialogs and message boxes answered by hooks.
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <stdexcept>

#include "about/about_form.h"
#include "about/help_about_form.h"
#include "app/start_up.h"
#include "common/file_dialogs.h"
#include "common/message_dialogs.h"
#include "gui_test_support.h"
#include "input/calorix_application.h"
#include "input/input_form.h"
#include "materials/properties_form.h"
#include "output/output_form.h"

using namespace calorix;
using namespace calorix::gui_test;

class Files_Commands_Test : public QObject {
    Q_OBJECT

  private:
    QList<File_Dialog_Request> dialogs_;
    QString answer_;  // the path the hooked dialog returns; empty = Cancel
    QList<Message_Request> messages_;

    void Install_Hooks() {
        dialogs_.clear();
        messages_.clear();
        Set_File_Dialog_Hook([this](const File_Dialog_Request& r) {
            dialogs_.append(r);
            return answer_;
        });
        Set_Message_Hook([this](const Message_Request& r) {
            messages_.append(r);
            return true;
        });
    }
    static void Check_Request(const File_Dialog_Request& r, bool save, const char* extension) {
        QCOMPARE(r.Save, save);
        QCOMPARE(r.Filters.size(), 2);
        QCOMPARE(r.Filters[0], QStringLiteral("All Files (*.*)"));
        QCOMPARE(r.Filters[1], QStringLiteral("Text _Files (*.%1)").arg(QLatin1String(extension)));
        QCOMPARE(r.Selected_Filter, 1);
    }

  private slots:
    void init() {
        Install_Hooks();
        Forget_Last_Folder();
    }
    void cleanup() {
        Set_File_Dialog_Hook({});
        Set_Message_Hook({});
    }

    void save_as_then_open_in_a_fresh_window_restores_the_boxes() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("plate.clx"));
        {
            D12_Input_Form form;
            form.Case_Tab()->setCurrentIndex(3);
            form.Parameters(3).Grid_Size_Text->setText(QStringLiteral("0.75"));
            form.Parameters(3).Heat_Generation_Text->setText(QStringLiteral("123"));
            form.Parameters(3).Implicit_Option->setChecked(true);
            form.Parameters(0).X_Grid_Text->setText(QStringLiteral("12abc"));
            form.Side(5).BC2_Option->click();
            form.Side(5).q_Text->setText(QStringLiteral("-40"));
            form.Side(14).BC3_Option->click();
            answer_ = path;
            form.Save_As_Command->trigger();
            QCOMPARE(dialogs_.size(), 1);
            Check_Request(dialogs_[0], true, "clx");
            QCOMPARE(QString::fromStdString(form.Definition().File_Name), path);
            const QByteArray bytes = Bytes(path);
            QCOMPARE(bytes.count("\r\n"), 115);
            QVERIFY(bytes.startsWith("3\r\n10\r\n200\r\n50\r\n20\r\n20\r\n12\r\n"));
            QVERIFY(messages_.isEmpty());
        }

        D12_Input_Form fresh;
        fresh.show();
        dialogs_.clear();
        fresh.Open_Command->trigger();
        QCOMPARE(dialogs_.size(), 1);
        Check_Request(dialogs_[0], false, "clx");
        QCOMPARE(QString::fromStdString(fresh.Definition().File_Name), path);
        QCOMPARE(fresh.Case_Tab()->currentIndex(), 3);
        QCOMPARE(fresh.Parameters(3).Grid_Size_Text->text(), QStringLiteral(" .75"));
        QCOMPARE(fresh.Parameters(3).Heat_Generation_Text->text(), QStringLiteral("123"));
        QVERIFY(fresh.Parameters(3).Implicit_Option->isChecked());
        QVERIFY(!fresh.Parameters(3).Explicit_Option->isChecked());
        QCOMPARE(fresh.Parameters(0).X_Grid_Text->text(), QStringLiteral(" 12"));
        QCOMPARE(fresh.Parameters(1).Grid_Size_Text->text(), QStringLiteral(" 25"));
        QCOMPARE(fresh.Parameters(1).Heat_Generation_Text->text(), QStringLiteral("0"));
        // The chosen options come back with their value frames.
        QVERIFY(fresh.Side(5).BC2_Option->isChecked());
        QVERIFY(fresh.Side(5).BC2_Frame->isVisibleTo(fresh.Side(5).BC_Frame));
        QVERIFY(!fresh.Side(5).BC1_Frame->isVisibleTo(fresh.Side(5).BC_Frame));
        QCOMPARE(fresh.Side(5).q_Text->text(), QStringLiteral("-40"));
        QVERIFY(fresh.Side(14).BC3_Option->isChecked());
        QVERIFY(fresh.Side(14).BC3_Frame->isVisibleTo(fresh.Side(14).BC_Frame));
        QCOMPARE(fresh.Side(14).h_Text->text(), QStringLiteral(" 200"));
        QCOMPARE(fresh.Side(14).T_Infinity_Text->text(), QStringLiteral(" 50"));
        QCOMPARE(fresh.Side(4).T_Text->text(), QStringLiteral(" 226.8"));
        QVERIFY(messages_.isEmpty());
    }

    void cancelled_dialogs_change_nothing() {
        QTemporaryDir dir;
        D12_Input_Form form;
        form.Parameters(1).Grid_Size_Text->setText(QStringLiteral("typed"));
        answer_.clear();
        form.Open_Command->trigger();
        form.Save_As_Command->trigger();
        QCOMPARE(dialogs_.size(), 2);
        QCOMPARE(form.Definition().File_Name, std::string("output.clx"));
        QCOMPARE(form.Parameters(1).Grid_Size_Text->text(), QStringLiteral("typed"));
        QVERIFY(QDir(dir.path()).isEmpty());
        QVERIFY(messages_.isEmpty());
    }

    void save_writes_to_the_current_name_without_a_dialog() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.clx"));
        D12_Input_Form form;
        answer_ = path;
        form.Save_As_Command->trigger();
        form.Parameters(1).Grid_Size_Text->setText(QStringLiteral("33"));
        answer_ = dir.filePath(QStringLiteral("never.clx"));
        form.Save_Command->trigger();
        QCOMPARE(dialogs_.size(), 1);  // only Save As asked
        QVERIFY(!QFile::exists(answer_));
        QVERIFY(Bytes(path).contains("\r\n5\r\n33\r\n0\r\n1\r\n"));  // tab 1 grid after tab 0
    }

    void bad_or_unreadable_files_end_open_silently_and_nothing_ends_the_program() {
        QTemporaryDir dir;
        const QString bad = dir.filePath(QStringLiteral("bad.clx"));
        {
            QFile f(bad);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("0\r\n44\r\nrubbish\r\n");
        }
        // A file read up to its fault (the tab comes first), and a folder,
        // which is refused before anything is read.
        for (const auto& [path, tab] : {std::pair{bad, 0}, std::pair{dir.path(), 1}}) {
            D12_Input_Form form;
            form.Parameters(0).Grid_Size_Text->setText(QStringLiteral("typed"));
            form.Parameters(1).Grid_Size_Text->setText(QStringLiteral("typed"));
            answer_ = path;
            form.Open_Command->trigger();
            QVERIFY(messages_.isEmpty());
            QCOMPARE(QString::fromStdString(form.Definition().File_Name), path);
            QCOMPARE(form.File_Name_Label()->text(), QStringLiteral("File: ") + path);
            QCOMPARE(form.Case_Tab()->currentIndex(), tab);
            QCOMPARE(form.Parameters(0).Grid_Size_Text->text(), QStringLiteral("typed"));
            QCOMPARE(form.Parameters(1).Grid_Size_Text->text(), QStringLiteral("typed"));
        }
        QCOMPARE(Bytes(bad), QByteArray("0\r\n44\r\nrubbish\r\n"));

        // Any other handler that fails ends its own event, not the program;
        // a debug build says so on the error output.
#ifndef NDEBUG
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("failed: a failing handler$"));
#endif
        bool after = false;
        QTimer::singleShot(0, this, [] { throw std::runtime_error("a failing handler"); });
        QTimer::singleShot(0, this, [&after] { after = true; });
        QTRY_VERIFY(after);
    }

    void save_dialogs_add_the_extension_and_every_dialog_starts_in_the_last_folder() {
        QTemporaryDir dir;
        QTemporaryDir other;
        D12_Input_Form form;
        QCOMPARE(form.File_Name_Label()->text(), QStringLiteral("File: output.clx"));
        struct Step {
            QAction* command;  // null: the results window's print button
            QString typed;
            QString written;  // empty: cancelled
            QString starts_in;
        };
        const QString home = QDir::homePath();
        const QList<Step> steps = {
            {form.Save_As_Command, dir.filePath("plate"), dir.filePath("plate.clx"), home},
            {nullptr, other.filePath("results"), other.filePath("results.out"), dir.path()},
            {form.Open_Command, QString(), QString(), other.path()},  // cancel keeps it
            {form.Save_As_Command, dir.filePath("wall.txt"), dir.filePath("wall.txt"),
             other.path()},
            {nullptr, dir.filePath("v1.2/r"), dir.filePath("v1.2/r.out"), dir.path()},
            {form.Open_Command, dir.filePath("plate"), dir.filePath("plate"), dir.filePath("v1.2")},
        };
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("v1.2")));
        for (const Step& step : steps) {
            dialogs_.clear();
            answer_ = step.typed;
            if (step.command != nullptr) {
                step.command->trigger();
            } else {
                form.Print_Results_Command();
            }
            QCOMPARE(dialogs_.size(), 1);
            QCOMPARE(dialogs_[0].Initial_Directory, step.starts_in);
            if (!step.written.isEmpty()) {
                QCOMPARE(QString::fromStdString(form.Definition().File_Name), step.written);
                QCOMPARE(form.File_Name_Label()->text(), QStringLiteral("File: ") + step.written);
            }
            if (dialogs_[0].Save) {
                QVERIFY2(QFile::exists(step.written), qPrintable(step.written));
            }
        }
        QCOMPARE(form.windowTitle(), QStringLiteral("CALORIX INPUT"));
        QVERIFY(messages_.isEmpty());
    }

    void material_library_fills_the_current_tab() {
        D12_Input_Form form;
        form.show();
        form.Case_Tab()->setCurrentIndex(3);
        form.Thermal_Conductivity_Command->trigger();
        Properties_Form* library = form.Properties_Window();
        QVERIFY(library->isVisible());
        QVERIFY(!library->isModal());
        QCOMPARE(library->windowTitle(), QStringLiteral("CALORIX - Properties"));
        QCOMPARE(library->Properties_Combo_Box->count(), 147);
        QCOMPARE(library->Properties_Combo_Box->placeholderText(), QStringLiteral("Metal List"));
        library->Properties_Combo_Box->setCurrentIndex(28);
        QCOMPARE(library->Properties_Combo_Box->currentText(), QStringLiteral("Copper: Pure"));
        library->resize(640, 200);
        Save_Screenshot(library, QStringLiteral("properties.png"));
        QTest::mouseClick(library->OKButton, Qt::LeftButton);
        QVERIFY(!library->isVisible());
        QCOMPARE(form.Parameters(3).Thermal_Conductivity_Text->text(), QStringLiteral(" 386"));
        QCOMPARE(form.Parameters(3).Diffusivity_Text->text(), QStringLiteral(" 1.1234E-04"));
        QCOMPARE(form.Parameters(2).Thermal_Conductivity_Text->text(), QStringLiteral("401"));
        QVERIFY(messages_.isEmpty());

        // A conductivity-only material on the 1-D transient tab.
        form.Case_Tab()->setCurrentIndex(2);
        form.Thermal_Conductivity_Command->trigger();
        library->Properties_Combo_Box->setCurrentIndex(48);
        QTest::mouseClick(library->OKButton, Qt::LeftButton);
        QCOMPARE(form.Parameters(2).Thermal_Conductivity_Text->text(), QStringLiteral(" .75"));
        QCOMPARE(form.Parameters(2).Diffusivity_Text->text(), QStringLiteral(" 0"));
        QCOMPARE(messages_.size(), 1);
        QCOMPARE(messages_[0].Text,
                 QStringLiteral("CALORIX has only the value for thermal conductivity for "
                                "Asphalt at 20-55 C"));
        QCOMPARE(messages_[0].Icon, QMessageBox::Warning);
        QVERIFY(!messages_[0].Question);
        QCOMPARE(library->Properties_Flag, 0);

        // The same on a steady tab: only the conductivity, the message again.
        form.Case_Tab()->setCurrentIndex(0);
        form.Thermal_Conductivity_Command->trigger();
        QCOMPARE(library->Properties_Combo_Box->currentIndex(), 48);  // kept
        QTest::mouseClick(library->OKButton, Qt::LeftButton);
        QCOMPARE(form.Parameters(0).Thermal_Conductivity_Text->text(), QStringLiteral(" .75"));
        QCOMPARE(messages_.size(), 2);

        // The empty granite row writes zeros without a word; Cancel writes nothing.
        form.Thermal_Conductivity_Command->trigger();
        library->Properties_Combo_Box->setCurrentIndex(89);
        QTest::mouseClick(library->OKButton, Qt::LeftButton);
        QCOMPARE(form.Parameters(0).Thermal_Conductivity_Text->text(), QStringLiteral(" 0"));
        QCOMPARE(messages_.size(), 2);
        form.Thermal_Conductivity_Command->trigger();
        library->Properties_Combo_Box->setCurrentIndex(0);
        QTest::mouseClick(library->CancelButton, Qt::LeftButton);
        QVERIFY(!library->isVisible());
        QCOMPARE(form.Parameters(0).Thermal_Conductivity_Text->text(), QStringLiteral(" 0"));
    }

    void library_list_never_grows() {
        D12_Input_Form form;
        form.show();
        for (int i = 0; i < 4; ++i) {
            form.Thermal_Conductivity_Command->trigger();
            form.Fill_Properties_In_Combo_Box();
            QTest::mouseClick(form.Properties_Window()->CancelButton, Qt::LeftButton);
        }
        form.activateWindow();
        QCoreApplication::processEvents();
        QCOMPARE(form.Properties_Window()->Properties_Combo_Box->count(), 147);
        QCOMPARE(form.Properties_Window()->Properties_Combo_Box->itemText(146),
                 QStringLiteral("Wood shavings at 23 C"));
    }

    void help_about_shows_and_ok_hides_it() {
        D12_Input_Form form;
        form.show();
        form.About_Command->trigger();
        Help_About_Form* help = form.Help_Window();
        QVERIFY(help->isVisible());
        QVERIFY(!help->isModal());
        bool file_menu = false;
        bool tabular = false;
        for (QLabel* label : help->Label) {
            file_menu |= label->text() == QStringLiteral("File Menu:");
            tabular |= label->text() == QStringLiteral("Tabular Output");
        }
        QVERIFY(file_menu);
        QVERIFY(tabular);
        Save_Screenshot(help, QStringLiteral("help.png"));
        QTest::mouseClick(help->OKButton, Qt::LeftButton);
        QVERIFY(!help->isVisible());
        form.About_Command->trigger();  // kept, shown again
        QCOMPARE(form.Help_Window(), help);
        QVERIFY(help->isVisible());
    }

    void print_command_writes_the_report_after_a_run() {
        QTemporaryDir dir;
        const QString report = dir.filePath(QStringLiteral("results.out"));
        D12_Input_Form form;
        form.show();
        answer_ = report;  // the start-up 1-D steady wall
        // While the results window is up, its print button asks the input
        // window for the report and leaves the window open.
        const QString nowhere = dir.filePath(QStringLiteral("no/results.out"));
        const int shown = Run_Through_Form(form, 0, [&](Output_Form* results) {
            answer_ = nowhere;  // a folder that is not there: nothing, silently
            results->Print_Command()->click();
            QVERIFY(messages_.isEmpty());
            QVERIFY(!QFileInfo::exists(nowhere));
            answer_ = report;
            results->Print_Command()->click();
            QVERIFY(results->isVisible());
            answer_.clear();  // a second print, cancelled: nothing changes
            results->Print_Command()->click();
        });
        QCOMPARE(shown, 1);
        QCOMPARE(dialogs_.size(), 3);
        Check_Request(dialogs_[1], true, "out");
        QCOMPARE(QString::fromStdString(form.Definition().File_Name), report);
        const QByteArray text = Bytes(report);
        QVERIFY(
            text.startsWith("1-D Steady State Problem\r\n\r\n\r\nGrid Size = 0.1 m\r\n"
                            "Heat Generation = 200 W/m^3\r\n"
                            "Thermal Conductivity = 50 W/m.C\r\n"
                            "Guess Temperature = 20 C\r\n"
                            "Number of Nodes in x Direction = 5\r\n"));
        QVERIFY(
            text.contains("\r\nLeft Side\r\n     Constant Temperature BC\r\n"
                          "     T = 200 C\r\n\r\n"));
        QVERIFY(text.contains("\r\nT(x)          200.00        "));
        QVERIFY(messages_.isEmpty());

        // File_Name now names the report: a plain Save writes the problem there.
        form.Save_Command->trigger();
        QCOMPARE(Bytes(report).left(7), QByteArray("0\r\n10\r\n"));
    }

    void start_up_screen_fills_the_library_then_hands_over() {
        D12_Input_Form form;
        About_Form about(Input_Window_Steps(form));
        QCOMPARE(about.windowTitle(),
                 QStringLiteral("ABOUT CALORIX Conduction Heat Transfer Software"));
        QCOMPARE(form.Properties_Window()->Properties_Combo_Box->count(), 147);
        about.Pause_Milliseconds = 300;
        QElapsedTimer clock;
        clock.start();
        about.show();
        QVERIFY(!form.isVisible());
        Save_Screenshot(&about, QStringLiteral("about.png"));
        QTRY_VERIFY_WITH_TIMEOUT(form.isVisible(), 5000);
        QVERIFY(clock.elapsed() >= 300);
        QVERIFY(!about.isVisible());
    }
};

// The program's own application object, so that a failing handler meets the
// same guard as in the program.
int main(int argc, char** argv) {
    Calorix_Application app(argc, argv);
    Files_Commands_Test test;
    return QTest::qExec(&test, argc, argv);
}
#include "files_commands_test.moc"
