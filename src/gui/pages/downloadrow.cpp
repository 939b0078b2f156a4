#include "gui/pages/downloadrow.h"

#include "core/engine/snifftask.h"
#include "core/foundation/addressrules.h"
#include "core/foundation/applog.h"
#include "core/protocol/displaytext.h"
#include "gui/pages/rowpainter.h"
#include "gui/pages/taskmodels.h"

#include <QDebug>
#include <QElapsedTimer>
#include <QStringList>

using taskmodels::kBarMaximum;

std::function<qint64()> DownloadRow::clock = [] {
    static QElapsedTimer steady;
    if (!steady.isValid())
        steady.start();
    return steady.elapsed();
};

DownloadRow::DownloadRow(SniffTask *task)
    : task_(task)
    , title_(tr("Waiting for parsing..."))
    , status_(tr("Waiting for downloading..."))
{
    const protocol::MediaInfo &media = task_->media();
    if (!media.privateFile && !task_->thumbnailPath().isEmpty() &&
        !rowpaint::thumbnail(task_->thumbnailPath(), 1.0).isNull())
        thumbnailShown = true;
    if (!thumbnailShown && !media.thumbnail.isEmpty()) {
        remoteThumbRequested = true;
        ThumbnailFetcher::instance()->fetch(media.thumbnail);
    }
}

QString DownloadRow::failureText()
{
    return tr("<font color=%1>Download failed, <a style='color: %2;' href=\"none\">please view "
              "and try to download in build-in browser</a>.</font>")
        .arg(QStringLiteral("#000000"), QStringLiteral("#F59A23"));
}

QString DownloadRow::stalledText()
{
    return tr("Stalled, retrying...");
}

QString DownloadRow::failureLine() const
{
    const protocol::Result &result = task_->result();
    // A job that failed without the tool's verdict (an older list) says it the old way.
    const protocol::FailureKind kind =
        result.present && !result.succeeded() ? result.failure : protocol::FailureKind::Other;
    const QString why =
        QStringLiteral("<font color=%1>%2</font>")
            .arg(QStringLiteral("#000000"), protocol::failureText(kind).toHtmlEscaped());
    if (kind == protocol::FailureKind::Unsupported)
        return why + QStringLiteral(". ") + failureText();
    return why;
}

QString DownloadRow::liveText()
{
    return tr("Live");
}

QString DownloadRow::elapsedTimeText(qint64 seconds)
{
    const auto two = [](qint64 n) {
        return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
    };
    QStringList parts;
    if (seconds >= 3600)
        parts << two(seconds / 3600);
    parts << two(seconds % 3600 / 60) << two(seconds % 60);
    return parts.join(QLatin1Char(':'));
}

QString DownloadRow::reason() const
{
    return task_->result().error.left(300);
}

QString DownloadRow::thumbnailPath() const
{
    return thumbnailShown ? task_->thumbnailPath() : QString();
}

bool DownloadRow::barPartlyFilled() const
{
    return barValue_ > 0 && barValue_ < kBarMaximum;
}

void DownloadRow::setBarValue(int value)
{
    // As a progress bar does: values outside its range are ignored, a filled part ends the busy
    // stripe.
    if (value < 0 || value > kBarMaximum)
        return;
    if (value > 0)
        barBusy = false;
    barValue_ = value;
}

void DownloadRow::showFailure(bool on)
{
    failure = on;
}

bool DownloadRow::showLastProgress()
{
    if (task_->isLive())
        return false;
    const double value = task_->progress().fraction;
    const QString done = protocol::progressText(task_->progress(), false);
    if (value <= 0 || done.isEmpty())
        return false;
    barShown = true;
    barBusy = false;
    setBarValue(int(kBarMaximum * value));
    status_ = done;
    return true;
}

void DownloadRow::showStarted()
{
    runStartedMs = clock();
    // A resumed download shows where it stopped until its tool reports again.
    if (!showLastProgress()) {
        barShown = true;
        startBusy();
        status_ = tr("Analyzing...");
    }
    showFailure(false);
    if (task_->isLive()) {
        liveBadge = false;
        setButton(QStringLiteral("pause"), tr("Pause"));
    }
    qDebug() << "refresh_sniffStarted" << task_->logName();
    refreshButton();
}

void DownloadRow::showSniffed()
{
    const protocol::MediaInfo &media = task_->media();
    if (!media.title.isEmpty())
        title_ = media.title;
    const QPixmap picture =
        media.localThumbnail.isEmpty() ? QPixmap() : QPixmap(media.localThumbnail);
    if (!picture.isNull()) {
        rowpaint::saveThumbnail(task_, picture);
        if (!media.hiddenThumb)
            thumbnailShown = true;
        writeLog(QStringLiteral("[DownloadTaskWidget]"), QStringLiteral("use local thumbnail."));
    } else if (!remoteThumbRequested && !media.thumbnail.isEmpty()) {
        remoteThumbRequested = true;
        ThumbnailFetcher::instance()->fetch(media.thumbnail);
    }
    qDebug() << "taskSniffed thumb" << task_->logName();
}

