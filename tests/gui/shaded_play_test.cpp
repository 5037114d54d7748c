// The time levels of a transient plate: first display, stepping, the slider,
// play, stop and the paced animation.
#include "shaded_plot_support.h"

class Shaded_Play_Test : public QObject {
    Q_OBJECT

  private slots:
    // -- 2-D transient: first display -----------------------------------------

    void first_display_sets_the_slider_and_shows_the_level_of_the_listed_time() {
        Transient_View v(2.0, "10");
        Shaded_Plot_Panel& p = v.p;
        QCOMPARE(p.Kind(), 3);
        QCOMPARE(p.Time_Slider()->maximum(), 10);
        QCOMPARE(p.Time_Slider()->pageStep(), 2);
        QCOMPARE(p.Current_Step, 5);
        QCOMPARE(p.Time_Slider()->value(), 5);
        QCOMPARE(p.Time_Elapsed, 10.0);
        QCOMPARE(Elapsed(p), QStringList({" 0", " 0", " 10"}));
        QCOMPARE(p.Min_Temp, 0.0);
        QCOMPARE(p.Max_Temp, 100.0);
        QCOMPARE(p.Min_Temperature, 0.0);
        QCOMPARE(p.Max_Temperature, 100.0);
        QCOMPARE(p.Resolution, std::int16_t{8});
        QCOMPARE(Transient_Node(p, 1, 1), Midway);
        QCOMPARE(Transient_Node(p, 3, 3), Midway);
        // The transient picture starts at (290 + 8, 150 + 8).
        const QRgb clear = p.Picture().pixel(0, 0);
        QCOMPARE(p.Picture().pixel(297, 200), clear);
        QCOMPARE(p.Picture().pixel(400, 157), clear);
        QCOMPARE(p.Picture().pixel(298, 158), Midway);
        QCOMPARE(p.Temperature_Scale_Picture().pixel(1, 2), Red);
        QVERIFY(p.VCR_Frame()->isVisibleTo(&p));
        QVERIFY(p.Time_Frame()->isVisibleTo(&p));
        QVERIFY(p.Time_Slider()->isVisibleTo(&p));
        // Then a steady result hides the navigation again.
        const Steady_2D_Store st = Steady_3x3({{0, 20, 30}, {40, 50, 60}, {70, 80, 100}});
        p.Show_Steady_2D(st);
        QVERIFY(!p.VCR_Frame()->isVisibleTo(&p));
    }

    // -- Play and Stop -------------------------------------------------------

    void play_from_level_three_starts_at_four_and_ends_at_the_last_level() {
        Transient_View v(1.0, "0");
        Shaded_Plot_Panel& p = v.p;
        p.Time_Slider()->setValue(3);
        QCOMPARE(p.Current_Step, 3);
        v.frames.clear();
        std::vector<int> slider_at_frame;
        bool stepping_disabled = true;
        v.on_frame = [&](int) {
            slider_at_frame.push_back(p.Time_Slider()->value());
            stepping_disabled = stepping_disabled && !p.Forward_Button_Picture()->isEnabled() &&
                                !p.Rewind_Button_Picture()->isEnabled() &&
                                !p.Fast_Forward_Button_Picture()->isEnabled() &&
                                !p.Fast_Rewind_Button_Picture()->isEnabled();
            QVERIFY(p.Playing());
        };
        p.Play_Button_Picture()->click();
        QCOMPARE(v.frames, (std::vector<int>{4, 5, 6, 7, 8, 9, 10}));
        // The slider follows one frame behind the drawing.
        QCOMPARE(slider_at_frame, (std::vector<int>{3, 4, 5, 6, 7, 8, 9}));
        QVERIFY(stepping_disabled);
        QVERIFY(!p.Playing());
        QCOMPARE(p.Time_Slider()->value(), 10);
        QCOMPARE(p.Current_Step, 10);
        QCOMPARE(p.Stop_Flag, std::int16_t{0});
        QVERIFY(p.Forward_Button_Picture()->isEnabled());
        QVERIFY(p.Fast_Rewind_Button_Picture()->isEnabled());
        QCOMPARE(Transient_Node(p, 2, 2), Red);  // level 10 = 100 C
        QCOMPARE(Elapsed(p), QStringList({" 0", " 0", " 10"}));
        // Play at the last level starts again from the beginning.
        v.frames.clear();
        v.on_frame = nullptr;
        p.Play_Button_Picture()->click();
        QCOMPARE(v.frames, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    }

    void stop_or_hiding_ends_play_after_the_frame_in_progress() {
        const struct {
            bool loop, hide;    // hide the panel instead of pressing Stop
            std::size_t after;  // frames drawn when the user acts
            std::vector<int> frames;
        } rows[] = {
            {false, false, 3, {1, 2, 3, 4}},
            {false, true, 2, {1, 2, 3}},
            {true, false, 15, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 1, 2, 3, 4, 5, 6}},
        };
        for (const auto& r : rows) {
            Transient_View v(1.0, "0");
            Shaded_Plot_Panel& p = v.p;
            p.resize(p.minimumSize());
            p.show();
            QVERIFY(QTest::qWaitForWindowExposed(&p));
            p.Loop_Box()->setChecked(r.loop);
            v.on_frame = [&](int) {
                if (v.frames.size() == r.after) {
                    // Done by the user while the frame is on screen: it waits
                    // in the queue until the loop lets events run.
                    QMetaObject::invokeMethod(
                        &p, [&p, &r] { r.hide ? p.hide() : p.Stop_Button_Picture()->click(); },
                        Qt::QueuedConnection);
                }
            };
            p.Play_Button_Picture()->click();
            QCOMPARE(v.frames, r.frames);
            QCOMPARE(p.Current_Step, r.frames.back());
            QCOMPARE(p.Time_Slider()->value(), r.frames.back());
            QVERIFY(!p.Playing());
            for (QToolButton* b :
                 {p.Forward_Button_Picture(), p.Rewind_Button_Picture(),
                  p.Fast_Forward_Button_Picture(), p.Fast_Rewind_Button_Picture()}) {
                QVERIFY(b->isEnabled());
            }
            if (!r.hide && !r.loop) {
                QCOMPARE(p.Stop_Flag, std::int16_t{1});
                // Play again goes on from there.
                v.frames.clear();
                v.on_frame = nullptr;
                p.Play_Button_Picture()->click();
                QCOMPARE(v.frames, (std::vector<int>{5, 6, 7, 8, 9, 10}));
            }
        }
    }

