#include "HandOverQueue.h"

#include <utility>

namespace kiova {

THandOverQueue::THandOverQueue(std::function<void()> wake_up) : wake_up_(std::move(wake_up)) {}

void THandOverQueue::Post(std::function<void()> call) {
    {
        std::lock_guard lock(mutex_);
        calls_.push_back(std::move(call));
    }
    if (wake_up_) wake_up_();
}

int THandOverQueue::Drain() {
    std::deque<std::function<void()>> taken;
    {
        std::lock_guard lock(mutex_);
        taken.swap(calls_);
    }
    // Run outside the lock: a call may post again.
    for (auto& call : taken) call();
    return static_cast<int>(taken.size());
}

}  // namespace kiova
