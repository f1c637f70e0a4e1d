#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include "QtTimerSource.h"

namespace kiova {
namespace {

TEST(QtTimerSourceTest, TicksThroughTheEventLoop) {
    int argc = 1;
    char name[] = "test";
    char* argv[] = {name, nullptr};
    QCoreApplication application(argc, argv);
    TQtTimerSource timer;
    int ticks = 0;
    timer.Start(1, [&] { ++ticks; });
    timer.SetInterval(2);
    QElapsedTimer waited;
    waited.start();
    while (ticks < 3 && waited.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_GE(ticks, 3);
}

}  // namespace
}  // namespace kiova
