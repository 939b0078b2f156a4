// Our own page analysis against a server on 127.0.0.1: the page's allowed headers and its site's
// cookies are sent (and follow no redirect to another site), the media address is found in the
// page or in the JSON it names, failures and timeouts end quietly.

#include "core/browser/bridgemessage.h"
#include "core/browser/websiteapi.h"
#include "helpers/fixture.h"

#include <optional>

class TestWebsiteApi : public QObject
{
    Q_OBJECT

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

QTEST_GUILESS_MAIN(TestWebsiteApi)
#include "tst_websiteapi.moc"
