#include "gui/mainwindow/mainwindow.h"

#include "core/analytics/analytics.h"
#include "core/engine/sniffmgr.h"
#include "core/foundation/applog.h"
#include "core/foundation/globals.h"
#include "core/foundation/languagesettings.h"
#include "core/foundation/paths.h"
#include "core/foundation/preferences.h"
#include "core/foundation/stylemanager.h"
#include "core/provision/dlscriptmanager.h"
#include "core/provision/dltoolmanager.h"
#include "core/provision/updatecheck.h"
#include "gui/converter/convertedpage.h"
#include "gui/converter/convertingpage.h"
#include "gui/mainwindow/browserloader.h"
#include "gui/mainwindow/closeconfirmdlg.h"
#include "gui/mainwindow/dialoghelpers.h"
#include "gui/mainwindow/jobwiring.h"
#include "gui/mainwindow/upgradedlg.h"
#include "gui/pages/downloadedpage.h"
#include "gui/pages/downloadingpage.h"
#include "gui/pages/fileactions.h"
#include "gui/pages/finishedjobs.h"
#include "gui/privatelist/privatelistdlg.h"
#include "gui/widgets/aboutdlg.h"
#include "gui/widgets/dialogframes.h"
#include "gui/widgets/imagebutton.h"
#include "gui/widgets/mainwindowhelper.h"
#include "gui/widgets/pictures.h"
#include "gui/widgets/zqmessagebox.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QDebug>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include <unistd.h>

namespace {
const char *const kTabTexts[] = {
    QT_TRANSLATE_NOOP("MainWindow", "Downloading"), QT_TRANSLATE_NOOP("MainWindow", "Downloaded"),
    QT_TRANSLATE_NOOP("MainWindow", "Online"), QT_TRANSLATE_NOOP("MainWindow", "Converting"),
    QT_TRANSLATE_NOOP("MainWindow", "Converted")};
const char *const kTabPictures[] = {"tab_downloading.png", "tab_downloaded.png", "tab_online.png",
                                    "tab_converting.png", "tab_converted.png"};
const char kSite[] = "https://clipmoor.app";
} // namespace

std::function<void()> MainWindow::terminate = [] {
    flushLog();
    ::_exit(0);
};

