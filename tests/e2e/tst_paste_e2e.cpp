// The paste road's questions with the real window, download tool, yt-dlp and ffmpeg against
// pages served on 127.0.0.1: a pasted page with several videos (all of them, each its own, or the
// first only) and an address downloaded before. With CLIPMOOR_SCREENSHOTS set to a folder, the
// questions are saved there as pictures over the window.
#include "core/engine/sniffmgr.h"
#include "core/engine/snifftask.h"
#include "core/process/myprocess.h"
#include "gui/mainwindow/mainwindow.h"
#include "gui/pages/downloadedpage.h"
#include "gui/pages/downloadingpage.h"
#include "gui/pages/finishedjobs.h"
#include "gui/pages/mylistwidget.h"
#include "gui/pages/playlistconfirmdlg.h"
#include "gui/widgets/zqmessagebox.h"
#include "helpers/fixture.h"
#include "helpers/modalhelper.h"
#include "helpers/windowtest.h"

#include <QPainter>
#include <QTableWidget>

class TestPasteEndToEnd : public QObject
{
    Q_OBJECT
    fixture::Site site;
    QTemporaryDir &www = site.www;
    std::unique_ptr<TestHttpServer> &server = site.server;
    std::unique_ptr<MainWindow> window;
    qint64 pasteClock = 0;
    QString shots = qEnvironmentVariable("CLIPMOOR_SCREENSHOTS");
    QHash<QString, qint64> sizes; // served clip -> bytes

    // The window with the dialog in its middle, as the user sees the question.
    void shootOver(QWidget *dialog, const QString &name)
    {
        if (shots.isEmpty())
            return;
        QPixmap picture = window->grab();
        QPainter painter(&picture);
        painter.fillRect(picture.rect(), QColor(0, 0, 0, 60));
        const QPixmap box = dialog->grab();
        painter.drawPixmap((picture.width() - box.width()) / 2,
                           (picture.height() - box.height()) / 2, box);
        painter.end();
        QDir().mkpath(shots);
        QVERIFY(picture.save(shots + "/" + name + ".png"));
    }

    void paste(const QString &text) { testutil::paste(window->downloading(), &pasteClock, text); }

    QList<SniffTask *> done() const { return SniffMgr::instance()->doneList(); }
    SniffTask *doneWith(const QString &url) const
    {
        for (SniffTask *t : done()) {
            if (t->url() == url)
                return t;
        }
        return nullptr;
    }

private Q_SLOTS:
    void initTestCase()
    {
        fixture::prepare();
        testutil::prepareWindowEnvironment();
        testutil::prepareRealDownloads(fixture::downloadFolder());
        Preferences *prefs = Preferences::instance();
        prefs->setNumberPlaylistFiles(true);
        // Three different clips: each entry's file tells by its size which one it is.
        QVERIFY(testutil::makeClip(www.path() + "/one.mp4", 12, "640x360"));
        QVERIFY(testutil::makeClip(www.path() + "/two.mp4", 2, "320x240"));
        QVERIFY(testutil::makeClip(www.path() + "/three.mp4", 3, "480x270"));
        for (const char *clip : {"one.mp4", "two.mp4", "three.mp4"})
            sizes.insert(clip, QFileInfo(www.path() + "/" + clip).size());
        site.page("three.html", "Three clips", {"one.mp4", "two.mp4", "three.mp4"});
        site.page("pair.html", "A pair", {"two.mp4", "three.mp4"});
        QVERIFY(server->start());

        window = testutil::openWindow(&pasteClock, QSize(1000, 640));
        QVERIFY(window);
    }

    void cleanupTestCase() { testutil::closeWindow(window); }

