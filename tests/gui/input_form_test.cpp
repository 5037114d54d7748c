// The input window driven as a student would: tabs, boundary options, the
// quit question and "Calculate Temperature".
#include <QAction>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>
#include <cfenv>
#include <stdexcept>

#include "about/user_guide_window.h"
#include "common/file_dialogs.h"
#include "common/message_dialogs.h"
#include "gui_test_support.h"
#include "input/input_form.h"

using namespace calorix;
using calorix::gui_test::Save_Screenshot;

class Input_Form_Test : public QObject {
    Q_OBJECT

  private:
    QList<Message_Request> requests_;
    bool answer_ = false;
    int modal_windows_ = 0;

    // Closes the results window as soon as the run shows it modally.
    void Close_Modal_Soon() {
        QTimer::singleShot(0, this, [this] {
            if (QWidget* w = QApplication::activeModalWidget()) {
                ++modal_windows_;
                w->close();
            }
        });
    }
    // 0/0, as painting or a style inside a dialog's event loop may compute.
    static void Raise_Invalid() {
        volatile double zero = 0.0;
        volatile double invalid = zero / zero;
        (void)invalid;
    }
    // Clicks a radio button on its indicator, as a user would.
    static void Click(QRadioButton* b) {
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
    }

  private slots:
    // Every message box is recorded and answered with `answer_` (No unless
    // a test says Yes).
    void init() {
        requests_.clear();
        answer_ = false;
        modal_windows_ = 0;
        Set_Message_Hook([this](const Message_Request& r) {
            requests_.append(r);
            return answer_;
        });
    }
    void cleanup() { Set_Message_Hook({}); }