MainWindow::MainWindow(QWidget *parent)
    : CFramelessWindow(parent)
{
    MainWindowHelper::instance()->setMainWindow(this);
    dialogframes::install();
    initGuiResources();
    // The pages' large pictures are decoded meanwhile, on a worker thread.
    DownloadingPage::preloadPictures();
    DownloadedPage::preloadPictures();
    // Before the pages: their private-mode buttons show only when the password can be asked.
    PrivateListDlg::installAskHandler();
    DlScriptManager::instance()->startCheck();
    DlToolManager::instance()->startCheck();

    connect(LanguageSettings::instance(), &LanguageSettings::languageChanged, this,
            [](LanguageSettings::LanguagesCategory category) {
                qDebug() << "[Signal][LanguageSettings::languageChanged] =>category:" << category;
            });
    LanguageSettings::instance()->applyCurrentLanguage();

    auto *central = new QWidget(this);
    central->setStyleSheet(QStringLiteral("QMainWindow{border: 1px solid #AAAAAA;}"));
    auto *row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    QWidget *navigation = buildNavigation();
    row->addWidget(navigation);
    auto *right = new QVBoxLayout;
    right->setContentsMargins(0, 0, 0, 0);
    right->setSpacing(0);
    QWidget *titleBar = buildTitleBar();
    right->addWidget(titleBar);
    saveNotice = new QLabel(central);
    saveNotice->setObjectName(QStringLiteral("saveNotice"));
    saveNotice->setWordWrap(true);
    saveNotice->setStyleSheet(QStringLiteral("QLabel#saveNotice{background:#FDECEA;color:#A31515;"
                                             "padding:8px 14px;border-bottom:1px solid #F5C2C0;"
                                             "font-weight:bold;}"));
    saveNotice->hide();
    right->addWidget(saveNotice);
    stack = new QStackedWidget(central);
    stack->setMinimumSize(200, 100);
    right->addWidget(stack, 1);
    row->addLayout(right, 1);
    setCentralWidget(central);

    // A long list of finished downloads is read while the window shows: its rows arrive in
    // order, and nothing runs or is saved before the lists are complete.
    SniffMgr::instance()->loadInStages();
    downloadingPage = new DownloadingPage(this);
    downloadedPage = new DownloadedPage(this);
    jobwiring::connectOwners();
    lazyPages[0] = downloadingPage;
    lazyPages[1] = downloadedPage;
    stack->addWidget(downloadingPage);
    stack->addWidget(downloadedPage);
    connect(downloadingPage, &DownloadingPage::preferencesRequested, this,
            &MainWindow::onActionSettings);
    connect(downloadingPage, &DownloadingPage::browserDownloadAccepted, this,
            [this] { showTabIndicator(0, QPoint(78, 4)); });
    connect(downloadingPage, &DownloadingPage::toBrowserDownloaded, this,
            [this](const QString &url) {
                tabGroup->button(2)->setChecked(true);
                onTabClicked(2);
                if (browserWindow)
                    browserWindow->setUrl(QUrl::fromUserInput(url));
            });

    buildMenu();
    buildTray();

    updateTimer = new QTimer(this);
    updateTimer->setSingleShot(true);
    updateTimer->setInterval(10000);
    connect(updateTimer, &QTimer::timeout, this, &MainWindow::onUpdateTimer);
    updateTimer->start();

    setTitleBar(central);
    addIgnoreWidget(navigation);
    addIgnoreWidget(titleBar);
    addIgnoreWidget(downloadingPage->toolbar());
    addIgnoreWidget(downloadedPage->toolbar());

    connectEngineNotices();
    connectDesktop();

    if (Preferences::instance()->welcomeShown()) {
        const auto report = [] {
            reportEvent(QStringLiteral("Download"), QStringLiteral("DownloadingCount"),
                        QString::number(SniffMgr::instance()->downloadingList().size()));
            reportEvent(QStringLiteral("Download"), QStringLiteral("DownloadedCount"),
                        QString::number(SniffMgr::instance()->doneList().size()));
        };
        if (SniffMgr::instance()->isLoading())
            connect(SniffMgr::instance(), &SniffMgr::loadingFinished, this, report);
        else
            report();
    }
    QTimer::singleShot(1000, this, &MainWindow::onStartupTimer);
    retranslate();
}

QWidget *MainWindow::buildNavigation()
{
    auto *column = new QWidget(this);
    column->setObjectName(QStringLiteral("leftBar"));
    column->setFixedWidth(MainWindowHelper::instance()->scaled(146));
    column->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    column->setAttribute(Qt::WA_StyledBackground);
    column->setStyleSheet(StyleManager::instance()->leftBarStyle());
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addSpacing(20);
    header = new QLabel(column);
    header->setAlignment(Qt::AlignCenter);
    QFont font = header->font();
    font.setPointSize(19); // 22 points do not fit the column with the fonts found on Linux
    font.setBold(true);
    header->setFont(font);
    header->setStyleSheet(QStringLiteral("color: #FFFFFF; background: transparent;"));
    header->setFixedHeight(60);
    layout->addWidget(header);
    layout->addSpacing(20);
    tabGroup = new QButtonGroup(this);
    tabGroup->setExclusive(true);
    for (int id = 0; id < 5; ++id) {
        auto *button = new ImageButton(column);
        button->setCheckable(true);
        button->setFixedHeight(MainWindowHelper::instance()->scaled(48));
        button->setBackgroundColors(QColor(QStringLiteral("#00000000")),
                                    QColor(QStringLiteral("#4784FB")),
                                    QColor(QStringLiteral("#0F61D6")));
        button->setTextColors(Qt::white, Qt::white, Qt::white, Qt::white);
        button->setIcon(QIcon(imagesDir() + QLatin1Char('/') + QLatin1String(kTabPictures[id])));
        button->setIconSize(QSize(20, 20));
        tabGroup->addButton(button, id);
        tabButtons << button;
        layout->addWidget(button);
    }
    layout->addStretch(1);
    tabButtons.first()->setChecked(true);
    connect(tabGroup, &QButtonGroup::idClicked, this, &MainWindow::onTabClicked);
    return column;
}

