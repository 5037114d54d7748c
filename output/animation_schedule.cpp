#include "output/animation_schedule.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace calorix {

Frame_Schedule::Frame_Schedule(int first_level, int last_level, double run_seconds)
    : first_(first_level), levels_(std::max(1, last_level - first_level + 1)) {
    if (!(run_seconds > 0)) {
        frames_ = levels_;
        interval_ = 0;
        return;
    }
    const double per_level = run_seconds / levels_;
    // (Compared with a hair of slack: 5 s over 300 levels is exactly 60 a
    // second, whatever the last binary digit says.)
    if (per_level >= Shortest_Frame_Interval * (1 - 1e-12)) {
        frames_ = levels_;
        interval_ = std::min(per_level, Longest_Frame_Interval);
    } else {
        // More levels than 60 a second can show: fewer frames, each the
        // level due at its time.
        frames_ = std::max(2, static_cast<int>(std::floor(run_seconds * 60.0 + 1e-9)));
        interval_ = run_seconds / frames_;
    }
}

int Frame_Schedule::Level_Of_Frame(int k) const {
    if (frames_ <= 1) {
        return first_;
    }
    k = std::clamp(k, 0, frames_ - 1);
    // Whole-number arithmetic so that the last frame lands exactly on the
    // last level.
    const long long step = static_cast<long long>(k) * (levels_ - 1) / (frames_ - 1);
    return first_ + static_cast<int>(step);
}

int Frame_Schedule::Frame_At(double t) const {
    if (!(interval_ > 0) || t < 0) {
        return 0;
    }
    return static_cast<int>(std::min<double>(std::floor(t / interval_), frames_ - 1));
}

Frame_Player::Frame_Player(const Frame_Schedule& schedule, std::function<double()> clock)
    : schedule_(schedule), clock_(std::move(clock)), start_(clock_()) {}

bool Frame_Player::Next() {
    int next = frame_ + 1;
    if (frame_ >= 0 && schedule_.Frame_Interval() > 0) {
        next = std::max(next, schedule_.Frame_At(clock_() - start_));
    }
    if (next >= schedule_.Frame_Count()) {
        return false;
    }
    frame_ = next;
    return true;
}

}  // namespace calorix
