#include "QtTimerSource.h"

namespace kiova {

void TQtTimerSource::Start(int interval_ms, std::function<void()> on_tick) {
    QObject::disconnect(connection_);
    connection_ = QObject::connect(&timer_, &QTimer::timeout, [this, on_tick = std::move(on_tick)] {
        on_tick();
        if (next_delay_) Reschedule();
    });
    timer_.start(interval_ms);
}

void TQtTimerSource::SetSchedule(std::function<std::optional<int>()> next_delay) {
    next_delay_ = std::move(next_delay);
    Reschedule();
}

void TQtTimerSource::Reschedule() {
    if (!next_delay_) return;
    std::optional<int> delay = next_delay_();
    if (!delay) {
        timer_.stop();
        return;
    }
    // A running timer that fires soon enough keeps its rhythm.
    if (timer_.isActive() && timer_.remainingTime() <= *delay) return;
    timer_.start(*delay);
}

}  // namespace kiova
