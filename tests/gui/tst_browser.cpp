// The browser window: first without pages (the start page's tiles: open, remove, add, reset; the
// navigation bar's states; the remote-debugging switch), then the page scripts in a real
// (headless) Qt WebEngine page against pages served on 127.0.0.1: where the download button
// appears, that the page's style sheets cannot hide it, that it moves no player, and what a click
// on it hands to the application. Then hostile pages: downloads asked for without a click, floods
// after one click, forged headers, a cross-origin frame's clicks, and cookies of one site aimed at
// another through a redirect.

#include "core/browser/bridgemessage.h"
#include "core/browser/sitetilemodel.h"
#include "core/browser/websiteapi.h"
#include "gui/browser/addsitedlg.h"
#include "gui/browser/browserwindow.h"
#include "gui/browser/pagerequests.h"
#include "gui/browser/webhomepage.h"
#include "gui/browser/webview.h"
#include "helpers/gui_test.h"
#include "helpers/webpagetest.h"

namespace {
// Every page records its own errors and the player's place before our scripts run.
const char kHead[] =
    "<!doctype html><html><head><meta charset=utf-8><script>"
    "window.__errors = [];"
    "window.addEventListener('error', function (e) { window.__errors.push(String(e.message)); });"
    "document.cookie = 'session=abc123; path=/';"
    "window.__globals = Object.getOwnPropertyNames(window);"
    "</script><style>body { margin: 20px; font: 14px sans-serif; }</style></head><body>";

QByteArray page(const QByteArray &body)
{
    return QByteArray(kHead) + body + "</body></html>";
}
} // namespace

class TestBrowser : public QObject
{
    Q_OBJECT

    TestHttpServer server{QString()};
    QHash<QString, QByteArray> pages;
    QHash<QString, QByteArray> pageHeaders;
    BrowserWindow *browser = nullptr;
    qint64 now = 0; // the request gate's clock

    RequestGate &gate() { return browser->pageRequests()->gate(); }

    // In our page scripts' world, and in the page's own.
    QVariant js(const QString &code)
    {
        return testutil::runJs(browser->view()->page(), code, 10000,
                               QWebEngineScript::ApplicationWorld);
    }
    QVariant pageJs(const QString &code) { return testutil::runJs(browser->view()->page(), code); }

    // The same server under another name: another site.
    QString otherSite(const QString &path) const
    {
        return QStringLiteral("http://localhost:%1/%2").arg(server.serverPort()).arg(path);
    }

    bool open(const QString &path)
    {
        QSignalSpy injected(browser, &BrowserWindow::scriptsInjected);
        browser->setUrl(QUrl(path.startsWith("http") ? path : server.url(path)));
        return injected.wait(20000);
    }

    // Waits until the page shows `count` buttons; the number shown in the end.
    int waitForButtons(int count, int timeoutMs = 10000)
    {
        int shown = -1; // the count when enough came or the time ran out
        static_cast<void>(QTest::qWaitFor(
            [&] {
                shown = js("window.__clipmoor ? __clipmoor.buttons().filter(function (b) {"
                           " return getComputedStyle(b.host).display !== 'none'; }).length : -1")
                            .toInt();
                return shown >= count;
            },
            timeoutMs));
        return shown;
    }

    // Clicks button `index` as the user does and returns the download request that came of it:
    // address, metadata, cookie file.
    QList<QVariant> press(int index)
    {
        now += 60 * 1000; // a minute later: the per-minute bound plays no part here
        QSignalSpy started(browser, &BrowserWindow::downloadStarted);
        if (!testutil::clickElement(browser->view(),
                                    QStringLiteral("__clipmoor.buttons()[%1].host").arg(index)))
            return {};
        // The answer may have come while the click was being run.
        if (started.isEmpty() && !started.wait(10000))
            return {};
        return started.first();
    }

    // Our world's own road to the bridge, as a page script that went wrong would take it.
    void sendFromOurWorld(const QString &url, int times = 1)
    {
        js(QStringLiteral("for (var i = 0; i < %1; ++i) __clipmoor.send({url: '%2', metadata: ''})")
               .arg(times)
               .arg(url));
    }

    WebHomePage *home() const { return browser->homePage(); }

