// Usage statistics against a collector on 127.0.0.1: the exact hits, one post at a time, a
// collector that fails, is down or never answers, and nothing sent without a collector or
// without the user's consent.
#include "core/analytics/analytics.h"
#include "core/analytics/ganalytics.h"
#include "gui/mainwindow/preferencesdlg.h"
#include "gui/widgets/pictures.h"
#include "helpers/gui_test.h"

namespace {

QByteArray header(const QByteArray &head, const QByteArray &name)
{
    for (const QByteArray &line : head.split('\n')) {
        const int colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed().toLower() == name.toLower())
            return line.mid(colon + 1).trimmed();
    }
    return QByteArray();
}

// The server answers every hit with 200.
void acceptHits(TestHttpServer *server)
{
    server->setHandler([](const QString &path, TestHttpServer::Response *response) {
        response->status = 200;
        return path == "collect";
    });
}

QByteArray enc(const QString &text)
{
    return QUrl::toPercentEncoding(text);
}

} // namespace

class TestAnalytics : public QObject
{
    Q_OBJECT
    QDateTime start = QDateTime::fromMSecsSinceEpoch(1700000000000, Qt::UTC);
    qint64 offsetMs = 0;
    std::unique_ptr<TestHttpServer> server;

    // A client posting to `server`, quickly, on the test's clock.
    GAnalytics *newClient(QObject *owner)
    {
        if (!server->hasHandler())
            acceptHits(server.get());
        auto *client = new GAnalytics(QStringLiteral("UA-1234-5"), owner);
        client->setCollector(QUrl(server->url(QString())));
        client->setSendInterval(10);
        client->setScreenResolution(QStringLiteral("1280x800"));
        client->setClock([this] { return start.addMSecs(offsetMs); });
        return client;
    }

    // What every hit starts with, for this test's client.
    QByteArray common(GAnalytics *client, const char *type) const
    {
        return "v=1&tid=UA-1234-5&cid=" + enc(client->clientID()) + "&t=" + type +
               "&ul=nb-no&vp=&sr=1280x800";
    }

public:
    // The system locale the hits report, set before the application exists.
    static void initMain() { qputenv("LC_ALL", "nb_NO.UTF-8"); }

private Q_SLOTS:
    void initTestCase()
    {
        fixture::testMode();
        initGuiResources();
        QCoreApplication::setApplicationName("tst_analytics");
        QCoreApplication::setApplicationVersion("7.0.0");
        qunsetenv("CLIPMOOR_ANALYTICS_URL");
    }

    // Each case posts to a collector of its own.
    void init()
    {
        offsetMs = 0;
        server = std::make_unique<TestHttpServer>(QDir::tempPath());
        QVERIFY(server->start());
    }

