#include "QtTimerSource.h"

namespace kiova {

void TQtTimerSource::Start(int interval_ms, std::function<void()> on_tick) {
    QObject::disconnect(connection_);
    connection_ = QObject::connect(&timer_, &QTimer::timeout, std::move(on_tick));
    timer_.start(interval_ms);
}

}  // namespace kiova
