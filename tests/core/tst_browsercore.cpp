// The browser's rules that need no browser engine: page messages and what of their headers,
// cookies and addresses may reach a download, the click a request needs, the single-page move,
// the user agent, the site tiles and their file, and the page-script bundle's manifest; and our
// own page analysis against a server on 127.0.0.1: the page's allowed headers and its site's
// cookies are sent (and follow no redirect to another site), the media address is found in the
// page or in the JSON it names, failures and timeouts end quietly.

#include "core/browser/addressguard.h"
#include "core/browser/bridgemessage.h"
#include "core/browser/browserrules.h"
#include "core/browser/requestgate.h"
#include "core/browser/sitecookies.h"
#include "core/browser/sitetilemodel.h"
#include "core/browser/sitetiles.h"
#include "core/browser/websiteapi.h"
#include "core/provision/dlscriptmanager.h"
#include "helpers/fixture.h"

#include <QCryptographicHash>
#include <QDataStream>

#include <optional>

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

} // namespace

class TestBrowserCore : public QObject
{
    Q_OBJECT
    QTemporaryDir scratch; // the site files of the cases, apart from other runs'

    TestHttpServer server{QString()};
    QHash<QString, QByteArray> pages;

    QString metadata() const
    {
        return bridge::makeMetadata(
            {{"Referer", server.url("post/1")}, {"UserAgent", "ClipmoorTest/1.0"}});
    }

    static QList<QNetworkCookie> siteCookies()
    {
        QNetworkCookie session("session", "abc123");
        session.setDomain("127.0.0.1");
        session.setPath("/");
        session.setHttpOnly(true);
        return {session};
    }

    QByteArray message(const QString &path) const
    {
        return QJsonDocument(QJsonObject{{"url", server.url(path)},
                                         {"metadata", metadata()},
                                         {"direct", false}})
            .toJson();
    }

private Q_SLOTS:
    void initTestCase()
    {
        fixture::testMode();
        pages = {
            {"video.html", "<html><body><video controls src=\"/media/a.mp4\"></video></body>"},
            {"sources.html", "<video><source src='https://cdn.example/x.webm' type='video/webm'>"
                             "<source src=\"clips/b.mp4?t=1&amp;s=2\"></video>"},
            {"script.html", "<script>var cfg = {\"hls\": \"https:\\/\\/cdn.example\\/live\\/"
                            "index.m3u8?tok=9\"};</script>"},
            {"blob.html", "<video src=\"blob:https://a.example/123\"></video>"},
            {"api.html", "<div id=app></div><script>fetch('/api/post.json')</script>"},
            {"api/post.json", "{\"media\": [{\"files\": {\"source\": {\"url\": "
                              "\"https://cdn.example/full.mp4\"}}}]}"},
            {"none.html", "<html><body><p>No media here.</p></body></html>"},
        };
        server.setHandler([this](const QString &path, TestHttpServer::Response *response) {
            if (!pages.contains(path))
                return false;
            response->contentType = path.endsWith(".json") ? "application/json" : "text/html";
            response->body = pages.value(path);
            return true;
        });
        QVERIFY(server.start());
    }

    // A message names an address, may carry metadata and may ask for an analysis instead of a
    // download. Not JSON, an array, no or a non-string address, a local or script scheme, no
    // host, metadata or "direct" of another type, too long a message or address: refused, with
    // the reason.
    void bridgeMessagesAreCheckedWhole()
    {
        const auto kept = bridge::parseMessage(
            "{\"url\":\"http://a.example/w?v=1\",\"metadata\":\"eyJ4IjoxfQ==\"}");
        QVERIFY(kept.has_value());
        QCOMPARE((QVariantList{kept->url, kept->metadata, kept->direct}),
                 (QVariantList{"http://a.example/w?v=1", "eyJ4IjoxfQ==", true}));
        QVERIFY(
            !bridge::parseMessage("{\"url\":\"https://a.example/p\",\"direct\":false}")->direct);
        QVERIFY(bridge::parseMessage("{\"url\":\"https://a.example/p\",\"direct\":true}")->direct);
        const QList<QByteArray> refused = {"download this",
                                           "[\"https://a.example\"]",
                                           "{\"metadata\":\"\"}",
                                           "{\"url\":5}",
                                           "{\"url\":\"file:///etc/passwd\"}",
                                           "{\"url\":\"javascript:alert(1)\"}",
                                           "{\"url\":\"http://\"}",
                                           "{\"url\":\"https://a.example\",\"metadata\":{\"a\":1}}",
                                           "{\"url\":\"https://a.example\",\"direct\":\"false\"}",
                                           "{\"url\":\"https://a.example/\",\"metadata\":\"" +
                                               QByteArray(bridge::kMaxMessageBytes, 'A') + "\"}",
                                           "{\"url\":\"https://a.example/" +
                                               QByteArray(bridge::kMaxUrlLength, 'a') + "\"}"};
        for (const QByteArray &data : refused) {
            QString why;
            QVERIFY2(!bridge::parseMessage(data, &why), data.left(80).constData());
            QVERIFY(!why.isEmpty());
        }
    }