void DownloadRow::showDownloading()
{
    const double value = task_->progress().fraction;
    if (task_->isLive()) {
        if (!liveBadge) {
            liveBadge = true;
            status_ = tr("Downloading") + QStringLiteral("...");
            barShown = false;
            refreshButton();
        }
        // The tool's live lines carry no time ("progress" stays 0): the row counts from the
        // run's start.
        if (runStartedMs < 0)
            runStartedMs = clock();
        elapsed_ = elapsedTimeText((clock() - runStartedMs) / 1000);
        return;
    }
    barBusy = false;
    barShown = true;
    setBarValue(int(kBarMaximum * value));
    if (task_->stalls() > 0) {
        const QString done = protocol::progressText(task_->progress(), false);
        status_ = done.isEmpty() ? stalledText() : done + QStringLiteral("  ") + stalledText();
        return;
    }
    const QString text = protocol::progressText(task_->progress());
    if (value < 0.001 && text.size() < 3)
        return;
    status_ = text;
}

void DownloadRow::showConverting()
{
    barBusy = false;
    barShown = true;
    setBarValue(int(kBarMaximum * task_->conversion().fraction));
    status_ = protocol::convertingText(task_->conversion().fraction);
    refreshButton();
}

void DownloadRow::refreshState()
{
    const QString &name = task_->title();
    title_ = name.isEmpty() ? displayAddress(task_->url()) : name;
    const SniffTask::State state = task_->state();
    if (liveBadge) {
        if (state == SniffTask::State::Failed) {
            showFailure(true);
        } else {
            showFailure(false);
            status_ = tr("Downloading") + QStringLiteral("...");
        }
    } else {
        switch (state) {
        case SniffTask::State::Waiting:
            showFailure(false);
            status_ = tr("Waiting");
            break;
        case SniffTask::State::Downloading:
            showFailure(false);
            if (!showLastProgress()) {
                barShown = true;
                startBusy();
                status_ = tr("Analyzing...");
            }
            break;
        case SniffTask::State::Paused: {
            showFailure(false);
            const QString done = protocol::progressText(task_->progress(), false);
            status_ = done.isEmpty() ? tr("Paused") : done + QStringLiteral("  ") + tr("Paused");
            break;
        }
        case SniffTask::State::Converting:
            showFailure(false);
            status_ = protocol::convertingText(task_->conversion().fraction);
            break;
        case SniffTask::State::Saving:
            showFailure(false);
            status_ = tr("Saving...");
            break;
        case SniffTask::State::Saved:
        case SniffTask::State::Finished:
            showFailure(false);
            status_ = tr("Download finished");
            break;
        case SniffTask::State::Failed:
            showFailure(true);
            break;
        }
    }
    if (!barBusy)
        barShown = barPartlyFilled();
    refreshButton();
}

void DownloadRow::setButton(const QString &name, const QString &toolTip)
{
    buttonImage_ = name;
    buttonToolTip_ = toolTip;
}

void DownloadRow::refreshButton()
{
    const bool live = task_->isLive();
    buttonShown = true;
    buttonEnabled = true;
    switch (task_->state()) {
    case SniffTask::State::Waiting:
    case SniffTask::State::Downloading:
        if (live)
            setButton(QStringLiteral("suspend"), tr("Stop"));
        else
            setButton(QStringLiteral("pause"), tr("Pause"));
        break;
    case SniffTask::State::Paused:
        if (live && task_->needDelete()) {
            setButton(QStringLiteral("suspend"), tr("Stop"));
            buttonEnabled = false;
        } else {
            setButton(QStringLiteral("resume"), tr("Start"));
            barBusy = false;
        }
        break;
    case SniffTask::State::Converting:
        buttonEnabled = false;
        break;
    case SniffTask::State::Saving:
        if (live)
            setButton(QStringLiteral("suspend"), tr("Stop"));
        buttonEnabled = false;
        break;
    case SniffTask::State::Failed:
        setButton(QStringLiteral("retry"), tr("Retry"));
        barBusy = false;
        break;
    case SniffTask::State::Saved:
    case SniffTask::State::Finished:
        buttonShown = false;
        break;
    }
}

void DownloadRow::showFinished()
{
    const SniffTask::State state = task_->state();
    if (state == SniffTask::State::Saved || state == SniffTask::State::Finished) {
        status_ = tr("Download finished");
        barBusy = false;
        setBarValue(kBarMaximum);
        showFailure(false);
    } else {
        showFailure(true);
        liveBadge = false;
        setBarValue(0);
        barBusy = false;
        barShown = barPartlyFilled();
    }
    refreshButton();
}

bool DownloadRow::onImageDownloaded(const QPixmap &pixmap, const QString &url)
{
    if (url != task_->media().thumbnail || pixmap.isNull())
        return false;
    remoteThumbLoaded = true;
    thumbnailShown = !task_->media().hiddenThumb;
    // The engine keeps it with the job and saves the lists.
    rowpaint::saveThumbnail(task_, pixmap);
    return true;
}

void DownloadRow::reloadThumbnail()
{
    const QString &url = task_->media().thumbnail;
    if (!url.isEmpty() && remoteThumbRequested && !remoteThumbLoaded)
        ThumbnailFetcher::instance()->fetch(url);
}
