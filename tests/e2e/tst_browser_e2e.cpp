// The built-in browser in the real main window, with the real download tool, yt-dlp and ffmpeg
// against a page served on 127.0.0.1: a click on the page's download button makes a row on the
// downloading page that downloads the page's video with the page's referer, user agent and
// cookies. Then an attacker's page: a download that redirects to another site, with forged
// headers; the other site, which records every request, sees no cookie and no forged header.
// With CLIPMOOR_SCREENSHOTS set to a folder, the start page, the page with its button and the row
// are saved there as pictures.
#include "core/browser/bridgemessage.h"
#include "gui/browser/browserwindow.h"
#include "gui/browser/webview.h"
#include "gui/mainwindow/browserloader.h"
#include "gui/pages/downloadedpage.h"
#include "gui/pages/mylistwidget.h"
#include "helpers/webpagetest.h"
#include "helpers/windowtest.h"

class TestBrowserEndToEnd : public QObject
{
    Q_OBJECT
    fixture::Site site;
    QTemporaryDir &www = site.www;
    std::unique_ptr<TestHttpServer> &server = site.server;
    std::unique_ptr<MainWindow> window;

    BrowserWindow *browser() const { return qobject_cast<BrowserWindow *>(window->browser()); }

    void shoot(const QString &name)
    {
        if (qEnvironmentVariableIsSet("CLIPMOOR_SCREENSHOTS"))
            QTest::qWait(300); // the page's last paint, for the picture only
        testutil::screenshot(window.get(), name);
    }

    // In our page scripts' world.
    QVariant js(const QString &code)
    {
        return testutil::runJs(browser()->view()->page(), code, 10000,
                               QWebEngineScript::ApplicationWorld);
    }
    // Opens the page and waits for our scripts' one download button on it.
    void open(const QString &path)
    {
        QSignalSpy injected(browser(), &BrowserWindow::scriptsInjected);
        browser()->setUrl(QUrl(server->url(path)));
        QVERIFY(injected.wait(30000));
        QTRY_COMPARE_WITH_TIMEOUT(js("window.__clipmoor ? __clipmoor.buttons().length : 0").toInt(),
                                  1, 10000);
    }

public:
    static void initMain() { QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts); }

private Q_SLOTS:
    void initTestCase()
    {
        fixture::prepare();
        setBrowserPaneFactory(&BrowserWindow::create);
        testutil::prepareWindowEnvironment();
        testutil::prepareRealDownloads(fixture::downloadFolder());
        QVERIFY(testutil::makeClip(www.path() + "/clip.mp4", 3));
        testutil::writeFile(
            www.path() + "/watch.html",
            "<!doctype html><html><head><title>Loopback clip</title>"
            "<script>document.cookie = 'session=e2e42; path=/';</script>"
            "<style>body { font: 15px sans-serif; margin: 24px; }</style></head><body>"
            "<h2>A clip served on 127.0.0.1</h2>"
            "<video controls width=560 height=315 src='clip.mp4'></video>"
            "<p>The download button on the player's corner comes from the page "
            "scripts.</p></body></html>");
        QVERIFY(server->start());
        window = testutil::openWindow(nullptr, QSize(1100, 720));
        QVERIFY(window);
    }

    void cleanupTestCase() { testutil::closeWindow(window); }

    void theStartPageShowsTheSiteTiles()
    {
        QVERIFY(!window->browser());
        window->tabs()->button(2)->click();
        BrowserWindow *browser = this->browser();
        QVERIFY(browser);
        QCOMPARE(window->pages()->currentWidget(), browser);
        QVERIFY(!browser->view());
        shoot("browser-start-page");
    }

    void thePageButtonDownloadsWithThePageHeaders()
    {
        open("watch.html");
        shoot("browser-page-button");

        QVERIFY(testutil::clickElement(browser()->view(), "__clipmoor.buttons()[0].host"));
        DownloadingPage *page = window->downloading();
        QTRY_COMPARE_WITH_TIMEOUT(page->list()->count(), 1, 10000);
        SniffTask *task = page->list()->taskAt(0);
        QCOMPARE(task->url(), server->url("clip.mp4"));
        QVERIFY(window->hasTabIndicator(0));
        window->tabs()->button(0)->click();
        QTRY_VERIFY_WITH_TIMEOUT(task->state() != SniffTask::State::Waiting, 20000);
        shoot("browser-row");

        QTRY_COMPARE_WITH_TIMEOUT(window->downloaded()->allList()->count(), 1, 90000);
        SniffTask *done = window->downloaded()->allList()->taskAt(0);
        const QString file = done->filePath();
        QVERIFY2(QFileInfo(file).size() > 10000, qPrintable(file));

        // The page's own headers reached the server with the download.
        const QByteArray head = server->lastHeadByPath.value("clip.mp4");
        QVERIFY2(head.contains("Cookie: session=e2e42"), head.constData());
        QVERIFY2(head.contains("Referer: " + server->url("watch.html").toLatin1()),
                 head.constData());
        QVERIFY2(head.contains("Clipmoor/"), head.constData());
    }

    void anAttackerSiteGetsNoCookieAndNoForgedHeader()
    {
        // Another site on the same machine ("localhost" is not "127.0.0.1"), recording every
        // request; the victim site redirects a download there.
        TestHttpServer attacker(www.path());
        QVERIFY(attacker.start());
        const QString steal =
            QStringLiteral("http://localhost:%1/clip.mp4").arg(attacker.serverPort());
        server->setHandler([steal](const QString &path, TestHttpServer::Response *response) {
            if (path == "victim.html") {
                response->contentType = "text/html";
                response->headers = "Set-Cookie: sess=E2ESECRET; HttpOnly; Path=/\r\n";
                response->body = "<html><body><video width=400 height=225 src='/redir'></video>"
                                 "</body></html>";
                return true;
            }
            if (path == "redir") {
                response->status = 302;
                response->headers = "Location: " + steal.toLatin1() + "\r\n";
                return true;
            }
            return false;
        });
        open("victim.html");
        // The click carries a message with forged headers (as a page script gone wrong would
        // send), ahead of the button's own.
        const QString forged = bridge::makeMetadata({{"Authorization", "Bearer FORGED"},
                                                     {"X-Anything", "FORGED"},
                                                     {"Cookie", "forged=FORGED"},
                                                     {"Referer", server->url("victim.html")}});
        js("addEventListener('mousedown', function () { __clipmoor.send({url: '" +
           server->url("redir") + "', metadata: '" + forged +
           "'}); }, {capture: true, once: true})");
        const int done = window->downloaded()->allList()->count();
        QVERIFY(testutil::clickElement(browser()->view(), "__clipmoor.buttons()[0].host"));
        QTRY_COMPARE_WITH_TIMEOUT(window->downloaded()->allList()->count(), done + 1, 90000);
        QVERIFY(attacker.requests > 0);
        for (const QByteArray &head : qAsConst(attacker.heads)) {
            for (const char *leak : {"cookie:", "forged", "authorization", "x-anything"})
                QVERIFY2(!head.toLower().contains(leak), head.constData());
        }
        // The victim site itself got its cookies .
        const QByteArray asked = server->lastHeadByPath.value("redir");
        QVERIFY2(asked.contains("sess=E2ESECRET"), asked.constData());
        QVERIFY(!asked.toLower().contains("forged"));
        qInfo("attacker site: %d requests, no cookie, no forged header", attacker.requests);
        server->setHandler({});
    }
};

QTEST_MAIN(TestBrowserEndToEnd)
#include "tst_browser_e2e.moc"
