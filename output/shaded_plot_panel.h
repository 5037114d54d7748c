#pragma once
// The shaded temperature picture of the 2-D results (`Shaded_Plot_Picture`)
// with everything that lives on it: the second read-only copy of the inputs,
// the colour bar with its fourteen values and the two end buttons that open
// the range box, and for the 2-D transient kind the six media buttons, the
// time slider and the elapsed-time display.  Over the picture: the axes, the
// isotherms and the hover probe; beside it the zoom and the Save command.
//
// The picture is painted into an image by the shading maths and the image is
// drawn as a whole, so a frame costs the same whatever the node count.  The
// image grows beyond its usual 690 x 530 when a large grid places cells
// further out, and the panel grows with it (the window scrolls).
#include <QImage>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "output/flux_arrow_overlay.h"
#include "output/hover_probe.h"
#include "output/isotherm_overlay.h"
#include "output/picture_figure.h"
#include "output/plate_axes.h"
#include "output/play_controls.h"
#include "output/shaded_temperature.h"
#include "solvers/result_stores.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLayout;
class QPainter;
class QPushButton;
class QSlider;
class QToolButton;
class QGroupBox;
class QFrame;

namespace calorix {

class Max_Min_Temp_Dialog;
class Probe_Chart_Window;
struct Probe_Series;
struct Analytic_Profile;
struct Problem_Definition;

class Shaded_Plot_Panel : public QWidget {
    Q_OBJECT

  public:
    explicit Shaded_Plot_Panel(QWidget* parent = nullptr);
    ~Shaded_Plot_Panel() override;

    // Takes the second read-only copy of the inputs into the left part of
    // the picture area (the panel becomes its parent).
    void Set_Input_Copy(QWidget* frame);
    // The node spacing and the sides' conditions, for the axes and the probe.
    void Set_Plate(const Problem_Definition& problem);

    // 2-D steady: range from the data, picture, values, bar.
    void Show_Steady_2D(const Steady_2D_Store& s);
    // The next pictures show differences between two fields, not
    // temperatures: the bar says so and labels its scale in exponent form.
    void Set_Difference_Scale(bool on);
    bool Difference_Scale() const { return difference_scale_; }
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

    // The picture with its title, axes, overlays and bar, as "Save
    // Picture..." writes it (the PNG at 1x).
    Figure_Parts Figure_Now() const;
    QImage Figure() const;
    // Writes the figure as SVG or PNG as Svg_Format says, a PNG `scale`
    // times its size; false when the file cannot be written.
    bool Save_Picture(const QString& path, int scale = 1, bool svg_chosen = false) const;
    // 2-D transient: every level as a numbered PNG figure with its time,
    // "stem_0000.png" on; a progress dialog offers Cancel and lets events
    // run between frames while two threads encode and write them.  Returns
    // the frames written, -1 when one could not be written.
    int Save_Frames(const QString& stem);
    // The figure of one level of the transient run, the display untouched.
    Figure_Parts Level_Figure(int level) const;
    QPushButton* Save_Frames_Command() const { return frames_command_; }
    // Probes (also offered by a right click on the plate): node (i, j) of a
    // transient run over every level, and row j or column i of the field on
    // display, with the exact profile of a steady plate where it has one.
    void Show_Node_History(int i, int j);
    void Show_Line_Profile(bool row, int index);
    Probe_Chart_Window* Probe_Window();
    // The colour range was typed into the range box since the picture was
    // put up.
    bool Range_Typed() const { return range_typed_; }

