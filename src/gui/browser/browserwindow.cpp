#include "gui/browser/browserwindow.h"

#include "core/analytics/analytics.h"
#include "core/browser/browserrules.h"
#include "core/foundation/addressrules.h"
#include "core/foundation/applog.h"
#include "core/foundation/paths.h"
#include "core/foundation/privatelistmanager.h"
#include "core/provision/dlscriptmanager.h"
#include "gui/browser/pagerequests.h"
#include "gui/browser/webbridge.h"
#include "gui/browser/webhomepage.h"
#include "gui/browser/webview.h"
#include "gui/widgets/mainwindowhelper.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebChannel>
#include <QWebEngineCookieStore>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineSettings>

#include <algorithm>

namespace {
const QString kTag = QStringLiteral("[BrowserWindow]");

QString buttonStyle(const QString &picture)
{
    return QStringLiteral("QPushButton { border: none; border-radius: 4px; background: transparent;"
                          " image: url(:/res/browser/%1.png); padding: 3px; }"
                          "QPushButton:hover { background: #E8EEFB; }"
                          "QPushButton:pressed { background: #D6E2FA; }"
                          "QPushButton:disabled { image: url(:/res/browser/%1_disabled.png); }")
        .arg(picture);
}
} // namespace

bool BrowserWindow::applyRemoteDebuggingConfig()
{
    initBrowserResources();
    QFile file(QStringLiteral(":/js/qwebconfig.json"));
    const QJsonObject config = file.open(QIODevice::ReadOnly)
                                   ? QJsonDocument::fromJson(file.readAll()).object()
                                   : QJsonObject();
    const QString label = config.value(QLatin1String("label")).toString();
    const QString port = config.value(QLatin1String("port")).toString();
    if (label.isEmpty())
        return false;
    if (qgetenv("CLIPMOOR_REMOTE_DEBUGGING") != "1" || port.isEmpty()) {
        // Not even a port inherited from the environment is opened.
        qunsetenv(label.toLatin1().constData());
        return false;
    }
    qputenv(label.toLatin1().constData(), port.toLatin1());
    writeLog(kTag, QStringLiteral("remote debugging on port %1").arg(port));
    return true;
}

BrowserWindow::BrowserWindow(QWidget *parent)
    : BrowserPane(parent)
{
    initBrowserResources();
    applyRemoteDebuggingConfig();
    QWebEngineSettings::defaultSettings()->setAttribute(QWebEngineSettings::PluginsEnabled, true);
    QWebEngineProfile *profile = QWebEngineProfile::defaultProfile();
    brandedAgent =
        browserrules::brandedUserAgent(profile->httpUserAgent(), QStringLiteral("Clipmoor"),
                                       QCoreApplication::applicationVersion());
    profile->setHttpUserAgent(brandedAgent);
    writeLog(QStringLiteral("defaultUserAgent:"), brandedAgent);
    QDir().mkpath(appDataDir() + QStringLiteral("/online/preview"));

    for (const char *path : {":/js/qwebchannel_5.15.js", ":/qtwebchannel/qwebchannel.js"}) {
        QFile file{QLatin1String(path)};
        if (file.open(QIODevice::ReadOnly)) {
            webChannelJs = QString::fromUtf8(file.readAll());
            break;
        }
    }

    keepCookies();
    requests = new PageRequests(&cookies, this);
    connect(requests, &PageRequests::downloadRequested, this,
            [this](const QString &url, const QString &metadata, const QByteArray &siteCookies) {
                Q_EMIT downloadStarted(url, metadata, siteCookies);
                const QString site =
                    webView ? siteNameFromUrl(webView->url().toString()) : QString();
                if (!site.isEmpty())
                    reportEvent(QStringLiteral("Download"), QStringLiteral("URL"), site);
            });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildNavigationBar());
    progress = new QProgressBar(this);
    progress->setTextVisible(false);
    progress->setRange(0, 100);
    progress->setFixedHeight(3);
    progress->setStyleSheet(QStringLiteral("QProgressBar { border: none; background: transparent; }"
                                           "QProgressBar::chunk { background: #2A6DF4; }"));
    layout->addWidget(progress);
    content = new QStackedWidget(this);
    layout->addWidget(content, 1);
    goHome();
    retranslate();
}

