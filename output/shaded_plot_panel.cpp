#include "output/shaded_plot_panel.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <chrono>
#include <cmath>

#include "common/number_text.h"
#include "common/problem_definition.h"
#include "output/animation_schedule.h"
#include "output/max_min_temp_dialog.h"
#include "output/remembered_choices.h"
#include "solvers/presentation.h"

namespace calorix {

namespace {

// Building a picture shows the busy pointer, restored on every way out.
class Busy_Pointer {
  public:
    Busy_Pointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Busy_Pointer() { QApplication::restoreOverrideCursor(); }
    Busy_Pointer(const Busy_Pointer&) = delete;
    Busy_Pointer& operator=(const Busy_Pointer&) = delete;
};

std::uint32_t* Pixels(QImage& image) {
    return reinterpret_cast<std::uint32_t*>(image.bits());
}

int Stride(const QImage& image) {
    return static_cast<int>(image.bytesPerLine() / 4);
}

QString Qt_Text(const std::string& s) {
    return QString::fromStdString(s);
}

double Steady_Seconds() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

Shaded_Plot_Panel::Shaded_Plot_Panel(QWidget* parent)
    : QWidget(parent), clock_(Steady_Seconds), play_(this), probe_(this) {
    background_ = palette().color(QPalette::Window).rgb();
    setMouseTracking(true);
    // The surface is see-through where no cell is drawn, so the input copy
    // and the tab page share one background with the picture.
    picture_ = QImage(Picture_Width, Picture_Height, QImage::Format_ARGB32_Premultiplied);
    picture_.fill(Qt::transparent);
    scale_ = QImage(Scale_Width, Scale_Height, QImage::Format_RGB32);
    scale_.fill(background_);
    surface_left_ = Plate_Axes::Left_Room;

    // Left part of the picture area: the copy of the inputs, and under it
    // how the picture is shown and kept.
    input_host_ = new QWidget(this);
    auto* host_layout = new QVBoxLayout(input_host_);
    host_layout->setContentsMargins(0, 0, 0, 0);
    host_layout->addStretch(1);
    fit_box_ = new QCheckBox(QStringLiteral("Fit to window"), input_host_);
    // Off at first: a picture cell is Resolution pixels until the user
    // asks for more.
    Remember_Check_Box(fit_box_, QStringLiteral("picture/fit_to_window"));
    fit_box_->setToolTip(QStringLiteral("Enlarge the picture by whole factors to fill the window"));
    isotherms_box_ = new QCheckBox(QStringLiteral("Isotherms"), input_host_);
    isotherms_box_->setToolTip(
        QStringLiteral("Lines of constant temperature at the values of the colour bar"));
    save_command_ = new QPushButton(QStringLiteral("Save Picture\u2026"), input_host_);
    save_command_->setToolTip(
        QStringLiteral("Save the picture with its axes and colour bar as PNG or SVG"));
    host_layout->addWidget(fit_box_);
    host_layout->addWidget(isotherms_box_);
    host_layout->addWidget(save_command_, 0, Qt::AlignLeft);
    Build_Keep_Controls(host_layout);

    // The colour bar: maximum at the top, minimum at the bottom, twelve
    // values between them at the heights where their colours are.
    max_temp_command_ = new QPushButton(this);
    min_temp_command_ = new QPushButton(this);
    max_temp_command_->setToolTip(QStringLiteral("Set the temperature shown in pure red"));
    min_temp_command_->setToolTip(QStringLiteral("Set the temperature shown in pure blue"));
    for (int k = 0; k < 12; ++k) {
        auto* label = new QLabel(this);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        scale_labels_[static_cast<std::size_t>(k)] = label;
    }

    const auto& b = play_.Buttons;
    connect(b[Play_Controls::Play], &QToolButton::clicked, this, &Shaded_Plot_Panel::Play_Click);
    connect(b[Play_Controls::Stop], &QToolButton::clicked, this, &Shaded_Plot_Panel::Stop_Click);
    connect(b[Play_Controls::Forward], &QToolButton::clicked, this,
            [this] { Step_Click(Play_Controls::Forward, 1); });
    connect(b[Play_Controls::Rewind], &QToolButton::clicked, this,
            [this] { Step_Click(Play_Controls::Rewind, -1); });
    connect(b[Play_Controls::Fast_Forward], &QToolButton::clicked, this,
            [this] { Step_Click(Play_Controls::Fast_Forward, Time_Slider()->pageStep()); });
    connect(b[Play_Controls::Fast_Rewind], &QToolButton::clicked, this,
            [this] { Step_Click(Play_Controls::Fast_Rewind, -Time_Slider()->pageStep()); });
    connect(Time_Slider(), &QSlider::valueChanged, this, &Shaded_Plot_Panel::Time_Slider_Change);
    connect(Time_Slider(), &QSlider::sliderMoved, this, &Shaded_Plot_Panel::Time_Slider_Scroll);
    connect(max_temp_command_, &QPushButton::clicked, this,
            [this] { Range_Command_Click(1, QStringLiteral("Enter The Maximum Temperature")); });
    connect(min_temp_command_, &QPushButton::clicked, this,
            [this] { Range_Command_Click(2, QStringLiteral("Enter The Minimum Temperature")); });
    connect(fit_box_, &QCheckBox::toggled, this, [this] { Update_Zoom(); });
    connect(isotherms_box_, &QCheckBox::toggled, this, [this](bool on) {
        isotherms_.Set_Enabled(on);
        Refresh_Overlays();
    });
    connect(save_command_, &QPushButton::clicked, this, &Shaded_Plot_Panel::Save_Picture_Click);
    Place_Children();
}

Shaded_Plot_Panel::~Shaded_Plot_Panel() = default;

// ---------------------------------------------------------------------------
// Where things are.

Plate_Geometry Shaded_Plot_Panel::Plate_On_Screen() const {
    Plate_Geometry g;
    const int r = pic_.Resolution;
    g.Left = surface_left_ + Picture_Origin_X(kind_) + r;
    g.Top = Picture_Origin_Y(kind_) + r;
    g.Cell_Pixels = r * zoom_;
    g.Cells_Per_Interval = pic_.Cells_Per_Interval;
    g.X_Nodes = std::max(1, nodes_x_);
    g.Y_Nodes = std::max(1, nodes_y_);
    g.Dx = dx_;
    return g;
}

int Shaded_Plot_Panel::Scale_X() const {
    int x = surface_left_ + Scale_Left;
    if (kind_ != 0) {
        const Plate_Geometry g = Plate_On_Screen();
        x = std::max(x, static_cast<int>(g.Left) + g.Width() + 40);
    }
    return x;
}

void Shaded_Plot_Panel::Place_Children() {
    const int x = surface_left_;
    input_host_->setGeometry(4, 4, Input_Copy_Width + x - Plate_Axes::Left_Room, 590);
    const int bar_x = Scale_X();
    const int bar_centre = bar_x + Scale_Width / 2;
    max_temp_command_->setGeometry(bar_centre - 42, Scale_Top - 38, 84, 30);
    min_temp_command_->setGeometry(bar_centre - 42, Scale_Top + Scale_Height + 8, 84, 30);
    for (int k = 0; k < 12; ++k) {
        // Value (k+1)/13 of the range sits where the bar's dot rows have
        // that fraction of red: row y = 2 (254 - 253 f).
        const double f = (k + 1) / 13.0;
        const int y = Scale_Top + static_cast<int>(2.0 * (254.0 - 253.0 * f));
        scale_labels_[static_cast<std::size_t>(k)]->setGeometry(bar_x + Scale_Width + 8, y - 9, 90,
                                                                18);
    }
    play_.Place(x);
    const Plate_Geometry g = Plate_On_Screen();
    const int plate_bottom = kind_ == 0 ? Picture_Height : static_cast<int>(g.Top) + g.Height();
    const int probe_left = static_cast<int>(g.Left) - Plate_Axes::Left_Room;
    probe_.Line()->setGeometry(probe_left, plate_bottom + Plate_Axes::Bottom_Room,
                               bar_x - probe_left, Probe_Height);
    setMinimumSize(bar_x + Scale_Width + 100,
                   std::max(Scale_Top + Scale_Height + 46, plate_bottom + Under_Room));
    update();
}

Max_Min_Temp_Dialog* Shaded_Plot_Panel::Dialog() {
    if (dialog_ == nullptr) {
        dialog_ = new Max_Min_Temp_Dialog(this);
    }
    return dialog_;
}

void Shaded_Plot_Panel::Set_Input_Copy(QWidget* frame) {
    if (frame == input_copy_) {
        return;
    }
    auto* layout = static_cast<QVBoxLayout*>(input_host_->layout());
    if (input_copy_ != nullptr) {
        layout->removeWidget(input_copy_);
    }
    input_copy_ = frame;
    surface_left_ = Plate_Axes::Left_Room;
    if (frame != nullptr) {
        frame->setParent(input_host_);
        layout->insertWidget(0, frame);
        frame->show();
        // A copy wider than the room left of the picture pushes the picture
        // and the bar to the right rather than being cut.
        surface_left_ += std::max(0, frame->sizeHint().width() - Input_Copy_Width);
    }
    Place_Children();
}

void Shaded_Plot_Panel::Set_Plate(const Problem_Definition& problem) {
    dx_ = problem.Grid_Size / 100.0;
    plate_problem_ = std::make_shared<const Problem_Definition>(problem);
    std::array<QString, 4> sides;
    for (int side = 0; side < 4; ++side) {
        sides[static_cast<std::size_t>(side)] = Qt_Text(Side_Condition_Text(problem, side));
    }
    axes_.Set_Sides(sides);
    update();
}

// ---------------------------------------------------------------------------
// The drawing steps.

void Shaded_Plot_Panel::Setup_Screen() {
    picture_.fill(Qt::transparent);
    update();
}

void Shaded_Plot_Panel::Generate_Temperature_Picture() {
    // Grow the surface so that it holds the last cell, whatever the grid.
    const int x0 = Picture_Origin_X(kind_);
    const int y0 = Picture_Origin_Y(kind_);
    const int s = pic_.Cells_Per_Interval;
    const int r = pic_.Resolution;
    const QSize need(std::max(Picture_Width, x0 + (pic_.Plot_X_Count - s + 2) * r),
                     std::max(Picture_Height, y0 + (pic_.Plot_Y_Count - s + 2) * r));
    if (picture_.size() != need) {
        picture_ = QImage(need, QImage::Format_ARGB32_Premultiplied);
        picture_.fill(Qt::transparent);
    }
    Paint_Picture(pic_, Min_Temperature, Max_Temperature, x0, y0, Pixels(picture_),
                  picture_.width(), picture_.height(), Stride(picture_));
    Update_Zoom();
}

void Shaded_Plot_Panel::Format_Screen() {
    for (QToolButton* b : play_.Buttons) {
        b->setChecked(false);
    }
    if (input_copy_ != nullptr) {
        input_copy_->setVisible(true);
    }
    const Scale_Values v = difference_scale_
                               ? Format_Difference_Values(Min_Temperature, Max_Temperature)
                               : Format_Screen_Values(Min_Temperature, Max_Temperature);
    max_temp_command_->setText(Qt_Text(v.Max_Caption));
    min_temp_command_->setText(Qt_Text(v.Min_Caption));
    for (std::size_t k = 0; k < v.Labels.size(); ++k) {
        scale_labels_[k]->setText(Qt_Text(v.Labels[k]));
    }
    Refresh_Overlays();
}

void Shaded_Plot_Panel::Generate_Temperature_Scale() {
    scale_.fill(background_);
    Paint_Scale(Max_Temperature == Min_Temperature, Pixels(scale_), scale_.width(), scale_.height(),
                Stride(scale_));
    update(Scale_X(), Scale_Top, Scale_Width, Scale_Height);
}

void Shaded_Plot_Panel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (zoom_ == 1) {
        p.drawImage(surface_left_, 0, picture_);
    }
    const Plate_Geometry g = Plate_On_Screen();
    if (zoom_ > 1) {
        Paint_Zoomed_Plate(p, g);
    }
    const int bar_x = Scale_X();
    p.drawImage(bar_x, Scale_Top, scale_);
    p.setPen(QColor(90, 90, 90));
    p.drawRect(bar_x - 1, Scale_Top - 1, Scale_Width + 1, Scale_Height + 1);
    if (kind_ != 0) {
        isotherms_.Paint(p, g);
        arrows_.Paint(p, g);
        axes_.Paint(p, g, QPoint(bar_x + Scale_Width / 2 + 46, Scale_Top - 31));
    }
}

void Shaded_Plot_Panel::hideEvent(QHideEvent* event) {
    // Leaving the tab or closing the window ends an animation.
    Stop_Flag = 1;
    QWidget::hideEvent(event);
}

// ---------------------------------------------------------------------------
// 2-D steady.

void Shaded_Plot_Panel::Set_Difference_Scale(bool on) {
    difference_scale_ = on;
    axes_.Set_Unit(on ? QStringLiteral("GS - exact (C)") : QStringLiteral("T (C)"));
}

void Shaded_Plot_Panel::Show_Steady_2D(const Steady_2D_Store& s) {
    Busy_Pointer busy;
    kind_ = 1;
    range_typed_ = false;
    steady_ = &s;
    transient_ = nullptr;
    nodes_x_ = s.X_Nodes_2D;
    nodes_y_ = s.Y_Nodes_2D;
    play_.Set_Visible(false);
    frames_command_->hide();
    probe_box_->hide();

    pic_.Plot_X_Count = s.X_Nodes_2D;
    pic_.Plot_Y_Count = s.Y_Nodes_2D;
    Setup_Screen();
    Interpolate_Temperature_Field(pic_, kind_, s.Temperature_2D, pic_.Plot_X_Count,
                                  pic_.Plot_Y_Count);
    Resolution = pic_.Resolution;
    Find_Min_And_Max_Temperature(s.Temperature_2D, s.X_Nodes_2D, s.Y_Nodes_2D, Min_Temperature,
                                 Max_Temperature);
    Generate_Temperature_Picture();
    Format_Screen();
    Generate_Temperature_Scale();
    Place_Children();
}

// ---------------------------------------------------------------------------
// 2-D transient.

void Shaded_Plot_Panel::Show_Transient_2D(const Transient_2D_Store& s, double time_step,
                                          double number_of_time_steps,
                                          const std::string& time_list_text) {
    Busy_Pointer busy;
    kind_ = 3;
    range_typed_ = false;
    transient_ = &s;
    steady_ = nullptr;
    nodes_x_ = s.X_Nodes_T2D;
    nodes_y_ = s.Y_Nodes_T2D;
    time_step_ = time_step;
    play_.Set_Visible(true);
    frames_command_->show();
    probe_box_->show();
    {
        QSlider* slider = Time_Slider();
        const QSignalBlocker quiet(slider);
        slider->setValue(0);
        slider->setMaximum(static_cast<int>(Round_Half_Even(number_of_time_steps)));
        slider->setPageStep(static_cast<int>(Round_Half_Even(number_of_time_steps / 5.0)));
        slider->setTickInterval(std::max(1, slider->pageStep()));
    }

    Setup_Screen();
    Format_Screen();
    pic_.Plot_X_Count = s.X_Nodes_T2D;
    pic_.Plot_Y_Count = s.Y_Nodes_T2D;
    // One colour range for the whole run, so that levels compare.
    Find_History_Range(s, Min_Temp, Max_Temp);
    Min_Temperature = Min_Temp;
    Max_Temperature = Max_Temp;
    Generate_Temperature_Scale();
    Current_Step = Time_Text_Level(s, time_step, time_list_text);
    Copy_Level(Current_Step);
    Generate_Temperature_Picture_For_The_Current_Time(Current_Step);
    Set_Slider(Current_Step);
    Place_Children();
}

void Shaded_Plot_Panel::Show_Elapsed(double elapsed) {
    const Elapsed_Time t = Split_Elapsed(elapsed);
    hours = t.Hours;
    minutes = t.Minutes;
    seconds = t.Seconds;
    hours_Label()->setText(Qt_Text(Plain_Number_Text(hours)));
    minutes_Label()->setText(Qt_Text(Plain_Number_Text(minutes)));
    Seconds_Label()->setText(Qt_Text(Plain_Number_Text(seconds)));
}

void Shaded_Plot_Panel::Generate_Temperature_Picture_For_The_Current_Time(std::int32_t& level) {
    Time_Elapsed = level * time_step_;
    Show_Elapsed(Time_Elapsed);
    Interpolate_Temperature_Field(pic_, kind_, pic_.Current_Level_Temperature, pic_.Plot_X_Count,
                                  pic_.Plot_Y_Count);
    Resolution = pic_.Resolution;
    Generate_Temperature_Picture();
    Format_Screen();
    if (isVisible()) {
        // Only the plate changes from frame to frame (with the overlays on
        // it and their labels just outside); the rest of a large panel is
        // not painted again.
        repaint(Plate_Repaint_Area());
    }
    pic_.Plot_X_Count = transient_->X_Nodes_T2D;
    pic_.Plot_Y_Count = transient_->Y_Nodes_T2D;
    emit Frame_Drawn(level);
}

void Shaded_Plot_Panel::Prepare() {
    Setup_Screen();
    pic_.Plot_X_Count = transient_->X_Nodes_T2D;
    pic_.Plot_Y_Count = transient_->Y_Nodes_T2D;
}

void Shaded_Plot_Panel::Copy_Level(int level) {
    Copy_Level_2D(*transient_, level, pic_.Current_Level_Temperature);
}

void Shaded_Plot_Panel::Set_Slider(int value) {
    // The program moving the slider is not the user moving it: no redraw.
    const QSignalBlocker quiet(Time_Slider());
    Time_Slider()->setValue(value);
}

void Shaded_Plot_Panel::Press(Button_Index pressed) {
    for (int b = 0; b < Play_Controls::Button_Count; ++b) {
        play_.Buttons[static_cast<std::size_t>(b)]->setChecked(b == pressed);
    }
}

}  // namespace calorix
