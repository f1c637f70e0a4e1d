// TTimerSource on a QTimer: ticks arrive through the Qt event loop of the calling thread.
// With a schedule, the timer runs only while something is due: after each tick, and whenever
// the owner calls Reschedule, it asks when the next tick is needed and stops when never.
#pragma once

#include <QTimer>
#include <functional>
#include <optional>

#include "TimerSource.h"

namespace kiova {

class TQtTimerSource final : public TTimerSource {
public:
    void Start(int interval_ms, std::function<void()> on_tick) override;
    void SetInterval(int interval_ms) override { timer_.setInterval(interval_ms); }

    // `next_delay` gives the milliseconds until the next tick is needed, or nothing.
    void SetSchedule(std::function<std::optional<int>()> next_delay);
    void Reschedule();
    bool IsRunning() const { return timer_.isActive(); }

private:
    QTimer timer_;
    QMetaObject::Connection connection_;
    std::function<std::optional<int>()> next_delay_;
};

}  // namespace kiova
