#pragma once

// What one row of the downloading page shows of its task: title, status, the failure text,
// the "Live" badge and elapsed time, the progress bar or its busy stripe, the action button and
// the thumbnail. It follows the task's signals (through the page) the way the row always has,
// and keeps only what the row shows; the model turns it into roles and the delegate paints it.

#include <QCoreApplication>
#include <QPixmap>
#include <QString>

#include <functional>

class SniffTask;

class DownloadRow
{
public:
    // The texts keep the context they have always been translated in.
    Q_DECLARE_TR_FUNCTIONS(DownloadTaskWidget)

public:
    explicit DownloadRow(SniffTask *task);

    SniffTask *task() const { return task_; }

    // What the page's task slots call.
    void showStarted();
    void showSniffed();
    void showDownloading();
    void showConverting();
    void showFinished();
    // The display of the task's current state (resumed, paused, language change, new row).
    void refreshState();
    // The picture of a thumbnail address arrived; true when it is this row's.
    bool onImageDownloaded(const QPixmap &pixmap, const QString &url);
    // Fetches the remote thumbnail again when it never arrived (a retried task).
    void reloadThumbnail();

    QString title() const { return title_; }
    QString status() const { return status_; }
    bool isFailureShown() const { return failure; }
    // What the download tool said went wrong ("" when it said nothing).
    QString reason() const;
    bool isLiveBadgeShown() const { return liveBadge; }
    QString elapsed() const { return elapsed_; }
    bool isBarShown() const { return barShown; }
    bool isBarBusy() const { return barBusy; }
    int barValue() const { return barValue_; }
    QString buttonImage() const { return buttonImage_; }
    QString buttonToolTip() const { return buttonToolTip_; }
    bool isButtonEnabled() const { return buttonEnabled; }
    bool isButtonShown() const { return buttonShown; }
    // The thumbnail file shown ("" for the default cover).
    QString thumbnailPath() const;

    // Milliseconds on a steady clock, for the live row's elapsed time; tests set their own.
    static std::function<qint64()> clock;

    static QString failureText();
    static QString liveText();
    // Whole seconds as [hh:]mm:ss.
    static QString elapsedTimeText(qint64 seconds);

private:
    void refreshButton();
    void setButton(const QString &name, const QString &toolTip);
    void showFailure(bool on);
    bool barPartlyFilled() const;
    void setBarValue(int value);
    void startBusy() { barBusy = true; }
    // The last known progress, shown while a resumed download starts again.
    bool showLastProgress();

    SniffTask *task_;
    QString title_;
    QString status_;
    bool failure = false;
    bool liveBadge = false;
    QString elapsed_;
    bool barShown = true;
    bool barBusy = false;
    int barValue_ = -1; // a bar that was never set
    QString buttonImage_;
    QString buttonToolTip_;
    bool buttonEnabled = true;
    bool buttonShown = true;
    bool thumbnailShown = false;
    bool remoteThumbRequested = false;
    bool remoteThumbLoaded = false;
    qint64 runStartedMs = -1; // on `clock`, when the run began (a live recording's start)
};
