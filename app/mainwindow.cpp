#include "app/mainwindow.h"

#include "app/applog.h"
#include "app/guiutils.h"
#include "app/mainwindowhelper.h"
#include "app/preferences.h"
#include "provision/dlscriptmanager.h"
#include "provision/dltoolmanager.h"

#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
{
    MainWindowHelper::instance()->setMainWindow(this);
    // The page scripts and the download tool are brought up to date in the background.
    DlScriptManager::instance()->startCheck();
    DlToolManager::instance()->startCheck();
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    status = new QLabel(central);
    status->setAlignment(Qt::AlignCenter);
    status->setWordWrap(true);
    layout->addWidget(status);
    setCentralWidget(central);
    retranslate();
    QTimer::singleShot(1000, this, &MainWindow::onStartupTimer);
}

void MainWindow::retranslate()
{
    setWindowTitle(tr("Clipmoor"));
    const bool tool = DlToolManager::instance()->isAvailable();
    status->setText(
        tr("Downloads are saved to %1.\nDownload tool: %2")
            .arg(downloadDir(), tool ? DlToolManager::instance()->toolPath() : tr("not found")));
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(event);
}

void MainWindow::onStartupTimer()
{
    checkDownloadDir();
    pruneLogDir();
}
