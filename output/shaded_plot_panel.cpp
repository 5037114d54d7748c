#include "output/shaded_plot_panel.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "common/number_text.h"
#include "output/max_min_temp_dialog.h"
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

enum class Glyph { Fast_Rewind, Rewind, Play, Stop, Forward, Fast_Forward };

// The media-player symbols, drawn rather than taken from the style so that
// they look the same on every platform.
QIcon Media_Icon(Glyph g) {
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
    switch (g) {
        case Glyph::Fast_Rewind:
            triangle(10, 2, 4, 16);
            triangle(18, 10, 4, 16);
            break;
        case Glyph::Rewind:
            p.drawRect(QRectF(4, 4, 2.5, 12));
            triangle(16, 7, 4, 16);
            break;
        case Glyph::Play:
            triangle(5, 16, 3, 17);
            break;
        case Glyph::Stop:
            p.drawRect(QRectF(5, 5, 10, 10));
            break;
        case Glyph::Forward:
            triangle(4, 13, 4, 16);
            p.drawRect(QRectF(13.5, 4, 2.5, 12));
            break;
        case Glyph::Fast_Forward:
            triangle(2, 10, 4, 16);
            triangle(10, 18, 4, 16);
            break;
    }
    return QIcon(pixmap);
}

std::uint32_t* Pixels(QImage& image) {
    return reinterpret_cast<std::uint32_t*>(image.bits());
}

int Stride(const QImage& image) {
    return static_cast<int>(image.bytesPerLine() / 4);
}

