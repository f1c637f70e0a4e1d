// TTimerSource on a QTimer: ticks arrive through the Qt event loop of the calling thread.
#pragma once

#include <QTimer>

#include "TimerSource.h"

namespace kiova {

class TQtTimerSource final : public TTimerSource {
public:
    void Start(int interval_ms, std::function<void()> on_tick) override;
    void SetInterval(int interval_ms) override { timer_.setInterval(interval_ms); }

private:
    QTimer timer_;
    QMetaObject::Connection connection_;
};

}  // namespace kiova