BrowserWindow::~BrowserWindow() = default;

WebsiteApi *BrowserWindow::websiteApi() const
{
    return requests->websiteApi();
}

QWidget *BrowserWindow::buildNavigationBar()
{
    MainWindowHelper *helper = MainWindowHelper::instance();
    navBar = new QWidget(this);
    navBar->setObjectName(QStringLiteral("browserNavBar"));
    navBar->setAttribute(Qt::WA_StyledBackground);
    navBar->setFixedHeight(72);
    navBar->setStyleSheet(
        QStringLiteral("QWidget#browserNavBar {border-bottom: 1px solid #C2C2C2;}"));
    auto *row = new QHBoxLayout(navBar);
    row->setContentsMargins(helper->scaled(16), 0, helper->scaled(16), 0);
    row->setSpacing(8);
    auto makeButton = [this, row, helper](const QString &picture, const QSize &size) {
        auto *button = new QPushButton(navBar);
        button->setFixedSize(helper->scaled(size));
        button->setStyleSheet(buttonStyle(picture));
        button->setFocusPolicy(Qt::NoFocus);
        button->setCursor(Qt::PointingHandCursor);
        row->addWidget(button);
        return button;
    };
    homeButton = makeButton(QStringLiteral("home"), QSize(29, 29));
    backButton = makeButton(QStringLiteral("back"), QSize(36, 29));
    forwardButton = makeButton(QStringLiteral("forward"), QSize(36, 29));
    reloadButton = makeButton(QStringLiteral("view-refresh"), QSize(29, 29));
    address = new QLineEdit(navBar);
    address->setObjectName(QStringLiteral("browserAddress"));
    address->setStyleSheet(
        QStringLiteral("QLineEdit { border-radius: 4px; border: 1px solid #D7D7D7}"));
    address->setMinimumHeight(helper->scaled(32));
    address->setTextMargins(6, 0, 6, 0);
    address->installEventFilter(this);
    row->addWidget(address, 1);
    clearButton = makeButton(QStringLiteral("clear-data"), QSize(29, 29));

    connect(homeButton, &QPushButton::clicked, this, &BrowserWindow::goHome);
    connect(backButton, &QPushButton::clicked, this, [this] {
        if (webView)
            webView->back();
    });
    connect(forwardButton, &QPushButton::clicked, this, [this] {
        if (webView)
            webView->forward();
    });
    connect(reloadButton, &QPushButton::clicked, this, [this] {
        if (webView)
            webView->triggerPageAction(
                QWebEnginePage::WebAction(reloadButton->property("action").toInt()));
    });
    connect(clearButton, &QPushButton::clicked, this, &BrowserWindow::clearBrowsingData);
    connect(address, &QLineEdit::returnPressed, this, [this] {
        const QString text = address->text().trimmed();
        if (!text.isEmpty())
            setUrl(QUrl::fromUserInput(text));
    });
    return navBar;
}

void BrowserWindow::retranslate()
{
    homeButton->setToolTip(tr("Home"));
    backButton->setToolTip(tr("Go back in history"));
    forwardButton->setToolTip(tr("Go forward in history"));
    reloadButton->setToolTip(reloadButton->property("action").toInt() == QWebEnginePage::Stop
                                 ? tr("Stop loading this page")
                                 : tr("Reload this page"));
    clearButton->setToolTip(tr("Clear browsing data"));
    address->setPlaceholderText(address->hasFocus() ? QString() : tr("Enter Video URL"));
}

void BrowserWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void BrowserWindow::goHome()
{
    progress->hide();
    if (webView) {
        content->removeWidget(webView.get());
        webView.reset();
    }
    if (!home) {
        home = new WebHomePage(content);
        content->addWidget(home);
        connect(home, &WebHomePage::urlLoaded, this,
                [this](const QString &url) { setUrl(QUrl::fromUserInput(url)); });
    }
    content->setCurrentWidget(home);
    backButton->setEnabled(false);
    forwardButton->setEnabled(false);
    reloadButton->setEnabled(false);
    address->clear();
    handleWebViewLoadProgress(0);
    clearButton->setEnabled(false);
    clearButton->hide();
    openedUrl.clear();
    loaded = false;
}

