#include "app/one_copy.h"

#include "media/dialogs.h"
#include "media/event_loop_pause.h"
#include "state/settings.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QTimer>
#include <QWidget>
#include <unistd.h>

namespace {

constexpr const char* FrontRequest = "front\n";
constexpr const char* InFront = "in front\n";
constexpr const char* NotInFront = "not in front\n";
// How long the running copy waits for the window system to make its window
// the active one, and how long a second start waits for its answer.
constexpr int ActivationMs = 1500;
constexpr int AnswerMs = 4000;

// An abstract socket leaves no file behind. The name holds the user, so
// that another account's copy on a shared folder is never asked.
QString server_name(const QString& folder)
{
    const QByteArray key = QFileInfo(folder).absoluteFilePath().toUtf8();
    return QStringLiteral("flickerbox-%1-%2")
        .arg(getuid())
        .arg(QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex()));
}

// The menu, playback or credits window on view, and any message box over it.
void bring_windows_to_front()
{
    QWidget* active = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() || window->windowType() == Qt::Popup || window->windowType() == Qt::ToolTip)
            continue;
        if (window->isMinimized())
            window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
        window->raise();
        active = window;
    }
    if (QWidget* modal = QApplication::activeModalWidget())
        active = modal;
    if (active)
        active->activateWindow();
}

// Answers once the application is active, or when the window system has
// had time enough to make it so.
void answer_when_settled(QLocalSocket* asking)
{
    auto* poll = new QTimer(asking);
    const QDeadlineTimer deadline(ActivationMs);
    QObject::connect(poll, &QTimer::timeout, asking, [asking, poll, deadline] {
        const bool active = QGuiApplication::applicationState() == Qt::ApplicationActive;
        if (!active && !deadline.hasExpired())
            return;
        poll->stop();
        asking->write(active ? InFront : NotInFront);
        asking->disconnectFromServer();
    });
    poll->start(50);
}

}  // namespace

OneCopyPerFolder::OneCopyPerFolder(const QString& settingsFolder)
    : folder_(settingsFolder)
    , lock_(settingsFolder + QLatin1String(SettingsFileName) + QStringLiteral(".lock"))
    , serverName_(server_name(settingsFolder))
{
    server_.setSocketOptions(QLocalServer::AbstractNamespaceOption);
}

bool OneCopyPerFolder::claim(Dialogs& dialogs)
{
    if (lock_.tryLock(0)) {
        listen();
        return true;
    }
    if (lock_.error() != QLockFile::LockFailedError) {
        qWarning("No lock file could be made in %s, so a second copy of the program is not kept out",
                 qPrintable(folder_));
        return true;
    }
    if (other_copy_came_to_front())
        return false;
    dialogs.message(
        QStringLiteral("Flickerbox II"), Dialogs::Icon::Information,
        QStringLiteral("Flickerbox II is already open with the settings in \"%1\".\n"
                       "Only one copy can run at a time, so that the two do not undo each other's "
                       "choices. Use the copy that is open, or end it and start the program again.")
            .arg(folder_));
    return false;
}

bool OneCopyPerFolder::other_copy_came_to_front()
{
    QLocalSocket socket;
    socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    const QDeadlineTimer deadline(AnswerMs);
    // The other copy may have taken the lock and not be listening yet.
    for (;;) {
        socket.connectToServer(serverName_);
        if (socket.waitForConnected(int(deadline.remainingTime())) || deadline.hasExpired())
            break;
        pause_in_event_loop(100);
    }
    if (socket.state() != QLocalSocket::ConnectedState)
        return false;
    socket.write(FrontRequest);
    while (!socket.canReadLine() && !deadline.hasExpired())
        if (!socket.waitForReadyRead(int(deadline.remainingTime())))
            break;
    return socket.readLine() == InFront;
}

void OneCopyPerFolder::listen()
{
    if (!server_.listen(serverName_)) {
        qWarning("A second start cannot bring this copy's window to the front: %s",
                 qPrintable(server_.errorString()));
        return;
    }
    QObject::connect(&server_, &QLocalServer::newConnection, &server_, [this] {
        while (QLocalSocket* asking = server_.nextPendingConnection()) {
            QObject::connect(asking, &QLocalSocket::disconnected, asking, &QObject::deleteLater);
            QObject::connect(asking, &QLocalSocket::readyRead, asking, [asking] {
                if (!asking->canReadLine() || asking->readLine() != FrontRequest)
                    return;
                bring_windows_to_front();
                answer_when_settled(asking);
            });
        }
    });
}
