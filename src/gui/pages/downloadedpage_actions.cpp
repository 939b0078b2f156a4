#include "gui/pages/downloadedpage.h"

// What the downloaded page does with its rows: open, reveal, the context menu, delete, and moving
// rows into and out of the private list.

#include "core/engine/sniffmgr.h"
#include "core/engine/snifftask.h"
#include "core/foundation/applog.h"
#include "core/foundation/globals.h"
#include "core/foundation/privatelistmanager.h"
#include "core/foundation/stylemanager.h"
#include "gui/pages/deleteconfirmdlg.h"
#include "gui/pages/fileactions.h"
#include "gui/pages/finishedjobs.h"
#include "gui/pages/mylistwidget.h"
#include "gui/pages/pagetoolbar.h"
#include "gui/pages/taskmodels.h"
#include "gui/widgets/mainwindowhelper.h"
#include "gui/widgets/pictures.h"
#include "gui/widgets/zqmessagebox.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QCursor>
#include <QDebug>
#include <QDesktopServices>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMovie>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const char kDropboxUrl[] = "https://www.dropbox.com/login";
const char kGoogleDriveUrl[] = "https://drive.google.com/drive/my-drive";

} // namespace

// --- Actions ----------------------------------------------------------------------------------

bool DownloadedPage::fileExists(SniffTask *task)
{
    if (!task) {
        writeLog(QStringLiteral("[DownloadedPage]"), QStringLiteral("Error: Task is null!"));
        return false;
    }
    bool remove = false;
    if (checkFileExists(task->filePath(), true, &remove))
        return true;
    if (remove)
        mgr->deleteFinished(task, true);
    return false;
}

void DownloadedPage::playTask(SniffTask *task)
{
    if (fileExists(task))
        openLocalFile(task->filePath());
}

void DownloadedPage::revealTask(SniffTask *task)
{
    MyListWidget *list = currentList();
    const int row = list->rowOf(task);
    if (row >= 0)
        list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    if (fileExists(task))
        showInFileManager(task->filePath());
}

void DownloadedPage::onDoubleClickedItem(SniffTask *task)
{
    MyListWidget *list = currentList();
    const int row = list->rowOf(task);
    if (row >= 0)
        list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    playTask(task);
}

void DownloadedPage::onClickedShowInBrowser()
{
    const QList<SniffTask *> tasks = selectedTasks();
    if (tasks.isEmpty())
        return;
    if (fileExists(tasks.first()))
        showInFileManager(tasks.first()->filePath());
}

void DownloadedPage::onClickedDelete()
{
    if (!selectedTasks().isEmpty())
        deleteSelected();
}

void DownloadedPage::onPopContextMenu(SniffTask *task)
{
    contextTask = task;
    // The menu runs no event loop of its own, and a chosen entry acts once the menu's handlers
    // have returned: whatever it deletes is not on the call stack.
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setStyleSheet(StyleManager::instance()->styleSheet(QStringLiteral("QMenu.qss")));
    const auto add = [&](int data, const QString &text) {
        QAction *action = menu->addAction(text);
        action->setData(data);
        connect(action, &QAction::triggered, this, [this, data] {
            QTimer::singleShot(0, this, [this, data] { runContextAction(data); });
        });
    };
    add(207, tr("Show the File"));
    add(208, tr("Play"));
    add(217, tr("Modify File Name"));
    menu->addSeparator();
    add(203, tr("Delete"));
    add(204, tr("Delete All"));
    menu->addSeparator();
    PrivateListManager *privacy = PrivateListManager::instance();
    if (!isPrivateView()) {
        if (privacy->isOn() || privacy->canAsk())
            add(213, tr("Move to Private List"));
    } else {
        add(214, tr("Move Out"));
    }
    add(205, tr("Copy URL"));
    add(206, tr("Go to Source Page"));
    add(215, tr("Save to Dropbox"));
    add(216, tr("Save to Google Drive"));
    menu->popup(QCursor::pos());
}

void DownloadedPage::onContextAction()
{
    if (auto *action = qobject_cast<QAction *>(sender()))
        runContextAction(action->data().toInt());
}

