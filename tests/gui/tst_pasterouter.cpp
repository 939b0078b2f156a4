// The paste routing of the downloading page, without any widget.
#include "core/foundation/addressrules.h"
#include "core/protocol/toolline.h"
#include "gui/pages/pasterouter.h"
#include "helpers/gui_test.h"

namespace {

// Answers the paste road's questions from a script and keeps what was asked.
struct ScriptedQuestions : PasteQuestions
{
    bool again = false;
    QList<bool> entryAnswers; // in order; "first only" when none is left
    QStringList asked;
    std::function<void()> whileAsking;

    bool downloadAgain(const QString &url, const QString &title) override
    {
        asked << "again " + url + " " + title;
        return again;
    }
    bool downloadAllEntries(const QString &url, int count) override
    {
        asked << QStringLiteral("entries %1 %2").arg(url).arg(count);
        if (whileAsking)
            whileAsking();
        return entryAnswers.isEmpty() ? false : entryAnswers.takeFirst();
    }
};

} // namespace

class TestPasteRouter : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { fixture::testMode(); }

    void aPasteWithinASecondOfTheLastAcceptedOneIsADoubleClick()
    {
        qint64 now = 5000;
        PasteRouter router([&now] { return now; });
        QVERIFY(router.acceptPaste());
        now += 1;
        qint64 interval = 0;
        QVERIFY(!router.acceptPaste(&interval));
        QCOMPARE(interval, qint64(1));
        now += 998; // 999 ms after the accepted paste
        QVERIFY(!router.acceptPaste());
        now += 1; // a whole second: accepted, and the guard starts again from here
        QVERIFY(router.acceptPaste());
        now += 500;
        QVERIFY(!router.acceptPaste());
        now += 500;
        QVERIFY(router.acceptPaste());
        // The same millisecond is no double click (a paste and its menu entry at once).
        QVERIFY(router.acceptPaste());
        // A clock that went back does not lock the button.
        now -= 10000;
        QVERIFY(router.acceptPaste());
    }

    void textsAreRoutedByWhatTheyAddress()
    {
        using R = PasteRouter::Route;
        const QJsonArray premium{"members.example.com", ""};
        QCOMPARE(PasteRouter::route("", premium), R::Addresses);
        QCOMPARE(PasteRouter::route("not an address", premium), R::Addresses);
        QCOMPARE(PasteRouter::route("ftp://files.example/clip.mp4", premium), R::Addresses);
        QCOMPARE(PasteRouter::route("https://a.example/1\nhttps://b.example/2", premium), R::Clip);
        QCOMPARE(PasteRouter::route("https://video.example/watch/1", premium), R::Clip);
        QCOMPARE(PasteRouter::route("https://www.youtube.com/playlist?list=PL1", premium),
                 R::Playlist);
        QCOMPARE(PasteRouter::route("https://www.youtube.com/watch?v=a&list=PL1", premium),
                 R::Playlist);
        QCOMPARE(PasteRouter::route("https://soundcloud.com/artist/sets/one", premium),
                 R::Playlist);
        QCOMPARE(PasteRouter::route("https://members.example.com/v/9", premium), R::Premium);
        QCOMPARE(PasteRouter::route("https://members.example.com/v/9", QJsonArray()), R::Clip);
    }

    void aClipDownloadedBeforeIsAddedAgainOnlyWhenWanted()
    {
        const QStringList done{"https://v.example/a",
                               "https://v.example/list-entry#vantoro-index=2/5",
                               "https://v.example/page#vantoro-item=1/3"};
        const PasteRouter::DoneLookup lookup = [&done](const QString &url, QString *title) {
            for (const QString &d : done) {
                if (mediaAddress(d) == mediaAddress(url)) {
                    *title = "Title of " + d;
                    return true;
                }
            }
            return false;
        };
        ScriptedQuestions q;
        QVERIFY(PasteRouter::confirmClip("https://v.example/new", lookup, q));
        QVERIFY(q.asked.isEmpty());
        QVERIFY(!PasteRouter::confirmClip("https://v.example/a", lookup, q));
        QCOMPARE(q.asked.last(), QString("again https://v.example/a Title of https://v.example/a"));
        q.again = true;
        QVERIFY(PasteRouter::confirmClip("https://v.example/a\n", lookup, q));
        // An entry of a list with an address of its own is that address...
        q.asked.clear();
        QVERIFY(PasteRouter::confirmClip("https://v.example/list-entry", lookup, q));
        QCOMPARE(q.asked.size(), 1);
        // ...but an item of a page is not the page.
        QVERIFY(PasteRouter::confirmClip("https://v.example/page", lookup, q));
        QCOMPARE(q.asked.size(), 1);
        QVERIFY(PasteRouter::confirmClip("https://v.example/x", {}, q));
    }

    void aPageWithSeveralVideosIsAskedAboutOncePerJob()
    {
        QTemporaryDir work;
        auto job = [&work](const QString &url, const QString &count, bool fromBrowser = false,
                           bool answered = false) {
            DownloadOptions options;
            if (fromBrowser)
                options.metadata = QString("e30=");
            options.firstEntryOnly = answered;
            JobRecord job;
            job.url = url;
            job.options = options;
            job.workDir = work.path() + "/1_x";
            job.media = protocol::parseLine("{\"type\":\"sniff\",\"msg\":{\"title\":\"Three "
                                            "clips\",\"playlist_count\":\"" +
                                            count.toUtf8() + "\"}}")
                            .media;
            return std::make_unique<SniffTask>(job);
        };
        auto page = job("https://v.example/three", "3");
        auto single = job("https://v.example/one", "");
        auto browser = job("https://v.example/browser", "3", true);
        auto entry = job("https://v.example/three#vantoro-item=2/3", "3");
        auto garbage = job("https://v.example/garbage", "many");
        auto answered = job("https://v.example/answered", "3", false, true);
        QCOMPARE(PasteRouter::entriesToAskAbout(page.get()), 3);
        for (auto *t : {single.get(), browser.get(), entry.get(), garbage.get(), answered.get()})
            QCOMPARE(PasteRouter::entriesToAskAbout(t), 0);

        PasteRouter router;
        ScriptedQuestions q;
        QList<PasteRouter::EntriesAnswer> answers;
        const auto act = [&answers](const PasteRouter::EntriesAnswer &a) {
            answers << a;
        };
        QVERIFY(!router.askNext(q, act));
        QVERIFY(!router.noteAnalysis(single.get()));
        QVERIFY(!router.noteAnalysis(browser.get()));
        QVERIFY(router.noteAnalysis(page.get()));
        QVERIFY(!router.noteAnalysis(page.get())); // every analysis line names the count
        QVERIFY(router.hasWaitingQuestion());
        q.entryAnswers = {true};
        QVERIFY(router.askNext(q, act));
        QCOMPARE(q.asked, QStringList{"entries https://v.example/three 3"});
        QCOMPARE(answers.size(), 1);
        QCOMPARE(answers.first().task.data(), page.get());
        QCOMPARE(answers.first().url, QString("https://v.example/three"));
        QVERIFY(answers.first().all);
        QVERIFY(!router.hasWaitingQuestion());
        QVERIFY(!router.noteAnalysis(page.get())); // a second sniff (the thumbnail) asks nothing

        // One question at a time: analyses arriving while one is open wait for their turn.
        auto second = job("https://v.example/second", "2");
        auto third = job("https://v.example/third", "4");
        auto fourth = job("https://v.example/fourth", "5");
        QVERIFY(router.noteAnalysis(second.get()));
        bool arrived = false;
        q.whileAsking = [&] {
            if (std::exchange(arrived, true))
                return;
            QVERIFY(router.noteAnalysis(third.get()));
            QVERIFY(!router.askNext(q, act)); // the open question comes first
            QVERIFY(router.noteAnalysis(fourth.get()));
        };
        QVERIFY(router.askNext(q, act));
        QCOMPARE(answers.last().url, QString("https://v.example/second"));
        QVERIFY(!answers.last().all); // no answer left: the first video only
        // A job deleted while it waited is not asked about.
        JobEditor::setNeedDelete(third.get(), true);
        QVERIFY(router.hasWaitingQuestion());
        fourth.reset();
        QVERIFY(!router.hasWaitingQuestion());
        QVERIFY(!router.askNext(q, act));
        QCOMPARE(q.asked.size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestPasteRouter)
#include "tst_pasterouter.moc"
