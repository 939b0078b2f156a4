// The browser window without pages: the start page's tiles (open, remove, add, reset), the
// navigation bar's states, and the remote-debugging switch.

#include "core/browser/sitetilemodel.h"
#include "gui/browser/addsitedlg.h"
#include "gui/browser/browserwindow.h"
#include "gui/browser/webhomepage.h"
#include "gui/browser/webview.h"
#include "helpers/testutil.h"

#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

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
        testutil::enterTestMode();
        qunsetenv("QTWEBENGINE_REMOTE_DEBUGGING");
        qunsetenv("CLIPMOOR_REMOTE_DEBUGGING");
        browser = new BrowserWindow;
        browser->resize(1000, 700);
        browser->show();
        QVERIFY(QTest::qWaitForWindowExposed(browser));
    }

    void cleanupTestCase() { delete browser; }

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

    void startsAtHome()
    {
        QVERIFY(home());
        QVERIFY(!browser->view());
        QCOMPARE(home()->model()->rowCount(), 15);
        QVERIFY(browser->addressField()->text().isEmpty());
        // The placeholder shows while the field has no focus.
        browser->addressField()->setFocus();
        QVERIFY(browser->addressField()->placeholderText().isEmpty());
        browser->addressField()->clearFocus();
        QCOMPARE(browser->addressField()->placeholderText(), QString("Enter Video URL"));
        QVERIFY(!browser->progressBar()->isVisible());
        const auto buttons = browser->header()->findChildren<QPushButton *>();
        QCOMPARE(buttons.size(), 5);
        int enabled = 0;
        for (QPushButton *button : buttons)
            enabled += button->isEnabled();
        QCOMPARE(enabled, 1); // only Home
    }

    void aTileOpensItsSite()
    {
        QSignalSpy opened(home(), &WebHomePage::urlLoaded);
        click(3); // Facebook
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened.first().first().toString(), QString("https://www.facebook.com/watch/"));
    }

    void theLoadButtonFollowsProgress()
    {
        QPushButton *reload = browser->header()->findChildren<QPushButton *>().at(3);
        browser->handleWebViewLoadProgress(40);
        QCOMPARE(reload->property("action").toInt(), int(QWebEnginePage::Stop));
        QCOMPARE(reload->toolTip(), QString("Stop loading this page"));
        QCOMPARE(browser->progressBar()->value(), 40);
        browser->handleWebViewLoadProgress(100);
        QCOMPARE(reload->property("action").toInt(), int(QWebEnginePage::Reload));
        QCOMPARE(reload->toolTip(), QString("Reload this page"));
        QCOMPARE(browser->progressBar()->value(), 0);
    }

    void theCloseMarkRemovesATile()
    {
        const QString file = sitetiles::onlineFile();
        click(1, true); // YouTube
        QCOMPARE(home()->model()->rowCount(), 14);
        QCOMPARE(home()->model()->entry(1).name, QString("Spotify"));
        QCOMPARE(sitetiles::load(file)->size(), 13);
    }

    void addNewAsksForTheSite()
    {
        click(0);
        auto *dialog = qobject_cast<AddSiteDlg *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QVERIFY(!dialog->okButton()->isEnabled());
        dialog->urlField()->setText("https://www.myclips.org/");
        QVERIFY(!dialog->okButton()->isEnabled());
        dialog->titleField()->setText("My clips");
        QVERIFY(dialog->okButton()->isEnabled());
        QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        QCOMPARE(home()->model()->rowCount(), 15);
        const WebElementData added = home()->model()->entry(1);
        QCOMPARE(added.name, QString("My clips"));
        QCOMPARE(added.kind, qint32(WebElementData::UserAdded));
        QCOMPARE(added.label, QString("myclips"));
        QCOMPARE(sitetiles::load(sitetiles::onlineFile())->size(), 14);
        QSignalSpy opened(home(), &WebHomePage::urlLoaded);
        click(1);
        QCOMPARE(opened.first().first().toString(), QString("https://www.myclips.org/"));
    }

    void resetBringsTheBuiltInSitesBack()
    {
        home()->model()->reset();
        QCOMPARE(home()->model()->rowCount(), 15);
        QCOMPARE(home()->model()->entry(1).name, QString("YouTube"));
        QCOMPARE(sitetiles::load(sitetiles::onlineFile())->size(), 14);
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