QString Qt_Text(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

Shaded_Plot_Panel::Shaded_Plot_Panel(QWidget* parent) : QWidget(parent) {
    background_ = palette().color(QPalette::Window).rgb();
    // The surface is see-through where no cell is drawn, so the input copy
    // and the tab page share one background with the picture.
    picture_ = QImage(Picture_Width, Picture_Height, QImage::Format_ARGB32_Premultiplied);
    picture_.fill(Qt::transparent);
    scale_ = QImage(Scale_Width, Scale_Height, QImage::Format_RGB32);
    scale_.fill(background_);

    // Left part of the picture area: the copy of the inputs.
    input_host_ = new QWidget(this);
    auto* host_layout = new QVBoxLayout(input_host_);
    host_layout->setContentsMargins(0, 0, 0, 0);
    host_layout->addStretch(1);

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

    // Time navigation of the transient kind, above its picture.
    time_slider_ = new QSlider(Qt::Horizontal, this);
    time_slider_->setTickPosition(QSlider::TicksBelow);
    // While the thumb is dragged only the elapsed time follows; the level
    // is drawn when it is let go.
    time_slider_->setTracking(false);

    vcr_frame_ = new QFrame(this);
    vcr_frame_->setFrameShape(QFrame::StyledPanel);
    auto* vcr_layout = new QHBoxLayout(vcr_frame_);
    vcr_layout->setContentsMargins(4, 4, 4, 4);
    vcr_layout->setSpacing(3);
    const Glyph glyphs[Button_Count] = {Glyph::Fast_Rewind, Glyph::Rewind,  Glyph::Play,
                                        Glyph::Stop,        Glyph::Forward, Glyph::Fast_Forward};
    const char* const tips[Button_Count] = {"Fast rewind", "Rewind",  "Play",
                                            "Stop",        "Forward", "Fast forward"};
    for (int b = 0; b < Button_Count; ++b) {
        auto* button = new QToolButton(vcr_frame_);
        button->setIcon(Media_Icon(glyphs[b]));
        button->setIconSize(QSize(20, 20));
        button->setFixedSize(32, 32);
        button->setToolTip(QString::fromLatin1(tips[b]));
        // Flat until pressed; the pressed one shows sunken.
        button->setCheckable(true);
        button->setAutoRaise(true);
        vcr_layout->addWidget(button);
        buttons_[static_cast<std::size_t>(b)] = button;
    }

    time_frame_ = new QGroupBox(QStringLiteral("Time Elapsed"), this);
    auto* time_grid = new QGridLayout(time_frame_);
    time_grid->setContentsMargins(6, 2, 6, 2);
    time_grid->setVerticalSpacing(0);
    hours_label_ = new QLabel(time_frame_);
    minutes_label_ = new QLabel(time_frame_);
    seconds_label_ = new QLabel(time_frame_);
    const char* const units[3] = {"h", "min", "s"};
    QLabel* const values[3] = {hours_label_, minutes_label_, seconds_label_};
    for (int c = 0; c < 3; ++c) {
        values[c]->setAlignment(Qt::AlignCenter);
        QFont bold = values[c]->font();
        bold.setBold(true);
        values[c]->setFont(bold);
        auto* unit = new QLabel(QString::fromLatin1(units[c]), time_frame_);
        unit->setAlignment(Qt::AlignCenter);
        time_grid->addWidget(values[c], 0, c);
        time_grid->addWidget(unit, 1, c);
    }

    connect(buttons_[Play], &QToolButton::clicked, this, &Shaded_Plot_Panel::Play_Click);
    connect(buttons_[Stop], &QToolButton::clicked, this, &Shaded_Plot_Panel::Stop_Click);
    connect(buttons_[Forward], &QToolButton::clicked, this, [this] { Step_Click(Forward, 1); });
    connect(buttons_[Rewind], &QToolButton::clicked, this, [this] { Step_Click(Rewind, -1); });
    connect(buttons_[Fast_Forward], &QToolButton::clicked, this,
            [this] { Step_Click(Fast_Forward, time_slider_->pageStep()); });
    connect(buttons_[Fast_Rewind], &QToolButton::clicked, this,
            [this] { Step_Click(Fast_Rewind, -time_slider_->pageStep()); });
    connect(time_slider_, &QSlider::valueChanged, this, &Shaded_Plot_Panel::Time_Slider_Change);
    connect(time_slider_, &QSlider::sliderMoved, this, &Shaded_Plot_Panel::Time_Slider_Scroll);
    connect(max_temp_command_, &QPushButton::clicked, this,
            [this] { Range_Command_Click(1, QStringLiteral("Enter The Maximum Temperature")); });
    connect(min_temp_command_, &QPushButton::clicked, this,
            [this] { Range_Command_Click(2, QStringLiteral("Enter The Minimum Temperature")); });

    vcr_frame_->hide();
    time_frame_->hide();
    time_slider_->hide();
    Place_Children();
}

void Shaded_Plot_Panel::Place_Children() {
    const int x = Surface_Left();
    input_host_->setGeometry(4, 4, Input_Copy_Width + x, 590);
    const int bar_centre = x + Scale_Left + Scale_Width / 2;
    max_temp_command_->setGeometry(bar_centre - 42, Scale_Top - 38, 84, 30);
    min_temp_command_->setGeometry(bar_centre - 42, Scale_Top + Scale_Height + 8, 84, 30);
    for (int k = 0; k < 12; ++k) {
        // Value (k+1)/13 of the range sits where the bar's dot rows have
        // that fraction of red: row y = 2 (254 - 253 f).
        const double f = (k + 1) / 13.0;
        const int y = Scale_Top + static_cast<int>(2.0 * (254.0 - 253.0 * f));
        scale_labels_[static_cast<std::size_t>(k)]->setGeometry(x + Scale_Left + Scale_Width + 8,
                                                                y - 9, 90, 18);
    }
    time_slider_->setGeometry(x + 300, 12, 380, 26);
    vcr_frame_->setGeometry(x + 300, 60, 214, 44);
    time_frame_->setGeometry(x + 530, 48, 150, 62);
    setMinimumSize(x + Scale_Left + Scale_Width + 100, Scale_Top + Scale_Height + 46);
    update();
}

Shaded_Plot_Panel::~Shaded_Plot_Panel() = default;

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
    if (frame != nullptr) {
        frame->setParent(input_host_);
        layout->insertWidget(0, frame);
        frame->show();
        // A copy wider than the room left of the picture pushes the picture
        // and the bar to the right rather than being cut.
        surface_left_ = std::max(0, frame->sizeHint().width() - Input_Copy_Width);
    } else {
        surface_left_ = 0;
    }
    Place_Children();
}

// ---------------------------------------------------------------------------
// The drawing steps.

void Shaded_Plot_Panel::Setup_Screen() {
    picture_.fill(Qt::transparent);
    update();
}

void Shaded_Plot_Panel::Generate_Temperature_Picture() {
    Paint_Picture(pic_, Min_Temperature, Max_Temperature, Picture_Origin_X(kind_),
                  Picture_Origin_Y(kind_), Pixels(picture_), picture_.width(), picture_.height(),
                  Stride(picture_));
}

