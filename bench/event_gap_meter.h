#pragma once
// What a person at the window would feel while work runs: a 10 ms timer on
// the event loop, whose longest interval is the longest the window stood
// still.
#include <QObject>
#include <QTimer>
#include <algorithm>

#include "bench/bench_figures.h"

namespace calorix::bench {

class Event_Gap_Meter {
  public:
    Event_Gap_Meter() {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
    }
    void Start() {
        last_ = Wall_Seconds();
        timer_.start(10);
    }
    // The interval since the last tick counts too.
    void Stop() {
        Tick();
        timer_.stop();
    }
    double Longest_Seconds() const { return longest_; }

  private:
    void Tick() {
        const double now = Wall_Seconds();
        longest_ = std::max(longest_, now - last_);
        last_ = now;
    }

    QTimer timer_;
    double last_ = 0;
    double longest_ = 0;
};

}  // namespace calorix::bench
