#pragma once

// The set-up every suite shares: a throw-away home in test mode, the preferences seeded, the
// scripted download tool (fake-dl) as the download tool and a download folder of the suite's
// own; the loopback server over a folder of pages and media; and finished downloads as the lists
// hold them.

#include "core/engine/jobrecord.h"
#include "core/engine/sniffmgr.h"
#include "core/engine/snifftask.h"
#include "core/foundation/applog.h"
#include "core/foundation/paths.h"
#include "core/foundation/preferences.h"
#include "core/platform/platform.h"
#include "helpers/httpserver.h"
#include "helpers/testutil.h"

#include <memory>

namespace fixture {

// A folder of the suite's own for its downloads, removed when the suite ends.
inline QString downloadFolder()
{
    static QTemporaryDir folder;
    return folder.path();
}

// Test mode alone, for the suites that check the first start themselves or read no preferences.
inline void testMode()
{
    testutil::enterTestMode();
}

// First thing in initTestCase, before anything opens the settings store.
inline void prepare(const QString &downloads = downloadFolder())
{
    testMode();
    seedPreferences();
    Preferences *prefs = Preferences::instance();
    prefs->setToolLocation(testutil::helperPath("fake-dl"));
    prefs->setDownloadDir(downloads);
}

// The application's log as it stands, for checks of what was logged and for failure messages.
inline QString logText()
{
    flushLog();
    return QString::fromUtf8(testutil::readFile(logDir() + "/AppLog.log"));
}

// The loopback server over a folder of the suite's own: `file()` writes into it, `server` serves
// it (started by start()).
struct Site
{
    QTemporaryDir www;
    std::unique_ptr<TestHttpServer> server = std::make_unique<TestHttpServer>(www.path());

    bool start() { return server->start(); }
    QString path(const QString &name) const { return www.filePath(name); }
    QString file(const QString &name, const QByteArray &content)
    {
        return testutil::writeFile(path(name), content);
    }
    // A page titled `title` with a player for each clip.
    QString page(const QString &name, const QString &title, const QStringList &clips)
    {
        QString body = "<html><head><title>" + title + "</title></head><body>";
        for (const QString &clip : clips)
            body += "<video controls><source src=\"" + clip + "\" type=\"video/mp4\"></video>";
        return file(name, (body + "</body></html>").toUtf8());
    }
};

// A finished download as the done list holds it; tests set the facts they need on it.
inline JobRecord finished(const QString &url, const QString &title, const QString &file = {})
{
    JobRecord r;
    r.url = url;
    r.state = qint32(SniffTask::State::Finished);
    r.workDir = QStringLiteral("/nonexistent/.temp/") + url.toUtf8().toHex().right(24);
    r.media.present = true;
    r.media.title = title;
    r.media.filePath = file;
    r.result.present = true;
    r.result.hasReturnCode = true;
    r.result.fileType = QStringLiteral("MP4");
    r.result.filePath = file;
    return r;
}

// Deletes every finished job of the engine (their files stay).
inline void clearFinished(SniffMgr *mgr)
{
    for (SniffTask *task : mgr->doneList() + mgr->privateList())
        mgr->deleteFinished(task, false);
}

// Every process below `root`, at any depth; and those of `pids` still running (a zombie nobody
// collected counts as ended).
inline QList<qint64> descendants(qint64 root)
{
    QList<platform::ProcessEntry> all;
    platform::processSnapshot(&all);
    QList<qint64> found;
    for (QList<qint64> queue{root}; !queue.isEmpty();) {
        const qint64 parent = queue.takeFirst();
        for (const auto &e : all) {
            if (e.parentPid == parent && !found.contains(e.pid)) {
                found << e.pid;
                queue << e.pid;
            }
        }
    }
    return found;
}
inline QList<qint64> alive(const QList<qint64> &pids)
{
    QList<qint64> left;
    std::copy_if(pids.begin(), pids.end(), std::back_inserter(left), platform::processExists);
    return left;
}

} // namespace fixture

// Puts a job into the state a case starts from, without the engine (the rows' own tests).
class JobEditor
{
public:
    static void setState(SniffTask *task, SniffTask::State state) { task->restoreState(state); }
    static protocol::MediaInfo &media(SniffTask *task)
    {
        task->mediaRef().present = true;
        return task->mediaRef();
    }
    static void setProgress(SniffTask *task, double fraction, qint64 total = 0,
                            const QString &speed = {}, qint64 eta = 0)
    {
        protocol::Progress p;
        p.present = true;
        p.fraction = fraction;
        p.totalBytes = total;
        p.speed = speed;
        p.etaSeconds = eta;
        task->setProgress(p);
    }
    static void setNeedDelete(SniffTask *task, bool on) { task->setNeedDelete(on); }
};