void MainWindow::showTabIndicator(int tab, const QPoint &at)
{
    if (tab < 0 || tab >= tabButtons.size())
        return;
    if (!indicators[tab]) {
        indicators[tab] = new QLabel(tabButtons.at(tab));
        indicators[tab]->setFixedSize(16, 16);
        indicators[tab]->setScaledContents(true);
        indicators[tab]->setStyleSheet(QStringLiteral("QLabel {background: transparent;}"));
        indicators[tab]->setPixmap(QPixmap(QStringLiteral(":/res/pending.png")));
    }
    indicators[tab]->move(at);
    indicators[tab]->show();
}

void MainWindow::clearTabIndicator(int tab)
{
    if (tab >= 0 && tab < 5 && indicators[tab])
        indicators[tab]->hide();
}

bool MainWindow::hasTabIndicator(int tab) const
{
    return tab >= 0 && tab < 5 && indicators[tab] && !indicators[tab]->isHidden();
}

void MainWindow::onTabClicked(int id)
{
    if (id == 0) {
        clearTabIndicator(0);
        downloadedPage->searchField()->clear();
    } else if (id == 1) {
        downloadedPage->selectFirstRow();
    }
    if (id == 2 && !lazyPages[2]) {
        QString error;
        browserWindow = createBrowserPane(this, &error);
        if (browserWindow) {
            lazyPages[2] = browserWindow;
            connect(browserWindow, &BrowserPane::downloadStarted, downloadingPage,
                    &DownloadingPage::onDownloadFromBrowser);
            addIgnoreWidget(browserWindow->header());
        } else {
            lazyPages[2] = createBrowserUnavailablePage(error, this);
        }
        stack->addWidget(lazyPages[2]);
    }
    if (!lazyPages[id]) {
        // The converter pages are made on their first visit too.
        if (id == 3) {
            auto *page = new ConvertingPage(this);
            addIgnoreWidget(page->toolbar());
            lazyPages[id] = page;
        } else {
            auto *page = new ConvertedPage(this);
            // Converted downloads are the engine's records, shown through the downloaded
            // page's public filter.
            page->setDownloads(downloadedPage->convertedDownloads());
            addIgnoreWidget(page->toolbar());
            lazyPages[id] = page;
        }
        stack->addWidget(lazyPages[id]);
    }
    stack->setCurrentWidget(lazyPages[id]);
}

void MainWindow::setTitleButtonStyle(QPushButton *button, const QString &name)
{
    button->setStyleSheet(
        StyleManager::instance()->styleSheet(QStringLiteral("win_titlebar_btn.qss")).arg(name));
}

