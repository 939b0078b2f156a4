// The desktop's own services over D-Bus (freedesktop.org interfaces): keeping the computer
// awake, showing a file in the file manager, notifications. Every call is asynchronous: the
// GUI thread never waits for the desktop.

#include "core/platform/desktopnotifications.h"
#include "core/platform/platform.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusUnixFileDescriptor>
#include <QDebug>
#include <QFileInfo>
#include <QSet>
#include <QUrl>

namespace platform {

namespace {

constexpr int kCallTimeoutMs = 10000;

const QString kLogin1 = QStringLiteral("org.freedesktop.login1");
const QString kScreenSaver = QStringLiteral("org.freedesktop.ScreenSaver");
const QString kNotifications = QStringLiteral("org.freedesktop.Notifications");
const QString kFileManager = QStringLiteral("org.freedesktop.FileManager1");

// Calls `message` on `bus` and hands the reply to `done` on this thread, later.
void callLater(const QDBusConnection &bus, const QDBusMessage &message, QObject *context,
               std::function<void(const QDBusMessage &reply)> done)
{
    if (!bus.isConnected()) {
        QMetaObject::invokeMethod(
            context,
            [done, message] {
                done(message.createErrorReply(QDBusError::Disconnected, QStringLiteral("no bus")));
            },
            Qt::QueuedConnection);
        return;
    }
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(message, kCallTimeoutMs), context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context, [watcher, done] {
        watcher->deleteLater();
        done(watcher->reply());
    });
}

// Asks the desktop not to sleep while anyone holds the request: login1's inhibitor (a file
// descriptor; closing it withdraws the request) where the system bus offers it, else the
// session's screen saver (a cookie to give back).
class SleepInhibitor : public QObject
{
public:
    static SleepInhibitor *instance()
    {
        static SleepInhibitor *one = new SleepInhibitor(QCoreApplication::instance());
        return one;
    }

    void hold(const QString &holder, bool on)
    {
        if (on)
            holders.insert(holder);
        else
            holders.remove(holder);
        update();
    }

    void releaseAll()
    {
        holders.clear();
        update();
    }

    bool held() const { return state == State::Held; }

private:
    using QObject::QObject;

    enum class State
    {
        Idle,
        Asking,
        Held
    };

    void update()
    {
        const bool wanted = !holders.isEmpty();
        if (wanted && state == State::Idle)
            askLogin();
        else if (!wanted && state == State::Held)
            release();
        // While asking, the answer looks at the holders again.
    }

    void askLogin()
    {
        state = State::Asking;
        QDBusMessage call = QDBusMessage::createMethodCall(
            kLogin1, QStringLiteral("/org/freedesktop/login1"),
            QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Inhibit"));
        call << QStringLiteral("idle:sleep") << QStringLiteral("Clipmoor")
             << QStringLiteral("Downloads or conversions are running") << QStringLiteral("block");
        callLater(QDBusConnection::systemBus(), call, this, [this](const QDBusMessage &reply) {
            const QDBusPendingReply<QDBusUnixFileDescriptor> answer(reply);
            if (reply.type() != QDBusMessage::ReplyMessage || !answer.value().isValid()) {
                qDebug() << "keepSystemAwake: login1 says" << reply.errorMessage();
                askScreenSaver();
                return;
            }
            loginLock = answer.value();
            granted(QStringLiteral("login1"));
        });
    }

    void askScreenSaver()
    {
        QDBusMessage call = QDBusMessage::createMethodCall(
            kScreenSaver, QStringLiteral("/org/freedesktop/ScreenSaver"), kScreenSaver,
            QStringLiteral("Inhibit"));
        call << QStringLiteral("Clipmoor")
             << QStringLiteral("Downloads or conversions are running");
        callLater(QDBusConnection::sessionBus(), call, this, [this](const QDBusMessage &reply) {
            if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
                qDebug() << "keepSystemAwake: no desktop service keeps the computer awake:"
                         << reply.errorMessage();
                state = State::Idle;
                return;
            }
            cookie = reply.arguments().constFirst().toUInt();
            granted(QStringLiteral("screen saver"));
        });
    }

    void granted(const QString &how)
    {
        state = State::Held;
        viaScreenSaver = !loginLock.isValid();
        qDebug() << "keepSystemAwake: held through" << how;
        update(); // the last holder may have gone while the desktop was asked
    }