    void eachHitTypeCarriesItsParametersInOrder()
    {
        QObject owner;
        GAnalytics *client = newClient(&owner);
        QVERIFY(client->clientID().startsWith('{') && client->clientID().endsWith('}'));
        QCOMPARE(client->language(), QString("nb-no"));
        QCOMPARE(client->endpoint().path(), QString("/collect"));
        const QByteArray an = "&an=tst_analytics&av=7.0.0";
        client->sendEvent("Download", "FileType", "mp4 & more", 3, {{"cd1", "x y"}});
        client->sendEvent("Lifecycle", "Start");
        client->sendScreenView("Main Window", {{"cd2", "z"}});
        client->sendException("bad thing", false);
        client->sendException("worse", true);
        client->startSession();
        client->endSession();
        client->setUserID("user 7");
        client->sendEvent("Download", "URL", "example");
        QTRY_COMPARE(server->bodies.size(), 8);
        const QList<QByteArray> expected = {
            common(client, "event") + an +
                "&ec=Download&ea=FileType&el=mp4%20%26%20more&ev=3&cd1=x%20y&qt=0",
            common(client, "event") + an + "&ec=Lifecycle&ea=Start&qt=0",
            common(client, "screenview") + "&cd=Main%20Window" + an + "&cd2=z&qt=0",
            common(client, "exception") + an + "&exd=bad%20thing&exf=0&qt=0",
            common(client, "exception") + an + "&exd=worse&exf=1&qt=0",
            common(client, "event") + an + "&ec=Session&ea=Start&sc=start&qt=0",
            common(client, "event") + an + "&ec=Session&ea=End&sc=end&qt=0",
            "v=1&tid=UA-1234-5&cid=" + enc(client->clientID()) +
                "&uid=user%207&t=event&ul=nb-no&vp=&sr=1280x800" + an +
                "&ec=Download&ea=URL&el=example&qt=0",
        };
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(server->bodies.at(i), expected.at(i));
        const QByteArray head = server->heads.first();
        QVERIFY(head.startsWith("POST /collect HTTP/1.1"));
        QCOMPARE(header(head, "Content-Type"), QByteArray("application/x-www-form-urlencoded"));
        QCOMPARE(header(head, "Content-Length").toInt(), expected.first().size());
        const QByteArray agent = header(head, "User-Agent");
        QVERIFY2(agent.startsWith("tst_analytics/7.0.0 (Linux; "), agent.constData());
        QVERIFY2(agent.endsWith("; nb_NO) GAnalytics/1.0 (Qt/" + QByteArray(qVersion()) + ")"),
                 agent.constData());
        // The user id is kept, and so is the client id: the next client reuses both.
        GAnalytics again("UA-1234-5");
        QCOMPARE(again.clientID(), client->clientID());
        QCOMPARE(again.userID(), QString("user 7"));
        QCOMPARE(testutil::storedSettings().value("GAnalytics-cid").toString(), client->clientID());
        client->setUserID(QString());
    }

    void hitsAreSentOneAtATimeKeepingTheConnectionUntilTheLast()
    {
        server->answerDelayMs = 20;
        QObject owner;
        GAnalytics *client = newClient(&owner);
        QSignalSpy sending(client, &GAnalytics::isSendingChanged);
        for (int i = 0; i < 10; ++i)
            client->sendEvent("Test", QStringLiteral("A%1").arg(i));
        QCOMPARE(client->queuedCount(), 10);
        QTRY_COMPARE(server->bodies.size(), 10);
        QTRY_COMPARE(client->queuedCount(), 0);
        QTRY_VERIFY(!client->isSending());
        QCOMPARE(server->maxPending, 1);
        for (int i = 0; i < 10; ++i) {
            QVERIFY(server->bodies.at(i).contains(QStringLiteral("&ea=A%1&").arg(i).toLatin1()));
            QCOMPARE(header(server->heads.at(i), "Connection"),
                     QByteArray(i < 9 ? "keep-alive" : "close"));
        }
        QVERIFY(sending.count() >= 2);
        QCOMPARE(sending.first().first().toBool(), true);
        QCOMPARE(sending.last().first().toBool(), false);
    }

    void aFailedPostKeepsTheHitForTheNextTickWithItsAge()
    {
        int answered = 0;
        server->setHandler([&](const QString &path, TestHttpServer::Response *response) {
            if (path != "collect")
                return false;
            // The first post fails; time passes before the next tick.
            response->status = answered++ == 0 ? 500 : 204;
            if (response->status == 500)
                offsetMs = 5000;
            return true;
        });
        QObject owner;
        GAnalytics *client = newClient(&owner);
        QSignalSpy sending(client, &GAnalytics::isSendingChanged);
        client->sendEvent("Test", "Retry");
        QTRY_COMPARE(server->bodies.size(), 2);
        QCOMPARE(sending.count(), 4); // on, off after the 500, on, off
        QByteArray first = server->bodies.at(0), second = server->bodies.at(1);
        QVERIFY(first.endsWith("&qt=0"));
        QVERIFY(second.endsWith("&qt=5000"));
        QCOMPARE(first.chopped(1), second.chopped(4));
        QTRY_COMPARE(client->queuedCount(), 0);
    }

