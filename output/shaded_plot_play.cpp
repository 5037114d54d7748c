// Time navigation of the 2-D transient picture: Play and Stop, the four
// stepping buttons and the slider.
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QPointer>
#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <cmath>

#include "output/animation_schedule.h"
#include "output/shaded_plot_panel.h"
#include "solvers/presentation.h"

namespace calorix {

namespace {

enum class Play_End { Last_Level, Stopped, Gone };

}  // namespace

bool Shaded_Plot_Panel::Let_Events_Run(bool wait) {
    // Queued events (Stop, the slider, the tabs, Close) may even destroy
    // the panel.
    const QPointer<Shaded_Plot_Panel> alive(this);
    worst_gap_ = std::max(worst_gap_, clock_() - last_events_);
    QCoreApplication::processEvents(wait ? QEventLoop::WaitForMoreEvents : QEventLoop::AllEvents);
    if (alive.isNull()) {
        return false;
    }
    last_events_ = clock_();
    return true;
}

bool Shaded_Plot_Panel::Wait_Until(double due) {
    // Events keep running while the frame is not yet due; a timer wakes the
    // wait when it is.
    for (;;) {
        const double left = due - clock_();
        if (left <= 0 || Stop_Flag == 1 || kind_ != 3) {
            return true;
        }
        QTimer wake;
        wake.setSingleShot(true);
        wake.setTimerType(Qt::PreciseTimer);
        wake.start(std::max(1, static_cast<int>(std::ceil(left * 1000))));
        if (!Let_Events_Run(true)) {
            return false;
        }
    }
}

void Shaded_Plot_Panel::Play_Click() {
    if (kind_ != 3 || playing_) {
        // A second Play while playing would nest a second loop inside the
        // first one; the animation already runs.
        Play_Button_Picture()->setChecked(playing_);
        return;
    }
    playing_ = true;
    Stop_Flag = 0;
    Press(Play_Controls::Play);
    QToolButton* const stepping[4] = {Forward_Button_Picture(), Rewind_Button_Picture(),
                                      Fast_Forward_Button_Picture(), Fast_Rewind_Button_Picture()};
    for (QToolButton* b : stepping) {
        b->setEnabled(false);
    }
    Prepare();
    if (Time_Slider()->value() == Time_Slider()->maximum()) {
        Set_Slider(0);  // playing from the end starts again from the beginning
    }
    Current_Step = Time_Slider()->value() + 1;
    worst_gap_ = 0;
    last_events_ = clock_();
    const double started = last_events_;
    for (;;) {
        const auto end = static_cast<Play_End>(Play_Levels(Current_Step));
        if (end == Play_End::Gone) {
            return;
        }
        if (end != Play_End::Last_Level || !Loop_Box()->isChecked()) {
            break;
        }
        // Round again from the beginning until Stop.
        Set_Slider(0);
        Current_Step = 1;
    }
    last_play_seconds_ = clock_() - started;
    for (QToolButton* b : stepping) {
        b->setEnabled(true);
    }
    Current_Step = Time_Slider()->value();
    playing_ = false;
}

int Shaded_Plot_Panel::Play_Levels(int first) {
    const int last = Last_Stored_Level(*transient_);
    if (first > last) {
        return static_cast<int>(Play_End::Stopped);  // nothing left to show
    }
    const int speed =
        std::clamp(Speed_Box()->currentIndex(), 0, static_cast<int>(Play_Speeds.size()) - 1);
    Frame_Player player(
        Frame_Schedule(first, last, Play_Speeds[static_cast<std::size_t>(speed)].Run_Seconds),
        clock_);
    int shown = first - 1;
    while (player.Next()) {
        if (!Wait_Until(player.Due_Time())) {
            return static_cast<int>(Play_End::Gone);
        }
        const int k = player.Level();
        if (kind_ != 3) {
            return static_cast<int>(Play_End::Stopped);
        }
        Copy_Level(k);
        if (!Let_Events_Run(false)) {
            return static_cast<int>(Play_End::Gone);
        }
        if (kind_ != 3) {
            return static_cast<int>(Play_End::Stopped);  // another result was put on the panel
        }
        std::int32_t level = k;
        Generate_Temperature_Picture_For_The_Current_Time(level);
        // One step of the slider per level; a paced run that skips levels
        // moves it by as many.
        Set_Slider(Time_Slider()->value() + (k - shown));
        shown = k;
        if (isVisible()) {
            Stop_Button_Picture()->repaint();
        }
        if (Stop_Flag == 1) {
            return static_cast<int>(Play_End::Stopped);
        }
    }
    return static_cast<int>(Play_End::Last_Level);
}

void Shaded_Plot_Panel::Stop_Click() {
    Stop_Flag = 1;
    Press(Play_Controls::Stop);
}

void Shaded_Plot_Panel::Step_Click(Button_Index button, int step) {
    if (kind_ != 3) {
        return;
    }
    Press(button);
    Prepare();
    const int level = Step_Level(Time_Slider()->value(), step, Last_Stored_Level(*transient_));
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
    if (kind_ != 3 || !Time_Slider()->isSliderDown()) {
        return;
    }
    Show_Elapsed(position * time_step_);
}

}  // namespace calorix
