// The converter behind its pages: inspecting files with the real ffprobe and ffmpeg, the limit
// and order of conversions (against the scripted tool), stopping, failures and the records.
#include "core/converter/convertdatamanager.h"
#include "core/converter/convertlistfile.h"
#include "core/converter/convertmanager.h"
#include "core/converter/converttask.h"
#include "core/converter/framegrabber.h"
#include "core/converter/loadfileoperator.h"
#include "core/foundation/globals.h"
#include "core/provision/dltoolmanager.h"
#include "helpers/fixture.h"

#include <QLockFile>

#include <unistd.h>

class TestConvertManager : public QObject
{
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> work;
    ConvertManager *manager = nullptr;
    ConvertDataManager *data = nullptr;

    QString file(const QString &name, const QByteArray &content = "x")
    {
        return testutil::writeFile(work->filePath(name), content);
    }
    ConvertTask *task(const QString &sourcePath, const QString &format = "MP4")
    {
        ConvMediaInfo info;
        info.sourcePath = sourcePath;
        info.mediaType = ConvMediaInfo::Video;
        ConvertTask *t = data->addTaskFor(info);
        ConvertInfo params;
        params.formatName = format;
        params.resolution = "720P";
        t->setParams(params);
        return t;
    }
    QList<ConvertTask *> running() const
    {
        QList<ConvertTask *> list;
        for (ConvertTask *t : data->convertingTaskList())
            if (t->state() == ConvertTask::Converting)
                list << t;
        return list;
    }
    QString convertFolder() const { return work->filePath("Converted"); }

private Q_SLOTS:
    void initTestCase()
    {
        fixture::prepare();
        Preferences *prefs = Preferences::instance();
        prefs->setMaxConversions(0); // below 1: the seeded default (2) is used
        QVERIFY(DlToolManager::instance()->isAvailable());
        manager = ConvertManager::instance();
        data = ConvertDataManager::instance();
        data->loadAll();
        QCOMPARE(manager->maxTaskCount(), 2);
    }
    void init()
    {
        work = std::make_unique<QTemporaryDir>();
        Preferences::instance()->setConvertDir(convertFolder());
        QDir().mkpath(convertFolder());
    }
    void cleanup()
    {
        // Tasks go the way the page deletes them: their runs end with them.
        const QList<ConvertTask *> tasks = data->convertingTaskList();
        manager->stopAll();
        data->removeTasks(tasks);
        qDeleteAll(tasks);
        data->removeConvertedItems(data->convertedItemList(), false);
    }

    void inspectsGoodAndBadFiles()
    {
        const QString clip = work->filePath("clip one.mp4");
        const QString song = work->filePath("song.mp3");
        QVERIFY(testutil::makeClip(clip, 2));
        QVERIFY(testutil::runFfmpeg({"-f", "lavfi", "-i", "sine=frequency=300", "-t", "1", song}));
        const QString text = file("notes.mp4", "this is not a video\n");
        const QString locked = file("locked.mp4", "secret");
        QFile::setPermissions(locked, QFileDevice::Permissions());
        const QString empty = file("empty.mp4", "");
        const QString gone = work->filePath("vanished.mp4");

        QSignalSpy progress(manager, &ConvertManager::convertManagerLoadProgress);
        QSignalSpy start(manager, &ConvertManager::convertManagerLoadStart);
        QSignalSpy finished(manager, &ConvertManager::convertManagerLoadFinish);
        manager->loadFiles({clip, text, song, locked, empty, gone});
        QCOMPARE(start.count(), 1);
        QCOMPARE(progress.count(), 1); // the first file's progress comes before the start
        manager->loadFiles({song});    // refused while loading
        QVERIFY(finished.wait(60000));
        QCOMPARE(progress.count(), 6);
        QCOMPARE(progress.last().at(0).toInt(), 6);
        QCOMPARE(progress.last().at(2).toString(), QStringLiteral("vanished.mp4"));

        const auto loaded = finished.first().at(0).value<QList<ConvMediaInfo>>();
        const QStringList failed = finished.first().at(1).toStringList();
        const QStringList reasons = finished.first().at(2).toStringList();
        auto reasonOf = [&](const QString &path) {
            return reasons.value(failed.indexOf(path));
        };
        QCOMPARE(reasonOf(text), QStringLiteral("not a media file"));
        QCOMPARE(reasonOf(gone), QStringLiteral("cannot read"));
        QCOMPARE(reasonOf(empty), QStringLiteral("empty"));
        if (::geteuid() != 0) // permissions do not stop root
            QCOMPARE(reasonOf(locked), QStringLiteral("cannot read"));
        QCOMPARE(loaded.size() + failed.size(), 6);
        QCOMPARE(loaded.at(0).sourcePath, clip);
        QCOMPARE(loaded.at(0).mediaType, int(ConvMediaInfo::Video));
        QCOMPARE(loaded.at(0).width, 640);
        QVERIFY(qAbs(loaded.at(0).duration - 2.0) < 0.2);
        QCOMPARE(loaded.at(0).fileSize, QFileInfo(clip).size());
        QVERIFY(QFileInfo(loaded.at(0).thumbnailPath).size() > 0);
        // A 200x120 PNG (its header's width and height).
        QCOMPARE(testutil::readFile(loaded.at(0).thumbnailPath).mid(16, 8).toHex(),
                 QByteArray("000000c800000078"));
        // ffprobe's report stays with the source for the conversion tool.
        QVERIFY(loaded.at(0).probe.contains("\"streams\""));
        QCOMPARE(loaded.at(1).sourcePath, song);
        QCOMPARE(loaded.at(1).mediaType, int(ConvMediaInfo::Audio));
        QVERIFY(!manager->isLoading());

        // A downloaded file's picture is made on request, once, into the same cache.
        QFile::remove(loaded.at(0).thumbnailPath);
        FrameGrabber grabber;
        QSignalSpy ready(&grabber, &FrameGrabber::ready);
        QVERIFY(grabber.thumbnailFor(clip, true).isEmpty());
        QVERIFY(grabber.thumbnailFor(clip, true).isEmpty()); // asked once
        QVERIFY(grabber.thumbnailFor(text, true).isEmpty());
        QVERIFY(ready.wait(30000));
        QCOMPARE(ready.first().at(0).toString(), clip);
        QCOMPARE(grabber.thumbnailFor(clip, true), loaded.at(0).thumbnailPath);
        QVERIFY(QFileInfo(loaded.at(0).thumbnailPath).size() > 0);
        QTRY_VERIFY(!QFileInfo::exists(cachedThumbnailPath(text)));
    }

