// The desktop around the program: which platform it runs on, and the
// screen saver held off through a stand-in service on a private session bus.

#include "media/display_platform.h"
#include "media/idle_inhibit.h"
#include "support/wait_until.h"

#include <QDBusConnection>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

TEST(DisplayPlatform, WaylandWithoutAnAnsweringXServerRunsOnWayland)
{
    const struct {
        DisplayEnvironment environment;
        QByteArray platform;
    } rows[] = {
        {{"", true, true}, "xcb"},  // XWayland answers: frames are not held back
        {{"", true, false}, "wayland"},  // DISPLAY names no server: no abort
        {{"", false, false}, ""},  // plain X, or nothing: Qt's own choice
        {{"offscreen", true, false}, ""},  // the user's choice stands
        {{"wayland", true, true}, ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(chosen_platform(row.environment), row.platform)
            << row.environment.qpaPlatform.constData() << ' ' << row.environment.wayland << ' '
            << row.environment.xServerAnswers;
}

// Answers as a desktop's screen saver service does, and notes each call.
class StandInScreenSaver : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")
public:
    QStringList calls;

public slots:
    uint Inhibit(const QString& application, const QString& reason)
    {
        calls << QStringLiteral("Inhibit %1: %2").arg(application, reason);
        return ++cookie_;
    }
    void UnInhibit(uint cookie) { calls << QStringLiteral("UnInhibit %1").arg(cookie); }

private:
    uint cookie_ = 40;
};

class IdleInhibitTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty())
            return;
        bus_ = new QProcess;
        bus_->start(
            QStringLiteral("dbus-daemon"),
            {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address")});
        if (!bus_->waitForReadyRead(10000))
            return;
        address_ = QString::fromUtf8(bus_->readLine()).trimmed();
        // Before the first use of the session bus in this process.
        qputenv("DBUS_SESSION_BUS_ADDRESS", address_.toUtf8());
    }
    static void TearDownTestSuite()
    {
        delete bus_;  // ends the daemon
        bus_ = nullptr;
    }
    void SetUp() override
    {
        if (address_.isEmpty())
            GTEST_SKIP() << "no private session bus (dbus-daemon)";
        service_ = std::make_unique<QDBusConnection>(
            QDBusConnection::connectToBus(address_, QStringLiteral("stand-in")));
        ASSERT_TRUE(service_->registerObject(QStringLiteral("/org/freedesktop/ScreenSaver"), &saver_,
                                             QDBusConnection::ExportAllSlots));
        ASSERT_TRUE(service_->registerService(QStringLiteral("org.freedesktop.ScreenSaver")));
    }
    void TearDown() override
    {
        if (!service_)
            return;
        service_->unregisterService(QStringLiteral("org.freedesktop.ScreenSaver"));
        service_->unregisterObject(QStringLiteral("/org/freedesktop/ScreenSaver"));
        service_.reset();
        QDBusConnection::disconnectFromBus(QStringLiteral("stand-in"));
    }
    bool calls_reach(qsizetype count)
    {
        return wait_until([&] { return saver_.calls.size() >= count; }, 5000);
    }

    static inline QProcess* bus_ = nullptr;
    static inline QString address_;
    std::unique_ptr<QDBusConnection> service_;
    StandInScreenSaver saver_;
};

TEST_F(IdleInhibitTest, HeldOnceWhileUpAndReleasedWithItsCookie)
{
    DesktopIdleInhibitor idle(QStringLiteral("session"));
    idle.release();  // nothing held yet: nothing is sent
    idle.hold();
    idle.hold();
    ASSERT_TRUE(calls_reach(1));
    idle.release();
    ASSERT_TRUE(calls_reach(2));
    EXPECT_TRUE(saver_.calls[0].startsWith(QStringLiteral("Inhibit "))) << saver_.calls[0].toStdString();
    EXPECT_TRUE(saver_.calls[0].endsWith(QStringLiteral(": session")));
    EXPECT_EQ(saver_.calls[1], QStringLiteral("UnInhibit 41"));

    idle.hold();  // the next session holds again
    ASSERT_TRUE(calls_reach(3));
    EXPECT_EQ(saver_.calls.size(), 3);
}

TEST_F(IdleInhibitTest, ReleaseBeforeTheAnswerStillLetsGo)
{
    {
        DesktopIdleInhibitor idle(QStringLiteral("session"));
        idle.hold();
        idle.release();
        ASSERT_TRUE(calls_reach(2));
        EXPECT_EQ(saver_.calls[1], QStringLiteral("UnInhibit 41"));
        idle.hold();
        ASSERT_TRUE(calls_reach(3));
    }
    // Going away lets go of what it holds.
    ASSERT_TRUE(calls_reach(4));
    EXPECT_EQ(saver_.calls[3], QStringLiteral("UnInhibit 42"));
}

}  // namespace

#include "desktop_test.moc"