    // The clock that paces the animation, in seconds (a steady clock unless
    // a test puts its own).
    void Set_Play_Clock(std::function<double()> clock) { clock_ = std::move(clock); }
    // The longest the last play kept events waiting, and how long it lasted
    // (seconds of the play clock).
    double Worst_Event_Gap() const { return worst_gap_; }
    double Last_Play_Seconds() const { return last_play_seconds_; }

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
    static constexpr int Picture_Width = 690;  // the least size of the picture surface
    static constexpr int Picture_Height = 530;
    static constexpr int Scale_Left = 720;  // colour bar, right of the picture surface
    static constexpr int Scale_Top = 48;
    static constexpr int Scale_Width = 27;
    static constexpr int Scale_Height = 509;
    static constexpr int Input_Copy_Width = 282;  // room left of the picture's first cell
    // Panel x of the picture surface's left edge: room for the y axis, more
    // when a wide input copy needs it.
    int Surface_Left() const { return surface_left_; }
    static int Picture_Origin_X(int kind) { return kind == 3 ? 290 : 300; }
    static int Picture_Origin_Y(int kind) { return kind == 3 ? 150 : 105; }
    // Panel x of the colour bar: right of the plate, whatever its zoom.
    int Scale_X() const;
    // The drawn cells on the panel, zoom included.
    Plate_Geometry Plate_On_Screen() const;
    int Zoom() const { return zoom_; }

    // For the window and for tests.
    int Kind() const { return kind_; }
    bool Playing() const { return playing_; }
    // The picture surface at its own scale: one pixel per pixel, unzoomed.
    const QImage& Picture() const { return picture_; }
    // The plate as it is shown: the drawn cells of Picture() scaled by Zoom().
    QImage Shown_Plate() const;
    const QImage& Temperature_Scale_Picture() const { return scale_; }
    const Shaded_Picture& Picture_Data() const { return pic_; }
    const Isotherm_Overlay& Isotherms() const { return isotherms_; }
    QSlider* Time_Slider() const { return play_.Time_Slider; }
    QToolButton* Fast_Rewind_Button_Picture() const {
        return play_.Buttons[Play_Controls::Fast_Rewind];
    }
    QToolButton* Rewind_Button_Picture() const { return play_.Buttons[Play_Controls::Rewind]; }
    QToolButton* Play_Button_Picture() const { return play_.Buttons[Play_Controls::Play]; }
    QToolButton* Stop_Button_Picture() const { return play_.Buttons[Play_Controls::Stop]; }
    QToolButton* Forward_Button_Picture() const { return play_.Buttons[Play_Controls::Forward]; }
    QToolButton* Fast_Forward_Button_Picture() const {
        return play_.Buttons[Play_Controls::Fast_Forward];
    }
    QComboBox* Speed_Box() const { return play_.Speed_Box; }
    QCheckBox* Loop_Box() const { return play_.Loop_Box; }
    QPushButton* Max_Temp_Command() const { return max_temp_command_; }
    QPushButton* Min_Temp_Command() const { return min_temp_command_; }
    QLabel* Temperature_Scale_Label(int k) const {
        return scale_labels_[static_cast<std::size_t>(k)];
    }
    QLabel* hours_Label() const { return play_.hours_Label; }
    QLabel* minutes_Label() const { return play_.minutes_Label; }
    QLabel* Seconds_Label() const { return play_.Seconds_Label; }
    QFrame* VCR_Frame() const { return play_.VCR_Frame; }
    QGroupBox* Time_Frame() const { return play_.Time_Frame; }
    QWidget* Input_Copy() const { return input_copy_; }
    QCheckBox* Fit_Box() const { return fit_box_; }
    QCheckBox* Isotherms_Box() const { return isotherms_box_; }
    // Heat-flux arrows and their scale.
    QCheckBox* Arrows_Box() const { return arrows_box_; }
    QLabel* Arrow_Legend_Label() const { return arrow_legend_; }
    // Probe mode (2-D transient): a left click charts the node over time.
    QCheckBox* Probe_Box() const { return probe_box_; }
    const Flux_Arrow_Overlay& Arrows() const { return arrows_; }
    QPushButton* Save_Picture_Command() const { return save_command_; }
    // 1x, 2x or 4x: the size of a saved PNG.
    QComboBox* Png_Scale_Box() const { return png_scale_box_; }
    QLabel* Probe_Line() const { return probe_.Line(); }
    // The range box, created on first use and kept.
    Max_Min_Temp_Dialog* Dialog();

  signals:
    // A time level has been drawn (every animation frame, every step).
    void Frame_Drawn(int level);
    // The plate was clicked nearest node (i, j) of the field on display
    // (out of probe mode).
    void Node_Clicked(int i, int j);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    using Button_Index = Play_Controls::Button_Index;

