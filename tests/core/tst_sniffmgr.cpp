// The download manager and its operators, driven against a scripted fake download tool.
#include "core/engine/playlistoperator.h"
#include "core/engine/sniffoperator.h"
#include "core/engine/tasklistfile.h"
#include "core/provision/dltoolmanager.h"
#include "helpers/fixture.h"

class TestSniffMgr : public QObject
{
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> downloads;
    std::unique_ptr<SniffMgr> mgr;

    SniffTask *add(const QString &url, const DownloadOptions &options = {})
    {
        SniffTask *task = mgr->newTask(url, options);
        mgr->addTask(task);
        return task;
    }
    QString folder() const { return downloads->path(); }

private Q_SLOTS:
    void initTestCase()
    {
        fixture::prepare();
        QVERIFY(DlToolManager::instance()->isAvailable());
        SniffOperator::moveRetryDelayMs = 50;
    }
    void init()
    {
        downloads = std::make_unique<QTemporaryDir>();
        Preferences *prefs = Preferences::instance();
        prefs->setDownloadDir(folder());
        prefs->setMaxDownloads(2);
        prefs->setResumeOnStartup(false);
        for (const QString &list :
             {taskListPath(), doneListPath(), privateListPath(), historyListPath()})
            QFile::remove(list);
        mgr = std::make_unique<SniffMgr>();
    }
    void cleanup()
    {
        if (QTest::currentTestFailed() && mgr) {
            // Enough to tell a wrong folder from a wrong payload when this fails on a busy machine.
            qInfo("download folder %s", qPrintable(downloadDir()));
            for (SniffTask *t : mgr->doneList() + mgr->downloadingList())
                qInfo("%s\n  info %s\n  finished %s", qPrintable(t->url()),
                      protocol::storedLine(t->media()).constData(),
                      protocol::storedLine(t->result()).constData());
            qInfo("%s", qPrintable(fixture::logText().right(6000)));
        }
        mgr.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void concurrencyIsClamped()
    {
        const auto clamped = [this](qint64 count) {
            mgr->setMaxCount(int(count));
            return mgr->maxCount();
        };
        COMPARE_MAPPED(clamped, "0 -> 1", "-3 -> 1", "25 -> 10");
        Preferences::instance()->setMaxDownloads(3);
        QCOMPARE(SniffMgr().maxCount(), 3);
    }

    void runsAtMostTheLimitInListOrder()
    {
        mgr->setMaxCount(3);
        QList<SniffTask *> tasks;
        QStringList started;
        int peak = 0;
        for (int i = 0; i < 5; ++i) {
            // Among them a tool that splits its lines across writes, and one that prints junk.
            SniffTask *t = add(i == 1   ? QStringLiteral("fake:split")
                               : i == 3 ? QStringLiteral("fake:badlines")
                                        : QStringLiteral("fake:slow?ms=500&n=%1").arg(i));
            connect(t, &SniffTask::taskStarted, this, [&, t] {
                started << t->url();
                peak = qMax(peak, mgr->runningCount());
            });
            tasks << t;
        }
        QSignalSpy sniffed(tasks[1], &SniffTask::taskSniffed);
        mgr->schedule();
        QCOMPARE(mgr->runningCount(), 3);
        QCOMPARE(started.size(), 3);
        QTRY_COMPARE_WITH_TIMEOUT(mgr->doneList().size(), 5, 20000);
        QCOMPARE(peak, 3);
        QCOMPARE(started, QStringList({tasks[0]->url(), tasks[1]->url(), tasks[2]->url(),
                                       tasks[3]->url(), tasks[4]->url()}));
        QVERIFY(mgr->downloadingList().isEmpty());
        QCOMPARE(mgr->runningCount(), 0);
        QCOMPARE(sniffed.count(), 1);
        QCOMPARE(tasks[1]->title(), QString("Title of fake:split"));
        QCOMPARE(tasks[1]->progress().fraction, 1.0);
    }

    void finishedFilesGetFreeNamesInTheDownloadFolder()
    {
        Preferences::instance()->setDownloadSubtitles(true);
        QSignalSpy added(mgr.get(), &SniffMgr::mgrAddDownloadedTask);
        QSignalSpy removed(mgr.get(), &SniffMgr::mgrDeleteDownloadingTask);
        QList<SniffTask *> tasks;
        for (int i = 0; i < 3; ++i)
            tasks << add(QStringLiteral("fake:ok?n=%1").arg(i));
        mgr->setMaxCount(1);
        QTRY_COMPARE_WITH_TIMEOUT(added.count(), 3, 15000);
        QCOMPARE(removed.count(), 3);
        QCOMPARE(tasks[0]->filePath(), folder() + "/clip.mp4");
        QCOMPARE(tasks[1]->filePath(), folder() + "/clip(1).mp4");
        QCOMPARE(tasks[2]->filePath(), folder() + "/clip(2).mp4");
        for (SniffTask *t : tasks) {
            QCOMPARE(t->state(), SniffTask::State::Finished);
            QVERIFY(QFileInfo::exists(t->filePath()));
            QCOMPARE(t->result().filePath, t->filePath()); // the record names one file
            QVERIFY(!QFileInfo::exists(t->workDir()));
            QVERIFY(!t->result().details->subtitlePath.isEmpty());
            QVERIFY(t->result().finishedAt > 0);
        }
        QCOMPARE(mgr->doneList().first(), tasks[2]); // newest first
        QVERIFY(QFileInfo::exists(folder() + "/clip.en(1).srt"));
        // A playlist's entries land in the playlist's folder.
        SniffTask *entry = add("fake:ok?vrdl_pname=My%20List&n=1");
        mgr->schedule();
        QTRY_COMPARE_WITH_TIMEOUT(entry->state(), SniffTask::State::Finished, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(entry->filePath(), folder() + "/My List/clip.mp4", 10000);
        QVERIFY(QFileInfo::exists(folder() + "/My List/clip.mp4"));
    }

    void aFileThatCannotBeMovedStaysInItsWorkingFolder()
    {
        // The download folder's place is taken by a plain file, so nothing can be moved there.
        const QString blocked = folder() + "/blocked";
        QFile(blocked).open(QIODevice::WriteOnly);
        Preferences::instance()->setDownloadDir(blocked);
        JobRecord job;
        job.url = "fake:ok";
        job.workDir = folder() + "/work";
        SniffTask *t = mgr->restoreJob(job, SniffTask::Place::Downloading);
        QSignalSpy added(mgr.get(), &SniffMgr::mgrAddDownloadedTask);
        mgr->schedule();
        QTRY_COMPARE_WITH_TIMEOUT(t->state(), SniffTask::State::Failed, 10000);
        QTRY_COMPARE(mgr->runningCount(), 0);
        QCOMPARE(added.count(), 0);
        QCOMPARE(mgr->downloadingList(), QList<SniffTask *>{t});
        QVERIFY(QFileInfo::exists(folder() + "/work/clip.mp4")); // the only copy is kept
    }

    void failuresStayListedAsFailed()
    {
        SniffTask *fail = add("fake:fail?kind=no_space");
        SniffTask *crash = add("fake:crash");
        mgr->schedule();
        QTRY_VERIFY_WITH_TIMEOUT(fail->state() == SniffTask::State::Failed &&
                                     crash->state() == SniffTask::State::Failed,
                                 10000);
        QTRY_COMPARE(mgr->runningCount(), 0);
        QCOMPARE(mgr->downloadingList().size(), 2);
        QVERIFY(mgr->doneList().isEmpty());
        QVERIFY(mgr->isInHistory("fake:fail?kind=no_space"));
        // Why: the tool's verdict, or the process end when it died without one.
        QCOMPARE(fail->result().error, QString("scripted failure"));
        QCOMPARE(fail->result().failure, protocol::FailureKind::NoSpace);
        QCOMPARE(crash->result().failure, protocol::FailureKind::ToolCrashed);
        // Written without being asked: a kill now still finds both failed, and why, on the next
        // start.
        QTRY_VERIFY_WITH_TIMEOUT(!mgr->isSaving(), 10000);
        const tasklist::Records onDisk = tasklist::load(taskListPath());
        QCOMPARE(onDisk.size(), 2);
        for (const tasklist::Record &record : onDisk)
            QCOMPARE(record.state, qint32(SniffTask::State::Failed));
        QCOMPARE(onDisk.at(0).result.failure, protocol::FailureKind::NoSpace);
        QCOMPARE(onDisk.at(0).result.error, QString("scripted failure"));
        QCOMPARE(onDisk.at(1).result.failure, protocol::FailureKind::ToolCrashed);
        // resumeAll queues failed jobs again.
        mgr->resumeAll();
        QCOMPARE(mgr->runningCount(), 2);
        QTRY_COMPARE_WITH_TIMEOUT(mgr->runningCount(), 0, 10000);
    }

    void theHistoryKnowsPlaylistEntriesByWhatTheyFetch()
    {
        add("https://v.example/watch?v=1#vantoro-index=1/4");
        add("https://v.example/page#vantoro-item=2/3");
        add("https://v.example/plain");
        QVERIFY(mgr->isInHistory("https://v.example/watch?v=1"));
        QVERIFY(mgr->isInHistory("https://v.example/watch?v=1#vantoro-index=2/5"));
        QVERIFY(mgr->isInHistory("https://v.example/plain#vantoro-index=7/9"));
        QVERIFY(mgr->isInHistory("https://v.example/page#vantoro-item=2/3"));
        // An item of a page is not the page, nor another item of it.
        QVERIFY(!mgr->isInHistory("https://v.example/page"));
        QVERIFY(!mgr->isInHistory("https://v.example/page#vantoro-item=1/3"));
        QVERIFY(!mgr->isInHistory("https://v.example/watch?v=12"));
    }

    void deletingARunningJobWaitsForItsProcess()
    {
        QPointer<SniffTask> t = add("fake:hang");
        mgr->schedule();
        QTRY_VERIFY_WITH_TIMEOUT(t->media().present, 5000);
        const QString work = t->workDir();
        QSignalSpy removed(mgr.get(), &SniffMgr::mgrDeleteDownloadingTask);
        mgr->deleteDownloadingTask(t);
        QCOMPARE(removed.count(), 1);
        QVERIFY(t); // still alive while its operator ends the run
        QVERIFY(!mgr->isInHistory("fake:hang"));
        QVERIFY(mgr->downloadingList().isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(t.isNull(), 5000);
        QVERIFY(!QFileInfo::exists(work));
        QCOMPARE(mgr->runningCount(), 0);
    }

    // A live recording the user stops is saved: the engine alone takes the job from Paused
    // through Saving to Saved. A delete while a recording is being saved wins: nothing reaches
    // the done list, and the working folder goes once the save has stopped.
    void stoppingALiveRecordingSavesItUnlessDeleted()
    {
        SniffTask *t = add("fake:live");
        QPointer<SniffTask> deleted = add("fake:live?n=2");
        QSignalSpy added(mgr.get(), &SniffMgr::mgrAddDownloadedTask);
        QSignalSpy paused(t, &SniffTask::taskPaused);
        mgr->schedule();
        QTRY_VERIFY_WITH_TIMEOUT(t->isLive() && t->progress().present && deleted->isLive() &&
                                     deleted->progress().present,
                                 5000);
        const QString work = deleted->workDir();
        mgr->pauseTask(deleted, false);
        QCOMPARE(deleted->state(), SniffTask::State::Saving);
        mgr->deleteDownloadingTask(deleted);
        QVERIFY(deleted); // its run still uses it
        mgr->pauseTask(t, false);
        QCOMPARE(paused.count(), 1);
        QVERIFY(t->state() == SniffTask::State::Saving || t->state() == SniffTask::State::Saved);
        QTRY_COMPARE_WITH_TIMEOUT(added.count(), 1, 15000);
        QCOMPARE(t->state(), SniffTask::State::Saved);
        QCOMPARE(t->filePath(), folder() + "/recording.mkv");
        // Ended by its interrupt.
        QCOMPARE(testutil::readFile(folder() + "/recording.mkv"), QByteArray("interrupted\n"));
        QCOMPARE(mgr->doneList(), QList<SniffTask *>{t});
        QTRY_VERIFY_WITH_TIMEOUT(deleted.isNull(), 15000);
        QVERIFY(!QFileInfo::exists(work));
        QTRY_COMPARE_WITH_TIMEOUT(mgr->runningCount(), 0, 5000);
    }

    // Saves asked for in a burst are written together, off the GUI thread, with the last state.
    void savesAreCoalesced()
    {
        QSignalSpy saved(mgr.get(), &SniffMgr::listsSaved);
        for (int i = 0; i < 30; ++i)
            add(QStringLiteral("https://v/burst%1").arg(i)); // each add asks for a save
        QVERIFY(mgr->isSaving());
        QTRY_VERIFY_WITH_TIMEOUT(!mgr->isSaving(), 10000);
        QVERIFY2(saved.count() >= 1 && saved.count() <= 2,
                 qPrintable(QString::number(saved.count())));
        QCOMPARE(tasklist::load(taskListPath()).size(), 30);
        QCOMPARE(tasklist::loadHistory(historyListPath()).size(), 30);
    }

    void listsSurviveARestart()
    {
        JobRecord job = fixture::finished("fake:ok?n=1", "A");
        job.state = qint32(SniffTask::State::Downloading);
        job.options = DownloadOptions::fromMap({{"media_type", "audio"}});
        mgr->restoreJob(job, SniffTask::Place::Downloading);
        job = fixture::finished("fake:fail?n=2", "F");
        job.state = qint32(SniffTask::State::Failed);
        mgr->restoreJob(job, SniffTask::Place::Downloading);
        add("https://v/history");
        mgr->saveNow();

        SniffMgr restored;
        restored.loadAll();
        const QList<SniffTask *> list = restored.downloadingList();
        QCOMPARE(list.size(), 3);
        QCOMPARE(list[0]->title(), QString("A"));
        QCOMPARE(list[0]->options().mediaType, QString("audio"));
        QCOMPARE(list[0]->state(), SniffTask::State::Paused); // not resumed on start
        QCOMPARE(list[1]->state(), SniffTask::State::Failed);
        QCOMPARE(restored.historyList(), QStringList{"https://v/history"});

        Preferences::instance()->setResumeOnStartup(true);
        SniffMgr resumed;
        QList<SniffTask *> target;
        resumed.loadList(target, taskListPath());
        QCOMPARE(target[0]->state(), SniffTask::State::Waiting);
        QCOMPARE(target[1]->state(), SniffTask::State::Failed);
        qDeleteAll(target);
    }

    // A file deleted or moved elsewhere takes the finished job that names it with it, and only
    // that one (a name beyond ASCII, a name that starts the same).
    void aFileGoneElsewhereTakesOnlyItsJob()
    {
        const QString gone = QString::fromUtf8("/d/\xc3\xa9t\xc3\xa9 clip.mp4");
        mgr->restoreJob(fixture::finished("https://v/1", "gone", gone), SniffTask::Place::Done);
        mgr->restoreJob(fixture::finished("https://v/2", "kept", gone + ".part"),
                        SniffTask::Place::Done);
        mgr->restoreJob(fixture::finished("https://v/3", "private", "/d/other.mp4"),
                        SniffTask::Place::Private);
        mgr->forgetFile(gone);
        QCOMPARE(mgr->doneList().size(), 1);
        QCOMPARE(mgr->doneList().first()->title(), QString("kept"));
        mgr->forgetFile("/d/other.mp4");
        QVERIFY(mgr->privateList().isEmpty());
        QCOMPARE(mgr->doneList().size(), 1);
    }

    // A long list is read in stages: the finished jobs join in their order, a save waits for
    // all of them, and quitting meanwhile finishes the reading first.
    void finishedListsLoadInStages()
    {
        const int count = SniffMgr::kLoadChunk + 10;
        for (int i = 0; i < count; ++i)
            mgr->restoreJob(
                fixture::finished(QStringLiteral("https://v/%1").arg(i), QString::number(i)),
                SniffTask::Place::Done);
        mgr->restoreJob(fixture::finished("https://v/p", "p"), SniffTask::Place::Private);
        mgr->saveNow();

        SniffMgr staged;
        QSignalSpy chunks(&staged, &SniffMgr::finishedJobsLoaded);
        QSignalSpy loaded(&staged, &SniffMgr::loadingFinished);
        staged.loadInStages();
        QVERIFY(staged.isLoading());
        QSignalSpy saved(&staged, &SniffMgr::listsSaved);
        staged.saveAll();
        QVERIFY(loaded.wait(20000));
        QVERIFY(chunks.size() >= 2);
        QCOMPARE(staged.doneList().size(), count);
        QCOMPARE(staged.doneList().first()->title(), QString("0"));
        QCOMPARE(staged.doneList().last()->title(), QString::number(count - 1));
        QCOMPARE(staged.privateList().size(), 1);
        QVERIFY(saved.wait(20000));
        QCOMPARE(tasklist::load(doneListPath()).size(), count);

        SniffMgr quitting;
        quitting.loadInStages();
        quitting.saveNow();
        QVERIFY(!quitting.isLoading());
        QCOMPARE(quitting.doneList().size(), count);
        QCOMPARE(tasklist::load(doneListPath()).size(), count);
        fixture::clearFinished(mgr.get());
    }

    // A list whose reading did not finish last time (the application was killed meanwhile) is
    // set aside, not deleted, and the user is told; the other lists load as usual. Temporary
    // files that saves killed midway left beside the lists go too; other files beside them stay.
    void aCrashWhileReadingSetsThatListAside()
    {
        mgr->restoreJob(fixture::finished("https://v/1", "t"), SniffTask::Place::Downloading);
        mgr->saveNow();
        const QByteArray saved = testutil::readFile(taskListPath());
        QFile::remove(doneListPath());
        QVERIFY(QFile::copy(taskListPath(), doneListPath()));
        const QString stale = doneListPath() + ".x9Y8z7", other = taskListPath() + ".keep";
        testutil::writeFile(stale, "half a list");
        testutil::writeFile(other, "not ours");
        for (int start = 0; start < 2; ++start) {
            testutil::writeFile(taskListPath(), saved);
            QFile marker(taskListPath() + ".tag");
            QVERIFY(marker.open(QIODevice::WriteOnly));
            marker.close();
            SniffMgr next;
            next.loadAll();
            QVERIFY(next.downloadingList().isEmpty());
            QVERIFY(!QFileInfo::exists(taskListPath()));
            QVERIFY(!QFileInfo::exists(taskListPath() + ".tag"));
            QCOMPARE(next.setAsideLists(), QStringList{taskListPath() + ".crashed"});
            QCOMPARE(testutil::readFile(taskListPath() + ".crashed"), saved); // one copy
            QCOMPARE(next.doneList().size(), 1);
            QVERIFY(!QFileInfo::exists(doneListPath() + ".tag"));
        }
        QVERIFY(!QFileInfo::exists(stale));
        QVERIFY(QFile::remove(other));
        SniffMgr calm;
        calm.loadAll();
        QVERIFY(calm.setAsideLists().isEmpty()); // told once
    }

    // A tool line longer than 16 MiB is dropped and the job fails with the reason.
    void anOverlongToolLineFailsTheJob()
    {
        SniffTask *task = add("fake:longline?ms=17000");
        mgr->schedule();
        QTRY_COMPARE_WITH_TIMEOUT(task->state(), SniffTask::State::Failed, 30000);
        QVERIFY(task->result().error.contains("longer than"));
    }

    // Nothing doubled: a page with several videos is held before a byte is kept until the user
    // answers (the answer stays with the job), and a second job for the same address and format
    // is refused while the first is listed and has not failed.
    void oneJobPerAddressAndFormatAndNoDownloadBeforeTheQuestion()
    {
        SniffTask *page = add("fake:several");
        QSignalSpy sniffed(page, &SniffTask::taskSniffed);
        mgr->schedule();
        QTRY_COMPARE_WITH_TIMEOUT(sniffed.count(), 1, 10000);
        QCOMPARE(page->state(), SniffTask::State::Paused);
        QCOMPARE(page->entriesToAskAbout(), 3);
        QTRY_COMPARE_WITH_TIMEOUT(mgr->runningCount(), 0, 10000);
        QVERIFY(QDir(folder()).entryList(QDir::Files).isEmpty());

        const std::unique_ptr<SniffTask> second(mgr->newTask("fake:several"));
        QVERIFY(!mgr->addTask(second.get()));
        DownloadOptions audio;
        audio.mediaType = "audio";
        SniffTask *asAudio = mgr->newTask("fake:several", audio);
        QVERIFY(mgr->addTask(asAudio));
        mgr->deleteDownloadingTask(asAudio);

        mgr->downloadFirstEntryOnly(page);
        QTRY_COMPARE_WITH_TIMEOUT(mgr->doneList().size(), 1, 10000);
        QVERIFY(page->options().firstEntryOnly);
        QCOMPARE(page->entriesToAskAbout(), 0);
        QCOMPARE(QDir(folder()).entryList({"*.mp4"}, QDir::Files), QStringList{"clip.mp4"});

        SniffTask *failed = add("fake:fail");
        mgr->schedule();
        QTRY_COMPARE_WITH_TIMEOUT(failed->state(), SniffTask::State::Failed, 10000);
        SniffTask *again = mgr->newTask("fake:fail");
        QVERIFY(mgr->addTask(again)); // a failed job does not stand in the way
        mgr->deleteAllDownloading();
    }

    void waitingJobsGetTheirTitleLookedUp()
    {
        mgr->setMaxCount(1);
        SniffTask *running = add("fake:slow?ms=1500");
        SniffTask *waiting = add("fake:ok?waiting");
        QSignalSpy sniffed(waiting, &SniffTask::taskSniffed);
        mgr->schedule();
        QTRY_VERIFY_WITH_TIMEOUT(sniffed.count() >= 1, 5000);
        QCOMPARE(waiting->title(), QString("Looked up fake:ok?waiting"));
        QVERIFY(running->state() == SniffTask::State::Downloading);
        QTRY_COMPARE_WITH_TIMEOUT(mgr->doneList().size(), 2, 15000);
    }

    void playlistListingReportsEveryBatch()
    {
        PlaylistOperator first;
        PlaylistOperator second;
        QVERIFY(first.parameterFileName() != second.parameterFileName());
        QVERIFY(first.parameterFileName().startsWith("playlist_"));
        QSignalSpy videos(&first, &PlaylistOperator::operatorVideos);
        QSignalSpy finished(&first, &PlaylistOperator::operatorFinished);
        QVERIFY(first.start("https://list.example/p"));
        QVERIFY(!first.start("https://list.example/p")); // one run at a time
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 10000);
        QCOMPARE(videos.count(), 2);
        using Entries = QVector<protocol::PlaylistEntry>;
        const Entries batch = videos.at(0).at(0).value<Entries>();
        QCOMPARE(batch.size(), 3);
        QCOMPARE(batch.at(0).title, QString("Entry 1"));
        QCOMPARE(videos.at(1).at(0).value<Entries>().size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestSniffMgr)
#include "tst_sniffmgr.moc"
