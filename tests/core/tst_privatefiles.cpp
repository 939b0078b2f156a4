// Files of the private list are hidden by their dot-name: the engine renames the file and
// updates the record in one step, and repairs a record written before such a rename. A private
// job's file is the user's only and its thumbnail lives in the private folder; both follow the job
// out of the list, and deleting a private job deletes its pictures.
#include "core/engine/privatefiles.h"
#include "core/engine/tasklistfile.h"
#include "helpers/fixture.h"

class TestPrivateFiles : public QObject
{
    Q_OBJECT

    QString downloaded(const QString &name) const
    {
        return QDir(fixture::downloadFolder()).filePath(name);
    }

    static void touch(const QString &path) { testutil::writeFile(path, path.toUtf8()); }

    // A finished job whose file is `path`, as the only record of the done list.
    void writeDoneList(const QString &path)
    {
        QVERIFY(tasklist::save(doneListPath(), tasklist::Records{fixture::finished(
                                                   "http://127.0.0.1:9/clip", "Clip", path)}));
        QFile::remove(privateListPath());
    }

    static QString recordedPath(const QString &listPath)
    {
        const tasklist::Records records = tasklist::load(listPath);
        return records.isEmpty() ? QString() : records.first().media.filePath.toString();
    }

private Q_SLOTS:
    void initTestCase()
    {
        fixture::prepare();
        QDir().mkpath(QFileInfo(doneListPath()).path());
    }

    void init()
    {
        QDir folder(fixture::downloadFolder());
        for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden))
            folder.remove(name);
    }

    void twinsAreTheDotNameAndBack()
    {
        COMPARE_MAPPED(privatefiles::twinPath, "/d/a.mp4 -> /d/.a.mp4", "/d/.a.mp4 -> /d/a.mp4",
                       "/d/.b.c d.mkv -> /d/b.c d.mkv", "/d/. -> ", " -> ");
        COMPARE_MAPPED(privatefiles::isHiddenName, "/d/.a.mp4 -> true", "/d.x/a.mp4 -> false");
    }

    void renamingFindsAFreeNameAndNeverLosesTheFile()
    {
        const QString a = downloaded("a.mp4");
        touch(a);
        QCOMPARE(privatefiles::rename(a, false), a); // already visible
        // The hidden name is taken by another file: a free one is used.
        touch(downloaded(".a.mp4"));
        QCOMPARE(privatefiles::rename(a, true), downloaded(".a(1).mp4"));
        QVERIFY(!QFileInfo::exists(a));
        QVERIFY(privatefiles::rename(downloaded("missing.mp4"), true).isEmpty());
        const QString alone = downloaded("alone.mp4");
        QCOMPARE(privatefiles::repairedPath(alone), alone); // no twin: left as it is
        QCOMPARE(privatefiles::repairedPath(downloaded("a(1).mp4")), downloaded(".a(1).mp4"));
    }

    void movingIntoAndOutOfThePrivateListHidesAndShowsTheFile()
    {
        const QString visible = downloaded("clip.mp4");
        const QString hidden = downloaded(".clip.mp4");
        touch(visible);
        const QFile::Permissions usual = QFileInfo(visible).permissions();
        const QFile::Permissions ownerOnly =
            QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser;
        writeDoneList(visible);
        {
            SniffMgr mgr;
            mgr.loadAll();
            SniffTask *task = mgr.doneList().value(0);
            QVERIFY(task);
            mgr.setThumbnail(task, "png");
            const QString publicPicture = task->thumbnailPath();
            QCOMPARE(publicPicture, cachedThumbnailPath(visible));
            QVERIFY(mgr.setFileHidden(task, "hidden"));
            mgr.moveToPrivate(task);
            QCOMPARE(task->filePath(), hidden);
            QVERIFY(QFileInfo::exists(hidden) && !QFileInfo::exists(visible));
            QCOMPARE(QFileInfo(hidden).permissions(), ownerOnly);
            QCOMPARE(QFileInfo(task->thumbnailPath()).absolutePath(), privateDir());
            QCOMPARE(QFileInfo(task->thumbnailPath()).permissions(), ownerOnly);
            QVERIFY(!QFileInfo::exists(publicPicture));
            QVERIFY(!mgr.isInHistory(task->url()));
            QVERIFY(mgr.setFileHidden(task, "hidden")); // already hidden: nothing to do
            QCOMPARE(task->filePath(), hidden);
            mgr.saveNow();
        }
        QCOMPARE(recordedPath(privateListPath()), hidden);
        {
            SniffMgr mgr;
            mgr.loadAll();
            SniffTask *task = mgr.privateList().value(0);
            QVERIFY(task);
            QCOMPARE(task->filePath(), hidden);
            // The visible name was taken meanwhile: the file comes back under a free one.
            touch(visible);
            QVERIFY(mgr.setFileHidden(task, "normal"));
            mgr.moveFromPrivate(task);
            QCOMPARE(task->filePath(), downloaded("clip(1).mp4"));
            QVERIFY(!QFileInfo::exists(hidden));
            QCOMPARE(QFileInfo(task->filePath()).permissions(), usual);
            QCOMPARE(task->thumbnailPath(), cachedThumbnailPath(task->filePath()));
            QVERIFY(mgr.isInHistory(task->url()));
            // A file that is gone cannot be hidden: the record stays as it is.
            QVERIFY(QFile::remove(downloaded("clip(1).mp4")));
            const QString before = task->filePath();
            QVERIFY(!mgr.setFileHidden(task, "hidden"));
            QCOMPARE(task->filePath(), before);
            QVERIFY(!mgr.setFileHidden(task, "sideways"));

            // Deleted as a private job: its thumbnail and the tool's frame go with it.
            mgr.moveToPrivate(task);
            const QString thumbnail = task->thumbnailPath();
            const QString frame = privateDir() + "/frame.jpg";
            touch(frame);
            JobEditor::media(task).localThumbnail = frame;
            QVERIFY(QFileInfo::exists(thumbnail));
            mgr.deleteFinished(task, false);
            QVERIFY(!QFileInfo::exists(thumbnail) && !QFileInfo::exists(frame));
        }
    }

    void aKillBetweenRenameAndSaveLeavesARecordThatIsRepaired()
    {
        const QString visible = downloaded("kill me.mp4");
        const QString hidden = downloaded(".kill me.mp4");
        touch(visible);
        writeDoneList(visible);
        QProcess helper;
        helper.start(testutil::helperPath("hidekill"), QStringList());
        QVERIFY(helper.waitForFinished(30000));
        QCOMPARE(helper.exitStatus(), QProcess::CrashExit);
        // Renamed, but the lists still name the file as it was.
        QVERIFY(QFileInfo::exists(hidden) && !QFileInfo::exists(visible));
        QCOMPARE(recordedPath(doneListPath()), visible);
        QVERIFY(recordedPath(privateListPath()).isEmpty());
        QVERIFY(privatefiles::renamePending());

        SniffMgr mgr;
        mgr.loadAll();
        SniffTask *task = mgr.doneList().value(0);
        QVERIFY(task);
        QCOMPARE(task->filePath(), hidden);
        mgr.saveNow();
        QCOMPARE(recordedPath(doneListPath()), hidden);
        QVERIFY(!privatefiles::renamePending());
        // The row can still go on to the private list and back.
        QVERIFY(mgr.setFileHidden(task, "normal"));
        QCOMPARE(task->filePath(), visible);
    }
};

QTEST_GUILESS_MAIN(TestPrivateFiles)
#include "tst_privatefiles.moc"
