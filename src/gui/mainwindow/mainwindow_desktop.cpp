// The window and the desktop: addresses handed over by other programs, notifications and their
// clicks.
#include "core/converter/convertdatamanager.h"
#include "core/converter/convertmanager.h"
#include "core/converter/converttask.h"
#include "core/converter/convmediainfo.h"
#include "core/engine/sniffmgr.h"
#include "core/engine/snifftask.h"
#include "core/foundation/addressrules.h"
#include "core/foundation/applog.h"
#include "gui/converter/convertedpage.h"
#include "gui/converter/convertermodels.h"
#include "gui/converter/convertingpage.h"
#include "gui/mainwindow/application.h"
#include "gui/mainwindow/mainwindow.h"
#include "gui/pages/downloadedpage.h"
#include "gui/pages/downloadingpage.h"
#include "gui/pages/mylistwidget.h"
#include "gui/widgets/mediaroles.h"
#include "gui/widgets/zqmessagebox.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QListView>
#include <QStackedWidget>
#include <QTimer>

void MainWindow::connectDesktop()
{
    desktop = new DesktopBridge(this, SniffMgr::instance(), ConvertManager::instance(), this);
    connect(desktop, &DesktopBridge::rowRequested, this, &MainWindow::showJob);
}

void MainWindow::takeAddresses(const QStringList &addresses)
{
    QStringList refused;
    for (const QString &given : addresses) {
        const QString address = given.trimmed();
        if (isHttpUrl(address) && !address.contains(QLatin1Char('\n')))
            pendingAddresses << address;
        else
            refused << given.left(200);
    }
    writeLog(QStringLiteral("[MainWindow]"), QStringLiteral("%1 addresses handed over, %2 refused")
                                                 .arg(addresses.size() - refused.size())
                                                 .arg(refused.size()));
    if (!refused.isEmpty()) {
        // Shown from the event loop: a hand-over arrives in the middle of socket handling.
        const QString text =
            tr("Clipmoor downloads web addresses only (starting with http:// or https://). "
               "Not taken:\n%1")
                .arg(refused.mid(0, 10).join(QLatin1Char('\n')));
        QTimer::singleShot(0, this, [text] { ZQMessageBox::question(text, {tr("OK")}); });
    }
    if (!pendingAddresses.isEmpty())
        QTimer::singleShot(0, this, &MainWindow::pasteNextAddress);
}

void MainWindow::pasteNextAddress()
{
    // One at a time: a paste may ask questions, and the next waits for their answers.
    if (pasting || pendingAddresses.isEmpty())
        return;
    pasting = true;
    if (stack->currentWidget() != downloadingPage) {
        tabGroup->button(0)->setChecked(true);
        onTabClicked(0);
    }
    downloadingPage->pasteText(pendingAddresses.takeFirst());
    pasting = false;
    if (!pendingAddresses.isEmpty())
        QTimer::singleShot(0, this, &MainWindow::pasteNextAddress);
}

void MainWindow::showJob(DesktopBridge::Job job, const QString &key, bool failed)
{
    App::raiseWindow(this);
    const auto select = [](MyListWidget *list, int row) {
        if (row < 0)
            return;
        list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
        list->scrollTo(list->model()->index(row, 0));
    };
    if (job == DesktopBridge::Job::Download) {
        SniffTask *found = nullptr;
        const QList<SniffTask *> all =
            SniffMgr::instance()->downloadingList() + SniffMgr::instance()->doneList();
        for (SniffTask *task : all) {
            if (task->workDir() == key)
                found = task;
        }
        const int tab = failed ? 0 : 1;
        tabGroup->button(tab)->setChecked(true);
        onTabClicked(tab);
        if (!found)
            return; // deleted since, or in the private list, which asks for its password first
        if (failed)
            select(downloadingPage->list(), downloadingPage->list()->rowOf(found));
        else if (!downloadedPage->isPrivateView())
            select(downloadedPage->allList(), downloadedPage->allList()->rowOf(found));
        return;
    }
    const int tab = failed ? 3 : 4;
    tabGroup->button(tab)->setChecked(true);
    onTabClicked(tab);
    if (failed) {
        auto *page = qobject_cast<ConvertingPage *>(lazyPage(3));
        ConvertingModel *rows = page ? page->model() : nullptr;
        ConvertTask *task = ConvertDataManager::instance()->taskForSource(key);
        if (rows && task && rows->rowOf(task) >= 0)
            page->list()->setCurrentIndex(rows->index(rows->rowOf(task), 0));
        return;
    }
    auto *page = qobject_cast<ConvertedPage *>(lazyPage(4));
    // The page's own records and the converted downloads alike: the row whose file it is.
    const QAbstractItemModel *rows = page ? page->shownModel() : nullptr;
    for (int row = 0; rows && row < rows->rowCount(); ++row) {
        const QModelIndex index = rows->index(row, 0);
        if (index.data(mediaroles::FilePathRole).toString() == key)
            page->list()->setCurrentIndex(index);
    }
}
