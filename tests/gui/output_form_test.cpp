// The results window driven through the input window, as a student uses it:
// a run of each kind with the start-up values, the table and its headings,
// the chart and a picked location, a picked time, the tabs, Close and a rerun.
#include <QCategoryAxis>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "common/file_dialogs.h"
#include "common/message_dialogs.h"
#include "common/number_text.h"
#include "gui_test_support.h"
#include "input/input_form.h"
#include "output/output_form.h"
#include "output/shaded_plot_panel.h"
#include "output/temperature_chart.h"
#include "output/text_table_model.h"

using namespace calorix;
using namespace calorix::gui_test;

namespace {

void Pick(QComboBox* c, const QString& text) {
    c->setFocus();
    c->lineEdit()->selectAll();
    QTest::keyClicks(c->lineEdit(), text);
    QTest::keyClick(c->lineEdit(), Qt::Key_Return);
}

// A run of `kind` from the input window, its first tab photographed.
void Run(D12_Input_Form& form, int kind, const std::function<void(Output_Form*)>& inspect) {
    const int shown = Run_Through_Form(form, kind, [&](Output_Form* w) {
        Save_Screenshot(w, QStringLiteral("output_kind%1_tab0.png").arg(kind));
        inspect(w);
    });
    QCOMPARE(shown, 1);
}

}  // namespace

