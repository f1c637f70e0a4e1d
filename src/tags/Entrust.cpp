// The delegation watcher.
//
// In:  a started program, the application's hand-over queue and a completion call.
// Out: the completion call, run on the user-interface thread once the program has ended or the
//      watch was stopped.
// Always: the worker touches nothing but the process and the queue; it never waits for the
// user-interface thread, so stopping it cannot deadlock.
#include "Entrust.h"

#include <sys/resource.h>
#include <unistd.h>

#include <utility>

namespace kiova {

TEntrust::TEntrust(TChildProcess process, THandOverQueue& queue, std::function<void()> on_finished)
    : queue_(queue),
      on_finished_(std::move(on_finished)),
      thread_(&TEntrust::Execute, this, std::move(process)) {}

TEntrust::~TEntrust() {
    {
        std::lock_guard lock(mutex_);
        terminated_ = true;
    }
    terminate_requested_.notify_all();
    thread_.join();
    queue_.Drain();
}

void TEntrust::Execute(TChildProcess process) {
    // Watching is background work: the lowest priority (Linux gives each thread its own nice).
    ::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), 19);
    WatchUntilEndedOrTerminated(std::move(process));
    if (on_finished_) queue_.Post(on_finished_);
}

void TEntrust::WatchUntilEndedOrTerminated(TChildProcess process) {
    std::unique_lock lock(mutex_);
    while (!process.HasEnded() && !terminated_)
        terminate_requested_.wait_for(lock, kPollInterval, [this] { return terminated_; });
    // Leaving closes `process`; a program still running is reaped once it ends.
}

}  // namespace kiova