void Shaded_Plot_Panel::Format_Screen() {
    for (QToolButton* b : buttons_) {
        b->setChecked(false);
    }
    if (input_copy_ != nullptr) {
        input_copy_->setVisible(true);
    }
    const Scale_Values v = Format_Screen_Values(Min_Temperature, Max_Temperature);
    max_temp_command_->setText(Qt_Text(v.Max_Caption));
    min_temp_command_->setText(Qt_Text(v.Min_Caption));
    for (std::size_t k = 0; k < v.Labels.size(); ++k) {
        scale_labels_[k]->setText(Qt_Text(v.Labels[k]));
    }
    update();
}

void Shaded_Plot_Panel::Generate_Temperature_Scale() {
    scale_.fill(background_);
    Paint_Scale(Max_Temperature == Min_Temperature, Pixels(scale_), scale_.width(), scale_.height(),
                Stride(scale_));
    update(Surface_Left() + Scale_Left, Scale_Top, Scale_Width, Scale_Height);
}

void Shaded_Plot_Panel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int x = Surface_Left();
    p.drawImage(x, 0, picture_);
    p.drawImage(x + Scale_Left, Scale_Top, scale_);
    p.setPen(QColor(90, 90, 90));
    p.drawRect(x + Scale_Left - 1, Scale_Top - 1, Scale_Width + 1, Scale_Height + 1);
}

void Shaded_Plot_Panel::hideEvent(QHideEvent* event) {
    // Leaving the tab or closing the window ends an animation.
    Stop_Flag = 1;
    QWidget::hideEvent(event);
}

// ---------------------------------------------------------------------------
// 2-D steady.

void Shaded_Plot_Panel::Show_Steady_2D(const Steady_2D_Store& s) {
    Busy_Pointer busy;
    kind_ = 1;
    steady_ = &s;
    transient_ = nullptr;
    vcr_frame_->hide();
    time_frame_->hide();
    time_slider_->hide();

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
}

// ---------------------------------------------------------------------------
// 2-D transient.