QWidget *MainWindow::buildTitleBar()
{
    auto *bar = new QWidget(this);
    bar->setFixedHeight(MainWindowHelper::instance()->scaled(40));
    auto *layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 4, 6, 4);
    layout->setSpacing(0);
    layout->addStretch(1);
    preferencesButton = new QPushButton(bar);
    preferencesButton->setStyleSheet(
        StyleManager::instance()->styleSheet(QStringLiteral("preference_btn.qss")));
    connect(preferencesButton, &QPushButton::clicked, this, &MainWindow::onActionSettings);
    layout->addWidget(preferencesButton);
    layout->addSpacing(5);
    menuButton = new QPushButton(bar);
    minButton = new QPushButton(bar);
    maxButton = new QPushButton(bar);
    closeButton = new QPushButton(bar);
    setTitleButtonStyle(menuButton, QStringLiteral("menu"));
    setTitleButtonStyle(minButton, QStringLiteral("min"));
    setTitleButtonStyle(maxButton, QStringLiteral("max"));
    setTitleButtonStyle(closeButton, QStringLiteral("close"));
    for (QPushButton *b : {menuButton, minButton, maxButton, closeButton}) {
        b->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(b);
    }
    connect(menuButton, &QPushButton::clicked, this, [this] {
        const bool selected = !downloadingPage->selectedTasks().isEmpty();
        for (const char *name : {"Pause", "Resume", "Delete"})
            actions.value(QLatin1String(name))->setEnabled(selected);
        appMenu->popup(menuButton->mapToGlobal(menuButton->rect().bottomLeft()));
    });
    connect(minButton, &QPushButton::clicked, this, &QWidget::showMinimized);
    connect(maxButton, &QPushButton::clicked, this, [this] {
        if (isMaximized()) {
            setTitleButtonStyle(maxButton, QStringLiteral("max"));
            showNormal();
        } else {
            setTitleButtonStyle(maxButton, QStringLiteral("maxmin"));
            showMaximized();
        }
    });
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    return bar;
}

void MainWindow::buildMenu()
{
    appMenu = new QMenu(this);
    appMenu->setStyleSheet(StyleManager::instance()->styleSheet(QStringLiteral("QMenu.qss")));
    menus.insert(QStringLiteral("Application"), appMenu);
    // The menu takes the mouse while it is open: the button under which it opened is never told
    // that the pointer left, and would stay drawn hovered until the pointer crossed it again.
    connect(appMenu, &QMenu::aboutToHide, this, [this] {
        if (menuButton->rect().contains(menuButton->mapFromGlobal(QCursor::pos())))
            return;
        menuButton->setAttribute(Qt::WA_UnderMouse, false);
        menuButton->update();
    });
    auto add = [this](QMenu *menu, const char *text, void (MainWindow::*slot)(),
                      QAction::MenuRole role) {
        QAction *action = menu->addAction(QString());
        action->setMenuRole(role);
        connect(action, &QAction::triggered, this, slot);
        actions.insert(QLatin1String(text), action);
        return action;
    };
    add(appMenu, "About", &MainWindow::onActionAbout, QAction::AboutRole);
    add(appMenu, "Preferences", &MainWindow::onActionSettings, QAction::PreferencesRole);
    add(appMenu, "Check for updates", &MainWindow::onActionUpdate,
        QAction::ApplicationSpecificRole);

    languageMenu = appMenu->addMenu(QString());
    menus.insert(QStringLiteral("Languages"), languageMenu);
    // Each language keeps its own name in every language (not retranslated).
    const int current = LanguageSettings::instance()->currentLanguage();
    for (const auto &[category, name] : LanguageSettings::instance()->languages()) {
        QAction *action = languageMenu->addAction(name);
        action->setData(category);
        if (category == current)
            action->setIcon(QIcon(QStringLiteral(":/res/gou_20.png")));
        connect(action, &QAction::triggered, this, [this, action] {
            for (QAction *a : languageMenu->actions())
                a->setIcon(QIcon());
            action->setIcon(QIcon(QStringLiteral(":/res/gou_20.png")));
            LanguageSettings::instance()->setLanguage(action->data().toInt());
        });
    }

    QMenu *file = appMenu->addMenu(QString());
    menus.insert(QStringLiteral("File"), file);
    add(file, "Open Downloaded Folder", &MainWindow::onActionOpenDownloadedFolder, QAction::NoRole);

    QMenu *download = appMenu->addMenu(QString());
    menus.insert(QStringLiteral("Download"), download);
    QAction *paste = add(download, "Paste URL", &MainWindow::onActionPasteURL, QAction::NoRole);
    paste->setShortcut(QKeySequence(QStringLiteral("Ctrl+U")));
    // A shortcut works only where its action is on a visible widget: the window itself holds
    // it too, so Ctrl+U pastes whenever the window is active, not just while the menu is open.
    paste->setShortcutContext(Qt::WindowShortcut);
    addAction(paste);
    int data = 201;
    for (const char *name : {"Pause", "Resume", "Delete"}) {
        QAction *action = download->addAction(QString());
        action->setData(data++);
        connect(action, &QAction::triggered, downloadingPage, &DownloadingPage::onContextAction);
        actions.insert(QLatin1String(name), action);
    }

    QMenu *help = appMenu->addMenu(QString());
    menus.insert(QStringLiteral("Help"), help);
    add(help, "Guide", &MainWindow::onActionOpenGuideURL, QAction::NoRole);
    add(help, "FAQ", &MainWindow::onActionOpenFAQURL, QAction::NoRole);
    add(help, "Open Log Folder", &MainWindow::onActionOpenLogFolder, QAction::NoRole);

    QAction *quit = appMenu->addAction(QString());
    actions.insert(QStringLiteral("&Quit"), quit);
    connect(quit, &QAction::triggered, this, &MainWindow::quitWhenSaved);
}

