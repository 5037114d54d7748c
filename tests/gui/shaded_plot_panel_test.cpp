#include "shaded_plot_support.h"

class Shaded_Plot_Panel_Test : public QObject {
    Q_OBJECT

  private slots:
    // -- 2-D steady ---------------------------------------------------------

    void steady_picture_runs_from_blue_at_the_coldest_to_red_at_the_hottest_node() {
        Steady_View v;
        Shaded_Plot_Panel& p = v.p;
        QCOMPARE(p.Kind(), 1);
        QCOMPARE(p.Min_Temperature, 0.0);
        QCOMPARE(p.Max_Temperature, 100.0);
        QCOMPARE(p.Resolution, std::int16_t{2});
        QCOMPARE(Steady_Node(p, 1, 1), Blue);
        QCOMPARE(Steady_Node(p, 3, 3), Red);
        QCOMPARE(Steady_Node(p, 2, 2), Midway);
        // No time navigation for a steady result.
        QVERIFY(!p.VCR_Frame()->isVisibleTo(&p));
        QVERIFY(!p.Time_Frame()->isVisibleTo(&p));
        QVERIFY(!p.Time_Slider()->isVisibleTo(&p));
    }

    void the_bar_is_red_at_the_top_and_blue_at_the_bottom_with_fourteen_values() {
        Steady_View v({{0, 20, 30}, {40, 50, 60}, {70, 80, 130}});
        Shaded_Plot_Panel& p = v.p;
        // Step 130/13 = 10: thirteen bands of ten degrees.
        QCOMPARE(Captions(p),
                 QStringList({"0.00", "10.00", "20.00", "30.00", "40.00", "50.00", "60.00", "70.00",
                              "80.00", "90.00", "100.00", "110.00", "120.00", "130.00"}));
        // The labels climb the bar: each higher value sits higher up.
        for (int k = 1; k < 12; ++k) {
            QVERIFY(p.Temperature_Scale_Label(k)->y() < p.Temperature_Scale_Label(k - 1)->y());
        }
        QVERIFY(p.Max_Temp_Command()->y() < p.Temperature_Scale_Label(11)->y());
        QVERIFY(p.Min_Temp_Command()->y() > p.Temperature_Scale_Label(0)->y());
    }

    void a_collapsed_range_is_painted_first_then_turns_green() {
        const struct {
            double t[3][3];
            int flag;  // the range box's entry, if any
            const char* entry;
            QRgb first, last;  // nodes (1, 1) and (3, 3) as painted
            const char* collapsed;
        } rows[] = {
            // A 0.3 degree range: painted with it, then collapsed onto the
            // maximum.
            {{{10.0, 10.1, 10.1}, {10.1, 10.1, 10.2}, {10.2, 10.2, 10.3}},
             0,
             "",
             Blue,
             Red,
             "10.30"},
            // A minimum typed above the maximum: painted with 200..100 as
            // typed (every node below it), then collapsed.
            {{{0, 20, 30}, {40, 50, 60}, {70, 80, 100}}, 2, "200", Blue, Blue, "100.00"},
        };
        for (const auto& r : rows) {
            Steady_View v(r.t);
            Shaded_Plot_Panel& p = v.p;
            if (r.flag != 0) {
                p.Apply_Range_Entry(r.flag, QString::fromLatin1(r.entry));
            }
            QCOMPARE(Steady_Node(p, 1, 1), r.first);
            QCOMPARE(Steady_Node(p, 3, 3), r.last);
            QCOMPARE(p.Min_Temperature, p.Max_Temperature);
            QCOMPARE(Captions(p), QStringList(14, QString::fromLatin1(r.collapsed)));
            QVERIFY(Scale_All(p, Green));
            // The next redraw paints the picture green too.
            p.Apply_Range_Entry(1, QString::fromLatin1(r.collapsed));
            QCOMPARE(Steady_Node(p, 1, 1), Green);
            QCOMPARE(Steady_Node(p, 3, 3), Green);
        }
    }