void Shaded_Plot_Panel::Show_Transient_2D(const Transient_2D_Store& s, double time_step,
                                          double number_of_time_steps,
                                          const std::string& time_list_text) {
    Busy_Pointer busy;
    kind_ = 3;
    transient_ = &s;
    steady_ = nullptr;
    time_step_ = time_step;
    vcr_frame_->show();
    time_frame_->show();
    time_slider_->show();
    {
        const QSignalBlocker quiet(time_slider_);
        time_slider_->setValue(0);
        time_slider_->setMaximum(static_cast<int>(Round_Half_Even(number_of_time_steps)));
        time_slider_->setPageStep(static_cast<int>(Round_Half_Even(number_of_time_steps / 5.0)));
        time_slider_->setTickInterval(std::max(1, time_slider_->pageStep()));
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
}

void Shaded_Plot_Panel::Show_Elapsed(double elapsed) {
    const Elapsed_Time t = Split_Elapsed(elapsed);
    hours = t.Hours;
    minutes = t.Minutes;
    seconds = t.Seconds;
    hours_label_->setText(Qt_Text(Plain_Number_Text(hours)));
    minutes_label_->setText(Qt_Text(Plain_Number_Text(minutes)));
    seconds_label_->setText(Qt_Text(Plain_Number_Text(seconds)));
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
        repaint();
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
    const QSignalBlocker quiet(time_slider_);
    time_slider_->setValue(value);
}

void Shaded_Plot_Panel::Press(Button_Index pressed) {
    for (int b = 0; b < Button_Count; ++b) {
        buttons_[static_cast<std::size_t>(b)]->setChecked(b == pressed);
    }
}

void Shaded_Plot_Panel::Play_Click() {
    if (kind_ != 3 || playing_) {
        // A second Play while playing would nest a second loop inside the
        // first one; the animation already runs.
        buttons_[Play]->setChecked(playing_);
        return;
    }
    playing_ = true;
    Stop_Flag = 0;
    Press(Play);
    QToolButton* const stepping[4] = {buttons_[Forward], buttons_[Rewind], buttons_[Fast_Forward],
                                      buttons_[Fast_Rewind]};
    for (QToolButton* b : stepping) {
        b->setEnabled(false);
    }
    Prepare();
    if (time_slider_->value() == time_slider_->maximum()) {
        Set_Slider(0);  // playing from the end starts again from the beginning
    }
    Current_Step = time_slider_->value() + 1;

    // Queued events (Stop, the slider, the tabs, Close) run once per frame,
    // before the frame is drawn.  They may even destroy the panel.
    const QPointer<Shaded_Plot_Panel> alive(this);
    for (std::int32_t k = Current_Step; kind_ == 3 && k <= Last_Stored_Level(*transient_); ++k) {
        Copy_Level(k);
        QCoreApplication::processEvents();
        if (alive.isNull()) {
            return;
        }
        if (kind_ != 3) {
            break;  // another result was put on the panel meanwhile
        }
        std::int32_t level = k;
        Generate_Temperature_Picture_For_The_Current_Time(level);
        Set_Slider(time_slider_->value() + 1);
        if (isVisible()) {
            buttons_[Stop]->repaint();
        }
        if (Stop_Flag == 1) {
            break;
        }
    }
    for (QToolButton* b : stepping) {
        b->setEnabled(true);
    }
    Current_Step = time_slider_->value();
    playing_ = false;
}

void Shaded_Plot_Panel::Stop_Click() {
    Stop_Flag = 1;
    Press(Stop);
}

void Shaded_Plot_Panel::Step_Click(Button_Index button, int step) {
    if (kind_ != 3) {
        return;
    }
    Press(button);
    Prepare();
    const int level = Step_Level(time_slider_->value(), step, Last_Stored_Level(*transient_));
    Set_Slider(level);
    Current_Step = level;
    Copy_Level(Current_Step);
    Generate_Temperature_Picture_For_The_Current_Time(Current_Step);
}

void Shaded_Plot_Panel::Time_Slider_Change(int value) {
    if (kind_ != 3) {
        return;
    }
    Prepare();
    Current_Step = std::clamp(value, 0, Last_Stored_Level(*transient_));
    Copy_Level(Current_Step);
    Generate_Temperature_Picture_For_The_Current_Time(Current_Step);
}

void Shaded_Plot_Panel::Time_Slider_Scroll(int position) {
    if (kind_ != 3 || !time_slider_->isSliderDown()) {
        return;
    }
    Show_Elapsed(position * time_step_);
}

// ---------------------------------------------------------------------------
// The colour range typed by the user.

void Shaded_Plot_Panel::Range_Command_Click(int flag, const QString& prompt) {
    Max_Min_Temp_Dialog* dialog = Dialog();
    dialog->Temp_Label()->setText(prompt);
    Message_Flag = static_cast<std::int16_t>(flag);
    dialog->Max_Temp_Text()->selectAll();
    dialog->Max_Temp_Text()->setFocus();
    const QPointer<Shaded_Plot_Panel> alive(this);
    const int answer = dialog->exec();
    if (alive.isNull() || answer != QDialog::Accepted) {
        return;
    }
    Apply_Range_Entry(Message_Flag, dialog->Max_Temp_Text()->text());
}

void Shaded_Plot_Panel::Apply_Range_Entry(int flag, const QString& text) {
    const double v = Text_To_Number(text.toStdString());
    if (flag == 1) {
        Max_Temperature = v;
    } else if (flag == 2) {
        Min_Temperature = v;
    }
    update();
    if (kind_ == 1) {
        // The typed range stands: no new range from the data.
        pic_.Plot_X_Count = steady_->X_Nodes_2D;
        pic_.Plot_Y_Count = steady_->Y_Nodes_2D;
        Interpolate_Temperature_Field(pic_, kind_, steady_->Temperature_2D, pic_.Plot_X_Count,
                                      pic_.Plot_Y_Count);
        Resolution = pic_.Resolution;
        Generate_Temperature_Picture();
        Format_Screen();
        Generate_Temperature_Scale();
    } else if (kind_ == 3) {
        // The bar keeps its colours; only its values are rewritten.
        pic_.Plot_X_Count = transient_->X_Nodes_T2D;
        pic_.Plot_Y_Count = transient_->Y_Nodes_T2D;
        Copy_Level(Current_Step);
        Generate_Temperature_Picture_For_The_Current_Time(Current_Step);
    }
}

}  // namespace calorix
