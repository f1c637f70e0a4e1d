// Modal windows driven from inside their own event loops, with deadlines: a helper that cannot
// do its work fails the test and closes every modal window, so the test ends at once instead of
// waiting in a dialog that nobody will close.
#pragma once

#include <QObject>
#include <QWidget>
#include <functional>
#include <string>

namespace kiova::testing {

// How long a helper waits for its window, and how long any modal window may stay open before
// the watchdog ends it.
inline constexpr int kModalDeadlineMs = 20000;

// Fails the running test with `why` and closes every modal window; from then on until the test
// ends, any modal window that opens is closed at once.
void FailAndCloseModalWindows(const std::string& why);

// Installs the per-test watchdog (call once in main): it ends a test whose modal window stays
// open past the deadline, and drops the helpers still waiting when a test ends.
void InstallModalWatchdog();

namespace detail {
void WhenOpen(const QMetaObject& type, std::function<void(QWidget&)> act);
}

// Runs `act` on the modal window of type T as soon as one is open, from inside its event loop.
// `act` must close it; a window still open afterwards, or an act that throws, fails the test.
template <class T>
void WhenOpen(std::function<void(T&)> act) {
    detail::WhenOpen(T::staticMetaObject,
                     [act = std::move(act)](QWidget& widget) { act(static_cast<T&>(widget)); });
}

}  // namespace kiova::testing