    void hitsOlderThanFourHoursAreDroppedUnsentAndFinishingWaitsOnlyForWhatIsLeft()
    {
        QObject owner;
        GAnalytics *client = newClient(&owner);
        client->setSendInterval(60000);
        client->sendEvent("Test", "Old");
        offsetMs = GAnalytics::kMaxAgeMs + 1;
        client->sendEvent("Test", "New");
        client->postMessage();
        QTRY_COMPARE(server->bodies.size(), 1);
        QVERIFY(server->bodies.first().contains("&ea=New&qt=0"));
        QTRY_COMPARE(client->queuedCount(), 0);
        // Finishing with nothing waiting ends at once; with a hit waiting, once it was posted.
        QSignalSpy finished(client, &GAnalytics::finished);
        client->finish(60000);
        QVERIFY(finished.wait(5000));
        client->sendEvent("Lifecycle", "Quit");
        client->finish(60000);
        QVERIFY(finished.wait(5000));
        QCOMPARE(server->bodies.size(), 2);
    }

    void aCollectorThatIsDownOrSilentBlocksNothingAndTheQueueStaysBounded()
    {
        // Down: nothing listens on the port any more.
        QObject owner;
        auto *down = new GAnalytics(QStringLiteral("UA-1234-5"), &owner);
        down->setCollector(QUrl(TestHttpServer::refusedUrl(QString())));
        down->setSendInterval(10);
        QSignalSpy downSending(down, &GAnalytics::isSendingChanged);
        for (int i = 0; i < 3; ++i)
            down->sendEvent("Test", "Down");
        QVERIFY(downSending.wait(5000)); // on
        QTRY_VERIFY(downSending.count() >= 2 && !down->isSending());
        QCOMPARE(down->queuedCount(), 3);

        // Silent: the post never gets an answer.
        server->silent.insert("collect");
        GAnalytics *client = newClient(&owner);
        client->setRequestTimeout(60000);
        for (int i = 0; i < 1500; ++i)
            client->sendEvent("Test", QStringLiteral("E%1").arg(i));
        QCOMPARE(client->queuedCount(), GAnalytics::kMaxQueued);
        QTRY_COMPARE(server->bodies.size(), 1);
        QVERIFY(client->isSending());
        // The oldest were dropped: the one in flight is the 501st.
        QVERIFY(server->bodies.first().contains("&ea=E500&"));
        for (int i = 0; i < 100; ++i)
            client->sendEvent("Test", "More");
        QCOMPARE(client->queuedCount(), GAnalytics::kMaxQueued + 1);
        // Quitting does not wait for it: finish() ends at its deadline.
        QSignalSpy finished(client, &GAnalytics::finished);
        client->finish(100);
        QVERIFY(finished.wait(5000));
        QCOMPARE(finished.count(), 1);
        QVERIFY(client->isSending()); // the post is still open
        QCOMPARE(server->bodies.size(), 1);

        // A post that takes too long counts as failed and is tried again.
        GAnalytics *timed = newClient(&owner);
        timed->setRequestTimeout(100);
        QSignalSpy timedSending(timed, &GAnalytics::isSendingChanged);
        timed->sendEvent("Test", "Slow");
        QTRY_VERIFY(timedSending.count() >= 4); // on, off, on, off: posted twice
        QVERIFY(server->bodies.size() >= 3);
        QCOMPARE(timed->queuedCount(), 1);
    }

    void thePreferencesOfferTheChoiceOnByDefaultOnlyWithACollector()
    {
        const auto box = [](PreferencesDlg &dialog) {
            return testutil::childWithText<QCheckBox>(&dialog, "Send anonymous usage statistics");
        };
        testutil::storedSettings().remove("kAnalytics_SendUsageStatistics");
        {
            PreferencesDlg dialog;
            QVERIFY(box(dialog));
            QVERIFY(!box(dialog)->isChecked());
        }
        Preferences::instance()->setAnalyticsCollector("http://127.0.0.1:9");
        {
            PreferencesDlg dialog;
            QVERIFY(box(dialog)->isChecked());
            box(dialog)->setChecked(false);
            dialog.accept();
        }
        QCOMPARE(Preferences::instance()->sendUsageStatistics(), std::optional<bool>(false));
        QVERIFY(!analytics::isEnabled());
        Preferences::instance()->setAnalyticsCollector(QString());
        testutil::storedSettings().remove("kAnalytics_SendUsageStatistics");
    }