    void the_input_copy_is_taken_into_the_left_of_the_panel_and_shown() {
        Shaded_Plot_Panel p;
        QPointer<QWidget> copy = Input_Copy_Stand_In();
        p.Set_Input_Copy(copy);
        QVERIFY(p.isAncestorOf(copy));
        copy->hide();
        const Steady_2D_Store s = Steady_3x3(Ramp_3x3);
        p.Show_Steady_2D(s);
        QVERIFY(copy->isVisibleTo(&p));
        p.show();
        QVERIFY(QTest::qWaitForWindowExposed(&p));
        // It is not cut, and stays left of the picture's first cell even
        // when the picture has to move right to make room for it.
        QVERIFY(copy->width() >= copy->sizeHint().width());
        QVERIFY(copy->mapTo(&p, QPoint(copy->width(), 0)).x() <= p.Surface_Left() + 300);
        QVERIFY(p.Max_Temp_Command()->x() > p.Surface_Left() + 664);
    }

    // -- The range box --------------------------------------------------------

    void a_typed_bound_is_read_from_its_leading_number() {
        const struct {
            int flag;  // 1 maximum, 2 minimum
            const char* typed;
            double bound;
            QRgb middle;  // node (2, 2), 50 C
        } rows[] = {
            {2, "warm", 0.0, Midway},  // not a number: zero
            // f = 37.5 / 87.5 = 3/7: red 109.29, green 255 sin(3.14 * 4/7) =
            // 248.66, blue 145.71.
            {2, " 12.5abc", 12.5, qRgb(109, 249, 146)},
            {1, "1e999", INFINITY, Blue},     // f = 90 / inf = 0, the cold end
            {2, "-1e999", -INFINITY, Green},  // inf / inf: no place in the range
        };
        for (const auto& r : rows) {
            Steady_View v({{-40, 20, 30}, {40, 50, 60}, {70, 80, 100}});
            v.p.Apply_Range_Entry(r.flag, QString::fromLatin1(r.typed));
            QCOMPARE(r.flag == 1 ? v.p.Max_Temperature : v.p.Min_Temperature, r.bound);
            QCOMPARE(v.Node(2, 2), r.middle);
        }
    }

    void lowering_the_maximum_turns_every_node_above_it_pure_red() {
        Steady_View v;
        Shaded_Plot_Panel& p = v.p;
        QCOMPARE(Steady_Node(p, 3, 2), qRgb(153, 242, 102));  // 60 of 0..100, before
        Answer_Range_Box(p, QStringLiteral("50"), true);
        p.Max_Temp_Command()->click();
        QCOMPARE(p.Message_Flag, std::int16_t{1});
        QCOMPARE(p.Dialog()->Temp_Label()->text(), QStringLiteral("Enter The Maximum Temperature"));
        QVERIFY(!p.Dialog()->isVisible());
        QCOMPARE(p.Max_Temperature, 50.0);
        QCOMPARE(p.Min_Temperature, 0.0);  // not taken from the data again
        for (int i = 1; i <= 3; ++i) {
            QCOMPARE(Steady_Node(p, i, 3), Red);  // 70, 80, 100
        }
        QCOMPARE(Steady_Node(p, 3, 2), Red);                  // 60
        QCOMPARE(Steady_Node(p, 2, 2), Red);                  // 50: f = 1 from the formula
        QCOMPARE(Steady_Node(p, 1, 1), Blue);                 // 0
        QCOMPARE(Steady_Node(p, 3, 1), qRgb(153, 242, 102));  // 30 is now at f = 0.6
        QCOMPARE(p.Max_Temp_Command()->text(), QStringLiteral("50.00"));
        QCOMPARE(p.Temperature_Scale_Label(0)->text(), QStringLiteral("3.85"));  // 50/13
        // Showing the result again takes the range from the data.
        p.Show_Steady_2D(v.s);
        QCOMPARE(p.Max_Temperature, 100.0);
        QCOMPARE(Steady_Node(p, 2, 2), Midway);
    }

