#pragma once

// The set-up the engine, page and converter tests share: a throw-away home in test mode, the
// preferences seeded, the scripted download tool (fake-dl) as the download tool and a download
// folder of the test's own; and finished downloads as the lists hold them.

#include "core/engine/jobrecord.h"
#include "core/engine/sniffmgr.h"
#include "core/engine/snifftask.h"
#include "core/foundation/preferences.h"
#include "helpers/testutil.h"

namespace fixture {

// First thing in initTestCase, before anything opens the settings store.
inline void prepare(const QString &downloadFolder = QString())
{
    testutil::enterTestMode();
    seedPreferences();
    Preferences *prefs = Preferences::instance();
    prefs->setToolLocation(testutil::helperPath("fake-dl"));
    if (!downloadFolder.isEmpty())
        prefs->setDownloadDir(downloadFolder);
}

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
