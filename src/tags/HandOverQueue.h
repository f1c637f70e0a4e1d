// THandOverQueue: how a worker thread has a call run on the user-interface thread. The
// application owns one queue; workers post to it, and the user-interface thread drains it
// between its other work and whenever it waits for a worker to end.
#pragma once

#include <deque>
#include <functional>
#include <mutex>

namespace kiova {

class THandOverQueue {
public:
    // `wake_up` (optional) is called on the posting thread after each post, for an event loop
    // that should drain soon.
    explicit THandOverQueue(std::function<void()> wake_up = {});
    THandOverQueue(const THandOverQueue&) = delete;
    THandOverQueue& operator=(const THandOverQueue&) = delete;

    // Any thread.
    void Post(std::function<void()> call);

    // The user-interface thread: runs, in order, the calls posted before it began; returns how
    // many ran. Calls posted meanwhile wait for the next drain.
    int Drain();

private:
    std::function<void()> wake_up_;
    std::mutex mutex_;
    std::deque<std::function<void()>> calls_;
};

}  // namespace kiova