    void metadataStaysOutOfTheLogAndOnlyAllowedHeadersPass()
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

        QCOMPARE(bridge::httpHeaders(metadata),
                 QVariantMap({{"Cookie", "session=SECRET42"}, {"Referer", "https://a.example/"}}));
        QVERIFY(bridge::httpHeaders("not base64 !!").isEmpty());
        QVERIFY(bridge::httpHeaders(QString::fromLatin1(QByteArray("[1,2]").toBase64())).isEmpty());

        // What of a page's headers reaches a download is an allow-list.
        const QString sent = bridge::makeMetadata({{"Cookie", "sess=SECRET"},
                                                   {"Authorization", "Bearer x"},
                                                   {"Host", "127.0.0.1"},
                                                   {"X-Anything", "1"},
                                                   {"user-agent", "UA/1"},
                                                   {"Referer", "https://a.example/"},
                                                   {"ORIGIN", "https://a.example"},
                                                   {"Accept-Language", "de\r\nX-Evil: 1"}});
        const QVariantMap kept = bridge::httpHeaders(bridge::pageMetadata(sent));
        QCOMPARE(kept, QVariantMap({{"UserAgent", "UA/1"},
                                    {"Referer", "https://a.example/"},
                                    {"Origin", "https://a.example"}}));
        QVERIFY(bridge::pageMetadata(bridge::makeMetadata({{"Cookie", "a=1"}})).isEmpty());
        QVERIFY(bridge::pageMetadata("not ours").isEmpty());
    }

    void cookiesStayOnThePageSite()
    {
        // A sub-domain, suffixes of two labels, of a host and unknown, IPv4, IPv6, one label.
        const auto siteOf = [](const QString &url) {
            return sitecookies::siteOf(QUrl(url));
        };
        COMPARE_MAPPED(
            siteOf, "https://a.b.site.example/x -> site.example",
            "http://www.bbc.co.uk/ -> bbc.co.uk", "https://user.github.io/p -> user.github.io",
            "http://nas.home.internal/ -> home.internal", "http://127.0.0.1:8080/ -> 127.0.0.1",
            "http://[::1]/ -> ::1", "http://localhost/ -> localhost");
    }

    void cookieFilesHoldThePageSiteOnly()
    {
        const QDateTime now = QDateTime::currentDateTimeUtc();
        auto cookie = [&](const char *name, const char *domain) {
            QNetworkCookie c(name, QByteArray(name) + "-value");
            c.setDomain(domain);
            c.setPath("/");
            return c;
        };
        QNetworkCookie signedIn = cookie("sid", ".site.example");
        signedIn.setHttpOnly(true);
        signedIn.setSecure(true);
        QNetworkCookie hostOnly = cookie("pref", "www.site.example");
        hostOnly.setExpirationDate(now.addDays(1));
        QNetworkCookie expired = cookie("old", "www.site.example");
        expired.setExpirationDate(now.addDays(-1));
        QNetworkCookie broken = cookie("tab", "www.site.example");
        broken.setValue("a\tb");
        const QList<QNetworkCookie> jar{signedIn,
                                        hostOnly,
                                        expired,
                                        broken,
                                        cookie("other", "attacker.example"),
                                        cookie("lookalike", "notsite.example")};
        const QUrl page("https://www.site.example/watch");

        const QByteArray file = sitecookies::netscapeFile(
            sitecookies::forDownload(jar, page, QUrl("https://cdn.site.example/v.mp4"), now));
        QCOMPARE(file, QByteArray("# Netscape HTTP Cookie File\n"
                                  "#HttpOnly_.site.example\tTRUE\t/\tTRUE\t0\tsid\tsid-value\n"
                                  "www.site.example\tFALSE\t/\tFALSE\t" +
                                  QByteArray::number(now.addDays(1).toSecsSinceEpoch()) +
                                  "\tpref\tpref-value\n"));
        // A download on another site takes no cookie at all.
        QVERIFY(sitecookies::forDownload(jar, page, QUrl("https://attacker.example/steal"), now)
                    .isEmpty());
        QVERIFY(sitecookies::forDownload(jar, QUrl("http://127.0.0.1:1/p"),
                                         QUrl("http://localhost:1/p"), now)
                    .isEmpty());
        QVERIFY(sitecookies::netscapeFile({}).isEmpty());
    }

    void aClickLetsOneRequestThrough()
    {
        qint64 now = 1000;
        RequestGate gate;
        gate.setClock([&now] { return now; });
        QCOMPARE(gate.take(1), RequestGate::Verdict::NoGesture); // on load, no click
        gate.notePress(1, QPointF(10, 20));
        now += 500;
        gate.noteRelease(1, QPointF(11, 21));
        now += RequestGate::kGestureMs; // the window runs from the release
        RequestGate::Gesture gesture;
        QCOMPARE(gate.take(1, &gesture), RequestGate::Verdict::Accepted);
        QCOMPARE(gesture.position, QPointF(11, 21));
        QCOMPARE(gate.take(1), RequestGate::Verdict::NoGesture); // one per click
        gate.notePress(1, {});
        QCOMPARE(gate.take(2), RequestGate::Verdict::NoGesture); // another document
        gate.noteKey(1);
        now += RequestGate::kGestureMs + 1;
        QCOMPARE(gate.take(1), RequestGate::Verdict::NoGesture); // too late
        // At most kPerMinute a minute, however many clicks.
        for (int i = 0; i < RequestGate::kPerMinute + 2; ++i) {
            gate.notePress(1, {});
            gate.take(1);
            now += 1000;
        }
        QCOMPARE(gate.accepted(), RequestGate::kPerMinute);
        QCOMPARE(gate.droppedOverLimit(), 3);
        now += 60 * 1000;
        gate.notePress(1, {});
        QCOMPARE(gate.take(1), RequestGate::Verdict::Accepted);
        gate.noteRefused(); // taken, then refused (not on our button)
        QCOMPARE(gate.tried(), 18);
        QCOMPARE(gate.accepted(), RequestGate::kPerMinute);
        QCOMPARE(gate.dropped(), 8);
    }

    void addressKinds_data()
    {
        using K = addressguard::Kind;
        testutil::addRows<QString, int>({"host", "kind"},
                                        {{"loopback", "127.0.0.2", int(K::Loopback)},
                                         {"any", "0.0.0.0", int(K::Loopback)},
                                         {"localhost", "LocalHost.", int(K::Loopback)},
                                         {"v6 loopback", "::1", int(K::Loopback)},
                                         {"v4 mapped", "::ffff:127.0.0.1", int(K::Loopback)},
                                         {"nat64", "64:ff9b::a00:1", int(K::Private)},
                                         {"10/8", "10.1.2.3", int(K::Private)},
                                         {"cgnat", "100.64.0.1", int(K::Private)},
                                         {"unique local", "fd12::1", int(K::Private)},
                                         {"link-local", "169.254.169.254", int(K::LinkLocal)},
                                         {"multicast", "224.0.0.1", int(K::Reserved)},
                                         {"public", "93.184.216.34", int(K::Public)},
                                         {"172.32 is public", "172.32.0.1", int(K::Public)}});
    }

    void addressKinds()
    {
        QFETCH(QString, host);
        addressguard::Kind kind = addressguard::Kind::Public;
        QVERIFY(addressguard::literalKind(host, &kind));
        QTEST(int(kind), "kind");
    }

    void pagesCannotAimAtTheUsersNetwork()
    {
        AddressGuard guard;
        int lookups = 0;
        guard.setResolver([&lookups](const QString &host, QObject *,
                                     std::function<void(const QList<QHostAddress> &)> done) {
            ++lookups;
            // Answers later, as a real look-up does.
            QTimer::singleShot(0, [host, done] {
                done(host == "router.example"
                         ? QList<QHostAddress>{QHostAddress("8.8.8.8"), QHostAddress("192.168.0.1")}
                         : QList<QHostAddress>{QHostAddress("8.8.4.4")});
            });
        });
        auto check = [&guard](const char *page, const char *target) {
            std::optional<bool> answer;
            guard.check(QUrl(page), QUrl(target), [&answer](bool ok, const QString &why) {
                answer = ok;
                QVERIFY(ok || !why.contains("192.168"));
            });
            [&] {
                QTRY_VERIFY(answer.has_value());
            }();
            return answer.value_or(true);
        };
        QVERIFY(check("https://site.example/", "https://cdn.example/v.mp4"));
        QVERIFY(!check("https://site.example/", "http://127.0.0.1:631/"));
        QVERIFY(!check("https://site.example/", "http://[::ffff:10.0.0.1]/"));
        QVERIFY(!check("https://site.example/", "http://router.example/admin"));
        QVERIFY(check("http://127.0.0.1:8000/page", "http://localhost:9000/v.mp4"));
        QVERIFY(!check("http://127.0.0.1:8000/page", "http://192.168.0.1/"));
        QVERIFY(check("http://192.168.0.7/nas", "http://router.example/v.mp4"));
        QVERIFY(lookups >= 4);
    }

    // The rules the browser applies to a page: the moves within a single-page site, the user
    // agent.
    void browserRules()
    {
        const QString of = "https://onlyfans.com/", chat = of + "my/chats/chat/123/";
        QVERIFY(browserrules::isSinglePageMove(of + "my/chats/", chat)); // into a chat
        QVERIFY(browserrules::isSinglePageMove(of + "user1", of));       // the start page
        QVERIFY(browserrules::isSinglePageMove(chat, of + "user1"));     // out to a profile
        QVERIFY(!browserrules::isSinglePageMove(chat, of + "my/chats/"));
        QVERIFY(!browserrules::isSinglePageMove(chat, of + "my/settings"));
        QVERIFY(!browserrules::isSinglePageMove(of + "user1", of + "user2"));
        QVERIFY(!browserrules::isSinglePageMove("https://www.youtube.com/",
                                                "https://www.youtube.com/watch?v=x"));
        QVERIFY(!browserrules::isSinglePageMove("https://a.example/my/chats/chat/1/",
                                                "https://a.example/my/chats/chat/2/"));
        // The user agent: the engine's, branded, and another for a site that needs it.
        const QString engine = "Mozilla/5.0 (X11; Linux x86_64) AppleWebKit/537.36 (KHTML, like "
                               "Gecko) QtWebEngine/5.15.13 Chrome/87.0.4280.144 Safari/537.36";
        const QString branded = browserrules::brandedUserAgent(engine, "Clipmoor", "7.0.0");
        QVERIFY(branded.contains("Clipmoor/7.0.0 Chrome/87"));
        QVERIFY(!branded.contains("QtWebEngine"));
        QCOMPARE(browserrules::userAgentFor("https://www.youtube.com/", branded), branded);
        const QString instagram = browserrules::userAgentFor("https://www.instagram.com/", branded);
        QVERIFY(instagram.contains("Version/14.0 Safari/605.1.15"));
    }

    void addRemoveAndResetRoundTrip()
    {
        const QString path = scratch.filePath("online-edit.dat");
        {
            // The first start writes the built-in sites.
            SiteTileModel model(path, nullptr, picturesExist);
            QCOMPARE(sitetiles::load(path).value_or(QList<WebElementData>()),
                     sitetiles::builtInSites());
            QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
            model.addSite(" My Videos ", " https://www.myvideos.com ");
            QCOMPARE(inserted.size(), 1);
            const WebElementData added = model.entry(1);
            QCOMPARE((QVariantList{added.name, added.url, added.kind, added.label}),
                     (QVariantList{"My Videos", "https://www.myvideos.com",
                                   qint32(WebElementData::UserAdded), "myvideos"}));
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
    }

    // A stored site whose picture is gone is repaired: a built-in site gets its picture back,
    // an unknown one becomes the user's. Damaged files never stop the start.
    void storedSitesAreRepairedAndDamageNeverStopsStartUp()
    {
        const QString path = scratch.filePath("online-damaged.dat");
        const auto builtIn = [](const char *name, const char *url, const char *icon) {
            return WebElementData{name, url, icon, WebElementData::BuiltIn, {}, {}};
        };
        testutil::writeFile(
            path,
            storedFile({builtIn("Nicovideo", "https://old.example/", ":/res/websites/gone.png"),
                        builtIn("Lost", "https://www.lost.example", ":/res/websites/gone2.png")}));
        {
            SiteTileModel model(path, nullptr, picturesExist);
            QCOMPARE(model.rowCount(), 3);
            QCOMPARE(model.entry(1).icon, QString(":/res/websites/nicovideo-site@2x.png"));
            QCOMPARE(model.entry(1).url, QString("https://www.nicovideo.jp/"));
            QCOMPARE(model.entry(2).kind, qint32(WebElementData::UserAdded));
            QCOMPARE(model.entry(2).label, QString("lost"));
            QVERIFY(sitetiles::colourTable().contains(model.entry(2).colour));
        }
        const WebElementData mine{
            "Mine", "https://mine.example", "", WebElementData::UserAdded, "#1ADACF", "mine"};
        const WebElementData odd{"Odd", "https://odd.example", "", 7, "", ""};
        // A count far larger than the file, a wrong kind, a cut-off entry, garbage, empty.
        const QByteArray good = storedFile({mine, odd, mine});
        const QList<QByteArray> files = {storedFile({mine}, 999), good.left(good.size() - 3),
                                         QByteArray("\x7f\xff\xff\xff garbage", 12), QByteArray(),
                                         storedFile({mine}, -5)};
        for (const QByteArray &bytes : files) {
            testutil::writeFile(path, bytes);
            SiteTileModel model(path, nullptr, picturesExist);
            QVERIFY(model.rowCount() >= 1);
            QCOMPARE(model.entry(0).kind, qint32(WebElementData::AddNew));
            for (int row = 1; row < model.rowCount(); ++row)
                QVERIFY(model.entry(row).kind <= WebElementData::UserAdded);
        }
        // The wrong kind is skipped, the whole entries before the cut are kept.
        testutil::writeFile(path, good.left(good.size() - 3));
        const auto partial = sitetiles::load(path);
        QVERIFY(partial);
        QCOMPARE(partial->size(), 1);
        QCOMPARE(partial->first(), mine);
        // Too large a file is refused as a whole.
        testutil::writeFile(path, QByteArray(2 * 1024 * 1024, '\0'));
        QVERIFY(!sitetiles::load(path));
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

    // --- our own page analysis ---------------------------------------------------------------
    void findsMediaAndSendsThePageHeaders_data()
    {
        testutil::addRows<QString, QString>(
            {"path", "expected"},
            {{"video src", "video.html", server.url("media/a.mp4")},
             {"first source", "sources.html", "https://cdn.example/x.webm"},
             {"escaped m3u8 in a script", "script.html",
              "https://cdn.example/live/index.m3u8?tok=9"},
             {"in the JSON the page loads", "api.html", "https://cdn.example/full.mp4"}});
    }

    void findsMediaAndSendsThePageHeaders()
    {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        WebsiteApi api;
        QSignalSpy finished(&api, &WebsiteApi::parseFinished);
        // A cookie the page put into its metadata is not the site's cookie jar: it is dropped.
        QVariantMap forged = bridge::httpHeaders(metadata());
        forged.insert("Cookie", "forged=1");
        api.analyse(server.url(path), bridge::makeMetadata(forged), siteCookies());
        QVERIFY(finished.wait(10000));
        QCOMPARE(finished.first().at(0).toString(), expected);
        QCOMPARE(finished.first().at(1).toString(), metadata());
        const QByteArray head = server.lastHeadByPath.value(path);
        QVERIFY2(head.contains("Cookie: session=abc123"), head.constData());
        QVERIFY(!head.contains("forged"));
        QVERIFY(head.contains("User-Agent: ClipmoorTest/1.0"));
        QVERIFY(head.contains("Referer: " + server.url("post/1").toLatin1()));
    }

    void pagesWithoutMediaGiveNothing_data()
    {
        testutil::addRows<QString>({"path"}, {{"no media", "none.html"},
                                              {"only a blob player", "blob.html"},
                                              {"missing page", "gone.html"}});
    }

    void pagesWithoutMediaGiveNothing()
    {
        QFETCH(QString, path);
        WebsiteApi api;
        QSignalSpy finished(&api, &WebsiteApi::parseFinished);
        QSignalSpy failed(&api, &WebsiteApi::parseFailed);
        api.parse(message(path));
        QVERIFY(failed.wait(10000));
        QCOMPARE(finished.size(), 0);
        QCOMPARE(failed.first().at(0).toString(), server.url(path));
    }

    void cookiesFollowNoRedirectToAnotherSite()
    {
        // 127.0.0.1 and localhost are two sites on the same server.
        const QString elsewhere =
            QStringLiteral("http://localhost:%1/media/b.mp4").arg(server.serverPort());
        server.setHandler([this, elsewhere](const QString &path, TestHttpServer::Response *r) {
            if (path == "redirect.html") {
                r->status = 302;
                r->headers = "Location: " + elsewhere.toLatin1() + "\r\n";
                return true;
            }
            if (!pages.contains(path))
                return false;
            r->contentType = "text/html";
            r->body = pages.value(path);
            return true;
        });
        WebsiteApi api;
        QSignalSpy failed(&api, &WebsiteApi::parseFailed);
        api.analyse(server.url("redirect.html"), metadata(), siteCookies());
        QVERIFY(failed.wait(10000));
        QCOMPARE(failed.first().at(1).toString(), QString("redirected to another site"));
        QVERIFY(!server.requestsByPath.contains("media/b.mp4"));
    }

    void aSilentServerTimesOut()
    {
        server.silent.insert("hang.html");
        WebsiteApi api;
        api.setTimeout(300);
        QSignalSpy finished(&api, &WebsiteApi::parseFinished);
        QSignalSpy failed(&api, &WebsiteApi::parseFailed);
        api.parse(message("hang.html"));
        QVERIFY(failed.wait(10000));
        QCOMPARE(failed.first().at(1).toString(), QString("timeout"));
        QCOMPARE(finished.size(), 0);
    }

    void malformedMessagesAreDropped()
    {
        WebsiteApi api;
        QSignalSpy finished(&api, &WebsiteApi::parseFinished);
        QSignalSpy failed(&api, &WebsiteApi::parseFailed);
        const int before = server.requests;
        api.parse("not json");
        api.parse("{\"url\": \"file:///etc/passwd\", \"direct\": false}");
        QCOMPARE(server.requests, before);
        QCOMPARE(finished.size() + failed.size(), 0);
    }

    void theHelperPostsAndReportsErrors()
    {
        WebsiteApi api;
        auto call = [&api](const QByteArray &method, const QString &url, const QVariantMap &headers,
                           const QByteArray &body) {
            auto got = std::make_shared<std::optional<WebsiteApi::Reply>>();
            api.request(method, QUrl(url), headers, body,
                        [got](const WebsiteApi::Reply &reply) { *got = reply; });
            [&] {
                QTRY_VERIFY_WITH_TIMEOUT(got->has_value(), 10000);
            }();
            return got->value_or(WebsiteApi::Reply{});
        };
        const WebsiteApi::Reply posted =
            call("post", server.url("video.html"), {{"X-Test", "1"}}, "a=1");
        QCOMPARE(posted.status, 200);
        QVERIFY(posted.error.isEmpty());
        QVERIFY(posted.body.contains("a.mp4"));
        QVERIFY(server.lastHeadByPath.value("video.html").startsWith("POST "));
        QVERIFY(server.lastHeadByPath.value("video.html").contains("X-Test: 1"));
        // A header value with a line break is never sent.
        call("GET", server.url("video.html"), {{"X-Evil", "a\r\nX-Injected: 1"}}, {});
        QVERIFY(!server.lastHeadByPath.value("video.html").contains("X-Injected"));
        QVERIFY(!call("GET", "http://127.0.0.1:1/none", {}, {}).error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestBrowserCore)
#include "tst_browsercore.moc"