    void opens_on_the_two_dimensional_steady_tab() {
        D12_Input_Form form;
        form.resize(1100, 720);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.windowTitle(), QStringLiteral("CALORIX INPUT"));
        QCOMPARE(form.Case_Tab()->count(), 4);
        QCOMPARE(form.Case_Tab()->tabText(0), QStringLiteral("1-Dimensional Steady State Problem"));
        QCOMPARE(form.Case_Tab()->tabText(3), QStringLiteral("2-Dimensional Transient Problem"));
        QCOMPARE(form.Kind(), 1);
        const Parameter_Controls& p = form.Parameters(1);
        QCOMPARE(p.Grid_Size_Text->text(), QStringLiteral("25"));
        QCOMPARE(p.X_Grid_Text->text(), QStringLiteral("5"));
        QCOMPARE(p.Y_Grid_Text->text(), QStringLiteral("5"));
        QCOMPARE(p.Thermal_Conductivity_Text->text(), QStringLiteral("1"));
        QCOMPARE(p.Guess_Initial_Temperature_Text->text(), QStringLiteral("250"));
        for (int side = 4; side <= 6; ++side) {
            QCOMPARE(form.Side(side).T_Text->text(), QStringLiteral("226.8"));
            QVERIFY(form.Side(side).BC1_Option->isChecked());
            QVERIFY(form.Side(side).BC1_Frame->isVisible());
            QVERIFY(!form.Side(side).BC2_Frame->isVisible());
        }
        QCOMPARE(form.Side(7).h_Text->text(), QStringLiteral("10"));
        QCOMPARE(form.Definition().File_Name, std::string("output.clx"));
        QCOMPARE(form.Parameters(3).Diffusivity_Text->text(), QStringLiteral(".000002344"));
        QVERIFY(form.Parameters(2).Explicit_Option->isChecked());
        QVERIFY(form.Parameters(0).Y_Grid_Text == nullptr);
        QCOMPARE(form.OK_Command()->text(), QStringLiteral("Calculate Temperature"));
        Save_Screenshot(&form, QStringLiteral("input_tab1.png"));
        form.Case_Tab()->setCurrentIndex(3);
        Save_Screenshot(&form, QStringLiteral("input_tab3.png"));
    }

    void menus_carry_their_commands() {
        D12_Input_Form form;
        const auto texts = [](const QList<QAction*>& actions) {
            QStringList l;
            for (const QAction* a : actions) {
                l << (a->isSeparator() ? QStringLiteral("--") : a->text());
            }
            return l;
        };
        const QList<QAction*> menus = form.menuBar()->actions();
        QCOMPARE(texts(menus), QStringList({"&File", "&Properties", "&Help"}));
        QCOMPARE(texts(menus[0]->menu()->actions()),
                 QStringList({"&Open", "&Save", "Save &As", "--", "&Exit"}));
        QCOMPARE(form.Thermal_Conductivity_Command->text(), QStringLiteral("&Material Library"));
        QCOMPARE(form.About_Command->text(), QStringLiteral("&About"));
    }

    void boundary_options_switch_their_value_frames() {
        D12_Input_Form form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const Side_Controls& s = form.Side(5);
        Click(s.BC2_Option);
        QVERIFY(s.BC2_Option->isChecked());
        QVERIFY(!s.BC1_Frame->isVisible());
        QVERIFY(s.BC2_Frame->isVisible());
        QVERIFY(!s.BC3_Frame->isVisible());
        Click(s.BC3_Option);
        QVERIFY(s.BC3_Frame->isVisible());
        QVERIFY(!s.BC2_Frame->isVisible());
        Click(s.BC1_Option);
        QVERIFY(s.BC1_Frame->isVisible());
        QCOMPARE(s.T_Text->text(), QStringLiteral("226.8"));  // the text it had
        QCOMPARE(form.Read_Form_State().Sides[5].Choice, BC_Temperature);
    }

    void one_dimensional_tabs_hide_top_and_bottom() {
        D12_Input_Form form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.Case_Tab()->setCurrentIndex(0);
        QVERIFY(!form.Side(2).BC_Frame->isVisible());
        QVERIFY(!form.Side(3).BC_Frame->isVisible());
        QVERIFY(form.Side(0).BC_Frame->isVisible());
        QCOMPARE(form.Side(0).BC_Frame->title(), QStringLiteral("Left BC"));
        Save_Screenshot(&form, QStringLiteral("input_tab0.png"));
        form.Case_Tab()->setCurrentIndex(2);
        QVERIFY(!form.Side(10).BC_Frame->isVisible());
        QVERIFY(!form.Side(11).BC_Frame->isVisible());
        form.Case_Tab()->setCurrentIndex(1);
        QVERIFY(form.Side(6).BC_Frame->isVisible());
        QCOMPARE(form.Side(7).BC_Frame->title(), QStringLiteral("Bottom BC"));
    }

    // The Exit command and a close of the window (title bar, Alt+F4) ask
    // the same question; No leaves the window and what is typed in it, Yes
    // ends the application's event loop.
    void quitting_asks_first_data() {
        QTest::addColumn<bool>("by_menu");
        QTest::addColumn<bool>("yes");
        QTest::newRow("Exit, No") << true << false;
        QTest::newRow("close, No") << false << false;
        QTest::newRow("Exit, Yes") << true << true;
        QTest::newRow("close, Yes") << false << true;
    }
    void quitting_asks_first() {
        QFETCH(bool, by_menu);
        QFETCH(bool, yes);
        answer_ = yes;
        D12_Input_Form form;
        form.show();
        form.Parameters(1).Grid_Size_Text->setText(QStringLiteral("12.5"));
        const auto quit = [&] { by_menu ? form.Exit_Command->trigger() : (void)form.close(); };
        if (yes) {
            // Inside the application's own loop, which Yes must end (exit
            // code 0; the later timer's 1 means that nothing ended it).
            QTimer::singleShot(0, &form, quit);
            QTimer::singleShot(3000, &form, [] { QCoreApplication::exit(1); });
            QCOMPARE(QCoreApplication::exec(), 0);
        } else {
            quit();
        }
        QCOMPARE(requests_.size(), 1);
        QCOMPARE(requests_[0].Text, QStringLiteral("Are you sure you want to quit"));
        QVERIFY(requests_[0].Question);
        QVERIFY(!requests_[0].Yes_Default);
        QCOMPARE(requests_[0].Icon, QMessageBox::Question);
        QCOMPARE(form.isVisible(), !yes);
        QCOMPARE(form.Parameters(1).Grid_Size_Text->text(), QStringLiteral("12.5"));
    }

    // F1 opens the guide, Ctrl+Q goes through the quit question, and the
    // file commands carry the usual keys.
    void keys_open_the_guide_and_ask_before_quitting() {
        D12_Input_Form form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::keyClick(&form, Qt::Key_F1);
        User_Guide_Window* guide = form.Guide_Window();
        QVERIFY(guide->isVisible());
        const QString text = guide->Browser()->toPlainText();
        for (const char* topic :
             {"Boundary conditions", "Heat Balance and Accuracy", "Click to explain", "Isotherms",
              "Save Report as PDF", "Save Frames", "Animation speed", "Command line"}) {
            QVERIFY2(text.contains(QString::fromLatin1(topic)), topic);
        }
        guide->hide();
        form.activateWindow();
        QTest::keyClick(&form, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(requests_.size(), 1);
        QCOMPARE(requests_[0].Text, QStringLiteral("Are you sure you want to quit"));
        QCOMPARE(form.Open_Command->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
        QCOMPARE(form.Save_Command->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
        QCOMPARE(form.Save_As_Command->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    }

    void enter_in_any_box_runs_calculate_temperature() {
        D12_Input_Form form;
        form.show();
        QVERIFY(form.OK_Command()->isDefault());
        const QList<QLineEdit*> boxes = {form.Parameters(1).Grid_Size_Text,
                                         form.Parameters(1).Y_Grid_Text, form.Side(7).h_Text,
                                         form.Side(4).T_Text};
        for (QLineEdit* box : boxes) {
            Close_Modal_Soon();
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Return);
        }
        QCOMPARE(modal_windows_, boxes.size());
        QVERIFY(requests_.isEmpty());
    }

    // The questions of both transient kinds while the box itself raises the
    // invalid flag (as painting and styles in its event loop may): No ends
    // the run at once with nothing more shown and no results window; Yes
    // goes on to the next question and then runs.  The 1-D wall (0.5 cm,
    // 9 nodes, k 43, alpha 1.172e-5, 2 s, convection h 200 both sides) has
    // F0 = 1.172e-5 * 2 / 0.005^2 = 0.9376 and Bi = 200 * 0.005 / 43 =
    // 0.0233, so all three conditions fail (1.875, 1.919, 1.919).  The 2-D
    // plate (1 cm, 10 s, k 3, top h 200) has F = 0.2344, 4F = 0.9376 and
    // Bi_Top = 0.667: only condition 7 fails (1.25).
    void stability_answers_are_kept_whatever_the_box_raises_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<bool>("real_box");
        using Answers = QList<bool>;
        QTest::newRow("1-D No") << 2 << Answers{false} << false;
        QTest::newRow("1-D Yes No") << 2 << Answers{true, false} << false;
        QTest::newRow("1-D Yes Yes Yes") << 2 << Answers{true, true, true} << false;
        QTest::newRow("2-D No") << 3 << Answers{false} << false;
        QTest::newRow("2-D Yes") << 3 << Answers{true} << false;
        QTest::newRow("real box 1-D No") << 2 << Answers{false} << true;
        QTest::newRow("real box 1-D Yes Yes Yes") << 2 << Answers{true, true, true} << true;
        QTest::newRow("real box 2-D Yes") << 3 << Answers{true} << true;
    }
    void stability_answers_are_kept_whatever_the_box_raises() {
        QFETCH(int, kind);
        QFETCH(QList<bool>, answers);
        QFETCH(bool, real_box);
        D12_Input_Form form;
        form.show();
        Input_Form_State st = form.Read_Form_State();
        st.Kind = kind;
        if (kind == 2) {
            st.Tabs[2] = {"0.5", "0", "43", "20", "9", "", "1.172E-05", "2", "5", true};
            for (int side : {8, 9}) {
                st.Sides[side] = {BC_Convection, "", "", "25", "200"};
            }
        } else {
            st.Tabs[3].Grid_Size_Text = "1";
            st.Tabs[3].X_Grid_Text = st.Tabs[3].Y_Grid_Text = "21";
            st.Tabs[3].Time_Step_Text = "10";
        }
        form.Apply_Form_State(st);
        // Each question named by its condition (the text before " must").
        const QString head = QStringLiteral("Stability condition violated.... ");
        const QStringList all_questions =
            kind == 2 ? QStringList{head + "2xF0", head + "2xF0 + 2xBi_RightxF0",
                                    head + "2xF0 + 2xBi_LeftxF0"}
                      : QStringList{head + "4 x F0 + 2 x Bi_Top x F0"};
        QList<bool> script = answers;
        QStringList shown;
        bool yes_defaults = true;
        const auto answer = [&] {
            Raise_Invalid();
            return script.isEmpty() ? true : script.takeFirst();
        };
        const auto condition = [](const QString& text) { return text.section(" must", 0, 0); };
        if (real_box) {
            Set_Message_Hook({});
        } else {
            Set_Message_Hook([&](const Message_Request& r) {
                shown << condition(r.Text);
                yes_defaults = yes_defaults && r.Question && r.Yes_Default;
                return answer();
            });
        }
        // Answers the real boxes by their buttons and closes the results.
        QTimer answerer;
        connect(&answerer, &QTimer::timeout, this, [&] {
            QWidget* w = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(w)) {
                shown << condition(box->text());
                QAbstractButton* b = box->button(QMessageBox::Ok);
                if (b == nullptr) {
                    b = box->button(answer() ? QMessageBox::Yes : QMessageBox::No);
                }
                QTest::mouseClick(b, Qt::LeftButton);
            } else if (w != nullptr) {
                ++modal_windows_;
                w->close();
            }
        });
        answerer.start(5);
        QTest::mouseClick(form.OK_Command(), Qt::LeftButton);
        answerer.stop();
        QCOMPARE(shown, all_questions.first(answers.size()));
        QVERIFY(yes_defaults);
        QCOMPARE(modal_windows_, answers.last() ? 1 : 0);
        QCOMPARE(form.Definition().Stability_Message_Flag, answers.last() ? 0 : 1);
        QVERIFY(!form.Results_Window()->isVisible());
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }

    // A message box and a file dialog hand back the flags the caller had,
    // neither what they raise nor less.
    void dialogs_hand_back_the_callers_float_flags() {
        Set_Message_Hook([](const Message_Request&) {
            Raise_Invalid();
            return true;
        });
        Set_File_Dialog_Hook([](const File_Dialog_Request&) {
            Raise_Invalid();
            return QString();
        });
        std::feclearexcept(FE_ALL_EXCEPT);
        std::feraiseexcept(FE_OVERFLOW);
        Show_Calorix_Message(nullptr, QStringLiteral("x"));
        Ask_File_Name(nullptr, File_Dialog_Request{});
        const int flags = std::fetestexcept(FE_ALL_EXCEPT);
        std::feclearexcept(FE_ALL_EXCEPT);
        Set_File_Dialog_Hook({});
        QCOMPARE(flags & (FE_OVERFLOW | FE_INVALID), FE_OVERFLOW);
    }

    void a_failure_inside_a_question_ends_the_run() {
        D12_Input_Form form;
        form.show();
        form.Case_Tab()->setCurrentIndex(2);
        // 48 s steps on the 1-D transient wall: 2 F0 = 2 * 1.17e-4 * 48 / 0.075^2 = 2.0 > 1.
        form.Parameters(2).Time_Step_Text->setText(QStringLiteral("48"));
        // A failure the run does not expect (here from inside its question)
        // still ends it with the one memory message and no results window.
        Set_Message_Hook([this](const Message_Request& r) -> bool {
            requests_.append(r);
            if (r.Question) {
                throw std::runtime_error("unexpected");
            }
            return true;
        });
        Close_Modal_Soon();
        QTest::mouseClick(form.OK_Command(), Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(modal_windows_, 0);
        QCOMPARE(requests_.size(), 2);
        QCOMPARE(requests_[1].Text,
                 QStringLiteral("There is not enough memory for the number of grids chosen...!!!"));
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }

    void invalid_input_shows_its_message_and_solves_nothing() {
        D12_Input_Form form;
        form.show();
        answer_ = true;
        form.Parameters(1).X_Grid_Text->setText(QStringLiteral("2"));
        Close_Modal_Soon();
        QTest::mouseClick(form.OK_Command(), Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(requests_.size(), 1);
        QCOMPARE(requests_[0].Text,
                 QStringLiteral(
                     "Number of nodes has to be greater or equal three nodes in each direction"));
        QVERIFY(!requests_[0].Question);
        QCOMPARE(modal_windows_, 0);
        QCOMPARE(form.Stores().Steady_2D.Temperature_2D.Size(), std::size_t(0));
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }
};

QTEST_MAIN(Input_Form_Test)
#include "input_form_test.moc"
