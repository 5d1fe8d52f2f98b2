#include "platform/LinuxSystemClock.h"
#include "support/Unprivileged.h"

#include <QDateTime>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

#include <unistd.h>

// Without the right to set the clock, and with no time service that would let this user,
// the step is refused with a reason, later, and the clock is left as it was.
TEST(LinuxSystemClock, AnUnprivilegedStepIsRefusedWithItsReason)
{
    // A developer's own account may be allowed to ask, and would see a password prompt.
    if (::geteuid() != 0 && !qEnvironmentVariableIsSet("ORVANE_TEST_AS_NOBODY"))
        GTEST_SKIP() << "runs only as root, which reruns it as nobody";
    if (rerunAsNobody())
        return;
    LinuxSystemClock clock;
    QObject context;
    std::optional<QString> failure;
    const qint64 before = QDateTime::currentSecsSinceEpoch();
    clock.adjust(3600, &context, [&](const QString &reason) { failure = reason; });
    EXPECT_FALSE(failure.has_value()); // never from inside the call
    ASSERT_TRUE(QTest::qWaitFor([&] { return failure.has_value(); }, 30000));
    EXPECT_FALSE(failure->isEmpty());
    EXPECT_LT(QDateTime::currentSecsSinceEpoch() - before, 1800);
}

TEST(LinuxSystemClock, ARefusalThatWantsAnAdministratorIsSaidPlainly)
{
    EXPECT_EQ(
        LinuxSystemClock::refusalText("org.freedesktop.DBus.Error.InteractiveAuthorizationRequired",
                                      "Interactive "
                                      "authentication required."),
        "the system asks for an administrator");
    EXPECT_EQ(LinuxSystemClock::refusalText("org.freedesktop.timedate1.AutomaticTimeSyncEnabled",
                                            "Automatic time synchronization is enabled"),
              "Automatic time synchronization is enabled");
}
