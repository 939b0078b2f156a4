#pragma once

// The engine's and the converter's outcomes on the desktop: a notification when a download or a
// conversion ends while Clipmoor's window is not in front (unless the preferences turn them
// off), and the computer kept awake while conversions run (downloads ask for it themselves).
// A click on a notification asks the window to show that job's row.

#include <QObject>
#include <QPointer>

class ConvertManager;
class ConvertTask;
class QTimer;
class QWidget;
class SniffMgr;
class SniffTask;

namespace platform {
class DesktopNotifications;
}

class DesktopBridge : public QObject
{
    Q_OBJECT
public:
    // What a notification's click asks for.
    enum class Job
    {
        Download,   // key: the job's working folder
        Conversion, // key: the converted file, or the source of a failed conversion
    };
    Q_ENUM(Job)

    DesktopBridge(QWidget *window, SniffMgr *downloads, ConvertManager *conversions,
                  QObject *parent = nullptr);

Q_SIGNALS:
    // The user clicked the notification of this job: the window shows its row.
    void rowRequested(DesktopBridge::Job job, const QString &key, bool failed);

private:
    void onDownloadEnded(SniffTask *task);
    void onConversionEnded(ConvertTask *task, bool failed);
    void onActivated(const QString &token);
    // True when a notification is wanted now: turned on, and no window of ours in front.
    bool wanted() const;
    void notify(const QString &title, const QString &body, const QString &token);

    QPointer<QWidget> window;
    SniffMgr *downloads;
    ConvertManager *conversions;
    platform::DesktopNotifications *notifications;
    QTimer *awakeCheck;
};