    void cancel_leaves_picture_bar_and_range_as_they_were() {
        Steady_View v;
        Shaded_Plot_Panel& p = v.p;
        const QImage picture = p.Picture().copy();
        const QImage bar = p.Temperature_Scale_Picture().copy();
        const QStringList captions = Captions(p);
        QCOMPARE(p.Dialog()->windowTitle(), QStringLiteral("CALORIX"));
        QCOMPARE(p.Dialog()->Temp_Label()->text(),
                 QStringLiteral("Enter the Maximum Temperature (C)"));
        QCOMPARE(p.Dialog()->Cancel_Button()->text(), QStringLiteral("Cancel"));
        Answer_Range_Box(p, QStringLiteral("75"), false);
        p.Min_Temp_Command()->click();
        QCOMPARE(p.Message_Flag, std::int16_t{2});
        QCOMPARE(p.Dialog()->Temp_Label()->text(), QStringLiteral("Enter The Minimum Temperature"));
        QVERIFY(!p.Dialog()->isVisible());
        QCOMPARE(p.Min_Temperature, 0.0);
        QCOMPARE(p.Max_Temperature, 100.0);
        QVERIFY(p.Picture() == picture);
        QVERIFY(p.Temperature_Scale_Picture() == bar);
        QCOMPARE(Captions(p), captions);
        // The box was only hidden: it still holds the text.
        QCOMPARE(p.Dialog()->Max_Temp_Text()->text(), QStringLiteral("75"));
    }

    void transient_range_entry_redraws_the_level_but_keeps_the_bar() {
        Transient_View v(2.0, "10");  // level 5, 50 C
        Shaded_Plot_Panel& p = v.p;
        const QImage bar = p.Temperature_Scale_Picture().copy();
        QCOMPARE(Transient_Node(p, 2, 2), Midway);
        p.Apply_Range_Entry(1, QStringLiteral("50"));
        QCOMPARE(Transient_Node(p, 2, 2), Red);
        QCOMPARE(p.Current_Step, 5);
        QCOMPARE(p.Max_Temp_Command()->text(), QStringLiteral("50.00"));
        QVERIFY(p.Temperature_Scale_Picture() == bar);
        // Minimum above the maximum: painted blue, then collapsed; the bar
        // still keeps its colours.
        p.Apply_Range_Entry(2, QStringLiteral("60"));
        QCOMPARE(Transient_Node(p, 2, 2), Blue);
        QCOMPARE(p.Min_Temperature, 50.0);
        QCOMPARE(Captions(p), QStringList(14, QStringLiteral("50.00")));
        QVERIFY(p.Temperature_Scale_Picture() == bar);
        // The run-wide range found on the first display is left alone.
        QCOMPARE(p.Min_Temp, 0.0);
        QCOMPARE(p.Max_Temp, 100.0);
    }

    void a_large_grid_paints_its_last_column_and_row() {
        // Above 180 nodes a cell is one pixel and one node: the last column
        // (or row) lies at origin + nodes, beyond the usual 690 x 530.
        const struct { int kind, nx, ny; } grids[] = {{1, 420, 30}, {3, 30, 450}, {1, 700, 700}};
        for (const auto& g : grids) {
            // Hot at node column nx and node row ny, cold elsewhere.
            auto hot = [&g](int i, int j, int = 0) { return i == g.nx || j == g.ny ? 100.0 : 0.0; };
            const Steady_2D_Store st = Steady_Field(g.nx, g.ny, hot);
            const Transient_2D_Store tr = History(g.nx, g.ny, 0, hot);
            Shaded_Plot_Panel p;
            if (g.kind == 1) {
                p.Show_Steady_2D(st);
            } else {
                p.Show_Transient_2D(tr, 1.0, 0, "0");
            }
            const int x0 = Shaded_Plot_Panel::Picture_Origin_X(g.kind);
            const int y0 = Shaded_Plot_Panel::Picture_Origin_Y(g.kind);
            QCOMPARE(p.Resolution, std::int16_t{1});
            // Cell (a, b) is the pixel (x0 + a, y0 + b).
            QVERIFY(p.Picture().width() > x0 + g.nx);
            QVERIFY(p.Picture().height() > y0 + g.ny);
            QCOMPARE(p.Picture().pixel(x0 + g.nx, y0 + 1), Red);
            QCOMPARE(p.Picture().pixel(x0 + 1, y0 + g.ny), Red);
            QCOMPARE(p.Picture().pixel(x0 + g.nx - 1, y0 + g.ny - 1), Blue);
            // The panel asks for room for all of it (the window scrolls).
            QVERIFY(p.minimumWidth() > p.Surface_Left() + x0 + g.nx);
            QVERIFY(p.minimumHeight() > y0 + g.ny);
        }
    }

