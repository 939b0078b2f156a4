#pragma once

// Notifications on the desktop (org.freedesktop.Notifications on Linux). Showing one never waits
// for the desktop; a desktop without a notification service shows nothing.

#include <QHash>
#include <QObject>
#include <QString>

namespace platform {

class DesktopNotifications : public QObject
{
    Q_OBJECT
public:
    explicit DesktopNotifications(QObject *parent = nullptr);

    // Shows `title` with `body`. A click on the notification (its default action) emits
    // activated(token). `icon` is an icon name of the desktop's theme.
    void show(const QString &title, const QString &body, const QString &token,
              const QString &icon = QStringLiteral("clipmoor"));

    // How many shown notifications are still remembered (bounded).
    int remembered() const { return tokens.size(); }

Q_SIGNALS:
    void activated(const QString &token);

private Q_SLOTS:
    // The service's signals, connected by name as D-Bus signals are.
    void onActionInvoked(uint id, const QString &action);
    void onNotificationClosed(uint id, uint reason);

private:
    QHash<uint, QString> tokens; // notification id -> token, while it may still be clicked
    bool listening = false;
};

} // namespace platform
