// The browser tab and the browser module: the main window makes the browser through the factory
// it is given (or from the module), hands it the addresses the downloading page sends there, and
// shows a plain notice instead of failing when the browser cannot be loaded.
#include "gui/mainwindow/browserloader.h"
#include "gui/mainwindow/mainwindow.h"
#include "gui/pages/downloadingpage.h"
#include "helpers/gui_test.h"
#include "helpers/windowtest.h"

namespace {

// Stands in for the real browser: records what the window asks of it.
class FakePane : public BrowserPane
{
public:
    using BrowserPane::BrowserPane;
    QWidget *header() const override { return bar; }
    void setUrl(const QUrl &url) override { urls << url; }
    void goHome() override { ++homes; }

    QWidget *bar = new QWidget(this);
    QList<QUrl> urls;
    int homes = 0;
};

int panesMade = 0;

BrowserPane *makeFakePane(QWidget *parent)
{
    ++panesMade;
    return new FakePane(parent);
}

} // namespace

class TestBrowserLoader : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        fixture::prepare();
        testutil::prepareWindowEnvironment();
    }

    // No module beside this test program: the tab shows why, and sending an address to the
    // browser changes tabs without failing.
    void missingModuleShowsANotice()
    {
        setBrowserPaneFactory(nullptr);
        MainWindow window;
        QVERIFY(!window.browser());
        window.tabs()->button(2)->click();
        QVERIFY(!window.browser());
        QWidget *page = window.lazyPage(2);
        QVERIFY(page);
        QCOMPARE(window.pages()->currentWidget(), page);
        auto *notice = page->findChild<QLabel *>(QStringLiteral("browserUnavailable"));
        QVERIFY(notice);
        QVERIFY(notice->text().contains(QStringLiteral("clipmoor-browser.so")));

        Q_EMIT window.downloading()->toBrowserDownloaded(QStringLiteral("http://127.0.0.1/a"));
        QCOMPARE(window.pages()->currentWidget(), page);
    }

    // The browser is made once, on the first visit of its tab, and is handed the addresses the
    // downloading page sends to it.
    void browserMadeOnceAndGivenAddresses()
    {
        setBrowserPaneFactory(&makeFakePane);
        panesMade = 0;
        MainWindow window;
        QCOMPARE(panesMade, 0);
        Q_EMIT window.downloading()->toBrowserDownloaded(QStringLiteral("127.0.0.1:8/watch"));
        QCOMPARE(panesMade, 1);
        auto *pane = static_cast<FakePane *>(window.browser());
        QVERIFY(pane);
        QCOMPARE(window.pages()->currentWidget(), pane);
        QCOMPARE(window.tabs()->checkedId(), 2);
        QCOMPARE(pane->urls, QList<QUrl>{QUrl(QStringLiteral("http://127.0.0.1:8/watch"))});

        window.tabs()->button(0)->click();
        window.tabs()->button(2)->click();
        QCOMPARE(panesMade, 1);
        QCOMPARE(window.pages()->currentWidget(), pane);
        setBrowserPaneFactory(nullptr);
    }

    // The program starts with raster-only windows (no OpenGL driver before the first frame);
    // the first browser makes the window it shows in able to show its OpenGL view, and every
    // window made afterwards too.
    void theFirstBrowserMakesTheWindowOpenGlCapable()
    {
        QCoreApplication::setAttribute(Qt::AA_ForceRasterWidgets);
        setBrowserPaneFactory(&makeFakePane);
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowHandle()->surfaceType(), QSurface::RasterSurface);
        window.tabs()->button(0)->click();
        QCOMPARE(window.windowHandle()->surfaceType(), QSurface::RasterSurface);

        window.tabs()->button(2)->click();
        QVERIFY(window.browser());
        QCOMPARE(window.pages()->currentWidget(), window.browser());
        QVERIFY(!QCoreApplication::testAttribute(Qt::AA_ForceRasterWidgets));
        QCOMPARE(window.windowHandle()->surfaceType(), QSurface::RasterGLSurface);
        QVERIFY(window.isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        setBrowserPaneFactory(nullptr);
    }
};

QTEST_MAIN(TestBrowserLoader)
#include "tst_browserloader.moc"