    void fit_to_window_scales_by_whole_factors_and_keeps_every_colour() {
        Steady_View v;
        Shaded_Plot_Panel& p = v.p;
        // Off at first (a cell is Resolution pixels); once ticked, the next
        // picture starts ticked.
        QVERIFY(!gui_test::Choices_Kept_Apart.path.empty());
        QVERIFY(!p.Fit_Box()->isChecked());
        p.Fit_Box()->setChecked(true);
        QVERIFY(Steady_View().p.Fit_Box()->isChecked());
        p.show();
        QVERIFY(QTest::qWaitForWindowExposed(&p));
        p.resize(p.minimumSize());
        QTRY_COMPARE(p.Zoom(), 1);  // the panel at its least size: no room to grow
        // 3 x 3 nodes: 181 cells of 2 pixels, 362 across.  Room right of the
        // first cell (x 60 + 302) less the bar's 177: 1061 = 2.9 plates;
        // under it (y 107) less 70: 1023 = 2.8 plates.
        p.resize(1600, 1200);
        QTRY_COMPARE(p.Zoom(), 2);
        const Plate_Geometry g = p.Plate_On_Screen();
        QCOMPARE(g.Width(), 724);
        const QImage shown = p.Shown_Plate();
        QCOMPARE(shown.size(), QSize(724, 724));
        bool same = true;
        for (int y = 0; y < 724 && same; ++y) {
            for (int x = 0; x < 724; ++x) {
                same = same && shown.pixel(x, y) == p.Picture().pixel(302 + x / 2, 107 + y / 2);
            }
        }
        QVERIFY(same);
        // The bar and its values stand beside the zoomed plate.
        QVERIFY(p.Scale_X() >= g.Left + 724 + 40);
        QVERIFY(p.Temperature_Scale_Label(0)->x() > p.Scale_X());
        QVERIFY(p.Max_Temp_Command()->x() > g.Left + 724);
        // On screen, zoomed and at factor 1, the plate is the picture.
        for (bool fit : {true, false}) {
            p.Fit_Box()->setChecked(fit);
            const int z = fit ? 2 : 1;
            QCOMPARE(p.Zoom(), z);
            const QImage screen = p.grab().toImage();
            const int left = static_cast<int>(p.Plate_On_Screen().Left);
            for (int a = 0; a < 362 && same; a += 3) {
                for (int b = 0; b < 362; b += 3) {
                    same = same && screen.pixel(left + a * z, 107 + b * z) ==
                                       p.Picture().pixel(302 + a, 107 + b);
                }
            }
            QVERIFY2(same, fit ? "zoomed" : "factor 1");
        }
    }

    void the_probe_reads_the_node_under_the_mouse_at_the_level_on_display() {
        Problem_Definition plate;
        plate.Grid_Size = 5;  // 0.05 m between nodes
        Transient_View v(1.0, "5");
        Shaded_Plot_Panel& p = v.p;
        p.Set_Plate(plate);
        const Plate_Geometry g = p.Plate_On_Screen();
        Move_Mouse(p, QPointF(g.X_Of_Node(2), g.Y_Of_Node(3)));
        QCOMPARE(p.Probe_Line()->text(),
                 QStringLiteral("x = 0.05 m   y = 0.1 m   node (2, 3)   T = 50.00 C"));
        // A quarter of an interval right of node 2: still node 2.
        Move_Mouse(p, QPointF(g.X_Of_Node(2.25), g.Y_Of_Node(3)));
        QCOMPARE(p.Probe_Line()->text(),
                 QStringLiteral("x = 0.0625 m   y = 0.1 m   node (2, 3)   T = 50.00 C"));
        // The next level: the same node reads 60 C.
        p.Forward_Button_Picture()->click();
        Move_Mouse(p, QPointF(g.X_Of_Node(2), g.Y_Of_Node(3)));
        QVERIFY(p.Probe_Line()->text().endsWith(QStringLiteral("T = 60.00 C")));
        // Off the plate the line is empty.
        Move_Mouse(p, QPointF(g.Left - 1, g.Top));
        QCOMPARE(p.Probe_Line()->text(), QString());
    }