void MainWindow::buildTray()
{
    tray = new QSystemTrayIcon(QIcon(appIconPixmap()), this);
    trayMenu = new QMenu(this);
    trayMenu->setFont(QApplication::font());
    restoreAction = trayMenu->addAction(QString());
    connect(restoreAction, &QAction::triggered, this, &QWidget::showNormal);
    trayMenu->addSeparator();
    trayQuitAction = trayMenu->addAction(QString());
    connect(trayQuitAction, &QAction::triggered, this, &MainWindow::quitWhenSaved);
    tray->setContextMenu(trayMenu);
    connect(tray, &QSystemTrayIcon::activated, this, &MainWindow::iconActivated);
    connect(qApp, &QCoreApplication::aboutToQuit, this, &MainWindow::willQuite);
    tray->show();
}

void MainWindow::retranslate()
{
    setWindowTitle(tr("Clipmoor"));
    header->setText(tr("Clipmoor"));
    preferencesButton->setToolTip(tr("Preferences"));
    menuButton->setToolTip(tr("Menu"));
    for (int id = 0; id < tabButtons.size(); ++id)
        tabButtons.at(id)->setText(tr(kTabTexts[id]));
    static const char *const menuTitles[] = {
        QT_TRANSLATE_NOOP("MainWindow", "Application"),
        QT_TRANSLATE_NOOP("MainWindow", "Languages"), QT_TRANSLATE_NOOP("MainWindow", "Download"),
        QT_TRANSLATE_NOOP("MainWindow", "File"), QT_TRANSLATE_NOOP("MainWindow", "Help")};
    for (const char *title : menuTitles)
        menus.value(QLatin1String(title))->setTitle(tr(title));
    static const char *const actionTexts[] = {
        QT_TRANSLATE_NOOP("MainWindow", "About"),
        QT_TRANSLATE_NOOP("MainWindow", "Preferences"),
        QT_TRANSLATE_NOOP("MainWindow", "Check for updates"),
        QT_TRANSLATE_NOOP("MainWindow", "Open Downloaded Folder"),
        QT_TRANSLATE_NOOP("MainWindow", "Paste URL"),
        QT_TRANSLATE_NOOP("MainWindow", "Pause"),
        QT_TRANSLATE_NOOP("MainWindow", "Resume"),
        QT_TRANSLATE_NOOP("MainWindow", "Delete"),
        QT_TRANSLATE_NOOP("MainWindow", "Guide"),
        QT_TRANSLATE_NOOP("MainWindow", "FAQ"),
        QT_TRANSLATE_NOOP("MainWindow", "Open Log Folder"),
        QT_TRANSLATE_NOOP("MainWindow", "&Quit")};
    for (const char *text : actionTexts)
        actions.value(QLatin1String(text))->setText(tr(text));
    restoreAction->setText(tr("&Restore"));
    trayQuitAction->setText(tr("&Quit"));
    if (tray)
        tray->setToolTip(tr("Clipmoor"));
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    CFramelessWindow::changeEvent(event);
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    CFramelessWindow::resizeEvent(event);
    if (busyOverlay)
        busyOverlay->resize(size());
}