    // All of the page's videos: the job of the pasted page is held before anything is kept, the
    // playlist dialog lists the videos, and every entry fetches its own under its own number:
    // three files and three rows for three videos.
    void allVideosOfAPastedPageEachComeOnce()
    {
        const QString page = server->url("three.html");
        QPointer<SniffTask> single;
        bool heldEmpty = false;
        auto question = testutil::answerNext<ZQMessageBox>("Download All", [&, this](QWidget *m) {
            single = window->downloading()->list()->taskAt(0);
            shootOver(m, "question-several-videos");
            QTRY_VERIFY_WITH_TIMEOUT(SniffMgr::instance()->runningCount() == 0, 30000);
            heldEmpty = single && single->state() == SniffTask::State::Paused &&
                        QDir(fixture::downloadFolder()).entryList(QDir::Files).isEmpty();
        });
        int listed = 0;
        auto playlist = testutil::answerNext<PlaylistConfirmDlg>("Download", [&](QWidget *m) {
            auto *dialog = static_cast<PlaylistConfirmDlg *>(m);
            QTRY_COMPARE_WITH_TIMEOUT(dialog->table()->model()->rowCount(), 3, 60000);
            listed = dialog->table()->model()->rowCount();
        });
        paste(page);
        QCOMPARE(window->downloading()->list()->count(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(question->answered && playlist->answered, 90000);
        const QString asked = question->texts.join('\n');
        QVERIFY2(asked.contains("This page has 3 videos."), qPrintable(asked));
        QCOMPARE(listed, 3);
        QVERIFY(heldEmpty);
        // The held job gave way to the entries.
        QTRY_VERIFY(single.isNull() || !SniffMgr::instance()->downloadingList().contains(single));
        QTRY_COMPARE_WITH_TIMEOUT(done().size(), 3, 120000);
        QVERIFY(!doneWith(page));
        const QStringList clips{"one.mp4", "two.mp4", "three.mp4"};
        for (int n = 1; n <= 3; ++n) {
            SniffTask *entry = doneWith(page + QStringLiteral("#vantoro-item=%1/3").arg(n));
            QVERIFY2(entry, qPrintable(QString::number(n)));
            const QFileInfo file(entry->filePath());
            QVERIFY2(file.fileName().startsWith(QString::number(n) + ". "),
                     qPrintable(file.fileName()));
            QCOMPARE(file.size(), sizes.value(clips.at(n - 1)));
        }
        QCOMPARE(QDir(fixture::downloadFolder()).entryList(QDir::Files).size(), 3);
        QCOMPARE(window->downloaded()->allModel()->rowCount(), 3);
    }

    // The first only: the held job goes on and keeps the page's own title.
    void theFirstVideoOnlyKeepsTheRunningDownload()
    {
        const QString page = server->url("pair.html");
        auto question = testutil::answerNext<ZQMessageBox>("First Only");
        paste(page);
        QTRY_VERIFY_WITH_TIMEOUT(question->answered, 60000);
        QTRY_VERIFY_WITH_TIMEOUT(doneWith(page), 90000);
        SniffTask *task = doneWith(page);
        QCOMPARE(task->title(), QString("A pair"));
        QCOMPARE(QFileInfo(task->filePath()).size(), sizes.value("two.mp4"));
        QCOMPARE(done().size(), 4);
        QCOMPARE(window->downloading()->list()->count(), 0);
    }

    // Pasting an address already on the downloaded page asks before downloading it again.
    void anAddressDownloadedBeforeAsksFirst()
    {
        const QString clip = server->url("two.mp4");
        paste(clip); // never downloaded: no question
        QTRY_VERIFY_WITH_TIMEOUT(doneWith(clip), 90000);
        const int before = done().size();

        auto cancelled = testutil::answerNext<ZQMessageBox>(
            "Cancel", [this](QWidget *m) { shootOver(m, "question-already-downloaded"); });
        paste(clip);
        QVERIFY(cancelled->answered);
        const QString asked = cancelled->texts.join('\n');
        QVERIFY2(asked.contains("This File Has Already Been Downloaded. Download It Again?"),
                 qPrintable(asked));
        QVERIFY(asked.contains("two")); // the title of what was downloaded
        QCOMPARE(window->downloading()->list()->count(), 0);

        auto again = testutil::answerNext<ZQMessageBox>("Download Again");
        paste(clip);
        QVERIFY(again->answered);
        QCOMPARE(window->downloading()->list()->count(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(done().size(), before + 1, 90000);
    }
};

int main(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TestPasteEndToEnd test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_paste_e2e.moc"
