#pragma once

// The built-in browser: a navigation bar, a thin progress bar, and either the start page of site
// tiles or the web view. After every load the web channel client, the common page script and the
// site's own script run in the page, in a world of their own (the page's scripts see neither them
// nor the "bridge" object they talk to); a "bridge" message that passes PageRequests' checks
// becomes downloadStarted(url, metadata, cookies), after our own analysis of the page when the
// message asks for it ("direct": false). The web view exists only while an address is shown:
// going home frees it.

#include "gui/widgets/browserpane.h"

#include <QList>
#include <QNetworkCookie>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <memory>

class QLineEdit;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class PageRequests;
class WebHomePage;
class WebView;
class WebsiteApi;

class BrowserWindow : public BrowserPane
{
    Q_OBJECT
public:
    explicit BrowserWindow(QWidget *parent = nullptr);
    ~BrowserWindow() override;

    // Makes the browser where the program links it in (tests); the module has its own entry.
    static BrowserPane *create(QWidget *parent) { return new BrowserWindow(parent); }

    QWidget *header() const override { return navBar; }
    WebView *view() const { return webView.get(); }
    WebHomePage *homePage() const { return home; }
    WebsiteApi *websiteApi() const;
    PageRequests *pageRequests() const { return requests; }
    // The browser's cookies as the cookie store reported them, HttpOnly ones included.
    const QList<QNetworkCookie> &browserCookies() const { return cookies; }
    QLineEdit *addressField() const { return address; }
    QProgressBar *progressBar() const { return progress; }
    bool pageLoaded() const { return loaded; }
    void retranslate();

    void goHome() override;

    // Sets QTWEBENGINE_REMOTE_DEBUGGING from the embedded configuration, only when the
    // environment asks for it (CLIPMOOR_REMOTE_DEBUGGING=1): an open debugging port lets any
    // local program drive the signed-in browser; otherwise the variable is removed. Must run
    // before the first web view exists.
    static bool applyRemoteDebuggingConfig();

public Q_SLOTS:
    void setUrl(const QUrl &url) override;
    void handleWebViewLoadProgress(int value);
    void onLoadFinished();
    void onDownloadStarted(const QString &data);

Q_SIGNALS:
    // The page scripts ran after a load (tests and screenshots wait for it).
    void scriptsInjected(const QUrl &url);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QWidget *buildNavigationBar();
    void createView();
    void onUrlChanged(const QUrl &url);
    void clearBrowsingData();
    void keepCookies();
    void reloadAfterClearing();
    void runScript(const QString &script, const QString &emptyTag, const QString &emptyMessage);

    QWidget *navBar = nullptr;
    QPushButton *homeButton = nullptr;
    QPushButton *backButton = nullptr;
    QPushButton *forwardButton = nullptr;
    QPushButton *reloadButton = nullptr;
    QPushButton *clearButton = nullptr;
    QLineEdit *address = nullptr;
    QProgressBar *progress = nullptr;
    QStackedWidget *content = nullptr;
    WebHomePage *home = nullptr;
    std::shared_ptr<WebView> webView;

    QList<QNetworkCookie> cookies; // the browser's cookies, HttpOnly ones included
    PageRequests *requests = nullptr;
    // After "Clear browsing data" the page loads again once the store has removed every cookie
    // (it deletes on its own thread), or when the timer gives up waiting.
    bool reloadWhenCookiesGone = false;
    QTimer *clearingTimer = nullptr;
    // A load started while the HTTP cache is being cleared can be held for good: the page is
    // stopped and loaded once more when the reload has not finished by then.
    QTimer *reloadWatch = nullptr;
    QString openedUrl;
    QString webChannelJs;
    QString brandedAgent; // the engine's agent naming Clipmoor
    QString previousAddress;
    bool loaded = false;
    bool selectOnClick = false;
};
