#include "ModalHelpers.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QPointer>
#include <QTimer>
#include <exception>
#include <memory>

#include "ModalWindows.h"

namespace kiova::testing {
namespace {
constexpr int kPollMs = 10;

// Lives for one test: the helpers' timers hang on it, so none of them reaches the next test.
class TTestScope final : public QObject {
public:
    TTestScope() {
        watchdog_.setInterval(kModalDeadlineMs);
        QObject::connect(&watchdog_, &QTimer::timeout, this, [this] { Watch(); });
        watchdog_.start();
    }
    // From now on every modal window is closed as soon as it opens.
    void Failed() {
        failed_ = true;
        watchdog_.setInterval(kPollMs);
    }

private:
    void Watch() {
        if (!QApplication::activeModalWidget()) return;
        if (failed_)
            CloseModalWindows();
        else
            FailAndCloseModalWindows("a modal window stayed open past the deadline");
    }

    QTimer watchdog_;
    bool failed_ = false;
};

std::unique_ptr<TTestScope> scope;

class TModalWatchdog final : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        scope = std::make_unique<TTestScope>();
    }
    void OnTestEnd(const ::testing::TestInfo&) override { scope.reset(); }
};

void RunAct(QWidget& widget, const std::function<void(QWidget&)>& act, const char* type) {
    QPointer<QWidget> watched(&widget);
    try {
        act(widget);
    } catch (const std::exception& error) {
        FailAndCloseModalWindows(error.what());
        return;
    }
    if (watched && watched->isVisible())
        FailAndCloseModalWindows(std::string(type) + " is still open after the helper's act");
}

void Poll(const QMetaObject& type, std::function<void(QWidget&)> act, QDeadlineTimer deadline) {
    if (!scope) return;
    QTimer::singleShot(kPollMs, scope.get(), [&type, act = std::move(act), deadline]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && type.cast(modal)) {
            RunAct(*modal, act, type.className());
        } else if (deadline.hasExpired()) {
            FailAndCloseModalWindows(std::string("no ") + type.className() + " opened");
        } else {
            Poll(type, std::move(act), deadline);
        }
    });
}
}  // namespace

void FailAndCloseModalWindows(const std::string& why) {
    ADD_FAILURE() << why;
    if (scope) scope->Failed();
    CloseModalWindows();
}

void InstallModalWatchdog() {
    ::testing::UnitTest::GetInstance()->listeners().Append(new TModalWatchdog);
}

namespace detail {
void WhenOpen(const QMetaObject& type, std::function<void(QWidget&)> act) {
    Poll(type, std::move(act), QDeadlineTimer(kModalDeadlineMs));
}
}  // namespace detail

}  // namespace kiova::testing
