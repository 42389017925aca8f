#pragma once
// Keeps the desktop from blanking or locking the screen while the learner's
// window is up: the learner may wait minutes without touching anything, and
// a serial or joystick switch gives the desktop no input at all.

#include <QObject>
#include <QString>

class QDBusPendingCallWatcher;

class IdleInhibitor {
public:
    virtual ~IdleInhibitor() = default;
    // Holding twice is holding once; release without a hold does nothing.
    virtual void hold() = 0;
    virtual void release() = 0;
};

// The desktop's screen saver service on the session bus, which lets go by
// itself when the program dies; where there is none, the X server's own saver
// is suspended (also ended by the server with our connection).
class DesktopIdleInhibitor : public QObject, public IdleInhibitor {
    Q_OBJECT
public:
    explicit DesktopIdleInhibitor(QString reason);
    ~DesktopIdleInhibitor() override;

    void hold() override;
    void release() override;

private:
    void uninhibit();
    void suspend_x_saver(bool suspend);

    QString reason_;
    QDBusPendingCallWatcher* pending_ = nullptr;
    bool held_ = false;
    bool waitingForCookie_ = false;
    quint32 cookie_ = 0;
    bool cookieValid_ = false;
    bool xSuspended_ = false;
};