    void destroying_the_panel_during_play_ends_the_loop_safely() {
        auto* p = new Shaded_Plot_Panel;
        p->Speed_Box()->setCurrentIndex(As_Fast_As_Drawn);
        const QPointer<Shaded_Plot_Panel> watch(p);
        const Transient_2D_Store s = Levels_Of_Ten();
        p->Show_Transient_2D(s, 1.0, 10, "0");
        std::vector<int> frames;
        connect(p, &Shaded_Plot_Panel::Frame_Drawn, this, [&frames, p](int level) {
            frames.push_back(level);
            if (level == 2) {
                QMetaObject::invokeMethod(
                    p, [p] { delete p; }, Qt::QueuedConnection);
            }
        });
        p->Play_Button_Picture()->click();
        QVERIFY(watch.isNull());
        QCOMPARE(frames, (std::vector<int>{1, 2}));
    }

    void stop_pressed_while_idle_only_sets_the_flag_and_looks_pressed() {
        Transient_View v(1.0, "4");
        Shaded_Plot_Panel& p = v.p;
        p.Stop_Button_Picture()->click();
        QCOMPARE(p.Stop_Flag, std::int16_t{1});
        QVERIFY(p.Stop_Button_Picture()->isChecked());
        QVERIFY(!p.Play_Button_Picture()->isChecked());
        QVERIFY(!p.Forward_Button_Picture()->isChecked());
        QCOMPARE(p.Current_Step, 4);
        // A drawn frame shows all six flat again.
        p.Forward_Button_Picture()->click();
        for (QToolButton* b : {p.Fast_Rewind_Button_Picture(), p.Rewind_Button_Picture(),
                               p.Play_Button_Picture(), p.Stop_Button_Picture(),
                               p.Forward_Button_Picture(), p.Fast_Forward_Button_Picture()}) {
            QVERIFY(!b->isChecked());
        }
        p.Stop_Animation();
        QCOMPARE(p.Stop_Flag, std::int16_t{1});
    }

    // -- Stepping and the slider ---------------------------------------------