    QPoint pointIn(int row, bool closeMark) const
    {
        const QRect rect = home()->view()->visualRect(home()->model()->index(row));
        return closeMark ? WebElement::closeArea(rect).center()
                         : WebElement::pictureArea(rect).center();
    }

    void click(int row, bool closeMark = false)
    {
        QTest::mouseClick(home()->view()->viewport(), Qt::LeftButton, {}, pointIn(row, closeMark));
    }

    static QVariantMap headersOf(const QString &metadata) { return bridge::httpHeaders(metadata); }
    static bool hasCookie(const QList<QVariant> &request, const QByteArray &nameTabValue)
    {
        return request.value(2).toByteArray().contains("\t" + nameTabValue + "\n");
    }

public:
    static void initMain() { QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts); }

private Q_SLOTS:
    void initTestCase()
    {
        fixture::testMode();
        qunsetenv("QTWEBENGINE_REMOTE_DEBUGGING");
        qunsetenv("CLIPMOOR_REMOTE_DEBUGGING");
        QVERIFY(server.start());
        pages = {
            {"video.html", page("<p>Text above.</p><video id=player src='/media/clip.mp4' "
                                "width=480 height=270 controls></video><p id=after>Below</p>")},
            {"sources.html", page("<video id=player width=400 height=225 controls>"
                                  "<source src='/media/clip.webm' type='video/webm'>"
                                  "<source src='/media/clip.mp4' type='video/mp4'></video>")},
            {"audio.html", page("<p>A song</p><br><br><audio id=player controls "
                                "src='/media/song.mp3'></audio>")},
            {"late.html", page("<div id=slot></div><script>setTimeout(function () {"
                               " var v = document.createElement('video');"
                               " v.id = 'player'; v.width = 320; v.height = 180;"
                               " v.src = '/media/late.mp4';"
                               " document.getElementById('slot').appendChild(v); }, 2000);"
                               "</script>")},
            {"link.html", page("<p>Get <a id=link href='/files/talk.m4a'>the talk</a> or "
                               "<a href='/about.html'>read about it</a>.</p>")},
            {"none.html", page("<h1>Nothing to play</h1><a href='/other.html'>other</a>"
                               "<img src='/pic.jpg' width=100 height=100>")},
            {"blob.html", page("<video id=player width=320 height=180></video><script>"
                               "var ms = new MediaSource();"
                               "document.getElementById('player').src ="
                               " URL.createObjectURL(ms);</script>")},
            {"hostile.html",
             page("<style>button, clipmoor-download, [title], html > :not(head):not(body) {"
                  " display: none !important; visibility: hidden !important;"
                  " opacity: 0 !important; width: 0 !important; pointer-events: none "
                  "!important; } * { z-index: auto !important; }</style>"
                  "<div style='position: relative; z-index: 5'><video id=player "
                  "src='/media/clip.mp4' width=400 height=225></video></div>")},
            {"frame.html", page("<iframe id=frame src='/inner.html' width=500 height=300>"
                                "</iframe>")},
            {"inner.html", "<html><body><video id=inner src='/media/inner.mp4' width=320 "
                           "height=180></video></body></html>"},
            {"youtube.com/watch", page("<div id=root></div><script>setTimeout(function () {"
                                       " var p = document.createElement('div');"
                                       " p.id = 'movie_player';"
                                       " p.style.cssText = 'width:480px;height:270px;';"
                                       " p.innerHTML = '<video src=\"/media/yt.mp4\" "
                                       "style=\"width:100%;height:100%\"></video>';"
                                       " document.getElementById('root').appendChild(p);"
                                       "}, 1500);</script>")},
            {"youtube.com/feed", page("<video id=player src='/media/feed.mp4' width=320 "
                                      "height=180></video>")},
            // Clicks our button from its own script, over and over, from the start.
            {"onload.html", page("<video id=player src='/media/clip.mp4' width=320 height=180>"
                                 "</video><script>window.__tries = 0;"
                                 "window.__reached = typeof qt !== 'undefined';"
                                 "var t = setInterval(function () {"
                                 " var h = document.querySelector('clipmoor-download');"
                                 " if (!h) return;"
                                 " for (var i = 0; i < 100; ++i) { h.click(); ++__tries; }"
                                 " if (__tries >= 1000) clearInterval(t); }, 20);</script>")},
            {"framed.html", page("<video id=player src='/media/clip.mp4' width=320 height=180>"
                                 "</video><br><iframe id=frame width=400 height=200 src='" +
                                 otherSite("inner-frame.html").toLatin1() +
                                 "'></iframe><script>window.__frameSaid = null;"
                                 "addEventListener('message', function (e) {"
                                 " window.__frameSaid = e.data; });</script>")},
            {"inner-frame.html", "<html><body style='margin:0; height:200px'>"
                                 "<script>document.addEventListener('click', function () {"
                                 " parent.postMessage({reached: typeof qt !== 'undefined'},"
                                 " '*'); });</script></body></html>"},
            // The victim site: a sign-in cookie the page's scripts cannot read, a player whose
            // address redirects to another site, and a link to that site.
            {"victim.html",
             page("<video id=player width=320 height=180 src='/redir?to=" +
                  otherSite("steal.mp4").toLatin1() + "'></video><p><a id=away href='" +
                  otherSite("steal.mp4").toLatin1() + "'>elsewhere</a></p>")},
        };
        pageHeaders.insert("victim.html", "Set-Cookie: sess=SECRET; HttpOnly; Path=/\r\n");
        server.setHandler([this](const QString &path, TestHttpServer::Response *response) {
            QString key = path;
            if (!pages.contains(key)) {
                // Watch pages of every site: a page with one plain player.
                if (key.startsWith(QLatin1String("media/")) ||
                    key.startsWith(QLatin1String("files/")))
                    return false;
                response->contentType = "text/html";
                response->body = page("<video id=player src='/media/site.mp4' width=320 "
                                      "height=180></video>");
                return true;
            }
            response->contentType = "text/html";
            response->body = pages.value(key);
            response->headers = pageHeaders.value(key);
            return true;
        });
        browser = new BrowserWindow;
        gate().setClock([this] { return now; });
        QVERIFY(testutil::show(browser, QSize(1000, 700)));
        // A tile's click is seen by the signal alone: no page of the sites is opened.
        QObject::disconnect(home(), &WebHomePage::urlLoaded, browser, nullptr);
    }

    void cleanupTestCase() { delete browser; }

    // Every case starts from the built-in tiles, whatever the cases before it did.
    void init() { home()->model()->reset(); }

    void cleanup()
    {
        if (browser->view()) {
            // The page never saw an error of ours, and we added only our one object (and the
            // web channel client's names) to it.
            QCOMPARE(pageJs("window.__errors ? window.__errors.length : 0").toInt(), 0);
            // Our scripts live in a world of their own: the page's world has none of their
            // names, and no road to the bridge.
            const QStringList added =
                pageJs("Object.getOwnPropertyNames(window).filter(function (n) {"
                       " return window.__globals && window.__globals.indexOf(n) < 0 &&"
                       " !/^\\d+$/.test(n); })")
                    .toStringList();
            for (const QString &name : added)
                QVERIFY2(QStringList({"__errors", "__globals", "ms", "cfg", "t", "__tries",
                                      "__reached", "__frameSaid"})
                             .contains(name),
                         qPrintable(name));
            QCOMPARE(pageJs("typeof qt + typeof QWebChannel").toString(),
                     QString("undefinedundefined"));
        }
    }

    void remoteDebuggingStaysOffUnlessAsked()
    {
        QVERIFY(!qEnvironmentVariableIsSet("QTWEBENGINE_REMOTE_DEBUGGING"));
        QVERIFY(!BrowserWindow::applyRemoteDebuggingConfig());
        QVERIFY(!qEnvironmentVariableIsSet("QTWEBENGINE_REMOTE_DEBUGGING"));
        // A port inherited from the environment is closed too.
        qputenv("QTWEBENGINE_REMOTE_DEBUGGING", "9222");
        QVERIFY(!BrowserWindow::applyRemoteDebuggingConfig());
        qputenv("CLIPMOOR_REMOTE_DEBUGGING", "1");
        QVERIFY(BrowserWindow::applyRemoteDebuggingConfig());
        QCOMPARE(qgetenv("QTWEBENGINE_REMOTE_DEBUGGING"), QByteArray("27896"));
        qunsetenv("CLIPMOOR_REMOTE_DEBUGGING");
        qunsetenv("QTWEBENGINE_REMOTE_DEBUGGING");
    }

    // At home: no page, the placeholder while the field has no focus, only Home enabled; the
    // load button follows a page's progress.
    void startsAtHomeAndTheLoadButtonFollowsProgress()
    {
        QVERIFY(home());
        QVERIFY(!browser->view());
        QCOMPARE(home()->model()->rowCount(), sitetiles::builtInSites().size() + 1);
        QVERIFY(browser->addressField()->text().isEmpty());
        browser->addressField()->setFocus();
        QVERIFY(browser->addressField()->placeholderText().isEmpty());
        browser->addressField()->clearFocus();
        QCOMPARE(browser->addressField()->placeholderText(), QString("Enter Video URL"));
        QVERIFY(!browser->progressBar()->isVisible());
        const auto buttons = browser->header()->findChildren<QPushButton *>();
        for (QPushButton *button : buttons)
            QCOMPARE(button->isEnabled(), button == buttons.first()); // only Home
        QPushButton *reload = buttons.at(3);
        browser->handleWebViewLoadProgress(40);
        QCOMPARE(reload->property("action").toInt(), int(QWebEnginePage::Stop));
        QCOMPARE(reload->toolTip(), QString("Stop loading this page"));
        QCOMPARE(browser->progressBar()->value(), 40);
        browser->handleWebViewLoadProgress(100);
        QCOMPARE(reload->property("action").toInt(), int(QWebEnginePage::Reload));
        QCOMPARE(reload->toolTip(), QString("Reload this page"));
        QCOMPARE(browser->progressBar()->value(), 0);
    }

    // A tile opens its site; its close mark removes it for good; "Add New" asks for a site, which
    // comes right after it; a reset brings the built-in sites back.
    void theTilesOpenRemoveAddAndReset()
    {
        const int builtIn = sitetiles::builtInSites().size();
        const auto stored = [] {
            return sitetiles::load(sitetiles::onlineFile())
                .value_or(QList<WebElementData>())
                .size();
        };
        QSignalSpy opened(home(), &WebHomePage::urlLoaded);
        click(3);
        QCOMPARE(opened.takeFirst().first().toString(), sitetiles::builtInSites().at(2).url);

        click(1, true);
        QCOMPARE(home()->model()->rowCount(), builtIn);
        QCOMPARE(home()->model()->entry(1).name, sitetiles::builtInSites().at(1).name);
        QCOMPARE(stored(), builtIn - 1);

        click(0);
        auto *dialog = qobject_cast<AddSiteDlg *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QVERIFY(!dialog->okButton()->isEnabled());
        dialog->urlField()->setText("https://www.myclips.org/");
        QVERIFY(!dialog->okButton()->isEnabled());
        dialog->titleField()->setText("My clips");
        QVERIFY(dialog->okButton()->isEnabled());
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        QCOMPARE(home()->model()->rowCount(), builtIn + 1);
        const WebElementData added = home()->model()->entry(1);
        QCOMPARE(added.name, QString("My clips"));
        QCOMPARE(added.kind, qint32(WebElementData::UserAdded));
        QCOMPARE(added.label, QString("myclips"));
        QCOMPARE(stored(), builtIn);
        click(1);
        QCOMPARE(opened.takeFirst().first().toString(), QString("https://www.myclips.org/"));

        home()->model()->reset();
        QCOMPARE(stored(), builtIn);
        QCOMPARE(home()->model()->all().mid(1), sitetiles::builtInSites());
    }

    void aTypedAddressOpensAndHomeFreesTheView()
    {
        browser->addressField()->setText("127.0.0.1:9/nothing");
        QTest::keyClick(browser->addressField(), Qt::Key_Return);
        QVERIFY(browser->view());
        QPointer<WebView> view = browser->view();
        QCOMPARE(browser->view()->page()->requestedUrl(), QUrl("http://127.0.0.1:9/nothing"));
        QVERIFY(browser->header()->findChildren<QPushButton *>().last()->isVisible());
        browser->goHome();
        QVERIFY(!browser->view());
        QTRY_VERIFY_WITH_TIMEOUT(view.isNull(), 5000);
        QVERIFY(!browser->header()->findChildren<QPushButton *>().last()->isVisible());
    }

    // --- the page scripts ----------------------------------------------------------------------

    void plainVideo()
    {
        QVERIFY(open("video.html"));
        const QString before = js("JSON.stringify(player.getBoundingClientRect())").toString();
        QCOMPARE(waitForButtons(1), 1);
        // On the player's top right corner, and the player has not moved.
        const QVariantMap place =
            js("(function () { var p = player.getBoundingClientRect();"
               " var b = __clipmoor.buttons()[0].host.getBoundingClientRect();"
               " return {inside: b.left >= p.left && b.right <= p.right && b.top >= p.top &&"
               " b.bottom <= p.bottom, right: p.right - b.right, top: b.top - p.top,"
               " onTop: document.elementFromPoint(b.left + b.width / 2, b.top + b.height / 2)"
               " === __clipmoor.buttons()[0].host}; })()")
                .toMap();
        QVERIFY(place.value("inside").toBool());
        QVERIFY(place.value("right").toDouble() < 20);
        QVERIFY(place.value("top").toDouble() < 20);
        QVERIFY(place.value("onTop").toBool());
        QCOMPARE(js("JSON.stringify(player.getBoundingClientRect())").toString(), before);
        QCOMPARE(js("after.getBoundingClientRect().top > player.getBoundingClientRect().bottom")
                     .toBool(),
                 true);

        const QList<QVariant> message = press(0);
        QCOMPARE(message.value(0).toString(), server.url("media/clip.mp4"));
        const QVariantMap headers = headersOf(message.value(1).toString());
        QCOMPARE(headers.value("Referer").toString(), server.url("video.html"));
        QVERIFY(headers.value("UserAgent").toString().contains("Clipmoor/"));
        // The site's cookies travel as a cookie file, never in the headers.
        QVERIFY(!headers.contains("Cookie"));
        QVERIFY(hasCookie(message, "session\tabc123"));

        // Every script run again adds nothing.
        QSignalSpy injected(browser, &BrowserWindow::scriptsInjected);
        browser->onLoadFinished();
        QVERIFY(injected.wait(10000));
        js("__clipmoor.scan()");
        QCOMPARE(js("__clipmoor.buttons().length").toInt(), 1);
        QCOMPARE(js("document.querySelectorAll('clipmoor-download').length").toInt(), 1);

        // Home frees the view; a fresh one gets a working bridge again.
        QPointer<WebView> view = browser->view();
        browser->goHome();
        QVERIFY(!browser->view());
        QTRY_VERIFY_WITH_TIMEOUT(view.isNull(), 5000);
        QVERIFY(open("video.html"));
        QCOMPARE(waitForButtons(1), 1);
        QCOMPARE(press(0).value(0).toString(), server.url("media/clip.mp4"));
    }

    // Every kind of player gets its button: `ready` is waited for before the page is scanned,
    // `shown` holds once the button is there, and the click hands over one of `media` (none:
    // no button at all), with the site's cookies and the page as the referrer.
    void aButtonOnEveryKindOfPlayer_data()
    {
        const QString button = "var b = __clipmoor.buttons()[0].host.getBoundingClientRect(), "
                               "kind = __clipmoor.buttons()[0].kind;";
        // The source the player chose, else the first one. A watch page's one button is on the
        // site's player box (not on the video inside it, which comes later) and hands over the
        // page.
        testutil::addRows<QString, QString, QString, QStringList>(
            {"path", "ready", "shown", "media"},
            {{"source children",
              "sources.html",
              "true",
              "true",
              {"media/clip.webm", "media/clip.mp4"}},
             {"audio, beside the player",
              "audio.html",
              "true",
              "(function () { var p = player.getBoundingClientRect();" + button +
                  " return kind === 'player' && Math.abs(b.right - p.right) < 2 &&"
                  " (Math.abs(b.bottom - p.top) < 6 || Math.abs(b.top - p.bottom) < 6); })()",
              {"media/song.mp3"}},
             {"player added later",
              "late.html",
              "__clipmoor.buttons().length === 0",
              "true",
              {"media/late.mp4"}},
             {"media link, right after it",
              "link.html",
              "true",
              "(function () { var l = link.getBoundingClientRect();" + button +
                  " return kind === 'link' && b.left >= l.right && b.left - l.right < 10 &&"
                  " b.top < l.bottom && b.bottom > l.top; })()",
              {"files/talk.m4a"}},
             {"no media", "none.html", "true", "true", {}},
             {"blob player: the page",
              "blob.html",
              "true",
              "player.src.indexOf('blob:') === 0",
              {"blob.html"}},
             {"page styles cannot hide it",
              "hostile.html",
              "true",
              "(function () { var h = __clipmoor.buttons()[0].host, s = getComputedStyle(h);" +
                  button +
                  " return s.display === 'block' && s.visibility === 'visible' &&"
                  " s.opacity === '1' && b.width > 50 && document.elementFromPoint(b.left +"
                  " b.width / 2, b.top + b.height / 2) === h; })()",
              {"media/clip.mp4"}},
             {"same-origin frame",
              "frame.html",
              "frame.contentDocument && frame.contentDocument.readyState === 'complete'",
              "frame.contentDocument.querySelectorAll('clipmoor-download').length === 1",
              {"media/inner.mp4"}},
             {"site watch page",
              "youtube.com/watch?v=abcdefghijk&t=5#top",
              "__clipmoor.isWatchPage()",
              "__clipmoor.buttons().length === 1 &&"
              " __clipmoor.buttons()[0].target.id === 'movie_player'",
              {"youtube.com/watch?v=abcdefghijk&t=5"}},
             {"site page that is no watch page",
              "youtube.com/feed",
              "true",
              "!__clipmoor.isWatchPage()",
              {"media/feed.mp4"}}});
    }

    void aButtonOnEveryKindOfPlayer()
    {
        QFETCH(QString, path);
        QFETCH(QString, ready);
        QFETCH(QString, shown);
        QFETCH(QStringList, media);
        QVERIFY(open(path));
        QTRY_VERIFY_WITH_TIMEOUT(js(ready).toBool(), 10000);
        js("__clipmoor.scan()"); // runs at once: no waiting for nothing to happen
        if (media.isEmpty()) {
            QCOMPARE(js("__clipmoor.buttons().length").toInt(), 0);
            QCOMPARE(js("document.querySelectorAll('clipmoor-download').length").toInt(), 0);
            return;
        }
        QCOMPARE(waitForButtons(1), 1);
        QVERIFY2(js(shown).toBool(), qPrintable(shown));
        const QList<QVariant> message = press(0);
        QVERIFY2(media.contains(message.value(0).toString().mid(server.url(QString()).size())),
                 qPrintable(message.value(0).toString()));
        QVERIFY(hasCookie(message, "session\tabc123"));
        const QString referer = headersOf(message.value(1).toString()).value("Referer").toString();
        QVERIFY(referer.startsWith(server.url(path).section('#', 0, 0)));
    }

    void everySiteScript_data()
    {
        testutil::addRows<QString, bool>(
            {"path", "direct"},
            {{"youtube short", "www.youtube.com/shorts/abcdefghijk", true},
             {"youtu.be", "youtu.be/abcdefghijk", true},
             {"tiktok", "www.tiktok.com/@someone/video/7212345678901234567", true},
             {"facebook", "www.facebook.com/watch/?v=1234567890", true},
             {"instagram", "www.instagram.com/reel/Cabc123/", true},
             {"rumble", "rumble.com/v2abcd-some-title.html", true},
             {"onlyfans", "onlyfans.com/123456789/someone", false},
             {"fansly", "fansly.com/post/123456789", false},
             {"justforfans", "justfor.fans/someone?PostID=123", false},
             {"loyalfans", "www.loyalfans.com/someone/video/abc-def", false},
             {"manyvids", "www.manyvids.com/Video/123456/title/", true},
             {"redgifs", "www.redgifs.com/watch/somegif", true},
             {"pornhubpremium", "www.pornhubpremium.com/view_video.php?viewkey=ph1", true},
             {"xnxx", "www.xnxx.com/video-abc123/title", true},
             {"faphouse", "faphouse.com/videos/abc-title", true},
             {"javhd", "javhd.com/en/id/123456/title", false},
             {"mfcshare", "share.myfreecams.com/someone/123456", false},
             {"pornhub", "www.pornhub.com/view_video.php?viewkey=ph2", true},
             {"patreon", "www.patreon.com/posts/some-post-123", true},
             {"analdin", "www.analdin.com/videos/123456/title/", true},
             {"xvideos-red", "www.xvideos.red/video12345/title", true},
             {"spankbang", "spankbang.com/abc12/video/title", true}});
    }

    void everySiteScript()
    {
        QFETCH(QString, path);
        QFETCH(bool, direct);
        QVERIFY(open(path));
        QVERIFY2(js("__clipmoor.isWatchPage()").toBool(), qPrintable(path));
        QCOMPARE(waitForButtons(1), 1);
        const QList<QVariant> message = press(0);
        // Watch pages hand over the page; pages that ask for our analysis get the media address
        // it finds in the page, with the page's headers either way.
        QCOMPARE(message.value(0).toString(),
                 direct ? server.url(path) : server.url("media/site.mp4"));
        QVERIFY(hasCookie(message, "session\tabc123"));
        if (!direct)
            QVERIFY(server.lastHeadByPath.value(QUrl(server.url(path)).path().mid(1))
                        .contains("Cookie: session=abc123"));
    }

    void clearingBrowsingDataSignsOut()
    {
        QVERIFY(open("none.html"));
        js("document.cookie = 'signedin=yes; path=/; max-age=3600'");
        QVERIFY(js("document.cookie").toString().contains("signedin=yes"));
        browser->header()->findChildren<QPushButton *>().last()->click();
        // The page loaded again (its own cookie set anew) without the signed-in cookie.
        QTRY_VERIFY_WITH_TIMEOUT(
            pageJs("window.__errors && document.cookie === 'session=abc123'").toBool(), 20000);
    }

    // --- hostile pages ---------------------------------------------------------------------

    void aDownloadNeedsAClickOnTheButton()
    {
        QSignalSpy started(browser, &BrowserWindow::downloadStarted);
        const int tried = gate().tried(), dropped = gate().dropped();
        QVERIFY(open("onload.html"));
        QCOMPARE(waitForButtons(1), 1);
        // The page clicks the button a thousand times from its script: such clicks are not
        // trusted, and the page has no road to the bridge of its own.
        QTRY_VERIFY_WITH_TIMEOUT(pageJs("window.__tries").toInt() >= 1000, 10000);
        QCOMPARE(pageJs("window.__reached").toBool(), false);
        // Should a request reach the bridge all the same (our own world's road), it needs a
        // click: none yet, then one beside the button.
        sendFromOurWorld(server.url("media/clip.mp4"));
        QTRY_COMPARE_WITH_TIMEOUT(gate().tried(), tried + 1, 10000);
        now += 60 * 1000;
        testutil::clickAt(browser->view(), QPointF(600, 400));
        sendFromOurWorld(server.url("media/clip.mp4"));
        QTRY_COMPARE_WITH_TIMEOUT(gate().dropped(), dropped + 2, 10000);
        QCOMPARE(started.size(), 0);
        // A click on the button is what it takes.
        QCOMPARE(press(0).value(0).toString(), server.url("media/clip.mp4"));
        qInfo("without a click: %d script clicks reached no bridge; requests tried %d, "
              "accepted %d, dropped %d",
              pageJs("window.__tries").toInt(), gate().tried() - tried,
              gate().tried() - tried - (gate().dropped() - dropped), gate().dropped() - dropped);
    }

    void theKeyboardPressesTheButtonToo()
    {
        QVERIFY(open("link.html"));
        QCOMPARE(waitForButtons(1), 1);
        QWidget *input = browser->view()->focusProxy();
        browser->activateWindow();
        input->setFocus();
        // The page's two links, then our button (last in the document).
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(input, Qt::Key_Tab);
        QTRY_VERIFY_WITH_TIMEOUT(
            js("document.activeElement === __clipmoor.buttons()[0].host").toBool(), 10000);
        now += 60 * 1000;
        QSignalSpy started(browser, &BrowserWindow::downloadStarted);
        QTest::keyClick(input, Qt::Key_Return);
        QVERIFY(started.wait(10000));
        QCOMPARE(started.first().value(0).toString(), server.url("files/talk.m4a"));
    }

    void aFloodAfterOneClickStartsOneJob()
    {
        QVERIFY(open("video.html"));
        QCOMPARE(waitForButtons(1), 1);
        QSignalSpy started(browser, &BrowserWindow::downloadStarted);
        const int tried = gate().tried(), accepted = gate().accepted();
        now += 60 * 1000;
        // A loop behind the button: 1,000 requests after one click.
        QVERIFY(testutil::clickElement(browser->view(), "__clipmoor.buttons()[0].host"));
        sendFromOurWorld(server.url("media/clip.mp4"), 1000);
        QTRY_COMPARE_WITH_TIMEOUT(gate().tried(), tried + 1001, 20000);
        QTRY_COMPARE_WITH_TIMEOUT(started.size(), 1, 10000);
        QCOMPARE(gate().accepted() - accepted, 1);
    }

    void aCrossOriginFrameLendsNoClick()
    {
        QVERIFY(open("framed.html"));
        QCOMPARE(waitForButtons(1), 1);
        QTRY_VERIFY_WITH_TIMEOUT(
            js("(function (f) { return f.getBoundingClientRect().height > 100 &&"
               " f.contentDocument === null; })(document.getElementById('frame'))")
                .toBool(),
            10000);
        QSignalSpy started(browser, &BrowserWindow::downloadStarted);
        const int dropped = gate().dropped();
        now += 60 * 1000;
        // The user clicks in the frame; the frame cannot reach the bridge, and the click is no
        // click on our button for a request of the page.
        QVERIFY(testutil::clickElement(browser->view(), "document.getElementById('frame')"));
        QTRY_VERIFY_WITH_TIMEOUT(!pageJs("window.__frameSaid").isNull(), 10000);
        QCOMPARE(pageJs("window.__frameSaid.reached").toBool(), false);
        sendFromOurWorld(server.url("media/clip.mp4"));
        QTRY_COMPARE_WITH_TIMEOUT(gate().dropped(), dropped + 1, 10000);
        QCOMPARE(started.size(), 0);
    }

    void cookiesAndHeadersStayWithTheirSite()
    {
        // Another site's cookie in the same browser, then the victim site with its own.
        QVERIFY(open(otherSite("none.html")));
        QVERIFY(open("victim.html"));
        QTRY_VERIFY_WITH_TIMEOUT(
            std::any_of(browser->browserCookies().begin(), browser->browserCookies().end(),
                        [](const QNetworkCookie &c) { return c.name() == "sess"; }),
            10000);
        QCOMPARE(waitForButtons(2), 2);
        QCOMPARE(pageJs("document.cookie.indexOf('SECRET')").toInt(), -1); // HttpOnly
        // A script of ours gone wrong sends forged headers on the click's mouse press (before
        // the button's own message): the headers are an allow-list.
        const QString forged = bridge::makeMetadata({{"Authorization", "Bearer FORGED"},
                                                     {"Host", "forged.example"},
                                                     {"X-Anything", "FORGED"},
                                                     {"Cookie", "forged=FORGED"},
                                                     {"Referer", server.url("victim.html")}});
        js("addEventListener('mousedown', function () { __clipmoor.send({url:"
           " document.getElementById('player').src, metadata: '" +
           forged + "'}); }, {capture: true, once: true})");
        const QList<QVariant> request = press(0);
        QCOMPARE(request.value(0).toString(), server.url("redir?to=" + otherSite("steal.mp4")));
        QCOMPARE(headersOf(request.value(1).toString()),
                 QVariantMap({{"Referer", server.url("victim.html")}}));
        // The cookie file holds the page's site, HttpOnly cookies included, and nothing else.
        const QByteArray cookies = request.value(2).toByteArray();
        QVERIFY(cookies.contains("#HttpOnly_127.0.0.1\tFALSE\t/\tFALSE\t0\tsess\tSECRET\n"));
        for (const QByteArray &line : cookies.split('\n').mid(1)) {
            if (!line.isEmpty())
                QVERIFY2(line.startsWith("127.0.0.1\t") || line.startsWith("#HttpOnly_127.0.0.1\t"),
                         line.constData());
        }
        // A download on the other site takes no cookie.
        QCOMPARE(js("__clipmoor.buttons()[1].kind").toString(), QString("link"));
        const QList<QVariant> away = press(1);
        QCOMPARE(away.value(0).toString(), otherSite("steal.mp4"));
        QVERIFY(away.value(2).toByteArray().isEmpty());
    }
};

QTEST_MAIN(TestBrowser)
#include "tst_browser.moc"
