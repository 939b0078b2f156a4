#include "core/engine/snifftask.h"

#include "core/analytics/analytics.h"
#include "core/foundation/globals.h"
#include "core/foundation/preferences.h"
#include "core/foundation/privatelistmanager.h"

#include <QFileInfo>

#include <cstring>

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
    return QStringLiteral("private job ") + QFileInfo(rec->workDir.toString()).fileName();
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
    if (!rec->options->sendsUsageEvents())
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
                    isPrivateJob() ? QString() : url());
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
    const QString url = r.url;
    if (r.options->firstEntryOnly || r.options->metadata.has_value() ||
        url.contains(QLatin1String("vantoro-item=")) ||
        url.contains(QLatin1String("vantoro-index=")))
        return 0;
    return r.media.playlistCount > 1 ? r.media.playlistCount : 0;
}

namespace {

inline ushort asciiLower(ushort c)
{
    return c >= 'A' && c <= 'Z' ? ushort(c + 32) : c;
}

} // namespace

TitleMatcher::TitleMatcher(const QStringList &keywords)
    : words(keywords)
{
    lowered.reserve(words.size());
    for (const QString &word : words) {
        QByteArray bytes(0, Qt::Uninitialized); // empty, not null: an empty keyword is ASCII
        lowered << (lowerAscii(word, &bytes) ? bytes : QByteArray());
    }
}

bool TitleMatcher::matches(const QString &title) const
{
    const QChar *t = title.constData();
    const int h = title.size();
    // Outside ASCII, case folding is more than A-Z (and may even turn a letter into an ASCII
    // one): from the first such letter of the title on, Qt's search answers.
    bool ascii = true;
    for (int k = 0; k < words.size(); ++k) {
        const QByteArray &w = lowered.at(k);
        bool found = false;
        if (ascii && !w.isNull()) {
            const int n = w.size();
            found = n == 0;
            const ushort first = n > 0 ? ushort(uchar(w.at(0))) : 0;
            for (int i = 0; i < h && !found; ++i) {
                const ushort c = t[i].unicode();
                if (c >= 0x80) {
                    ascii = false;
                    break;
                }
                if (i > h - n || asciiLower(c) != first)
                    continue;
                int j = 1;
                while (j < n && asciiLower(t[i + j].unicode()) == ushort(uchar(w.at(j))))
                    ++j;
                found = j == n;
            }
        }
        if (!ascii || w.isNull())
            found = title.contains(words.at(k), Qt::CaseInsensitive);
        if (!found)
            return false;
    }
    return true;
}

bool TitleMatcher::matchesLowered(const char *text, int size) const
{
    const char *const end = text + size;
    for (int k = 0; k < words.size(); ++k) {
        const QByteArray &w = lowered.at(k);
        if (w.isNull()) {
            // Case folding may turn a letter outside ASCII into an ASCII one: Qt's search, in
            // the lowered bytes (an ASCII letter folds as its lower case does).
            if (!QLatin1String(text, size).contains(words.at(k), Qt::CaseInsensitive))
                return false;
            continue;
        }
        const int n = w.size();
        if (n == 0)
            continue;
        const char first = w.at(0);
        bool found = false;
        for (const char *p = text; end - p >= n;) {
            p = static_cast<const char *>(std::memchr(p, first, size_t(end - p - n + 1)));
            if (!p)
                break;
            if (std::memcmp(p + 1, w.constData() + 1, size_t(n - 1)) == 0) {
                found = true;
                break;
            }
            ++p;
        }
        if (!found)
            return false;
    }
    return true;
}

bool TitleMatcher::lowerAscii(const QString &title, QByteArray *into)
{
    const int start = into->size();
    const int size = title.size();
    into->resize(start + size);
    char *out = into->data() + start;
    const QChar *in = title.constData();
    for (int i = 0; i < size; ++i) {
        const ushort c = in[i].unicode();
        if (c >= 0x80) {
            into->resize(start);
            return false;
        }
        out[i] = char(asciiLower(c));
    }
    return true;
}

bool SniffTask::matches(const QStringList &keywords) const
{
    return titleMatches(rec->media.title, keywords);
}

bool SniffTask::titleMatches(const QString &title, const QStringList &keywords)
{
    return keywords.isEmpty() || TitleMatcher(keywords).matches(title);
}