class Output_Form_Test : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        Set_Message_Hook([](const Message_Request&) { return true; });
    }
    void cleanup() { Set_Message_Hook({}); }

    void window_has_its_tabs_and_buttons() {
        Output_Form w;
        QCOMPARE(w.windowTitle(), QStringLiteral("CALORIX OUTPUT"));
        QStringList tabs;
        for (int i = 0; i < w.Output_Tab()->count(); ++i) {
            tabs << w.Output_Tab()->tabText(i);
        }
        QCOMPARE(tabs, QStringList({"Tabular Ouput", "Graphical Output",
                                    "Heat Balance and Accuracy", "Convergence"}));
        QCOMPARE(w.Close_Command()->text(), QStringLiteral("&Close"));
        QCOMPARE(w.Print_Command()->text(), QStringLiteral("&Print Results To File"));
        QVERIFY(w.Time_List()->isEditable());
        QVERIFY(w.Distance_List()->isEditable());
        QVERIFY(w.Input_Copy(0) != w.Input_Copy(1));
        // The two copies word their labels differently.
        const auto labels = [&](int k) {
            QStringList l;
            for (const QLabel* x : w.Input_Copy(k)->findChildren<QLabel*>()) {
                l.append(x->text());
            }
            return l;
        };
        QVERIFY(labels(0).contains(QStringLiteral("Nodes in x_Direction =")));
        QVERIFY(labels(0).contains(QStringLiteral("Conductivity (W/m.K) =")));
        QVERIFY(labels(1).contains(QStringLiteral("Number of Grids in the y_Direction =")));
        QVERIFY(labels(1).contains(QStringLiteral("Heat Generation Rate (W/m^3) =")));
        QVERIFY(labels(1).contains(QStringLiteral("Thermal Diffusivity (m^2/s) =")));
        QVERIFY(!labels(1).contains(QStringLiteral("Nodes in x_Direction =")));
    }

    void steady_plate_table_and_picture_request() {
        D12_Input_Form form;
        form.show();
        Run(form, 1, [&](Output_Form* w) {
            QCOMPARE(w->Output_Tab()->currentIndex(), 0);
            QCOMPARE(
                w->Table_Title()->text(),
                QStringLiteral("T (Degrees Celsuis) as a function of x (Meters) and y (Meters)"));
            // 5 x 5 nodes 25 cm apart: 6 x 6 cells with the headings.
            QCOMPARE(w->Table_Model()->rowCount(), 5);
            QCOMPARE(w->Table_Model()->columnCount(), 5);
            QCOMPARE(Row(w, 0), QStringList({"T(x,y)", "0.", "0.25", "0.5", "0.75", "1."}));
            QCOMPARE(Cell(w, 4, 0), QStringLiteral("0.75"));
            // The top side is held at 226.8 C.
            QCOMPARE(Cell(w, 1, 3), QStringLiteral("226.8"));
            const QVariant a =
                w->Table_Model()->data(w->Table_Model()->index(2, 2), Qt::TextAlignmentRole);
            QCOMPARE(a.value<Qt::Alignment>(), Qt::Alignment(Qt::AlignCenter));
            for (int s = 0; s < 4; ++s) {
                QVERIFY(w->Side_Label(s)->isVisible());
            }
            QCOMPARE(w->Side_Label(3)->text(), QStringLiteral("Constant Temperature"));
            QVERIFY(w->Plate_Image()->isVisible());
            QVERIFY(!w->Bar_Image()->isVisible());
            QVERIFY(!w->Time_List()->isVisible());
            QCOMPARE(w->Y_Axis_Label()->text(), QStringLiteral(" y (m)"));
            const Input_Copy_Controls& c = w->Input_Copy_Parts(0);
            QCOMPARE(c.Output_Frame->title(), QStringLiteral("2-D Steady State Problem Inputs"));
            QCOMPARE(c.Text[Box_Grid_Size]->text(), QStringLiteral(" 25"));
            QCOMPARE(c.Text[Box_Guess_Initial_Temperature]->text(), QStringLiteral(" 250"));
            QVERIFY(c.Text[Box_Y_Grid]->isVisible());
            QVERIFY(!c.Transient_Frame->isVisible());

            QSignalSpy picture(w, &Output_Form::Shaded_Picture_Requested);
            w->Output_Tab()->setCurrentIndex(1);
            QCOMPARE(picture.count(), 1);
            QCOMPARE(picture[0][0].toInt(), 1);
            QVERIFY(w->Shaded_Plot_Host()->isVisible());
            QVERIFY(!w->Plot_Output_Frame()->isVisible());
            QVERIFY(w->Input_Copy(1)->isVisible());
            // The panel drew this run's field: its colour scale spans the
            // hottest side (226.8 C) and the picture exists.
            const Shaded_Plot_Panel* panel = w->Shaded_Panel();
            QVERIFY(panel->isVisible());
            QCOMPARE(panel->Max_Temperature, 226.8);
            QVERIFY(panel->Min_Temperature < panel->Max_Temperature);
            QVERIFY(!panel->Picture().isNull());
            Save_Screenshot(w, QStringLiteral("output_kind1_tab1.png"));
        });
        Output_Form* w = form.Results_Window();
        QVERIFY(!w->isVisible());
        // Close hides what the next run shows again.
        for (int s = 0; s < 4; ++s) {
            QVERIFY(!w->Side_Label(s)->isVisibleTo(w));
        }
        QVERIFY(!w->Plate_Image()->isVisibleTo(w));
    }

    void steady_bar_table_and_chart() {
        D12_Input_Form form;
        form.show();
        Run(form, 0, [&](Output_Form* w) {
            // 5 nodes 10 cm apart; the left face held at 200 C.
            QCOMPARE(w->Table_Model()->rowCount(), 1);
            QCOMPARE(w->Table_Model()->columnCount(), 5);
            QCOMPARE(Row(w, 0), QStringList({"", "0.", "0.1", "0.2", "0.3", "0.4"}));
            QCOMPARE(Row(w, 1).mid(0, 2), QStringList({"T(x)", "200."}));
            QVERIFY(w->Bar_Image()->isVisible());
            QVERIFY(!w->Side_Label(2)->isVisible());
            QCOMPARE(w->Y_Axis_Label()->text(), QString());

            QSignalSpy picture(w, &Output_Form::Shaded_Picture_Requested);
            w->Output_Tab()->setCurrentIndex(1);
            QCOMPARE(picture.count(), 0);
            QVERIFY(w->Plot_Output_Frame()->isVisible());
            QVERIFY(!w->Shaded_Plot_Host()->isVisible());
            QVERIFY(!w->X_Input_Frame()->isVisible());
            QCOMPARE(w->Plot_Output_Frame()->title(),
                     QStringLiteral("1-D Steady State Problem Inputs"));
            const Temperature_Chart* chart = w->Chart_View();
            QCOMPARE(chart->chart()->title(), QStringLiteral("Temperature(C) Vs x Location (m)"));
            QCOMPARE(chart->Category_Axis()->titleText(), QStringLiteral("x (m)"));
            QCOMPARE(chart->Series()->count(), 5);
            QCOMPARE(chart->Series()->at(0).y(), 200.0);
            QCOMPARE(chart->Category_Axis()->categoriesLabels().first(), QStringLiteral("0."));
            QCOMPARE(chart->Category_Axis()->categoriesLabels().last(), QStringLiteral("0.4"));
            Save_Screenshot(w, QStringLiteral("output_kind0_tab1.png"));

            // "Save Chart…" writes what is shown, the curve's red included.
            QTemporaryDir dir;
            File_Dialog_Request asked;
            Set_File_Dialog_Hook([&](const File_Dialog_Request& r) {
                asked = r;
                return dir.filePath(QStringLiteral("bar"));
            });
            QCOMPARE(w->Save_Chart_Command()->text(), QStringLiteral("Save Chart…"));
            w->Exact_Profile_Box()->setChecked(true);
            w->Save_Chart_Command()->click();
            w->Exact_Profile_Box()->setChecked(false);
            Set_File_Dialog_Hook({});
            QVERIFY(asked.Save);
            QCOMPARE(asked.Filters, QStringList({QStringLiteral("PNG Image (*.png)"),
                                                 QStringLiteral("SVG Image (*.svg)")}));
            const QImage png(dir.filePath(QStringLiteral("bar.png")), "PNG");
            QCOMPARE(png.size(), chart->size() * chart->devicePixelRatio());
            // The finite-difference curve (red) and the dashed analytic
            // profile asked for over it (blue) are both in the file.
            int red = 0;
            int blue = 0;
            for (int y = 0; y < png.height(); ++y) {
                for (int x = 0; x < png.width(); ++x) {
                    red += png.pixelColor(x, y) == QColor(200, 40, 30) ? 1 : 0;
                    blue += png.pixelColor(x, y) == QColor(30, 90, 200) ? 1 : 0;
                }
            }
            QVERIFY2(red > 40, qPrintable(QString::number(red)));
            QVERIFY2(blue > 40, qPrintable(QString::number(blue)));
            // A folder that is not there, and a disk that fills up after 100
            // bytes: the user is told, and the older picture stays whole.
            const QString message = QStringLiteral("CALORIX could not write the picture file ");
            QCOMPARE(Messages_Of_Save(w->Save_Chart_Command(), dir.filePath("no/bar")),
                     QStringList{message + dir.filePath(QStringLiteral("no/bar.png"))});
            const QByteArray old = Bytes(dir.filePath(QStringLiteral("bar.png")));
            QCOMPARE(Messages_Of_Save(w->Save_Chart_Command(), dir.filePath("bar.png"), 100),
                     QStringList{message + dir.filePath(QStringLiteral("bar.png"))});
            QCOMPARE(Bytes(dir.filePath(QStringLiteral("bar.png"))), old);
        });
    }

    void transient_bar_history_and_picked_location() {
        D12_Input_Form form;
        form.show();
        Run(form, 2, [&](Output_Form* w) {
            const Transient_1D_Store& s = form.Stores().Transient_1D;
            // 5 steps of 24 s are 6 stored levels; 5 nodes 7.5 cm apart.
            QCOMPARE(s.Time_Steps_T1D, std::int16_t(6));
            QCOMPARE(w->Table_Model()->rowCount(), 6);
            QCOMPARE(w->Table_Model()->columnCount(), 5);
            QCOMPARE(Row(w, 0), QStringList({"T(t,x)", "0.", "0.075", "0.15", "0.225", "0.3"}));
            QCOMPARE(Cell(w, 1, 0), QStringLiteral(" 0"));
            QCOMPARE(Cell(w, 2, 0), QStringLiteral(" 24"));
            QCOMPARE(Cell(w, 6, 0), QStringLiteral(" 120"));
            QCOMPARE(Cell(w, 1, 3), QStringLiteral("20."));  // the initial profile
            QCOMPARE(w->Y_Axis_Label()->text(), QStringLiteral(" t (Sec)"));
            const Input_Copy_Controls& c = w->Input_Copy_Parts(0);
            QVERIFY(c.Transient_Frame->isVisible());
            QCOMPARE(c.Text[Box_Time_Step]->text(), QStringLiteral(" 24"));
            QCOMPARE(c.Text[Box_Diffusivity]->text(), QStringLiteral(" 1.17E-04"));
            QVERIFY(c.Explicit_Option->isChecked());

            w->Output_Tab()->setCurrentIndex(1);
            QVERIFY(w->X_Input_Frame()->isVisible());
            QCOMPARE(Items(w->Distance_List()),
                     QStringList({"0.", "0.075", "0.15", "0.225", "0.3"}));
            QCOMPARE(w->Distance_List()->currentText(), QStringLiteral("0.3"));
            Temperature_Chart* chart = w->Chart_View();
            QCOMPARE(chart->chart()->title(), QStringLiteral("Temperature Vs Time For x =0.3  m"));
            QCOMPARE(chart->Category_Axis()->titleText(), QStringLiteral("Time (Sec)"));
            QCOMPARE(chart->Series()->count(), 6);
            QCOMPARE(chart->Series()->at(5).y(), s.Temperature_History_1D(6, 5));

            // x = 0.15 m on a 7.5 cm grid is node 3.
            w->Distance_List()->setCurrentIndex(2);
            emit w->Distance_List()->textActivated(w->Distance_List()->currentText());
            QCOMPARE(chart->chart()->title(),
                     QStringLiteral("Temperature Vs Time For x = 0.15 m "));
            QCOMPARE(chart->Series()->count(), 6);
            QCOMPARE(chart->Series()->at(0).y(), 20.0);
            QCOMPARE(chart->Series()->at(4).y(), s.Temperature_History_1D(5, 3));
            // Typed locations: 0.08 m is 1.07 grids from the left -> node 2, kept
            // as typed; off the wall the nearer face, its curve, title and item.
            struct Off_Wall {
                const char* typed;
                const char* shown;
                int node;
            };
            for (const Off_Wall& o : {Off_Wall{"0.5", "0.3", 5}, Off_Wall{"-1", "0.", 1},
                                      Off_Wall{"0.08", "0.08", 2}}) {
                Pick(w->Distance_List(), QString::fromLatin1(o.typed));
                QCOMPARE(w->Distance_List()->currentText(), QString::fromLatin1(o.shown));
                QCOMPARE(chart->chart()->title(),
                         QStringLiteral("Temperature Vs Time For x = %1 m ").arg(o.shown));
                QCOMPARE(chart->Series()->at(3).y(), s.Temperature_History_1D(4, o.node));
            }
            Save_Screenshot(w, QStringLiteral("output_kind2_tab1.png"));
        });
        QCOMPARE(form.Results_Window()->Distance_List()->count(), 0);
        QVERIFY(form.Output().Distance_List_Items.empty());
    }

    void transient_plate_times_and_rerun() {
        D12_Input_Form form;
        form.show();
        Run(form, 3, [&](Output_Form* w) {
            const Transient_2D_Store& s = form.Stores().Transient_2D;
            QVERIFY(w->Time_List()->isVisible());
            QVERIFY(w->Second_Label()->isVisible());
            QCOMPARE(Items(w->Time_List()),
                     QStringList({"0.", "2.", "4.", "6.", "8.", "10.", "12."}));
            QCOMPARE(w->Time_List()->currentText(), QStringLiteral("12."));
            // 5 x 3 nodes 0.5 cm apart.
            QCOMPARE(w->Table_Model()->rowCount(), 3);
            QCOMPARE(w->Table_Model()->columnCount(), 5);
            QCOMPARE(Row(w, 0), QStringList({"T(x,y)", "0.", "0.005", "0.01", "0.015", "0.02"}));
            QCOMPARE(Cell(w, 3, 0), QStringLiteral("0.01"));
            QCOMPARE(Cell(w, 2, 2).toStdString(),
                     Format_Number(s.Temperature_History_2D(2, 2, 6), "###0.##"));

            // The time 0: the initial 300 C everywhere inside.
            w->Time_List()->setCurrentIndex(0);
            emit w->Time_List()->textActivated(w->Time_List()->currentText());
            QCOMPARE(Cell(w, 2, 2), QStringLiteral("300."));
            QCOMPARE(Cell(w, 0, 2), QStringLiteral("0.005"));  // headings stay
            // 3 s typed: level 1.5, rounded to the even level 2; the text
            // takes the list's form.
            Pick(w->Time_List(), QStringLiteral("3"));
            QCOMPARE(w->Time_List()->currentText(), QStringLiteral("3."));
            QCOMPARE(Cell(w, 2, 3).toStdString(),
                     Format_Number(s.Temperature_History_2D(3, 2, 2), "###0.##"));
            QVERIFY(Cell(w, 2, 3) != QStringLiteral("300."));

            QSignalSpy picture(w, &Output_Form::Shaded_Picture_Requested);
            QSignalSpy closing(w, &Output_Form::Closing);
            w->Output_Tab()->setCurrentIndex(1);
            QCOMPARE(picture.count(), 1);
            QCOMPARE(picture[0][0].toInt(), 3);
            QCOMPARE(w->Input_Copy_Parts(1).Output_Frame->title(),
                     QStringLiteral("2-D Transient Problem Inputs"));
            QCOMPARE(w->Input_Copy_Parts(1).Text[Box_Number_Of_Time_Steps]->text(),
                     QStringLiteral(" 6"));
            // The picture opens at the picked time: level 2 of 2 s steps.
            const Shaded_Plot_Panel* panel = w->Shaded_Panel();
            QCOMPARE(panel->Current_Step, 2);
            QCOMPARE(panel->Time_Elapsed, 4.0);
            QCOMPARE(panel->Time_Slider()->value(), 2);
            QCOMPARE(panel->Time_Slider()->maximum(), 6);
            QVERIFY(panel->Max_Temperature >= 300.0);
            Save_Screenshot(w, QStringLiteral("output_kind3_tab1.png"));
            w->Output_Tab()->setCurrentIndex(0);
            w->Close_Command()->click();
            QCOMPARE(closing.count(), 1);
        });
        Output_Form* w = form.Results_Window();
        QVERIFY(!w->Time_List()->isVisibleTo(w));
        QVERIFY(!w->Second_Label()->isVisibleTo(w));
        QCOMPARE(w->Time_List()->count(), 0);

        // The same kind again: the list holds this run's times only.
        Run(form, 3, [&](Output_Form* w2) {
            QVERIFY(w2->Time_List()->isVisible());
            QCOMPARE(w2->Time_List()->count(), 7);
        });

        // Then another kind: no time list, a chart instead of the picture.
        Run(form, 2, [&](Output_Form* w2) {
            QVERIFY(!w2->Time_List()->isVisible());
            QCOMPARE(Cell(w2, 0, 0), QStringLiteral("T(t,x)"));
            QSignalSpy picture(w2, &Output_Form::Shaded_Picture_Requested);
            w2->Output_Tab()->setCurrentIndex(1);
            QCOMPARE(picture.count(), 0);
            QVERIFY(w2->Plot_Output_Frame()->isVisible());
        });
    }

    void fits_a_laptop_screen_above_its_taskbar() {
        // 1366 x 768 with a 48 px taskbar leaves 720 px; with a title bar of
        // up to 40 px the window may need 680 px at most, so 640 inside.
        constexpr int Most_Inside = 640;
        D12_Input_Form form;
        form.show();
        QStringList too_tall;
        for (int kind : {0, 1, 2, 3}) {
            Run(form, kind, [&](Output_Form* w) {
                for (int tab : {0, 1}) {
                    w->Output_Tab()->setCurrentIndex(tab);
                    QCoreApplication::processEvents();
                    const int needed = w->layout()->minimumSize().height();
                    // At that height nothing is cut off: the buttons sit inside.
                    w->resize(1366, Most_Inside);
                    QCoreApplication::processEvents();
                    const QRect close(w->Close_Command()->mapTo(w, QPoint(0, 0)),
                                      w->Close_Command()->size());
                    QWidget* shown = w->Table_View();
                    if (tab == 1) {
                        shown = kind == 0 || kind == 2
                                    ? static_cast<QWidget*>(w->Plot_Output_Frame())
                                    : w->Shaded_Panel();
                    }
                    const QWidget* page = w->Output_Tab()->currentWidget();
                    const bool whole =
                        QRect(page->mapTo(w, QPoint(0, 0)), page->size())
                            .contains(QRect(shown->mapTo(w, QPoint(0, 0)), shown->size()));
                    if (needed > Most_Inside || !w->rect().contains(close) || !whole) {
                        too_tall.append(
                            QStringLiteral("kind %1 tab %2: %3 px").arg(kind).arg(tab).arg(needed));
                    }
                }
            });
        }
        QVERIFY2(too_tall.isEmpty(), qPrintable(too_tall.join(QStringLiteral("; "))));
    }

    void long_history_appears_at_once() {
        // 1000 levels of 5 nodes: the view reads the table on demand.
        D12_Input_Form form;
        form.show();
        Input_Form_State st = form.Read_Form_State();
        st.Tabs[2].Number_Of_Time_Steps_Text = "999";
        st.Tabs[2].Time_Step_Text = "1";
        form.Apply_Form_State(st);
        Run(form, 2, [&](Output_Form* w) {
            QCOMPARE(w->Table_Model()->rowCount(), 1000);
            QCOMPARE(Cell(w, 1000, 0), QStringLiteral(" 999"));
            w->Table_View()->scrollToBottom();
            QCOMPARE(w->Chart_View()->Series()->count(), 1000);
            QVERIFY(w->Chart_View()->Category_Axis()->count() <= 14);
            w->Output_Tab()->setCurrentIndex(1);
            Save_Screenshot(w, QStringLiteral("output_long_history_tab1.png"));
        });
    }
};

QTEST_MAIN(Output_Form_Test)
#include "output_form_test.moc"