    void isotherms_follow_the_range_and_the_level() {
        // Columns 0, 50, 100 C: every interior value of the bar crosses.
        Steady_View v({{0, 50, 100}, {0, 50, 100}, {0, 50, 100}});
        Shaded_Plot_Panel& p = v.p;
        QVERIFY(!p.Isotherms_Box()->isChecked());
        QVERIFY(p.Isotherms().Lines().empty());
        const QImage plain = p.grab().toImage();
        p.Isotherms_Box()->setChecked(true);
        QCOMPARE(p.Isotherms().Lines().size(), std::size_t{12});
        QCOMPARE(p.Isotherms().Lines()[0].Label, std::string("7.69"));  // 100/13
        QVERIFY(p.grab().toImage() != plain);
        // The user's maximum 50 C: levels 50/13 apart, on the left half only.
        p.Apply_Range_Entry(1, QStringLiteral("50"));
        QCOMPARE(p.Isotherms().Lines().size(), std::size_t{12});
        QCOMPARE(p.Isotherms().Lines()[0].Label, std::string("3.85"));
        for (const Isotherm& line : p.Isotherms().Lines()) {
            QVERIFY(line.Segments.front().From.I <= 2.0);
        }
        // A transient run put up with the lines on: they wait for its
        // first level instead of reading a level not yet there.
        const Transient_2D_Store run = Levels_Of_Ten();
        p.Show_Transient_2D(run, 1.0, 10, "0");
        QVERIFY(p.Isotherms().Lines().empty());  // level 0 is uniform
        p.Isotherms_Box()->setChecked(false);
        QVERIFY(p.Isotherms().Lines().empty());
        // A transient level that is uniform has no isotherm; the run's range
        // 0..100 puts level 5 (50 C) between two bar values.
        Transient_View t(1.0, "5");
        t.p.Isotherms_Box()->setChecked(true);
        QVERIFY(t.p.Isotherms().Lines().empty());
    }

    void save_picture_writes_the_plate_bar_and_axes_as_png() {
        Steady_View v;
        Shaded_Plot_Panel& p = v.p;
        p.show();
        QVERIFY(QTest::qWaitForWindowExposed(&p));
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        File_Dialog_Request asked;
        Set_File_Dialog_Hook([&](const File_Dialog_Request& r) {
            asked = r;
            return dir.filePath(QStringLiteral("plate"));
        });
        p.Save_Picture_Command()->click();
        Set_File_Dialog_Hook({});
        QVERIFY(asked.Save);
        QCOMPARE(asked.Filters, QStringList({QStringLiteral("PNG Image (*.png)"),
                                             QStringLiteral("SVG Image (*.svg)")}));
        QImage saved(dir.filePath(QStringLiteral("plate.png")));  // .png appended
        QVERIFY(!saved.isNull());
        const QImage figure = p.Figure();
        QCOMPARE(saved.convertToFormat(QImage::Format_RGB32),
                 figure.convertToFormat(QImage::Format_RGB32));
        // The plate's hottest node and the bar's top row are in it.
        const Figure_Layout l = Layout_Figure(p.Figure_Now());
        QCOMPARE(saved.size(), l.Size);
        QCOMPARE(saved.pixel(static_cast<int>(l.Plate.X_Of_Node(3)),
                             static_cast<int>(l.Plate.Y_Of_Node(3))),
                 Red);
        QCOMPARE(saved.pixel(l.Bar.left() + 1, l.Bar.top() + 2), Red);
        // A cancelled dialog writes nothing.
        Set_File_Dialog_Hook([](const File_Dialog_Request&) { return QString(); });
        QFile::remove(dir.filePath(QStringLiteral("plate.png")));
        p.Save_Picture_Command()->click();
        Set_File_Dialog_Hook({});
        QVERIFY(QDir(dir.path()).isEmpty());
        // A folder that is not there, and a disk that fills up after 100
        // bytes: the user is told, and the older picture stays whole.
        const QString old = dir.filePath(QStringLiteral("old.png"));
        QVERIFY(figure.save(old));
        const QByteArray old_bytes = gui_test::Bytes(old);
        const QString message = QStringLiteral("CALORIX could not write the picture file ");
        for (const QString& path : {dir.filePath(QStringLiteral("no/plate.png")), old}) {
            QCOMPARE(gui_test::Messages_Of_Save(p.Save_Picture_Command(), path, 100),
                     QStringList{message + path});
        }
        QCOMPARE(gui_test::Bytes(old), old_bytes);
    }

    // -- Paced play ------------------------------------------------------------
};

QTEST_MAIN(Shaded_Plot_Panel_Test)
#include "shaded_plot_panel_test.moc"
