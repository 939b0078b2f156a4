#pragma once

#include "gui/mainwindow/desktopbridge.h"
#include "gui/widgets/framelesswindow.h"

#include <QHash>
#include <QPointer>
#include <QStringList>
#include <QSystemTrayIcon>
#include <QVariantMap>

#include <functional>

class BrowserPane;
class DownloadedPage;
class DownloadingPage;
class ImageButton;
class QAction;
class QButtonGroup;
class QLabel;
class QMenu;
class QNetworkAccessManager;
class QNetworkReply;
class QPushButton;
class QStackedWidget;
class QTimer;

// The one top-level window: navigation tabs on the left, a title bar with the window buttons
// above the stack of pages, the application menu, the tray icon, the close confirmation and the
// update check.
class MainWindow : public CFramelessWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);

    // Shows the window where it was last closed (size, place, screen, maximised, tab); centred
    // on the primary screen the first time or when that screen is gone.
    void showRestored();
    // Remembers the window's place and tab for the next start.
    void savePlacement() const;

    void setBusy(bool on);
    // A small mark on a tab (a download handed over by the browser waits there), or none.
    void showTabIndicator(int tab, const QPoint &at);
    void clearTabIndicator(int tab);
    bool hasTabIndicator(int tab) const;
    bool isBusy() const;
    void retranslate();
    QStackedWidget *pages() const { return stack; }
    QButtonGroup *tabs() const { return tabGroup; }
    DownloadingPage *downloading() const { return downloadingPage; }
    DownloadedPage *downloaded() const { return downloadedPage; }
    // The browser and converter pages once visited (tab 2, 3, 4), else null.
    QWidget *lazyPage(int tab) const { return tab >= 0 && tab < 5 ? lazyPages[tab] : nullptr; }
    // The built-in browser, made on the first visit of its tab; null before, and when it cannot
    // be loaded.
    BrowserPane *browser() const { return browserWindow; }

    // How the close road ends the process; tests replace it.
    static std::function<void()> terminate;
    // Called by the update check with what it found (an empty map: the manual check).
    void showUpgradeDialog(const QVariantMap &info);

    // Addresses from another program (clipmoor URL...): web addresses are pasted one after
    // another as if the user had pasted each, on the downloading page; anything else is refused
    // with a message.
    void takeAddresses(const QStringList &addresses);
    // Brings the window to the front on a job's row (a clicked notification).
    void showJob(DesktopBridge::Job job, const QString &key, bool failed);

public Q_SLOTS:
    void onUpdateTimer();
    void onNetworkFinished(QNetworkReply *reply);
    void onActionAbout();
    void onActionSettings();
    void onActionOpenDownloadedFolder();
    void onActionOpenFAQURL();
    void onActionOpenGuideURL();
    void onActionOpenLogFolder();
    void onActionUpdate();
    void onActionPasteURL();
    void iconActivated(QSystemTrayIcon::ActivationReason reason);
    void willQuite();

protected:
    void closeEvent(QCloseEvent *event) override;
    void waitForSavedRecordingsThenClose();
    void finishClosing();
    void tellSetAsideLists();
    void connectEngineNotices();
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QWidget *buildNavigation();
    QWidget *buildTitleBar();
    void buildMenu();
    void buildTray();
    void onTabClicked(int id);
    void onStartupTimer();
    void setTitleButtonStyle(QPushButton *button, const QString &name);
    void connectDesktop();
    void pasteNextAddress();

    QStackedWidget *stack = nullptr;
    QButtonGroup *tabGroup = nullptr;
    QList<ImageButton *> tabButtons;
    QLabel *header = nullptr;
    QPushButton *preferencesButton = nullptr;
    QPushButton *menuButton = nullptr;
    QPushButton *minButton = nullptr;
    QPushButton *maxButton = nullptr;
    QPushButton *closeButton = nullptr;
    QMenu *appMenu = nullptr;
    QHash<QString, QMenu *> menus;     // untranslated title -> menu
    QHash<QString, QAction *> actions; // untranslated text -> action
    QMenu *languageMenu = nullptr;
    QSystemTrayIcon *tray = nullptr;
    QMenu *trayMenu = nullptr;
    QAction *restoreAction = nullptr;
    QAction *trayQuitAction = nullptr;
    QTimer *updateTimer = nullptr;
    QNetworkAccessManager *network = nullptr;
    bool manualUpdateCheck = false;
    QWidget *busyOverlay = nullptr;
    QHash<int, QPointer<QWidget>> busyNotices; // SniffMgr::Notice -> its box
    QTimer *closeWaitTimer = nullptr;
    DownloadingPage *downloadingPage = nullptr;
    DownloadedPage *downloadedPage = nullptr;
    BrowserPane *browserWindow = nullptr;
    QWidget *lazyPages[5] = {};
    QLabel *indicators[5] = {};
    DesktopBridge *desktop = nullptr;
    QStringList pendingAddresses; // handed over, not yet pasted
    bool pasting = false;
};
