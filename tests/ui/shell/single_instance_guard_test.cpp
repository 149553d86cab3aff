#include "platform/single_instance_guard.h"

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTest>
#include <gtest/gtest.h>

namespace tonalink {
namespace {

TEST(SingleInstanceGuardTest, LaterCopyIsRefusedAndWakesTheFirst) {
    SingleInstanceGuard first(QStringLiteral("GuardTestWake"));
    ASSERT_TRUE(first.acquire());
    QSignalSpy woken(&first, &SingleInstanceGuard::activationRequested);

    SingleInstanceGuard later(QStringLiteral("GuardTestWake"));
    EXPECT_FALSE(later.acquire());
    EXPECT_TRUE(later.notifyRunningInstance(2000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return woken.count() == 1; }, 2000));
}

TEST(SingleInstanceGuardTest, NoRunningCopyAnswersWithinTheTimeout) {
    SingleInstanceGuard alone(QStringLiteral("GuardTestAlone"));
    EXPECT_FALSE(alone.notifyRunningInstance(200));
}

TEST(SingleInstanceGuardTest, LockLeftByADeadProcessIsTakenOver) {
    QProcess gone;
    gone.start(QStringLiteral("true"), {});
    ASSERT_TRUE(gone.waitForFinished());
    const qint64 deadPid = gone.processId() ? gone.processId() : 999999;

    SingleInstanceGuard guard(QStringLiteral("GuardTestStale"));
    QFile lock(guard.lockPath());
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    // A crashed run's lock: its process id, program name and host.
    lock.write(QByteArray::number(deadPid) + "\ntonalink\n" + QSysInfo::machineHostName().toUtf8() +
               "\n");
    lock.close();
    // And the socket file it left behind.
    QFile socket(guard.serverPath());
    ASSERT_TRUE(socket.open(QIODevice::WriteOnly));
    socket.close();

    EXPECT_TRUE(guard.acquire());
    SingleInstanceGuard later(QStringLiteral("GuardTestStale"));
    EXPECT_FALSE(later.acquire());
    EXPECT_TRUE(later.notifyRunningInstance(2000));
}

} // namespace
} // namespace tonalink