    void reportingNeedsACollectorAndConsentAndNamesNoAddress()
    {
        Preferences *prefs = Preferences::instance();
        // No collector: statistics off by default, nothing created or sent.
        QVERIFY(analytics::collectorAddress().isEmpty());
        QVERIFY(!analytics::usageStatisticsChosen());
        QVERIFY(!analytics::isEnabled());
        reportEvent("Test", "NoCollector");
        QVERIFY(!analytics::client());

        acceptHits(server.get());
        qputenv("CLIPMOOR_ANALYTICS_URL", server->url(QString()).toUtf8());
        QVERIFY(analytics::usageStatisticsChosen()); // on by default with a collector
        prefs->setSendUsageStatistics(false);
        QVERIFY(!analytics::isEnabled());
        reportEvent("Test", "OptedOut");
        QVERIFY(!analytics::client());

        prefs->setSendUsageStatistics(true);
        analytics::setScreenResolution("1024x768");
        reportEvent("Test", "OptedIn");
        QVERIFY(analytics::client());
        analytics::client()->setSendInterval(10);
        reportEvent("Download", "ClipDownloadFailURL",
                    "https://www.example.com/watch?v=secret&title=Holiday");
        reportEvent("Download", "PlaylistFailURL", "https://www.pornhub.com/playlist/12");
        reportEvent("Download", "URL", "xvideos");
        reportEvent("Download", "URL", "vimeo");
        QTRY_COMPARE(server->bodies.size(), 10);
        QStringList actions, labels;
        for (const QByteArray &body : qAsConst(server->bodies)) {
            const QUrlQuery query(QString::fromUtf8(body));
            actions << query.queryItemValue("ea", QUrl::FullyDecoded);
            labels << query.queryItemValue("el", QUrl::FullyDecoded);
            QVERIFY(!body.contains("secret") && !body.contains("Holiday") &&
                    !body.contains("pornhub") && !body.contains("xvideos"));
        }
        QCOMPARE(actions,
                 QStringList({"SysOS", "SysLanguage", "SysCountry", "SysScreenResolution", "7.0.0",
                              "OptedIn", "ClipDownloadFailURL", "PlaylistFailURL", "URL", "URL"}));
        QVERIFY(labels.at(0).startsWith("Linux; "));
        QCOMPARE(labels.at(1), QString("nb_NO"));
        QCOMPARE(labels.at(3), QString("1024x768"));
        QCOMPARE(labels.mid(4), QStringList({"", "", "example", "", "", "vimeo"}));

        // Opting out drops what waits and sends nothing more.
        analytics::client()->setSendInterval(60000);
        reportEvent("Test", "Queued");
        prefs->setSendUsageStatistics(false);
        reportEvent("Test", "AfterOptOut");
        QVERIFY(!analytics::client());
        prefs->setSendUsageStatistics(true);
        reportEvent("Test", "Back");
        analytics::client()->setSendInterval(10);
        QTRY_VERIFY(server->bodies.last().contains("&ea=Back&"));
        for (const QByteArray &body : qAsConst(server->bodies))
            QVERIFY(!body.contains("ea=Queued") && !body.contains("ea=AfterOptOut"));
        bool done = false;
        analytics::finishReporting(1000, [&done] { done = true; });
        QTRY_VERIFY(done);
        qunsetenv("CLIPMOOR_ANALYTICS_URL");
    }
};

QTEST_MAIN(TestAnalytics)
#include "tst_analytics.moc"