    void programThatCannotStartEndsTheInspection()
    {
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(work->path()));
        QSignalSpy finished(manager, &ConvertManager::convertManagerLoadFinish);
        manager->loadFiles({file("a.mp4"), file("b.mp4")});
        const bool ended = finished.wait(10000);
        qputenv("PATH", path);
        QVERIFY(ended);
        QCOMPARE(finished.first().at(1).toStringList().size(), 2);
    }

    void stopLoadingEndsAfterTheCurrentFile()
    {
        QStringList files;
        for (int i = 0; i < 6; ++i)
            files << file(QStringLiteral("f%1.mp4").arg(i));
        QSignalSpy progress(manager, &ConvertManager::convertManagerLoadProgress);
        QSignalSpy finished(manager, &ConvertManager::convertManagerLoadFinish);
        manager->loadFiles(files);
        QVERIFY(progress.wait(10000)); // the second file is being inspected
        manager->stopLoading();
        QVERIFY(finished.wait(10000));
        QCOMPARE(progress.count(), 2);
        // The two files being inspected did not fail: the user stopped them.
        QCOMPARE(finished.first().at(1).toStringList(), QStringList());
    }

    // Work folders of conversions that ended without cleaning up (killed, failed, quit) go at
    // start and after each job; the folder of a run still going (its lock held) stays.
    void deadWorkFoldersAreRemoved()
    {
        const QString temp = convertTempDir(true);
        auto workFolder = [&](const QString &name) {
            QDir().mkpath(temp + name);
            testutil::writeFile(temp + name + "/param.json", "{}");
            testutil::writeFile(temp + name + "/.clip.converting.mp4", "");
            return temp + name;
        };
        const QString dead = workFolder("7_deadbeef"), alive = workFolder("8_alive123");
        const QString other = workFolder("notawork");
        QLockFile running(alive + "/.lock");
        running.setStaleLockTime(0);
        QVERIFY(running.tryLock(0));
        QCOMPARE(ConvertTask::removeDeadWorkFolders(temp), 1);
        QVERIFY(!QFileInfo::exists(dead));
        QVERIFY(QFileInfo::exists(alive));
        QVERIFY(QFileInfo::exists(other));
        running.unlock();
        QCOMPARE(ConvertTask::removeDeadWorkFolders(temp), 1);
        QDir(other).removeRecursively();
    }

    void limitAndQueueOrder()
    {
        QList<ConvertTask *> tasks;
        for (int i = 0; i < 5; ++i)
            tasks << task(file(QStringLiteral("t%1-wait.mp4").arg(i)));
        QSignalSpy done(manager, &ConvertManager::converterManagerTaskDidFinished);
        manager->startAll(tasks);
        QCOMPARE(running(), (QList<ConvertTask *>{tasks[0], tasks[1]}));
        for (int i = 2; i < 5; ++i)
            QCOMPARE(tasks[i]->state(), int(ConvertTask::Waiting));

        // A task stopped while waiting keeps its place but is never started.
        manager->stopTask(tasks[2]);
        QCOMPARE(tasks[2]->state(), int(ConvertTask::Idle));
        QVERIFY(manager->queuedTasks().contains(tasks[2]));

        file("t1-wait.mp4.go");
        QVERIFY(done.wait(20000));
        QCOMPARE(done.first().at(0).value<ConvertTask *>(), tasks[1]);
        QCOMPARE(done.first().at(1).toBool(), false);
        QCOMPARE(tasks[1]->state(), int(ConvertTask::Converted));
        QCOMPARE(running(), (QList<ConvertTask *>{tasks[0], tasks[3]}));
        QCOMPARE(tasks[2]->state(), int(ConvertTask::Idle));

        const ConvMediaInfo *result = tasks[1]->resultInfo();
        QCOMPARE(result->outputPath, convertFolder() + "/t1-wait.mp4");
        QCOMPARE(result->width, 1280);
        QCOMPARE(result->bitRate, 192000);
        QCOMPARE(result->sourcePath, tasks[1]->sourceInfo()->sourcePath);
        QVERIFY(!QFileInfo::exists(tasks[1]->workDir()));
        QVERIFY(QFileInfo::exists(tasks[1]->sourceInfo()->sourcePath));
        data->moveToConverted(tasks[1]);
        QCOMPARE(data->convertedItemList().first()->outputPath, result->outputPath);
        QCOMPARE(convertlist::load(convertedListPath()).first().outputPath, result->outputPath);
        QCOMPARE(convertlist::load(convertingListPath()).size(), 4);
    }

    void stopWhileConvertingLeavesNothing()
    {
        ConvertTask *t = task(file("long-wait.mp4"));
        QSignalSpy progress(manager, &ConvertManager::converterManagerTaskProgress);
        QSignalSpy done(manager, &ConvertManager::converterManagerTaskDidFinished);
        manager->startTask(t);
        QTRY_VERIFY_WITH_TIMEOUT(!progress.isEmpty() && t->progress() >= 0.5, 10000);
        const QString workDir = t->workDir();
        QVERIFY(QFileInfo::exists(workDir));
        manager->stopTask(t);
        QCOMPARE(t->state(), int(ConvertTask::Idle));
        QVERIFY(!QFileInfo::exists(workDir));
        QVERIFY(done.wait(10000));
        QCOMPARE(done.first().at(1).toBool(), true);
        QVERIFY(QDir(convertFolder()).entryList(QDir::Files).isEmpty());
        QVERIFY(manager->runningTasks().isEmpty());
    }

    // Failures say why; files of the same name from two folders give two distinct files.
    void failuresSayWhyAndSameNamesGiveDistinctFiles()
    {
        ConvertTask *failing = task(file("will-fail.mp4"));
        ConvertTask *missing = task(work->filePath("never-there.mp4"));
        ConvertTask *a = task(file("one/clip.mp4"));
        ConvertTask *b = task(file("two/clip.mp4"));
        QVERIFY(!data->addTaskFor(*a->sourceInfo())); // the same file is listed once
        QSignalSpy done(manager, &ConvertManager::converterManagerTaskDidFinished);
        manager->startAll({failing, missing, a, b});
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 4, 10000);
        QStringList outputs{a->resultInfo()->outputPath, b->resultInfo()->outputPath};
        outputs.sort();
        QCOMPARE(outputs,
                 QStringList({convertFolder() + "/clip(1).mp4", convertFolder() + "/clip.mp4"}));
        QCOMPARE(failing->state(), int(ConvertTask::Failed));
        QVERIFY(failing->errorText().contains("scripted failure"));
        // A failed run leaves no work folder behind (the log keeps what the tool said).
        QVERIFY(!QFileInfo::exists(failing->workDir()));
        QCOMPARE(missing->state(), int(ConvertTask::Failed));
        QVERIFY(!missing->errorText().isEmpty());

        // A conversion folder that cannot be made (below a file): failed with the reason, the
        // source untouched.
        Preferences::instance()->setConvertDir(file("plain-file") + "/Converted");
        const QString source = file("blocked.mp4", "original bytes");
        ConvertTask *blocked = task(source);
        done.clear();
        manager->startTask(blocked);
        QVERIFY(done.wait(10000));
        QCOMPARE(blocked->state(), int(ConvertTask::Failed));
        QVERIFY(blocked->errorText().contains("plain-file"));
        QFile f(source);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("original bytes"));
    }

    // A download converted after it finished is one record, the engine's: the converted list
    // gets no copy of it (the converted page shows it through a filter).
    void aDownloadConvertedAfterwardsStaysTheEnginesRecord()
    {
        Preferences::instance()->setDownloadDir(work->filePath("Downloads"));
        SniffMgr downloads;
        QSignalSpy added(data, &ConvertDataManager::convertedFileDidAdd);
        QSignalSpy done(&downloads, &SniffMgr::mgrAddDownloadedTask);
        downloads.addTask(downloads.newTask("fake:ok", {}));
        downloads.addTask(downloads.newTask("fake:converted", {}));
        downloads.setMaxCount(1); // starts the queue
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 2, 20000);
        QCOMPARE(added.count(), 0);
        const SniffTask *plain = downloads.doneList().last();
        const SniffTask *converted = downloads.doneList().first();
        QVERIFY(!plain->result().converted);
        QVERIFY(converted->result().converted);
        QCOMPARE(converted->filePath(), work->filePath("Downloads/clip(1).mp4"));
        QCOMPARE(converted->result().quality, QString("160Kb/s"));
    }
};

QTEST_GUILESS_MAIN(TestConvertManager)
#include "tst_convertmanager.moc"
