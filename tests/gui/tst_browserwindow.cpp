// The browser window without pages: the start page's tiles (open, remove, add, reset), the
// navigation bar's states, and the remote-debugging switch.

#include "core/browser/sitetilemodel.h"
#include "gui/browser/addsitedlg.h"
#include "gui/browser/browserwindow.h"
#include "gui/browser/webhomepage.h"
#include "gui/browser/webview.h"
#include "helpers/gui_test.h"

class TestBrowserWindow : public QObject
{
    Q_OBJECT

    BrowserWindow *browser = nullptr;

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

public:
    static void initMain() { QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts); }

private Q_SLOTS:
    void initTestCase()
    {
        fixture::testMode();
        qunsetenv("QTWEBENGINE_REMOTE_DEBUGGING");
        qunsetenv("CLIPMOOR_REMOTE_DEBUGGING");
        browser = new BrowserWindow;
        QVERIFY(testutil::show(browser, QSize(1000, 700)));
        // A tile's click is seen by the signal alone: no page of the sites is opened.
        QObject::disconnect(home(), &WebHomePage::urlLoaded, browser, nullptr);
    }

    void cleanupTestCase() { delete browser; }

    // Every case starts from the built-in tiles, whatever the cases before it did.
    void init() { home()->model()->reset(); }

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
};

QTEST_MAIN(TestBrowserWindow)
#include "tst_browserwindow.moc"
