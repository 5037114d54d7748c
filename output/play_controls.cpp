#include "output/play_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QSlider>
#include <QToolButton>

#include "output/animation_schedule.h"

namespace calorix {

namespace {

// The media-player symbols, drawn rather than taken from the style so that
// they look the same on every platform.
QIcon Media_Icon(int button) {
    constexpr int edge = 20;
    QPixmap pixmap(edge, edge);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 30));
    auto triangle = [&p](double left, double right, double top, double bottom) {
        // Points towards `right` (which may lie left of `left`).
        QPainterPath path;
        path.moveTo(left, top);
        path.lineTo(right, (top + bottom) / 2.0);
        path.lineTo(left, bottom);
        path.closeSubpath();
        p.drawPath(path);
    };
    switch (button) {
        case Play_Controls::Fast_Rewind:
            triangle(10, 2, 4, 16);
            triangle(18, 10, 4, 16);
            break;
        case Play_Controls::Rewind:
            p.drawRect(QRectF(4, 4, 2.5, 12));
            triangle(16, 7, 4, 16);
            break;
        case Play_Controls::Play:
            triangle(5, 16, 3, 17);
            break;
        case Play_Controls::Stop:
            p.drawRect(QRectF(5, 5, 10, 10));
            break;
        case Play_Controls::Forward:
            triangle(4, 13, 4, 16);
            p.drawRect(QRectF(13.5, 4, 2.5, 12));
            break;
        default:
            triangle(2, 10, 4, 16);
            triangle(10, 18, 4, 16);
            break;
    }
    return QIcon(pixmap);
}

}  // namespace

Play_Controls::Play_Controls(QWidget* parent) {
    Time_Slider = new QSlider(Qt::Horizontal, parent);
    Time_Slider->setTickPosition(QSlider::TicksBelow);
    // While the thumb is dragged only the elapsed time follows; the level
    // is drawn when it is let go.
    Time_Slider->setTracking(false);

    VCR_Frame = new QFrame(parent);
    VCR_Frame->setFrameShape(QFrame::StyledPanel);
    auto* vcr_layout = new QHBoxLayout(VCR_Frame);
    vcr_layout->setContentsMargins(4, 4, 4, 4);
    vcr_layout->setSpacing(3);
    const char* const tips[Button_Count] = {"Fast rewind", "Rewind",  "Play",
                                            "Stop",        "Forward", "Fast forward"};
    for (int b = 0; b < Button_Count; ++b) {
        auto* button = new QToolButton(VCR_Frame);
        button->setIcon(Media_Icon(b));
        button->setIconSize(QSize(20, 20));
        button->setFixedSize(32, 32);
        button->setToolTip(QString::fromLatin1(tips[b]));
        // Flat until pressed; the pressed one shows sunken.
        button->setCheckable(true);
        button->setAutoRaise(true);
        vcr_layout->addWidget(button);
        Buttons[static_cast<std::size_t>(b)] = button;
    }

    Speed_Box = new QComboBox(parent);
    for (const Play_Speed& s : Play_Speeds) {
        Speed_Box->addItem(QString::fromLatin1(s.Caption));
    }
    Speed_Box->setCurrentIndex(Default_Play_Speed);
    Speed_Box->setToolTip(QStringLiteral("How long a whole run takes to play"));
    Loop_Box = new QCheckBox(QStringLiteral("Loop"), parent);
    Loop_Box->setToolTip(QStringLiteral("Start again from the beginning until Stop"));

    Time_Frame = new QGroupBox(QStringLiteral("Time Elapsed"), parent);
    auto* time_grid = new QGridLayout(Time_Frame);
    time_grid->setContentsMargins(6, 2, 6, 2);
    time_grid->setVerticalSpacing(0);
    hours_Label = new QLabel(Time_Frame);
    minutes_Label = new QLabel(Time_Frame);
    Seconds_Label = new QLabel(Time_Frame);
    const char* const units[3] = {"h", "min", "s"};
    QLabel* const values[3] = {hours_Label, minutes_Label, Seconds_Label};
    for (int c = 0; c < 3; ++c) {
        values[c]->setAlignment(Qt::AlignCenter);
        QFont bold = values[c]->font();
        bold.setBold(true);
        values[c]->setFont(bold);
        auto* unit = new QLabel(QString::fromLatin1(units[c]), Time_Frame);
        unit->setAlignment(Qt::AlignCenter);
        time_grid->addWidget(values[c], 0, c);
        time_grid->addWidget(unit, 1, c);
    }
    Set_Visible(false);
}

void Play_Controls::Place(int left) const {
    Time_Slider->setGeometry(left + 300, 4, 380, 26);
    VCR_Frame->setGeometry(left + 300, 34, 214, 44);
    Time_Frame->setGeometry(left + 530, 28, 150, 62);
    Speed_Box->setGeometry(left + 300, 84, 160, 24);
    Loop_Box->setGeometry(left + 468, 84, 60, 24);
}

void Play_Controls::Set_Visible(bool visible) const {
    for (QWidget* w :
         std::array<QWidget*, 5>{VCR_Frame, Time_Slider, Time_Frame, Speed_Box, Loop_Box}) {
        w->setVisible(visible);
    }
}

}  // namespace calorix