    void stepping_stays_inside_the_stored_levels() {
        Transient_View v(1.0, "5");
        Shaded_Plot_Panel& p = v.p;
        int frames = 0;
        connect(&p, &Shaded_Plot_Panel::Frame_Drawn, this, [&](int) { ++frames; });
        struct Step {
            QToolButton* button;
            int expected;
        };
        const Step steps[] = {
            {p.Fast_Forward_Button_Picture(), 7},  // large change = 10/5 = 2
            {p.Forward_Button_Picture(), 8},
            {p.Forward_Button_Picture(), 9},
            {p.Fast_Forward_Button_Picture(), 9},  // 11 would pass 10: no move
            {p.Forward_Button_Picture(), 10},
            {p.Forward_Button_Picture(), 10},  // the last level stays
            {p.Fast_Rewind_Button_Picture(), 8},
            {p.Rewind_Button_Picture(), 7},
            {p.Fast_Rewind_Button_Picture(), 5},
            {p.Fast_Rewind_Button_Picture(), 3},
            {p.Fast_Rewind_Button_Picture(), 1},
            {p.Fast_Rewind_Button_Picture(), 0},  // -1 becomes 0
            {p.Rewind_Button_Picture(), 0},       // level 0 stays
        };
        int n = 0;
        for (const Step& st : steps) {
            st.button->click();
            ++n;
            QCOMPARE(p.Current_Step, st.expected);
            QCOMPARE(p.Time_Slider()->value(), st.expected);
            QCOMPARE(frames, n);  // every press draws, even one that stays
        }
        QCOMPARE(Transient_Node(p, 2, 2), Blue);  // level 0 = 0 C
        p.Fast_Forward_Button_Picture()->click();
        p.Fast_Forward_Button_Picture()->click();
        p.Forward_Button_Picture()->click();
        QCOMPARE(p.Current_Step, 5);
        QCOMPARE(Transient_Node(p, 2, 2), Midway);
    }

    void moving_the_slider_redraws_dragging_only_moves_the_time() {
        Transient_View v(540.0, "0");
        Shaded_Plot_Panel& p = v.p;
        QCOMPARE(Transient_Node(p, 2, 2), Blue);
        p.Time_Slider()->setValue(10);
        QCOMPARE(p.Current_Step, 10);
        QCOMPARE(Transient_Node(p, 2, 2), Red);
        QCOMPARE(Elapsed(p), QStringList({" 1", " 30", " 0"}));

        const QImage before = p.Picture().copy();
        p.Time_Slider()->setSliderDown(true);
        p.Time_Slider()->setSliderPosition(4);  // 4 x 540 = 2160 s = 36 min
        QCOMPARE(Elapsed(p), QStringList({" 0", " 36", " 0"}));
        QCOMPARE(p.minutes, 36);
        QCOMPARE(p.Current_Step, 10);
        QCOMPARE(p.Time_Elapsed, 5400.0);
        QVERIFY(p.Picture() == before);
        // Letting go of the thumb draws the level it was left on.
        p.Time_Slider()->setSliderDown(false);
        QCOMPARE(p.Time_Slider()->value(), 4);
        QCOMPARE(p.Current_Step, 4);
        QCOMPARE(p.Time_Elapsed, 2160.0);
        // 40 of 0..100: red 102, green 255 sin(3.14 * 0.6) = 242.6, blue 153.
        QCOMPARE(Transient_Node(p, 2, 2), qRgb(102, 243, 153));
    }

    // -- Large grids, zoom, axes, probe, isotherms, saving ----------------------

    void paced_play_shows_the_level_due_on_the_clock() {
        Transient_View v(1.0, "0");
        Shaded_Plot_Panel& p = v.p;
        QCOMPARE(p.Speed_Box()->count(), 5);
        QCOMPARE(p.Speed_Box()->itemText(As_Fast_As_Drawn), QStringLiteral("As fast as drawn"));
        p.Speed_Box()->setCurrentIndex(Default_Play_Speed);  // 5 s a run: 0.5 s a level here
        double now = 0;
        p.Set_Play_Clock([&now] { return now; });
        const struct {
            double draw_seconds;
            std::vector<int> frames;
            double play_seconds;
        } rows[] = {
            // Drawn in its half second: every level, 5 s in all.
            {0.5, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 5.0},
            // 1.2 s a frame: frames at 0, 1.2, 2.4, 3.6, 4.8 s show the levels
            // due then (1, 3, 5, 8, 10).
            {1.2, {1, 3, 5, 8, 10}, 6.0},
        };
        for (const auto& r : rows) {
            p.Time_Slider()->setValue(0);
            v.frames.clear();
            v.on_frame = [&](int) { now += r.draw_seconds; };
            p.Play_Button_Picture()->click();
            QCOMPARE(v.frames, r.frames);
            QCOMPARE(p.Time_Slider()->value(), 10);
            QCOMPARE(p.Current_Step, 10);
            QCOMPARE(p.Last_Play_Seconds(), r.play_seconds);
            QCOMPARE(p.Worst_Event_Gap(), r.draw_seconds);
        }
    }
};

QTEST_MAIN(Shaded_Play_Test)
#include "shaded_play_test.moc"
