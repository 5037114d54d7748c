#pragma once
// The time navigation of the 2-D transient picture: the six media buttons in
// their frame, the time slider, the elapsed-time display, and beside the
// buttons the speed of play and the Loop box.
#include <array>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QSlider;
class QToolButton;
class QWidget;

namespace calorix {

struct Play_Controls {
    enum Button_Index { Fast_Rewind, Rewind, Play, Stop, Forward, Fast_Forward, Button_Count };

    // Builds every control as a child of `parent`, hidden.
    explicit Play_Controls(QWidget* parent);

    // Places them from panel x `left` onwards, above a picture whose top
    // is at y 150.
    void Place(int left) const;
    void Set_Visible(bool visible) const;

    QFrame* VCR_Frame = nullptr;
    std::array<QToolButton*, Button_Count> Buttons{};
    QSlider* Time_Slider = nullptr;
    QGroupBox* Time_Frame = nullptr;
    QLabel* hours_Label = nullptr;
    QLabel* minutes_Label = nullptr;
    QLabel* Seconds_Label = nullptr;
    QComboBox* Speed_Box = nullptr;
    QCheckBox* Loop_Box = nullptr;
};

}  // namespace calorix
