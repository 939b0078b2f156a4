#include "core/engine/snifftask.h"

#include "core/analytics/analytics.h"
#include "core/foundation/globals.h"
#include "core/foundation/preferences.h"
#include "core/foundation/privatelistmanager.h"

#include <QFileInfo>

namespace {
int nextDownloadNumber()
{
    Preferences *prefs = Preferences::instance();
    const int number = prefs->downloadCounter() + 1;
    prefs->setDownloadCounter(number);
    return number;
}
} // namespace

SniffTask::SniffTask(const QString &url, const DownloadOptions &options, QObject *parent)
    : SniffTask(url, options, nextDownloadNumber(), downloadTempDir(false), parent)
{
}

SniffTask::SniffTask(const QString &url, const DownloadOptions &options, int number,
                     const QString &tempDir, QObject *parent)
    : QObject(parent)
    , rec(new JobRecordData)
{
    rec->url = url;
    rec->options = options;
    rec->workDir = tempDir + QString::number(number) + QLatin1Char('_') + randomId();
}

SniffTask::SniffTask(const JobRecord &record, QObject *parent)
    : QObject(parent)
    , rec(new JobRecordData(record))
{
}

QString SniffTask::shownTitle() const
{
    if (!rec->media.title.isEmpty())
        return rec->media.title;
    return QFileInfo(rec->media.filePath).completeBaseName();
}

QString SniffTask::logName() const
{
    if (!isPrivateJob())
        return rec->url;
    return QStringLiteral("private job ") + QFileInfo(rec->workDir).fileName();
}

QString SniffTask::logText(const QString &text) const
{
    return isPrivateJob() ? QStringLiteral("(withheld)") : text;
}

void SniffTask::markPrivate()
{
    rec->media.hiddenThumb = true;
    rec->media.privateFile = true;
    rec->media.present = true;
}

void SniffTask::reportTransition(State from, State to) const
{
    if (!rec->options.sendsUsageEvents())
        return;
    const QString download = QStringLiteral("Download");
    if (from == State::Downloading && to == State::Converting)
        reportEvent(download, QStringLiteral("ClipSuccessRate"), QStringLiteral("Success"));
    else if (from == State::Converting && to == State::Finished)
        reportEvent(download, QStringLiteral("ConvertSuccessRate"), QStringLiteral("Success"));
    else if (from == State::Converting && to == State::Failed)
        reportEvent(download, QStringLiteral("ConvertSuccessRate"), QStringLiteral("Fail"));
    else if (from == State::Downloading && to == State::Finished)
        reportEvent(download, QStringLiteral("ClipSuccessRate"), QStringLiteral("Success"));
    else if (from == State::Downloading && to == State::Failed) {
        reportEvent(download, QStringLiteral("ClipSuccessRate"), QStringLiteral("Fail"));
        // Reported as its site's name only, and not even that for a private download.
        reportEvent(download, QStringLiteral("ClipDownloadFailURL"),
                    isPrivateJob() ? QString() : rec->url);
    }
}

void SniffTask::setState(State state)
{
    reportTransition(this->state(), state);
    rec->state = qint32(state);
    switch (state) {
    case State::Waiting:
        Q_EMIT taskResumed(this);
        break;
    case State::Downloading:
        Q_EMIT taskDownloading(this);
        break;
    case State::Paused:
        Q_EMIT taskPaused(this);
        break;
    case State::Converting:
        Q_EMIT taskConverting(this);
        break;
    case State::Saved:
    case State::Finished:
    case State::Failed:
        Q_EMIT taskFinished(this);
        break;
    case State::Saving:
        break;
    }
}

void SniffTask::markStarted()
{
    Q_EMIT taskStarted(this);
}

void SniffTask::setSniffed(const protocol::MediaInfo &media)
{
    // The application's own marks stay with the job whatever the tool says.
    protocol::MediaInfo &m = rec->media;
    const bool hiddenThumb = m.hiddenThumb;
    const bool privateFile = m.privateFile;
    m = media;
    m.hiddenThumb = m.hiddenThumb || hiddenThumb;
    m.privateFile = m.privateFile || privateFile;
    // A download from a listed adult site, with private mode on: its thumbnail is not shown and
    // it goes to the private list when it is done.
    if (PrivateListManager::instance()->marksPrivate(rec->url))
        markPrivate();
    Q_EMIT taskSniffed(this);
}

int SniffTask::entriesToAskAbout() const
{
    // A download handed over by the browser carries the page's headers, which a listing would
    // not; the browser offers the page's playlist itself.
    const JobRecord &r = *rec;
    if (r.options.firstEntryOnly || r.options.metadata.has_value() ||
        r.url.contains(QLatin1String("vantoro-item=")) ||
        r.url.contains(QLatin1String("vantoro-index=")))
        return 0;
    return r.media.playlistCount > 1 ? r.media.playlistCount : 0;
}

namespace {

inline ushort asciiLower(ushort c)
{
    return c >= 'A' && c <= 'Z' ? ushort(c + 32) : c;
}

// QString::contains(word, Qt::CaseInsensitive), about five times faster for what titles mostly
// are: plain ASCII. Anything else (where case folding is more than A-Z) goes to Qt's search.
bool containsIgnoringCase(const QString &text, const QString &word)
{
    const int n = word.size();
    const int h = text.size();
    if (n == 0)
        return true;
    if (n > h)
        return false;
    const QChar *w = word.constData();
    for (int j = 0; j < n; ++j) {
        if (w[j].unicode() >= 0x80)
            return text.contains(word, Qt::CaseInsensitive);
    }
    const QChar *t = text.constData();
    const ushort first = asciiLower(w[0].unicode());
    for (int i = 0; i < h; ++i) {
        const ushort c = t[i].unicode();
        if (c >= 0x80)
            return text.contains(word, Qt::CaseInsensitive);
        if (i > h - n || asciiLower(c) != first)
            continue;
        int j = 1;
        while (j < n && asciiLower(t[i + j].unicode()) == asciiLower(w[j].unicode()))
            ++j;
        if (j == n)
            return true;
    }
    return false;
}

} // namespace

bool SniffTask::matches(const QStringList &keywords) const
{
    return titleMatches(rec->media.title, keywords);
}

bool SniffTask::titleMatches(const QString &title, const QStringList &keywords)
{
    for (const QString &k : keywords) {
        if (!containsIgnoringCase(title, k))
            return false;
    }
    return true;
}
