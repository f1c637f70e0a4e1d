// TEntrust: the thread that watches a delegated program until it ends.
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

#include "ChildProcess.h"
#include "HandOverQueue.h"

namespace kiova {

class TEntrust {
public:
    static constexpr std::chrono::milliseconds kPollInterval{100};

    // Starts watching `process` at the lowest priority. When the program has ended, or the
    // watch is stopped, `on_finished` is posted to `queue` (to run on the user-interface thread).
    TEntrust(TChildProcess process, THandOverQueue& queue, std::function<void()> on_finished);
    // Stops the watch (the program keeps running), waits for the thread, then drains `queue`,
    // so `on_finished` has run when this returns. Called on the user-interface thread.
    ~TEntrust();
    TEntrust(const TEntrust&) = delete;
    TEntrust& operator=(const TEntrust&) = delete;

private:
    void Execute(TChildProcess process);
    void WatchUntilEndedOrTerminated(TChildProcess process);

    THandOverQueue& queue_;
    std::function<void()> on_finished_;
    std::mutex mutex_;
    std::condition_variable terminate_requested_;
    bool terminated_ = false;
    std::thread thread_;  // last: it starts once everything above is ready
};

}  // namespace kiova
