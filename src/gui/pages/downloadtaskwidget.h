#pragma once

// One row of the downloading page: thumbnail, title, status, progress and the
// pause/resume/retry button of one task, following the task's signals.

#include "gui/pages/taskrowwidget.h"

#include <QDialog>

class ImageButton;
class ProgressBar;
class QLabel;
class RFImageView;

class DownloadTaskWidget : public TaskRowWidget
{
    Q_OBJECT
public:
    DownloadTaskWidget(SniffTask *task, QListWidget *list, QListWidgetItem *item,
                       QWidget *parent = nullptr);

    // What the page's task slots call.
    void showStarted();
    void showSniffed();
    void showDownloading();
    void showConverting();
    // The display of the task's current state (resumed, paused, language change, new row).
    void refreshState();

    // What the row shows, for tests and screenshots.
    QString titleText() const;
    QString statusText() const;
    QString buttonImage() const { return buttonImageName; }
    QString buttonToolTip() const;
    bool isButtonEnabled() const;
    bool isButtonVisible() const;
    bool isLiveBadgeVisible() const;
    QString elapsedText() const;
    bool isFailureShown() const;
    ProgressBar *progressBar() const { return bar; }
    RFImageView *thumbnailView() const { return thumb; }

    static QString failureText();
    // Whole seconds as [hh:]mm:ss.
    static QString elapsedTimeText(qint64 seconds);

Q_SIGNALS:
    void downloadFailed(const QString &url);

public Q_SLOTS:
    void onTaskPaused(SniffTask *task);
    void onTaskResumed(SniffTask *task);
    void onTaskFinished(SniffTask *task);
    void onClickPauseResume();
    void onImageDownloaded(const QPixmap &pixmap, const QString &url);

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refreshButton();
    void setButtonImage(const QString &name, const QString &toolTip);
    void setStatus(const QString &text);
    void showFailure(bool on);
    void filterAdultWebsite();
    void showFailureDialog();
    bool barPartlyFilled() const;

    RFImageView *thumb;
    QLabel *title;
    QLabel *status;
    QLabel *failureLink;
    QLabel *question;
    QLabel *liveBadge;
    QLabel *elapsed;
    ProgressBar *bar;
    ImageButton *button;
    QString buttonImageName;
    bool thumbnailShown = false;
    bool remoteThumbRequested = false;
};

// Why a download may have failed, and the way into the built-in browser.
class DownloadFailedDlg : public QDialog
{
    Q_OBJECT
public:
    explicit DownloadFailedDlg(QWidget *parent = nullptr);
Q_SIGNALS:
    void browserChosen();
};
