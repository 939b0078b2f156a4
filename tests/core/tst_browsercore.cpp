// The browser's rules that need no browser engine: page messages, the single-page move, the
// user agent, the site tiles and their file, and the page-script bundle's manifest.

#include "core/browser/bridgemessage.h"
#include "core/browser/browserrules.h"
#include "core/browser/sitetilemodel.h"
#include "core/browser/sitetiles.h"
#include "core/provision/dlscriptmanager.h"
#include "helpers/testutil.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

namespace {
// Every picture exists except those named "gone".
bool picturesExist(const QString &path)
{
    return !path.isEmpty() && !path.contains(QLatin1String("gone"));
}

QByteArray storedFile(const QList<WebElementData> &entries, qint32 count = -1)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << (count < 0 ? qint32(entries.size()) : count);
    for (const WebElementData &e : entries)
        out << e.name << e.url << e.icon << e.kind << e.colour << e.label;
    return bytes;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}
} // namespace

class TestBrowserCore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { testutil::enterTestMode(); }

    void bridgeMessages_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("metadata");
        QTest::addColumn<bool>("direct");
        QTest::newRow("plain") << QByteArray(
                                      "{\"url\":\"https://a.example/v.mp4\",\"metadata\":\"\"}")
                               << true << "https://a.example/v.mp4"
                               << "" << true;
        QTest::newRow("metadata kept")
            << QByteArray("{\"url\":\"http://a.example/w?v=1\",\"metadata\":\"eyJ4IjoxfQ==\"}")
            << true << "http://a.example/w?v=1"
            << "eyJ4IjoxfQ==" << true;
        QTest::newRow("analysis asked")
            << QByteArray("{\"url\":\"https://a.example/p\",\"direct\":false}") << true
            << "https://a.example/p"
            << "" << false;
        QTest::newRow("direct true")
            << QByteArray("{\"url\":\"https://a.example/p\",\"direct\":true}") << true
            << "https://a.example/p"
            << "" << true;
        QTest::newRow("not json") << QByteArray("download this") << false << ""
                                  << "" << true;
        QTest::newRow("array") << QByteArray("[\"https://a.example\"]") << false << ""
                               << "" << true;
        QTest::newRow("no url") << QByteArray("{\"metadata\":\"\"}") << false << ""
                                << "" << true;
        QTest::newRow("url not string") << QByteArray("{\"url\":5}") << false << ""
                                        << "" << true;
        QTest::newRow("file scheme")
            << QByteArray("{\"url\":\"file:///etc/passwd\"}") << false << ""
            << "" << true;
        QTest::newRow("javascript scheme")
            << QByteArray("{\"url\":\"javascript:alert(1)\"}") << false << ""
            << "" << true;
        QTest::newRow("no host") << QByteArray("{\"url\":\"http://\"}") << false << ""
                                 << "" << true;
        QTest::newRow("metadata object")
            << QByteArray("{\"url\":\"https://a.example\",\"metadata\":{\"a\":1}}") << false << ""
            << "" << true;
        QTest::newRow("direct string")
            << QByteArray("{\"url\":\"https://a.example\",\"direct\":\"false\"}") << false << ""
            << "" << true;
        QTest::newRow("too long") << QByteArray("{\"url\":\"https://a.example/\",\"metadata\":\"") +
                                         QByteArray(bridge::kMaxMessageBytes, 'A') + "\"}"
                                  << false << ""
                                  << "" << true;
        QTest::newRow("url too long") << QByteArray("{\"url\":\"https://a.example/") +
                                             QByteArray(bridge::kMaxUrlLength, 'a') + "\"}"
                                      << false << ""
                                      << "" << true;
    }

    void bridgeMessages()
    {
        QFETCH(QByteArray, data);
        QFETCH(bool, valid);
        QString why;
        const std::optional<BridgeMessage> message = bridge::parseMessage(data, &why);
        QCOMPARE(message.has_value(), valid);
        if (!valid) {
            QVERIFY(!why.isEmpty());
            return;
        }
        QTEST(message->url, "url");
        QTEST(message->metadata, "metadata");
        QTEST(message->direct, "direct");
    }

    void metadataStaysOutOfTheLog()
    {
        const QString metadata = bridge::makeMetadata(
            {{"Cookie", "session=SECRET42"}, {"Referer", "https://a.example/"}});
        const QByteArray message =
            QJsonDocument(QJsonObject{{"url", "https://a.example/v"}, {"metadata", metadata}})
                .toJson();
        const QString logged = bridge::loggable(message);
        QVERIFY(logged.contains("https://a.example/v"));
        QVERIFY(!logged.contains(metadata));
        QVERIFY(!logged.contains("SECRET42"));
        QVERIFY(!bridge::loggable("session=SECRET42 not json").contains("SECRET42"));

        const QVariantMap headers = bridge::httpHeaders(metadata);
        QCOMPARE(headers.value("Cookie").toString(), QString("session=SECRET42"));
        QCOMPARE(headers.value("Referer").toString(), QString("https://a.example/"));
        QVERIFY(bridge::httpHeaders("not base64 !!").isEmpty());
        QVERIFY(bridge::httpHeaders(QString::fromLatin1(QByteArray("[1,2]").toBase64())).isEmpty());
    }

    void browserCookiesJoinThePageCookies()
    {
        const QString metadata = bridge::makeMetadata(
            {{"Cookie", "a=1; b=2"}, {"Referer", "https://www.site.example/"}});
        QNetworkCookie session("sid", "S3");
        session.setDomain(".site.example");
        session.setPath("/");
        session.setHttpOnly(true);
        QNetworkCookie again("a", "other"); // the page's own value wins
        again.setDomain("www.site.example");
        QNetworkCookie secure("sec", "x");
        secure.setDomain("www.site.example");
        secure.setSecure(true);
        QNetworkCookie elsewhere("e", "1");
        elsewhere.setDomain("other.example");
        QNetworkCookie deeper("d", "1");
        deeper.setDomain("www.site.example");
        deeper.setPath("/account");
        const QList<QNetworkCookie> jar{session, again, secure, elsewhere, deeper};

        const QVariantMap https = bridge::httpHeaders(
            bridge::withCookies(metadata, QUrl("https://www.site.example/watch?v=1"), jar));
        QCOMPARE(https.value("Cookie").toString(), QString("a=1; b=2; sid=S3; sec=x"));
        QCOMPARE(https.value("Referer").toString(), QString("https://www.site.example/"));
        const QVariantMap http = bridge::httpHeaders(
            bridge::withCookies(metadata, QUrl("http://cdn.site.example/v.mp4"), jar));
        QCOMPARE(http.value("Cookie").toString(), QString("a=1; b=2; sid=S3"));
        QCOMPARE(bridge::withCookies(metadata, QUrl("https://unrelated.example/"), jar), metadata);
        QCOMPARE(bridge::withCookies("", QUrl("https://www.site.example/"), jar), QString());
    }

    void singlePageMoves_data()
    {
        QTest::addColumn<QString>("previous");
        QTest::addColumn<QString>("current");
        QTest::addColumn<bool>("move");
        QTest::newRow("into a chat") << "https://onlyfans.com/my/chats/"
                                     << "https://onlyfans.com/my/chats/chat/123/" << true;
        QTest::newRow("start page") << "https://onlyfans.com/user1"
                                    << "https://onlyfans.com/" << true;
        QTest::newRow("out of a chat to a profile") << "https://onlyfans.com/my/chats/chat/123/"
                                                    << "https://onlyfans.com/user1" << true;
        QTest::newRow("out of a chat to the chat list")
            << "https://onlyfans.com/my/chats/chat/123/"
            << "https://onlyfans.com/my/chats/" << false;
        QTest::newRow("out of a chat to settings") << "https://onlyfans.com/my/chats/chat/123/"
                                                   << "https://onlyfans.com/my/settings" << false;
        QTest::newRow("profile to profile") << "https://onlyfans.com/user1"
                                            << "https://onlyfans.com/user2" << false;
        QTest::newRow("other site") << "https://www.youtube.com/"
                                    << "https://www.youtube.com/watch?v=x" << false;
        QTest::newRow("other site's chat path") << "https://a.example/my/chats/chat/1/"
                                                << "https://a.example/my/chats/chat/2/" << false;
    }

    void singlePageMoves()
    {
        QFETCH(QString, previous);
        QFETCH(QString, current);
        QTEST(browserrules::isSinglePageMove(previous, current), "move");
    }

    void userAgents()
    {
        const QString engine = "Mozilla/5.0 (X11; Linux x86_64) AppleWebKit/537.36 (KHTML, like "
                               "Gecko) QtWebEngine/5.15.13 Chrome/87.0.4280.144 Safari/537.36";
        const QString branded = browserrules::brandedUserAgent(engine, "Clipmoor", "7.0.0");
        QVERIFY(branded.contains("Clipmoor/7.0.0 Chrome/87"));
        QVERIFY(!branded.contains("QtWebEngine"));
        QCOMPARE(browserrules::userAgentFor("https://www.youtube.com/", branded), branded);
        const QString instagram = browserrules::userAgentFor("https://www.instagram.com/", branded);
        QVERIFY(instagram.contains("Version/14.0 Safari/605.1.15"));
    }

    void labelsAndColours()
    {
        QCOMPARE(sitetiles::labelFromUrl("https://www.example.com"), QString("example"));
        QCOMPARE(sitetiles::labelFromUrl("http://example.org"), QString("example"));
        QCOMPARE(sitetiles::labelFromUrl("localhost"), QString("localhost"));
        QCOMPARE(sitetiles::colourTable().size(), 20);
        QVERIFY(sitetiles::colourTable().contains(sitetiles::pickColour(0)));
        // Same time and salt, same colour.
        const QTime t(10, 20, 30, 400);
        QCOMPARE(sitetiles::pickColour(1000, t), sitetiles::pickColour(1000, t));
    }

    void firstStartWritesTheBuiltInSites()
    {
        const QString path = QDir::temp().filePath("clipmoor-online-first.dat");
        QFile::remove(path);
        SiteTileModel model(path, nullptr, picturesExist);
        QCOMPARE(model.rowCount(), 15);
        QCOMPARE(model.entry(0).kind, qint32(WebElementData::AddNew));
        QCOMPARE(model.entry(1).name, QString("YouTube"));
        QCOMPARE(model.entry(14).name, QString("Fansly"));
        const auto stored = sitetiles::load(path);
        QVERIFY(stored);
        QCOMPARE(stored->size(), 14);
        QCOMPARE(*stored, sitetiles::builtInSites());
        QFile::remove(path);
    }

    void addRemoveAndResetRoundTrip()
    {
        const QString path = QDir::temp().filePath("clipmoor-online-edit.dat");
        QFile::remove(path);
        {
            SiteTileModel model(path, nullptr, picturesExist);
            QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
            model.addSite(" My Videos ", " https://www.myvideos.com ");
            QCOMPARE(inserted.size(), 1);
            const WebElementData added = model.entry(1);
            QCOMPARE(added.name, QString("My Videos"));
            QCOMPARE(added.url, QString("https://www.myvideos.com"));
            QCOMPARE(added.kind, qint32(WebElementData::UserAdded));
            QCOMPARE(added.label, QString("myvideos"));
            QVERIFY(sitetiles::colourTable().contains(added.colour));
            QCOMPARE(sitetiles::load(path)->size(), 15);
            model.removeTile(2); // YouTube
            QCOMPARE(sitetiles::load(path)->size(), 14);
        }
        {
            // Restarted: the user's site is kept, YouTube stays removed.
            SiteTileModel model(path, nullptr, picturesExist);
            QCOMPARE(model.rowCount(), 15);
            QCOMPARE(model.entry(1).name, QString("My Videos"));
            QCOMPARE(model.entry(2).name, QString("Spotify"));
            QCOMPARE(model.data(model.index(1), SiteTileModel::ElementRole).value<WebElementData>(),
                     model.entry(1));
            model.reset();
            QCOMPARE(model.rowCount(), 15);
            QCOMPARE(model.entry(1).name, QString("YouTube"));
            QCOMPARE(sitetiles::load(path)->size(), 14);
        }
        QFile::remove(path);
    }

    void stalePicturesAreRepaired()
    {
        const QString path = QDir::temp().filePath("clipmoor-online-stale.dat");
        WebElementData nico{"Nicovideo",
                            "https://old.example/",
                            ":/res/websites/gone.png",
                            WebElementData::BuiltIn,
                            "",
                            ""};
        WebElementData lost{"Lost",
                            "https://www.lost.example",
                            ":/res/websites/gone2.png",
                            WebElementData::BuiltIn,
                            "",
                            ""};
        writeFile(path, storedFile({nico, lost}));
        SiteTileModel model(path, nullptr, picturesExist);
        QCOMPARE(model.rowCount(), 3);
        QCOMPARE(model.entry(1).icon, QString(":/res/websites/nicovideo-site@2x.png"));
        QCOMPARE(model.entry(1).url, QString("https://www.nicovideo.jp/"));
        QCOMPARE(model.entry(2).kind, qint32(WebElementData::UserAdded));
        QCOMPARE(model.entry(2).label, QString("lost"));
        QVERIFY(sitetiles::colourTable().contains(model.entry(2).colour));
        QFile::remove(path);
    }

    void damagedFilesNeverStopStartUp()
    {
        const QString path = QDir::temp().filePath("clipmoor-online-damaged.dat");
        const WebElementData mine{
            "Mine", "https://mine.example", "", WebElementData::UserAdded, "#1ADACF", "mine"};
        const WebElementData odd{"Odd", "https://odd.example", "", 7, "", ""};
        // A count far larger than the file, a wrong kind, a cut-off entry, garbage, empty.
        const QByteArray good = storedFile({mine, odd, mine});
        const QList<QByteArray> files = {storedFile({mine}, 999), good.left(good.size() - 3),
                                         QByteArray("\x7f\xff\xff\xff garbage", 12), QByteArray(),
                                         storedFile({mine}, -5)};
        for (const QByteArray &bytes : files) {
            writeFile(path, bytes);
            SiteTileModel model(path, nullptr, picturesExist);
            QVERIFY(model.rowCount() >= 1);
            QCOMPARE(model.entry(0).kind, qint32(WebElementData::AddNew));
            for (int row = 1; row < model.rowCount(); ++row)
                QVERIFY(model.entry(row).kind <= WebElementData::UserAdded);
        }
        // The wrong kind is skipped, the whole entries before the cut are kept.
        writeFile(path, good.left(good.size() - 3));
        const auto partial = sitetiles::load(path);
        QVERIFY(partial);
        QCOMPARE(partial->size(), 1);
        QCOMPARE(partial->first(), mine);
        // Too large a file is refused as a whole.
        writeFile(path, QByteArray(2 * 1024 * 1024, '\0'));
        QVERIFY(!sitetiles::load(path));
        QFile::remove(path);
    }

    void scriptBundleIsConsistent()
    {
        DlScriptManager manager;
        QFile file(":/js/scripts-2.0.0.json");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QJsonObject manifest = QJsonDocument::fromJson(file.readAll()).object();
        const QJsonObject files = manifest.value("files").toObject();
        QStringList names{"common.js"};
        for (const QJsonValue &entry : manifest.value("scripts").toArray())
            names << entry.toObject().value("script").toString();
        QCOMPARE(names.size(), 22);
        QCOMPARE(files.size(), names.size());
        for (const QString &name : names) {
            QFile script(":/js/download/" + name);
            QVERIFY2(script.open(QIODevice::ReadOnly), qPrintable(name));
            const QByteArray bytes = script.readAll();
            QCOMPARE(QString::fromLatin1(
                         QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex()),
                     files.value(name).toString());
            QVERIFY2(bytes.contains("'use strict'"), qPrintable(name));
        }
        // The archive's MD5 is recomputed by the packing script.
        QProcess check;
        check.start(
            "/usr/bin/python3",
            {QStringLiteral(CLIPMOOR_SOURCE_DIR) + "/scripts/pack-page-scripts.py", "--check"});
        QVERIFY(check.waitForFinished(30000));
        QVERIFY2(check.exitCode() == 0, check.readAllStandardOutput().constData());
        // Every site script is found for an address of its site.
        manager.parseUrl("https://www.youtube.com/watch?v=abcdefghijk");
        QVERIFY(manager.siteScript().contains("registerSite"));
        QVERIFY(manager.commonJs().contains("__clipmoor"));
    }
};

QTEST_GUILESS_MAIN(TestBrowserCore)
#include "tst_browsercore.moc"
