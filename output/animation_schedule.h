#pragma once
// When each time level of a 2-D transient run is shown while it plays.  A
// paced run lasts about as long as the chosen speed asks, whatever its number
// of levels: at most 60 frames a second (long runs skip levels to keep to the
// time) and at least 2 (short runs get half a second per level).  The
// unpaced choice shows every level as fast as it can be drawn.
#include <array>
#include <functional>

namespace calorix {

struct Play_Speed {
    const char* Caption;
    double Run_Seconds;  // the length of a whole run; 0 = as fast as drawn
};

inline constexpr std::array<Play_Speed, 5> Play_Speeds = {{
    {"Slowest (20 s a run)", 20.0},
    {"Slower (10 s a run)", 10.0},
    {"Normal (5 s a run)", 5.0},
    {"Faster (2 s a run)", 2.0},
    {"As fast as drawn", 0.0},
}};
inline constexpr int Default_Play_Speed = 2;

inline constexpr double Shortest_Frame_Interval = 1.0 / 60.0;
inline constexpr double Longest_Frame_Interval = 0.5;

class Frame_Schedule {
  public:
    // Levels first..last (last >= first) played in about run_seconds.
    Frame_Schedule(int first_level, int last_level, double run_seconds);

    int Frame_Count() const { return frames_; }
    // Seconds between two frames; 0 when unpaced.
    double Frame_Interval() const { return interval_; }
    // The level shown by frame k (0-based): the first and the last level are
    // always shown, the ones between evenly spread.
    int Level_Of_Frame(int k) const;
    // When frame k is due, in seconds after the first frame.
    double Due(int k) const { return k * interval_; }
    // The frame due at time t after the first one (the latest not after t).
    int Frame_At(double t) const;
    // Seconds from the first frame to the last.
    double Duration() const { return Due(frames_ - 1); }

  private:
    int first_;
    int levels_;
    int frames_;
    double interval_;
};

// Walks a schedule against a clock (seconds, any origin).  A frame drawn too
// late is followed by the frame due at that moment, not by the next one, so
// slow drawing skips levels instead of stretching the run.
class Frame_Player {
  public:
    Frame_Player(const Frame_Schedule& schedule, std::function<double()> clock);
    // The next frame to show: false when the run is over.
    bool Next();
    int Level() const { return schedule_.Level_Of_Frame(frame_); }
    // Clock time at which the current frame is due.
    double Due_Time() const { return start_ + schedule_.Due(frame_); }

  private:
    Frame_Schedule schedule_;
    std::function<double()> clock_;
    double start_;
    int frame_ = -1;
};

}  // namespace calorix