void DownloadedPage::runContextAction(int action)
{
    // The row of the menu may have gone while the menu was open.
    if (contextTask && currentModel()->rowOf(contextTask) < 0)
        contextTask = nullptr;
    SniffTask *task = contextTask;
    const QList<SniffTask *> tasks = selectedTasks();
    switch (action) {
    case 207:
        if (fileExists(task))
            showInFileManager(task->filePath());
        break;
    case 208:
        playTask(task);
        break;
    case 217:
        if (fileExists(task)) {
            auto *current =
                currentList()->currentIndex().data(taskmodels::TaskRole).value<SniffTask *>();
            startRename(current ? current : task);
        }
        break;
    case 203:
        deleteSelected();
        break;
    case 204:
        deleteAll();
        break;
    case 213:
        addToPrivateList();
        break;
    case 214:
        moveOut();
        break;
    case 205: {
        QStringList urls;
        for (SniffTask *t : tasks)
            urls << t->url();
        QApplication::clipboard()->setText(urls.join(QLatin1Char('\n')));
        break;
    }
    case 206:
        for (SniffTask *t : tasks)
            QDesktopServices::openUrl(QUrl(t->url()));
        break;
    case 215:
        if (fileExists(task))
            QDesktopServices::openUrl(QUrl(QLatin1String(kDropboxUrl)));
        break;
    case 216:
        if (fileExists(task))
            QDesktopServices::openUrl(QUrl(QLatin1String(kGoogleDriveUrl)));
        break;
    default:
        break;
    }
}

void DownloadedPage::deleteSelected()
{
    DeleteConfirmDlg dialog;
    dialog.setMinimumWidth(400);
    dialog.setMessage(tr("Are you sure to delete the items which you select?"));
    dialog.setCheckBoxVisible(!isPrivateView());
    MainWindowHelper::instance()->centreOverMainWindow(&dialog);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const bool deleteFile = dialog.isDeleteFileChecked();
    for (SniffTask *task : selectedTasks())
        mgr->deleteFinished(task, deleteFile);
    updateToolbar();
}

void DownloadedPage::deleteAll()
{
    DeleteConfirmDlg dialog;
    dialog.setMinimumWidth(400);
    dialog.setMessage(tr("Are you sure to delete all the items?"));
    dialog.setCheckBoxVisible(!isPrivateView());
    MainWindowHelper::instance()->centreOverMainWindow(&dialog);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The private view's files always go with their rows.
    const bool deleteFile = isPrivateView() || dialog.isDeleteFileChecked();
    for (SniffTask *task : currentModel()->tasks())
        mgr->deleteFinished(task, deleteFile);
    updateToolbar();
}

void DownloadedPage::addToPrivateList()
{
    writeLog(QStringLiteral("[DownloadedPage::addToPrivateList] =>begin"), logClock());
    const QList<SniffTask *> items = allView->selectedTasks();
    if (items.isEmpty())
        return;
    PrivateListManager *privacy = PrivateListManager::instance();
    if (!privacy->isOn() && privacy->ask(PrivateListManager::TurnOn) != 1)
        return;
    ensurePrivateView();
    const bool many = items.size() > kLoadingThreshold;
    if (many)
        setLoading(true);
    writeLog(QStringLiteral("selectedItems size:"), QString::number(items.size()));
    privateView->clearSelection();
    // The engine moves each job (hiding its file when private mode asks for that) and saves.
    for (SniffTask *task : items)
        mgr->moveToPrivate(task);
    const int first = privateRows->rowOf(items.first());
    if (first >= 0)
        privateView->setCurrentRow(first, QItemSelectionModel::Select);
    if (many)
        setLoading(false);
    updateEmptyState();
    updateToolbar();
    writeLog(QStringLiteral("[DownloadedPage::addToPrivateList] =>end"), logClock());
}

void DownloadedPage::moveOut()
{
    writeLog(QStringLiteral("[DownloadedPage::moveOut] =>begin"), logClock());
    if (!privateView)
        return;
    const QList<SniffTask *> items = privateView->selectedTasks();
    if (items.isEmpty())
        return;
    const bool many = items.size() > kLoadingThreshold;
    if (many)
        setLoading(true);
    for (SniffTask *task : items)
        mgr->moveFromPrivate(task);
    allView->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
    if (many)
        setLoading(false);
    updateEmptyState();
    updateToolbar();
    writeLog(QStringLiteral("[DownloadedPage::moveOut] =>end"), logClock());
}
