#pragma once
// The shaded temperature picture of the 2-D results (`Shaded_Plot_Picture`)
// with everything that lives on it: the second read-only copy of the inputs,
// the colour bar with its fourteen values and the two end buttons that open
// the range box, and for the 2-D transient kind the six media buttons, the
// time slider and the elapsed-time display.
//
// The picture is painted into an image by the shading maths and the image is
// drawn as a whole, so a frame costs the same whatever the node count.
#include <QImage>
#include <QWidget>
#include <array>
#include <cstdint>
#include <string>

#include "output/shaded_temperature.h"
#include "solvers/result_stores.h"

class QLabel;
class QPushButton;
class QSlider;
class QToolButton;
class QGroupBox;
class QFrame;

namespace calorix {

class Max_Min_Temp_Dialog;

class Shaded_Plot_Panel : public QWidget {
    Q_OBJECT

  public:
    explicit Shaded_Plot_Panel(QWidget* parent = nullptr);
    ~Shaded_Plot_Panel() override;

    // Takes the second read-only copy of the inputs into the left part of
    // the picture area (the panel becomes its parent).
    void Set_Input_Copy(QWidget* frame);

    // 2-D steady: range from the data, picture, values, bar.
    void Show_Steady_2D(const Steady_2D_Store& s);
    // 2-D transient, first display: slider 0..number of time steps, the
    // colour range over every stored level, then the level of the time in
    // the time list.
    void Show_Transient_2D(const Transient_2D_Store& s, double time_step,
                           double number_of_time_steps, const std::string& time_list_text);
    // Asks a running animation to end after the frame in progress.
    void Stop_Animation() { Stop_Flag = 1; }

    // What OK of the range box does: flag 1 sets the maximum, 2 the minimum,
    // to the leading number of the text; then the picture is redrawn.
    void Apply_Range_Entry(int flag, const QString& text);

    // Fields shared with the results window.
    std::int16_t Stop_Flag = 0;
    double Max_Temperature = 0;
    double Min_Temperature = 0;
    double Min_Temp = 0;  // running minimum over every level (transient)
    double Max_Temp = 0;
    std::int16_t Resolution = 1;
    std::int16_t Message_Flag = 0;
    double Time_Elapsed = 0;
    std::int32_t Current_Step = 0;
    std::int32_t hours = 0;
    std::int32_t minutes = 0;
    std::int32_t seconds = 0;

    // Geometry of the drawing surfaces.
    static constexpr int Picture_Width = 690;
    static constexpr int Picture_Height = 530;
    static constexpr int Scale_Left = 720;  // colour bar, right of the picture surface
    static constexpr int Scale_Top = 48;
    static constexpr int Scale_Width = 27;
    static constexpr int Scale_Height = 509;
    static constexpr int Input_Copy_Width = 282;  // room left of the picture's first cell
    // Panel x of the picture's left edge (0 unless a wide input copy needs
    // more room).
    int Surface_Left() const { return surface_left_; }
    static int Picture_Origin_X(int kind) { return kind == 3 ? 290 : 300; }
    static int Picture_Origin_Y(int kind) { return kind == 3 ? 150 : 105; }

    // For the window and for tests.
    int Kind() const { return kind_; }
    bool Playing() const { return playing_; }
    const QImage& Picture() const { return picture_; }
    const QImage& Temperature_Scale_Picture() const { return scale_; }
    const Shaded_Picture& Picture_Data() const { return pic_; }
    QSlider* Time_Slider() const { return time_slider_; }
    QToolButton* Fast_Rewind_Button_Picture() const { return buttons_[Fast_Rewind]; }
    QToolButton* Rewind_Button_Picture() const { return buttons_[Rewind]; }
    QToolButton* Play_Button_Picture() const { return buttons_[Play]; }
    QToolButton* Stop_Button_Picture() const { return buttons_[Stop]; }
    QToolButton* Forward_Button_Picture() const { return buttons_[Forward]; }
    QToolButton* Fast_Forward_Button_Picture() const { return buttons_[Fast_Forward]; }
    QPushButton* Max_Temp_Command() const { return max_temp_command_; }
    QPushButton* Min_Temp_Command() const { return min_temp_command_; }
    QLabel* Temperature_Scale_Label(int k) const {
        return scale_labels_[static_cast<std::size_t>(k)];
    }
    QLabel* hours_Label() const { return hours_label_; }
    QLabel* minutes_Label() const { return minutes_label_; }
    QLabel* Seconds_Label() const { return seconds_label_; }
    QFrame* VCR_Frame() const { return vcr_frame_; }
    QGroupBox* Time_Frame() const { return time_frame_; }
    QWidget* Input_Copy() const { return input_copy_; }
    // The range box, created on first use and kept.
    Max_Min_Temp_Dialog* Dialog();

  signals:
    // A time level has been drawn (every animation frame, every step).
    void Frame_Drawn(int level);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    enum Button_Index { Fast_Rewind, Rewind, Play, Stop, Forward, Fast_Forward, Button_Count };

    void Place_Children();
    void Setup_Screen();
    void Generate_Temperature_Picture();
    void Format_Screen();
    void Generate_Temperature_Scale();
    void Generate_Temperature_Picture_For_The_Current_Time(std::int32_t& level);
    void Prepare();
    void Copy_Level(int level);
    void Show_Elapsed(double elapsed);
    void Set_Slider(int value);
    void Press(Button_Index pressed);

    void Play_Click();
    void Stop_Click();
    void Step_Click(Button_Index button, int step);
    void Time_Slider_Change(int value);
    void Time_Slider_Scroll(int position);
    void Range_Command_Click(int flag, const QString& prompt);

    int kind_ = 0;  // 1 = 2-D steady, 3 = 2-D transient, 0 = nothing shown yet
    const Steady_2D_Store* steady_ = nullptr;
    const Transient_2D_Store* transient_ = nullptr;
    double time_step_ = 0;
    bool playing_ = false;
    int surface_left_ = 0;

    Shaded_Picture pic_;
    QImage picture_;
    QImage scale_;
    QRgb background_ = 0;

    QWidget* input_host_ = nullptr;
    QWidget* input_copy_ = nullptr;
    QPushButton* max_temp_command_ = nullptr;
    QPushButton* min_temp_command_ = nullptr;
    std::array<QLabel*, 12> scale_labels_{};
    QFrame* vcr_frame_ = nullptr;
    std::array<QToolButton*, Button_Count> buttons_{};
    QSlider* time_slider_ = nullptr;
    QGroupBox* time_frame_ = nullptr;
    QLabel* hours_label_ = nullptr;
    QLabel* minutes_label_ = nullptr;
    QLabel* seconds_label_ = nullptr;
    Max_Min_Temp_Dialog* dialog_ = nullptr;
};

}  // namespace calorix
