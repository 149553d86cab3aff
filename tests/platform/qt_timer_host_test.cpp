#include "platform/qt_timer_host.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>
#include <vector>

using namespace tonalink;

namespace {

class QtTimerHostTest : public testing::Test {
protected:
    // Runs the event loop until `count` timers fired (or 2 s), then 100 ms more
    // so that a timer that should not fire has its chance to.
    void runUntilFired(std::size_t count) {
        QElapsedTimer clock;
        clock.start();
        while (fired.size() < count && clock.elapsed() < 2000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        const qint64 settle = clock.elapsed() + 100;
        while (clock.elapsed() < settle)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }

    std::vector<int> fired;
    std::function<void(int)> onTimer = [this](int id) { fired.push_back(id); };
    QtTimerHost host{[this](int id) { onTimer(id); }};
};

TEST_F(QtTimerHostTest, FiresOnceEachInOrderOfDueTime) {
    ASSERT_TRUE(host.startTimer(4, 60));
    ASSERT_TRUE(host.startTimer(3, 10));
    ASSERT_TRUE(host.startTimer(5, 35));
    runUntilFired(3);
    EXPECT_EQ(fired, (std::vector<int>{3, 5, 4}));
}

TEST_F(QtTimerHostTest, KilledTimerDoesNotFire) {
    ASSERT_TRUE(host.startTimer(3, 10));
    ASSERT_TRUE(host.startTimer(8, 30));
    host.killTimer(3);
    host.killTimer(6); // never started: nothing happens
    runUntilFired(1);
    EXPECT_EQ(fired, std::vector<int>{8});
}

TEST_F(QtTimerHostTest, RestartReplacesThePendingTimer) {
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(host.startTimer(6, 10));
    ASSERT_TRUE(host.startTimer(6, 80));
    qint64 firedAfter = -1;
    onTimer = [&](int id) {
        fired.push_back(id);
        firedAfter = clock.elapsed();
    };
    runUntilFired(1);
    EXPECT_EQ(fired, std::vector<int>{6});
    EXPECT_GE(firedAfter, 80);
}

TEST_F(QtTimerHostTest, CallbackMayKillRestartAndStartTimers) {
    // The call sequence kills the timer that fired and starts the next step from the callback.
    onTimer = [this](int id) {
        fired.push_back(id);
        host.killTimer(id);
        if (fired.size() == 1)
            host.startTimer(4, 5); // itself again
        else if (fired.size() == 2)
            host.startTimer(5, 5);
    };
    ASSERT_TRUE(host.startTimer(4, 5));
    runUntilFired(3);
    EXPECT_EQ(fired, (std::vector<int>{4, 4, 5}));
}

TEST_F(QtTimerHostTest, RefusesANegativeInterval) {
    EXPECT_FALSE(host.startTimer(3, -1));
    runUntilFired(0);
    EXPECT_TRUE(fired.empty());
}

} // namespace