    void release()
    {
        state = State::Idle;
        if (!viaScreenSaver) {
            loginLock = QDBusUnixFileDescriptor();
        } else {
            QDBusMessage call = QDBusMessage::createMethodCall(
                kScreenSaver, QStringLiteral("/org/freedesktop/ScreenSaver"), kScreenSaver,
                QStringLiteral("UnInhibit"));
            call << cookie;
            // Sent on its way; nothing waits for the answer.
            QDBusConnection::sessionBus().send(call);
        }
        qDebug() << "keepSystemAwake: released";
    }

    QSet<QString> holders;
    State state = State::Idle;
    QDBusUnixFileDescriptor loginLock;
    uint cookie = 0;
    bool viaScreenSaver = false;
};

} // namespace

void keepSystemAwake(const QString &holder, bool on)
{
    if (QCoreApplication::instance())
        SleepInhibitor::instance()->hold(holder, on);
}

bool systemKeptAwake()
{
    return QCoreApplication::instance() && SleepInhibitor::instance()->held();
}

void endKeepingAwake()
{
    if (QCoreApplication::instance())
        SleepInhibitor::instance()->releaseAll();
}

void revealInFileManager(const QString &path, std::function<void(bool shown)> done)
{
    const QFileInfo info(path);
    const QString folder = info.isDir() ? info.absoluteFilePath() : info.absolutePath();
    // The file manager selects the file; where there is none on the bus, the folder is opened
    // with the desktop's opener.
    QDBusMessage call = QDBusMessage::createMethodCall(
        kFileManager, QStringLiteral("/org/freedesktop/FileManager1"), kFileManager,
        QStringLiteral("ShowItems"));
    call << QStringList{QUrl::fromLocalFile(info.absoluteFilePath()).toString(QUrl::FullyEncoded)}
         << QString();
    callLater(QDBusConnection::sessionBus(), call, QCoreApplication::instance(),
              [folder, done](const QDBusMessage &reply) {
                  if (reply.type() == QDBusMessage::ReplyMessage) {
                      if (done)
                          done(true);
                      return;
                  }
                  qDebug() << "revealInFileManager:" << reply.errorMessage();
                  openWithDesktop(folder, done);
              });
}

// --- Notifications ------------------------------------------------------------------------

namespace {
// Notifications the desktop has not yet said are closed; older ones are forgotten first.
constexpr int kRememberedNotifications = 64;
} // namespace

DesktopNotifications::DesktopNotifications(QObject *parent)
    : QObject(parent)
{
}

void DesktopNotifications::show(const QString &title, const QString &body, const QString &token,
                                const QString &icon)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!listening && bus.isConnected()) {
        // D-Bus signals are connected by their names; there is no typed form.
        const QString path = QStringLiteral("/org/freedesktop/Notifications");
        bus.connect(kNotifications, path, kNotifications, QStringLiteral("ActionInvoked"), this,
                    SLOT(onActionInvoked(uint, QString)));
        bus.connect(kNotifications, path, kNotifications, QStringLiteral("NotificationClosed"),
                    this, SLOT(onNotificationClosed(uint, uint)));
        listening = true;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        kNotifications, QStringLiteral("/org/freedesktop/Notifications"), kNotifications,
        QStringLiteral("Notify"));
    const QVariantMap hints{{QStringLiteral("desktop-entry"), QStringLiteral("clipmoor")}};
    call << QStringLiteral("Clipmoor") << uint(0) << icon << title << body
         << QStringList{QStringLiteral("default"), tr("Show")} << hints << int(-1);
    callLater(bus, call, this, [this, token](const QDBusMessage &reply) {
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
            qDebug() << "notification not shown:" << reply.errorMessage();
            return;
        }
        if (tokens.size() >= kRememberedNotifications)
            tokens.erase(tokens.begin());
        tokens.insert(reply.arguments().constFirst().toUInt(), token);
    });
}

void DesktopNotifications::onActionInvoked(uint id, const QString &action)
{
    const auto it = tokens.constFind(id);
    if (it == tokens.constEnd() || action != QLatin1String("default"))
        return;
    const QString token = it.value();
    Q_EMIT activated(token);
}

void DesktopNotifications::onNotificationClosed(uint id, uint)
{
    tokens.remove(id);
}

} // namespace platform