    // Puts a probe's series, and the exact profile if it has one, in the
    // probe window and brings it up.
    void Show_Probe(const Probe_Series& series, const Analytic_Profile& exact);

    // Room right of the plate for the right side's name, the bar and its
    // values, and under it for the axis, the bottom side's name and the
    // probe line.
    static constexpr int Right_Room = 40 + Scale_Width + 110;
    static constexpr int Probe_Height = 20;
    static constexpr int Under_Room = Plate_Axes::Bottom_Room + Probe_Height + 8;
    // Room around the plate repainted with it in an animation frame.
    static constexpr int Plate_Margin = 40;

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
    void Refresh_Overlays();
    void Update_Zoom();
    // The drawn cells on the picture surface.
    QRect Plate_Area() const;
    // The zoomed plate on the panel with the room around it where the
    // overlays put their labels: what a new level repaints.
    QRect Plate_Repaint_Area() const;
    // Plate_Area() enlarged by the zoom across only (the rows are repeated
    // on the screen), made again only when the picture or the zoom has
    // changed; and the zoomed plate drawn from it.
    const QImage& Widened_Plate() const;
    void Paint_Zoomed_Plate(QPainter& p, const Plate_Geometry& g) const;
    const Node_Plane* Field_On_Display() const;
    bool Wait_Until(double due);
    bool Let_Events_Run(bool wait);

    void Play_Click();
    int Play_Levels(int first);
    void Stop_Click();
    void Step_Click(Button_Index button, int step);
    void Time_Slider_Change(int value);
    void Time_Slider_Scroll(int position);
    void Range_Command_Click(int flag, const QString& prompt);
    void Save_Picture_Click();
    void Save_Frames_Click();
    // A left click on node (i, j): charted in probe mode, else explained.
    void Pick_Node(int i, int j);
    // The arrows follow the field on display; the legend follows them.
    void Update_Arrows();
    // The picture commands under the input copy.
    void Build_Keep_Controls(QLayout* host_layout);

    int kind_ = 0;  // 1 = 2-D steady, 3 = 2-D transient, 0 = nothing shown yet
    const Steady_2D_Store* steady_ = nullptr;
    const Transient_2D_Store* transient_ = nullptr;
    int nodes_x_ = 0;
    int nodes_y_ = 0;
    double dx_ = 0;
    double time_step_ = 0;
    bool playing_ = false;
    bool difference_scale_ = false;
    int surface_left_ = 0;
    int zoom_ = 1;

    Shaded_Picture pic_;
    QImage picture_;
    QImage scale_;
    QRgb background_ = 0;
    // Cache of Widened_Plate(): the picture (its cache key), area and zoom
    // it was made from, and whether every pixel of it is opaque.
    mutable QImage widened_;
    mutable qint64 widened_key_ = 0;
    mutable QRect widened_area_;
    mutable int widened_zoom_ = 0;
    mutable bool widened_opaque_ = false;

    std::function<double()> clock_;
    double worst_gap_ = 0;
    double last_events_ = 0;
    double last_play_seconds_ = 0;

    QWidget* input_host_ = nullptr;
    QWidget* input_copy_ = nullptr;
    QCheckBox* fit_box_ = nullptr;
    QCheckBox* isotherms_box_ = nullptr;
    QPushButton* save_command_ = nullptr;
    QComboBox* png_scale_box_ = nullptr;
    QPushButton* frames_command_ = nullptr;
    bool range_typed_ = false;
    QCheckBox* arrows_box_ = nullptr;
    QLabel* arrow_legend_ = nullptr;
    QCheckBox* probe_box_ = nullptr;
    Flux_Arrow_Overlay arrows_;
    Probe_Chart_Window* probe_window_ = nullptr;
    std::shared_ptr<const Problem_Definition> plate_problem_;
    QPushButton* max_temp_command_ = nullptr;
    QPushButton* min_temp_command_ = nullptr;
    std::array<QLabel*, 12> scale_labels_{};
    Play_Controls play_;
    Plate_Axes axes_;
    Isotherm_Overlay isotherms_;
    Hover_Probe probe_;
    Max_Min_Temp_Dialog* dialog_ = nullptr;
};

}  // namespace calorix
