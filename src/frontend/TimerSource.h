// The ticking that drives the balloon player. The windows use a Qt timer; tests tick by hand.
#pragma once

#include <functional>

namespace kiova {

class TTimerSource {
public:
    virtual ~TTimerSource() = default;
    // Calls `on_tick` every `interval_ms` milliseconds from now on.
    virtual void Start(int interval_ms, std::function<void()> on_tick) = 0;
    virtual void SetInterval(int interval_ms) = 0;
};

}  // namespace kiova
