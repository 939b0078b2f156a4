// The window's end: the close road (closing the window), the quit road (the Quit entries, a
// termination signal), and the notices the engine asks for meanwhile.
#include "core/analytics/analytics.h"
#include "core/converter/convertmanager.h"
#include "core/engine/sniffmgr.h"
#include "core/foundation/preferences.h"
#include "core/platform/platform.h"
#include "gui/mainwindow/closeconfirmdlg.h"
#include "gui/mainwindow/mainwindow.h"
#include "gui/widgets/mainwindowhelper.h"
#include "gui/widgets/zqmessagebox.h"

#include <QCloseEvent>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QSystemTrayIcon>
#include <QTimer>

void MainWindow::connectEngineNotices()
{
    // The engine asks for a busy notice while recordings are being saved; each notice closes
    // on its own.
    connect(SniffMgr::instance(), &SniffMgr::noticeShown, this,
            [this](SniffMgr::Notice notice, const QString &text) {
                if (QWidget *old = busyNotices.take(notice))
                    old->close();
                auto *box = new ZQMessageBox;
                box->setAttribute(Qt::WA_DeleteOnClose);
                box->setObjectName(QStringLiteral("busyNotice"));
                box->resize(MainWindowHelper::instance()->scaled(QSize(380, 130)));
                box->showBusy(text);
                busyNotices.insert(notice, box);
                setBusy(true);
            });
    connect(SniffMgr::instance(), &SniffMgr::noticeClosed, this, [this](SniffMgr::Notice notice) {
        if (QWidget *box = busyNotices.take(notice))
            box->close();
        bool anyLeft = false;
        for (const QPointer<QWidget> &box : qAsConst(busyNotices))
            anyLeft = anyLeft || box;
        if (!anyLeft)
            setBusy(false);
    });
    QTimer::singleShot(0, this, &MainWindow::tellSetAsideLists);
}

void MainWindow::willQuite()
{
    savePlacement();
    if (tray)
        tray->hide();
    // The quit road (menu, tray, a termination signal): the lists are written and every child
    // is stopped before the event loop ends.
    SniffMgr::instance()->shutDown();
    platform::endKeepingAwake();
}

void MainWindow::tellSetAsideLists()
{
    const QStringList files = SniffMgr::instance()->setAsideLists();
    if (files.isEmpty())
        return;
    auto *box = new QMessageBox(QMessageBox::Warning, tr("Clipmoor"),
                                tr("Clipmoor was stopped while it read its download lists last "
                                   "time. The lists it was reading start empty; their files are "
                                   "kept as:\n%1")
                                    .arg(files.join(QLatin1Char('\n'))),
                                QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    SniffMgr *mgr = SniffMgr::instance();
    const bool dontAsk = Preferences::instance()->skipCloseConfirmation();
    const bool downloading = mgr->hasActiveTask() || ConvertManager::instance()->isConverting();
    if (downloading && !dontAsk) {
        CloseConfirmDlg dialog;
        dialog.setText(tr("Some tasks are in progress, are you sure you want to quit?"));
        MainWindowHelper::instance()->centreOverMainWindow(&dialog);
        if (dialog.exec() != QDialog::Accepted) {
            event->ignore();
            return;
        }
        mgr->pauseAll();
        if (dialog.isDontAskChecked())
            Preferences::instance()->setSkipCloseConfirmation(true);
        if (mgr->hasSavingTask()) {
            // Live recordings are being finished: the window closes when they are saved, or
            // after half a minute at most.
            event->ignore();
            waitForSavedRecordingsThenClose();
            return;
        }
    }
    finishClosing();
    event->accept();
}

void MainWindow::waitForSavedRecordingsThenClose()
{
    if (closeWaitTimer)
        return;
    closeWaitTimer = new QTimer(this);
    closeWaitTimer->setInterval(100);
    QElapsedTimer *waited = new QElapsedTimer;
    waited->start();
    connect(closeWaitTimer, &QTimer::timeout, this, [this, waited] {
        if (SniffMgr::instance()->hasSavingTask() && waited->elapsed() < 31000)
            return;
        delete waited;
        closeWaitTimer->stop();
        finishClosing();
    });
    closeWaitTimer->start();
}

void MainWindow::finishClosing()
{
    reportEvent(QStringLiteral("Lifecycle"), QStringLiteral("Quit"));
    ConvertManager::instance()->stopAll(); // conversions do not outlive the window
    savePlacement();
    SniffMgr::instance()->shutDown();
    platform::endKeepingAwake();
    delete tray;
    tray = nullptr;
    // The last usage events get at most a second; the window is gone meanwhile.
    analytics::finishReporting(1000, [] { terminate(); });
}