void BrowserWindow::createView()
{
    // Freed with deleteLater: the view may be on the call stack (a page action, a signal).
    webView = std::shared_ptr<WebView>(new WebView(content), [](WebView *v) { v->deleteLater(); });
    WebView *view = webView.get();
    content->addWidget(view);
    reloadButton->setEnabled(true);
    auto *channel = new QWebChannel(view->page());
    auto *bridge = new WebBridge(channel);
    channel->registerObject(QStringLiteral("bridge"), bridge);
    // Only in our scripts' world: the page's own scripts find no "bridge" to call.
    view->page()->setWebChannel(channel, QWebEngineScript::ApplicationWorld);
    connect(bridge, &WebBridge::downloadStarted, this, &BrowserWindow::onDownloadStarted);
    requests->watch(view);
    connect(view, &QWebEngineView::loadFinished, this, &BrowserWindow::onLoadFinished);
    connect(view, &QWebEngineView::loadFinished, reloadWatch, &QTimer::stop);
    connect(view, &QWebEngineView::loadProgress, this, &BrowserWindow::handleWebViewLoadProgress);
    connect(view, &QWebEngineView::urlChanged, this, &BrowserWindow::onUrlChanged);
    QAction *back = view->pageAction(QWebEnginePage::Back);
    QAction *forward = view->pageAction(QWebEnginePage::Forward);
    connect(back, &QAction::changed, this,
            [this, back] { backButton->setEnabled(back->isEnabled()); });
    connect(forward, &QAction::changed, this,
            [this, forward] { forwardButton->setEnabled(forward->isEnabled()); });
}

void BrowserWindow::setUrl(const QUrl &url)
{
    if (!url.isValid())
        return;
    if (!webView)
        createView();
    progress->show();
    openedUrl = url.toDisplayString();
    QWebEngineProfile *profile = webView->page()->profile();
    profile->setHttpUserAgent(browserrules::userAgentFor(openedUrl, brandedAgent));
    content->setCurrentWidget(webView.get());
    loaded = false;
    webView->load(url);
    clearButton->setEnabled(true);
    clearButton->show();
}

void BrowserWindow::runScript(const QString &script, const QString &emptyTag,
                              const QString &emptyMessage)
{
    if (script.isEmpty()) {
        writeLog(emptyTag, emptyMessage);
        return;
    }
    webView->page()->runJavaScript(script, QWebEngineScript::ApplicationWorld);
}

void BrowserWindow::onLoadFinished()
{
    writeLog(QStringLiteral("[BrowserWindow] onLoadFinished"));
    if (!webView)
        return;
    loaded = true;
    DlScriptManager *scripts = DlScriptManager::instance();
    scripts->parseUrl(openedUrl);
    runScript(webChannelJs, QStringLiteral("[Error] "),
              QStringLiteral("[BrowserWindow] runJsScript => Web channel js is empty!"));
    runScript(scripts->commonJs(), QStringLiteral("[runCommonJS]"),
              QStringLiteral("script is empty!"));
    runScript(scripts->siteScript(), QStringLiteral("[runUniqueJS]"),
              QStringLiteral("script is empty!"));
    // Scripts run in order in the page; this empty one answers once all of them have run.
    const QUrl url = webView->url();
    QPointer<BrowserWindow> self(this);
    webView->page()->runJavaScript(QStringLiteral("0"), QWebEngineScript::ApplicationWorld,
                                   [self, url](const QVariant &) {
                                       if (self)
                                           Q_EMIT self->scriptsInjected(url);
                                   });
}

void BrowserWindow::onUrlChanged(const QUrl &url)
{
    previousAddress = address->text();
    const QString text = url.toDisplayString();
    address->setText(text);
    address->setCursorPosition(0);
    writeLog(QStringLiteral("[BrowserWindow] urlChanged:"),
             PrivateListManager::instance()->addressForLog(text));
    if (loaded && browserrules::isSinglePageMove(previousAddress, text)) {
        writeLog(QStringLiteral("###########Single-Page#############"));
        openedUrl = text;
        QPointer<WebView> view(webView.get());
        QTimer::singleShot(500, this, [view] {
            if (view)
                view->reload();
        });
    }
}