void MainWindow::setBusy(bool on)
{
    if (on && !busyOverlay)
        busyOverlay = new QWidget(this);
    if (!busyOverlay)
        return;
    if (on) {
        busyOverlay->resize(size());
        busyOverlay->raise();
        busyOverlay->show();
    } else {
        busyOverlay->hide();
    }
}

bool MainWindow::isBusy() const
{
    return busyOverlay && busyOverlay->isVisible();
}

void MainWindow::onStartupTimer()
{
    Preferences *prefs = Preferences::instance();
    if (!prefs->welcomeShown()) {
        prefs->setWelcomeShown(true);
        if (qEnvironmentVariableIsEmpty("CLIPMOOR_NO_BROWSER"))
            QDesktopServices::openUrl(QUrl(QLatin1String(kSite) + QStringLiteral("/welcome")));
    }
    checkDownloadDir();
    pruneLogDir();
}

void MainWindow::onUpdateTimer()
{
    if (!network) {
        network = new QNetworkAccessManager(this);
        connect(network, &QNetworkAccessManager::finished, this, &MainWindow::onNetworkFinished);
    }
    network->get(QNetworkRequest(QUrl(UpgradeDlg::updateInfoUrl())));
}

void MainWindow::onNetworkFinished(QNetworkReply *reply)
{
    const QVariantMap info = parseManifest(reply->readAll()).toVariantMap();
    reply->deleteLater();
    if (UpgradeDlg::announcesNewerVersion(info))
        showUpgradeDialog(info);
}

void MainWindow::showUpgradeDialog(const QVariantMap &info)
{
    if (!info.isEmpty() && manualUpdateCheck)
        return;
    if (info.isEmpty() && !manualUpdateCheck)
        return;
    UpgradeDlg dialog(info);
    MainWindowHelper::instance()->centreOverMainWindow(&dialog);
    dialog.exec();
}

void MainWindow::onActionAbout()
{
    AboutDlg dialog;
    dialog.adjustSize();
    MainWindowHelper::instance()->centreOverMainWindow(&dialog);
    dialog.exec();
}

void MainWindow::onActionSettings()
{
    openPreferencesDialog();
    downloadingPage->refreshSpeedButton();
}

void MainWindow::onActionOpenDownloadedFolder()
{
    showInFileManager(downloadDir());
}

void MainWindow::onActionOpenFAQURL()
{
    QDesktopServices::openUrl(QUrl(QLatin1String(kSite) + QStringLiteral("/faq")));
}

void MainWindow::onActionOpenGuideURL()
{
    QDesktopServices::openUrl(QUrl(QLatin1String(kSite) + QStringLiteral("/guide")));
}

void MainWindow::onActionOpenLogFolder()
{
    showInFileManager(logDir());
}

void MainWindow::onActionUpdate()
{
    manualUpdateCheck = true;
    showUpgradeDialog(QVariantMap());
}

void MainWindow::onActionPasteURL()
{
    // The pasted download is shown where it lands, whichever page was open.
    if (stack->currentWidget() != downloadingPage) {
        tabGroup->button(0)->setChecked(true);
        onTabClicked(0);
    }
    downloadingPage->onClickedPasteURLEx();
}

void MainWindow::iconActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason == QSystemTrayIcon::DoubleClick || reason == QSystemTrayIcon::Trigger)
        showNormal();
}
