// What the shaded-picture suites share: fields and histories made from a
// formula, the colour of a node as drawn, and panels set up for a run.
#pragma once

// The shaded picture panel on the offscreen screen, fed with result stores
// filled by hand (so every colour can be worked out on paper) and with the
// results of real runs.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <cmath>
#include <functional>
#include <memory>
#include <vector>

#include "common/file_dialogs.h"
#include "common/output_model.h"
#include "common/problem_definition.h"
#include "gui_test_support.h"
#include "output/animation_schedule.h"
#include "output/max_min_temp_dialog.h"
#include "output/shaded_plot_panel.h"
#include "solvers/result_stores.h"
#include "tests/gui/shaded_plot_fixtures.h"

using namespace calorix;

inline namespace shaded_support {

using fixtures::History;
using fixtures::Steady_Field;

const QRgb Red = qRgb(255, 0, 0);
const QRgb Blue = qRgb(0, 0, 255);
const QRgb Green = qRgb(0, 255, 0);
// f = 0.5: red and blue 127.5 round to 128, green 255 sin(1.57) = 254.99.
const QRgb Midway = qRgb(128, 255, 128);

// A 3 x 3 steady field written row by row as seen.  Three nodes per side:
// 90 cells per interval of 2 pixels, so node (i, j) is painted from pixel
// (300 + 2a, 105 + 2b) with a = 90 (i-1) + 1, b = 90 (j-1) + 1.
Steady_2D_Store Steady_3x3(const double (&t)[3][3]) {
    return Steady_Field(3, 3, [&t](int i, int j) { return t[j - 1][i - 1]; });
}

QRgb Steady_Node(const Shaded_Plot_Panel& p, int i, int j) {
    return p.Picture().pixel(300 + 2 * (90 * (i - 1) + 1), 105 + 2 * (90 * (j - 1) + 1));
}

// A 3 x 3 transient history of ten steps; level n is uniform at 10 n, so the
// run-wide range is 0..100 and level 5 is midway.  Three nodes in the
// transient table: 20 cells per interval of 8 pixels from origin (290, 150).
Transient_2D_Store Levels_Of_Ten() {
    return History(3, 3, 10, [](int, int, int n) { return 10.0 * n; });
}

QRgb Transient_Node(const Shaded_Plot_Panel& p, int i, int j) {
    return p.Picture().pixel(290 + 8 * (20 * (i - 1) + 1), 150 + 8 * (20 * (j - 1) + 1));
}

bool Scale_All(const Shaded_Plot_Panel& p, QRgb c) {
    // Dot rows of the bar: 3 pixels tall around y = 2k, k = 1, 3, ..., 253.
    for (int k = 1; k <= 253; k += 2) {
        for (int x = 0; x <= 26; x += 2) {
            if (p.Temperature_Scale_Picture().pixel(x, 2 * k) != c) {
                return false;
            }
        }
    }
    return true;
}

QStringList Captions(const Shaded_Plot_Panel& p) {
    QStringList c{p.Min_Temp_Command()->text()};
    for (int k = 0; k < 12; ++k) {
        c << p.Temperature_Scale_Label(k)->text();
    }
    c << p.Max_Temp_Command()->text();
    return c;
}

QStringList Elapsed(const Shaded_Plot_Panel& p) {
    return {p.hours_Label()->text(), p.minutes_Label()->text(), p.Seconds_Label()->text()};
}

// Answers the range box as soon as it is open: types the text, then OK or
// Cancel.
void Answer_Range_Box(Shaded_Plot_Panel& p, const QString& text, bool ok) {
    QTimer::singleShot(0, &p, [&p, text, ok] {
        Max_Min_Temp_Dialog* d = p.Dialog();
        QVERIFY(d->isVisible());
        d->Max_Temp_Text()->setText(text);
        (ok ? d->OK_Button() : d->Cancel_Button())->click();
    });
}

// A stand-in for the results window's second copy of the inputs.
QWidget* Input_Copy_Stand_In() {
    auto* box = new QGroupBox(QStringLiteral("Input Parameters"));
    auto* grid = new QGridLayout(box);
    const char* const labels[] = {"Grid Size (cm) =",
                                  "Number of Grids in the x_Direction =",
                                  "Number of Grids in the y_Direction =",
                                  "Heat Generation Rate (W/m^3) =",
                                  "Thermal Conductivity (W/m.K) =",
                                  "Initial Temperature (C) ="};
    int row = 0;
    for (const char* l : labels) {
        grid->addWidget(new QLabel(QString::fromLatin1(l)), row, 0);
        auto* e = new QLineEdit(QStringLiteral("10"));
        e->setReadOnly(true);
        e->setFixedWidth(60);
        grid->addWidget(e, row++, 1);
    }
    return box;
}

const double Ramp_3x3[3][3] = {{0, 20, 30}, {40, 50, 60}, {70, 80, 100}};
constexpr int As_Fast_As_Drawn = 4;  // the last entry of the speed box

// A panel showing a 3 x 3 steady field.
struct Steady_View {
    Steady_2D_Store s;
    Shaded_Plot_Panel p;
    explicit Steady_View(const double (&t)[3][3] = Ramp_3x3) : s(Steady_3x3(t)) {
        p.Show_Steady_2D(s);
    }
    QRgb Node(int i, int j) const { return Steady_Node(p, i, j); }
};

// A panel showing the ten-step history at the level of `time`, playing as
// fast as drawn (each frame follows the last without a pause), and the
// levels of the frames it draws.
struct Transient_View {
    Transient_2D_Store s;
    Shaded_Plot_Panel p;
    std::vector<int> frames;
    std::function<void(int)> on_frame;
    Transient_View(double time_step, const char* time) : s(Levels_Of_Ten()) {
        p.Speed_Box()->setCurrentIndex(As_Fast_As_Drawn);
        p.Show_Transient_2D(s, time_step, 10, time);
        QObject::connect(&p, &Shaded_Plot_Panel::Frame_Drawn, &p, [this](int level) {
            frames.push_back(level);
            if (on_frame) {
                on_frame(level);
            }
        });
    }
    QRgb Node(int i, int j) const { return Transient_Node(p, i, j); }
};

// Moves the mouse to panel point (x, y) as the window system would.
void Move_Mouse(QWidget& w, QPointF at) {
    QMouseEvent move(QEvent::MouseMove, at, w.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&w, &move);
}

}  // namespace shaded_support
