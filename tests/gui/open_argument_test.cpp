// Starting the program with a problem file on its command line: the start-up
// screen hands over, then the file is opened on the input window exactly as
// File > Open opens it.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>
#include <iterator>

#include "about/about_form.h"
#include "app/start_up.h"
#include "common/file_dialogs.h"
#include "common/message_dialogs.h"
#include "input/input_form.h"
#include "input/problem_file.h"

using namespace calorix;

class Open_Argument_Test : public QObject {
    Q_OBJECT

  private slots:
    void starting_with_a_file_opens_it_after_the_start_up_screen_data() {
        QTest::addColumn<QString>("file");  // "written", "truncated", "missing" or ""
        QTest::addColumn<bool>("no_pause");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("grid_size_tab0");
        QTest::addColumn<QString>("grid_size_tab3");
        QTest::addColumn<QString>("flux_side13");
        // Written file: the values are shown as Open shows them (a blank
        // before a non-negative value, no zero before the point).
        QTest::newRow("written") << "written" << true << 3 << " 12"
                                 << " .75"
                                 << " 2500";
        // A file that ends early keeps what was read before the end.
        QTest::newRow("truncated") << "truncated" << true << 2 << " .25"
                                   << "0.5"
                                   << "";
        // A missing file ends the open silently: the boxes keep their start texts.
        QTest::newRow("missing") << "missing" << false << 1 << "10"
                                 << "0.5"
                                 << "";
        QTest::newRow("no file") << "" << false << 1 << "10"
                                 << "0.5"
                                 << "";
    }

    void starting_with_a_file_opens_it_after_the_start_up_screen() {
        QFETCH(QString, file);
        QFETCH(bool, no_pause);
        QFETCH(int, tab);
        QFETCH(QString, grid_size_tab0);
        QFETCH(QString, grid_size_tab3);
        QFETCH(QString, flux_side13);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = file.isEmpty() ? QString() : dir.filePath(file + ".clx");
        if (file == "written") {
            Input_Form_State state = Initial_Form_State();
            state.Kind = 3;
            state.Tabs[0].Grid_Size_Text = "12";
            state.Tabs[3].Grid_Size_Text = "0.75";
            state.Sides[13].Choice = 2;
            state.Sides[13].q_Text = "2500";
            QVERIFY(Save_File(path.toStdString(), state));
        } else if (file == "truncated") {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("2\r\n0.25\r\n200\r\n50\r\n20\r\n20\r\n5\r\n30\r\n");
        }
        int messages = 0;
        Set_Message_Hook([&messages](const Message_Request&) {
            ++messages;
            return true;
        });

        Command_Line line;
        line.No_Pause = no_pause;
        line.File_Path = path.toStdString();
        D12_Input_Form input;
        About_Form about(Input_Window_Steps(input));
        about.Pause_Milliseconds = 100;
        Start_Calorix(about, input, line);
        QCOMPARE(about.Pause_Milliseconds, no_pause ? 0 : 100);
        QVERIFY(about.isVisible());
        // Nothing is read before the input window has taken over.
        QCOMPARE(input.Definition().File_Name, std::string("output.clx"));
        QTRY_VERIFY_WITH_TIMEOUT(input.isVisible() && !about.isVisible(), 5000);
        const std::string expected_name = path.isEmpty() ? "output.clx" : path.toStdString();
        QTRY_COMPARE_WITH_TIMEOUT(input.Definition().File_Name, expected_name, 5000);
        QTest::qWait(20);  // nothing else is queued behind the open

        QCOMPARE(input.Case_Tab()->currentIndex(), tab);
        QCOMPARE(input.Parameters(0).Grid_Size_Text->text(), grid_size_tab0);
        QCOMPARE(input.Parameters(3).Grid_Size_Text->text(), grid_size_tab3);
        const Side_Controls& right = input.Side(13);
        QCOMPARE(right.q_Text->text(), flux_side13);
        QCOMPARE(right.BC2_Option->isChecked(), !flux_side13.isEmpty());
        QCOMPARE(right.BC2_Frame->isVisibleTo(right.BC_Frame), !flux_side13.isEmpty());
        QCOMPARE(messages, 0);
        Set_Message_Hook({});
    }

    // A Latin-1 name ("caf\xe9.clx") opens from the command line and as
    // "café.clx" typed in the Open dialog; Save writes that file, no other.
    void a_name_that_is_not_text_opens_from_the_command_line_and_the_dialog() {
        QTemporaryDir dir;
        const std::string path = QFile::encodeName(dir.path()).toStdString() + "/caf\xe9.clx";
        Input_Form_State state = Initial_Form_State();
        state.Kind = 3;
        state.Tabs[0].Grid_Size_Text = "12";
        QVERIFY(Save_File(path, state));
        Set_Message_Hook([](const Message_Request&) { return true; });
        Set_File_Dialog_Hook([&](const File_Dialog_Request&) {
            return dir.path() + QStringLiteral("/caf\u00e9.clx");
        });
        for (const bool dialog : {false, true}) {
            Command_Line line;
            line.No_Pause = true;
            line.File_Path = dialog ? "" : path;
            D12_Input_Form input;
            About_Form about(Input_Window_Steps(input));
            Start_Calorix(about, input, line);
            QTRY_VERIFY_WITH_TIMEOUT(input.isVisible(), 5000);
            if (dialog) {
                input.Open_Command->trigger();
            }
            QTRY_COMPARE_WITH_TIMEOUT(input.Definition().File_Name, path, 5000);
            QCOMPARE(input.Case_Tab()->currentIndex(), 3);
            QCOMPARE(input.Parameters(0).Grid_Size_Text->text(), QStringLiteral(" 12"));
            QCOMPARE(input.File_Name_Label()->text(),
                     QStringLiteral("File: ") + QFile::decodeName(QByteArray::fromStdString(path)));
            input.Save_Command->trigger();
        }
        Set_File_Dialog_Hook({});
        Set_Message_Hook({});
        QCOMPARE(std::distance(std::filesystem::directory_iterator(dir.path().toStdString()),
                               std::filesystem::directory_iterator()),
                 1);
    }
};

QTEST_MAIN(Open_Argument_Test)
#include "open_argument_test.moc"