void BrowserWindow::onDownloadStarted(const QString &data)
{
    requests->onBridgeMessage(data);
}

void BrowserWindow::handleWebViewLoadProgress(int value)
{
    const bool loading = value > 0 && value < 100;
    reloadButton->setStyleSheet(
        buttonStyle(loading ? QStringLiteral("process-stop") : QStringLiteral("view-refresh")));
    reloadButton->setProperty("action",
                              loading ? int(QWebEnginePage::Stop) : int(QWebEnginePage::Reload));
    reloadButton->setToolTip(loading ? tr("Stop loading this page") : tr("Reload this page"));
    progress->setValue(loading ? value : 0);
}

void BrowserWindow::keepCookies()
{
    QWebEngineCookieStore *store = QWebEngineProfile::defaultProfile()->cookieStore();
    auto forget = [this](const QNetworkCookie &cookie) {
        cookies.erase(
            std::remove_if(cookies.begin(), cookies.end(),
                           [&](const QNetworkCookie &c) { return c.hasSameIdentifier(cookie); }),
            cookies.end());
    };
    connect(store, &QWebEngineCookieStore::cookieAdded, this,
            [this, forget](const QNetworkCookie &cookie) {
                forget(cookie);
                if (cookies.size() < 10000)
                    cookies << cookie;
            });
    connect(store, &QWebEngineCookieStore::cookieRemoved, this,
            [this, forget](const QNetworkCookie &cookie) {
                forget(cookie);
                if (reloadWhenCookiesGone && cookies.isEmpty())
                    reloadAfterClearing();
            });
    store->loadAllCookies();
    clearingTimer = new QTimer(this);
    clearingTimer->setSingleShot(true);
    clearingTimer->setInterval(2000);
    connect(clearingTimer, &QTimer::timeout, this, &BrowserWindow::reloadAfterClearing);
    reloadWatch = new QTimer(this);
    reloadWatch->setSingleShot(true);
    reloadWatch->setInterval(4000);
    connect(reloadWatch, &QTimer::timeout, this, [this] {
        if (!webView)
            return;
        writeLog(kTag, QStringLiteral("the reload after clearing was held; loading again"));
        webView->triggerPageAction(QWebEnginePage::Stop);
        webView->reload();
    });
}

void BrowserWindow::clearBrowsingData()
{
    if (!webView)
        return;
    QWebEngineProfile *profile = webView->page()->profile();
    profile->cookieStore()->deleteAllCookies();
    profile->clearHttpCache();
    profile->clearAllVisitedLinks();
    writeLog(kTag, QStringLiteral("browsing data cleared"));
    // Loading the page again before the deletion has run would let it take the fresh page's own
    // cookies with it.
    reloadWhenCookiesGone = true;
    if (cookies.isEmpty())
        reloadAfterClearing();
    else
        clearingTimer->start();
}

void BrowserWindow::reloadAfterClearing()
{
    if (!reloadWhenCookiesGone)
        return;
    reloadWhenCookiesGone = false;
    clearingTimer->stop();
    cookies.clear();
    if (webView) {
        webView->reload();
        reloadWatch->start();
    }
}

bool BrowserWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == address) {
        switch (event->type()) {
        case QEvent::FocusIn:
            address->setPlaceholderText(QString());
            break;
        case QEvent::FocusOut:
            address->setPlaceholderText(tr("Enter Video URL"));
            selectOnClick = true;
            break;
        case QEvent::MouseButtonPress:
            if (selectOnClick) {
                selectOnClick = false;
                const QString page = webView ? webView->url().toDisplayString() : QString();
                if (!address->text().isEmpty() && address->text() == page &&
                    !address->hasSelectedText()) {
                    address->setFocus(Qt::MouseFocusReason);
                    address->selectAll();
                    return true;
                }
            }
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}
