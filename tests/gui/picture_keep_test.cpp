// What is kept of a plate for slides and reports: the saved picture as SVG
// and PNG, the frames of a transient run, the probes and the heat-flux arrows.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include "common/file_dialogs.h"
#include "common/problem_definition.h"
#include "output/picture_figure.h"
#include "output/probe_chart_window.h"
#include "output/shaded_plot_panel.h"
#include "shaded_plot_support.h"
#include "solvers/result_stores.h"

using namespace calorix;

namespace {

// Every text of an SVG document, in order; the reader's error when it does
// not parse.
QStringList Svg_Texts(const QByteArray& svg, QString& error) {
    QStringList texts;
    QXmlStreamReader xml(svg);
    bool in_text = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("text")) {
            in_text = true;
            texts.append(QString());
        } else if (xml.isEndElement() && xml.name() == QLatin1String("text")) {
            in_text = false;
        } else if (in_text && xml.isCharacters()) {
            texts.last() += xml.text().toString().trimmed();
        }
    }
    error = xml.hasError() ? xml.errorString() : QString();
    return texts;
}

}  // namespace

class Picture_Keep_Test : public QObject {
    Q_OBJECT

  private slots:
    // A ramp 0..100 C with the maximum typed down to 80: the SVG keeps the
    // title, the fourteen bar values and the note as text; the PNG at 2x is
    // twice the figure.  A name typed without an extension takes the
    // filter chosen in the dialog.
    void saved_picture_keeps_title_bar_values_and_clipped_range() {
        const Steady_2D_Store s =
            Steady_Field(3, 3, [](int i, int j) { return 50.0 * (i - 1) + 0.0 * j; });
        Shaded_Plot_Panel p;
        p.Show_Steady_2D(s);
        p.Apply_Range_Entry(1, QStringLiteral("80"));
        // Arrows: 50 C per 0.25 m with k = 1 is 200 W/m^2 at every node.
        Problem_Definition plate;
        plate.Grid_Size = 25;
        plate.Conductivity = 1;
        p.Set_Plate(plate);
        p.Arrows_Box()->setChecked(true);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        Set_File_Dialog_Hook([&](File_Dialog_Request& r) {
            r.Selected_Filter = 1;  // "SVG Image (*.svg)"
            return dir.filePath(QStringLiteral("plate"));
        });
        p.Save_Picture_Command()->click();
        QFile f(dir.filePath(QStringLiteral("plate.svg")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QString error;
        const QStringList texts = Svg_Texts(f.readAll(), error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(texts.contains(QStringLiteral("2-D Steady State Problem")));
        QVERIFY(
            texts.contains(QStringLiteral("Colour range clipped to 0 to 80 C (data 0 to 100 C)")));
        // 0..80 in thirteen steps: 6.15, 12.31, ..., 73.85.
        QVERIFY(texts.contains(QStringLiteral("80.00")));
        QVERIFY(texts.contains(QStringLiteral("0.00")));
        QVERIFY(texts.contains(QStringLiteral("6.15")));
        QVERIFY(texts.contains(QStringLiteral("73.85")));
        for (int k = 0; k < 12; ++k) {
            QVERIFY(texts.contains(p.Temperature_Scale_Label(k)->text()));
        }
        QVERIFY(texts.contains(QStringLiteral("= 200 W/m^2")));
        QCOMPARE(p.Arrow_Legend_Label()->text(), QStringLiteral("Longest arrow = 200 W/m^2"));

        Set_File_Dialog_Hook(
            [&](const File_Dialog_Request&) { return dir.filePath(QStringLiteral("plate2x")); });
        p.Png_Scale_Box()->setCurrentIndex(1);
        p.Save_Picture_Command()->click();
        Set_File_Dialog_Hook({});
        const QImage png(dir.filePath(QStringLiteral("plate2x.png")));
        QCOMPARE(png.size(), Layout_Figure(p.Figure_Now()).Size * 2);
    }

    // Eleven levels of 15 s: files run_0000.png .. run_0010.png, each with
    // its own time in the title line and its own field (level 5 is 50 C,
    // midway in 0..100: red and blue 128, green 255).
    void frames_are_numbered_and_carry_their_time() {
        const Transient_2D_Store s = Levels_Of_Ten();
        Shaded_Plot_Panel p;
        p.Show_Transient_2D(s, 15, 10, "0");
        QVERIFY(p.Save_Frames_Command()->isVisibleTo(&p));
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QCOMPARE(p.Save_Frames(dir.filePath(QStringLiteral("run"))), 11);
        QStringList expected;
        for (int n = 0; n <= 10; ++n) {
            expected << QStringLiteral("run_%1.png").arg(n, 4, 10, QLatin1Char('0'));
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files, QDir::Name), expected);

        const Figure_Layout l = Layout_Figure(p.Figure_Now());
        const QRect title(0, 0, l.Size.width(), l.Plate.Top - 30);
        const QImage frame5(dir.filePath(QStringLiteral("run_0005.png")));
        QCOMPARE(frame5.pixel(static_cast<int>(l.Plate.X_Of_Node(2)),
                              static_cast<int>(l.Plate.Y_Of_Node(2))),
                 qRgb(128, 255, 128));
        // The title of frame 5 is the one the window draws at 75 s, and
        // differs from that of frame 0.
        p.Time_Slider()->setValue(5);
        QCOMPARE(p.Figure_Now().Title,
                 QStringLiteral("2-D Transient Problem, t = 75 s (0 h 1 min 15 s)"));
        const QImage shown = p.Figure();
        QCOMPARE(frame5.copy(title), shown.copy(title).convertToFormat(frame5.format()));
        const QImage frame0(dir.filePath(QStringLiteral("run_0000.png")));
        QVERIFY(frame0.copy(title) != frame5.copy(title));
    }

    // Node (2, 3) of a 3 x 3 run whose levels differ node by node, clicked
    // with the mouse: out of probe mode the click asks for the node to be
    // explained; in probe mode it charts the stored history.  The chart
    // saves as SVG with its title as text, the points as CSV.
    void node_probe_charts_the_stored_history() {
        Transient_2D_Store s = Levels_Of_Ten();
        for (int n = 0; n <= 10; ++n) {
            s.Temperature_History_2D(2, 3, n) = 7.0 * n * n;
        }
        Shaded_Plot_Panel p;
        p.Show_Transient_2D(s, 15, 10, "0");
        p.show();
        QVERIFY(QTest::qWaitForWindowExposed(&p));
        const Plate_Geometry g = p.Plate_On_Screen();
        const QPoint node(static_cast<int>(g.X_Of_Node(2)), static_cast<int>(g.Y_Of_Node(3)));
        QSignalSpy explained(&p, &Shaded_Plot_Panel::Node_Clicked);
        QTest::mouseClick(&p, Qt::LeftButton, {}, node);
        QCOMPARE(explained.size(), 1);
        QCOMPARE(explained[0], (QList<QVariant>{2, 3}));
        Probe_Chart_Window* w = p.Probe_Window();
        QVERIFY(!w->isVisible());
        QVERIFY(p.Probe_Box()->isVisibleTo(&p));
        p.Probe_Box()->setChecked(true);
        QTest::mouseClick(&p, Qt::LeftButton, {}, node);
        QCOMPARE(explained.size(), 1);
        QVERIFY(w->isVisible());
        const QList<QPointF> points = w->Nodes()->points();
        QCOMPARE(points.size(), 11);
        for (int n = 0; n <= 10; ++n) {
            QCOMPARE(points[n], QPointF(15.0 * n, s.Temperature_History_2D(2, 3, n)));
        }
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        Set_File_Dialog_Hook([&](File_Dialog_Request& r) {
            r.Selected_Filter = 1;  // "SVG Image (*.svg)"
            return dir.filePath(QStringLiteral("node"));
        });
        w->Save_Chart_Command()->click();
        Set_File_Dialog_Hook(
            [&](const File_Dialog_Request&) { return dir.filePath(QStringLiteral("node")); });
        w->Save_Csv_Command()->click();
        Set_File_Dialog_Hook({});
        QFile svg(dir.filePath(QStringLiteral("node.svg")));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QString error;
        const QStringList texts = Svg_Texts(svg.readAll(), error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(texts.contains(QStringLiteral("Temperature at node (2, 3) with time")));
        QFile csv(dir.filePath(QStringLiteral("node.csv")));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QVERIFY(csv.readAll().startsWith("t (s),T (C)\n0,0\n15,7\n30,28\n45,63\n"));
    }
};

QTEST_MAIN(Picture_Keep_Test)
#include "picture_keep_test.moc"
