#include "gui/pages/downloadingpage.h"

// The downloading page's paste roads: the paste button and its menu, several addresses, a
// playlist with its dialog and a download handed over by the browser all end in
// addTasksFromContent.

#include "core/analytics/analytics.h"
#include "core/engine/downloadoptions.h"
#include "core/engine/sniffmgr.h"
#include "core/engine/snifftask.h"
#include "core/foundation/addressrules.h"
#include "core/foundation/applog.h"
#include "core/foundation/globals.h"
#include "core/foundation/languagesettings.h"
#include "core/foundation/paths.h"
#include "core/foundation/preferences.h"
#include "core/foundation/privatelistmanager.h"
#include "core/foundation/stylemanager.h"
#include "core/provision/dlscriptmanager.h"
#include "gui/pages/downloadmenus.h"
#include "gui/pages/fileactions.h"
#include "gui/pages/mylistwidget.h"
#include "gui/pages/pagetoolbar.h"
#include "gui/pages/pasteinputdlg.h"
#include "gui/pages/playlistconfirmdlg.h"
#include "gui/widgets/mainwindowhelper.h"
#include "gui/widgets/pictures.h"
#include "gui/widgets/zqmessagebox.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QDebug>
#include <QDesktopServices>
#include <QEvent>
#include <QHBoxLayout>
#include <QJsonArray>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// The paste road's questions, as message boxes over the main window.
class PasteDialogs : public PasteQuestions
{
public:
    bool downloadAgain(const QString &url, const QString &title) override
    {
        const QString message =
            DownloadingPage::tr("This File Has Already Been Downloaded. Download It Again?") +
            QStringLiteral("\n\n") + (title.isEmpty() ? url : title);
        return ZQMessageBox::question(
                   message, {DownloadingPage::tr("Cancel"), DownloadingPage::tr("Download Again")},
                   2) == 2;
    }

    bool downloadAllEntries(const QString &, int count) override
    {
        // Closing the question downloads the first video only.
        return ZQMessageBox::question(
                   DownloadingPage::tr("This page has %1 videos. Do you want to download all of "
                                       "them, or only the first one?")
                       .arg(count),
                   {DownloadingPage::tr("First Only"), DownloadingPage::tr("Download All")}, 2,
                   390) == 2;
    }
};

} // namespace

// --- Paste roads ------------------------------------------------------------------------------

void DownloadingPage::onClickedPasteURL()
{
    onClickedPasteURLEx();
}

void DownloadingPage::onClickedPasteURLEx()
{
    qint64 interval = 0;
    if (!router.acceptPaste(&interval)) {
        writeLog(QStringLiteral("[DownloadingPage]"),
                 QStringLiteral("reentrant skipped. interval is: %1 ms").arg(interval));
        return;
    }
    writeLog(QStringLiteral("onClickedPasteURLEx"),
             PrivateListManager::instance()->addressForLog(QApplication::clipboard()->text()));
    pasteText(QApplication::clipboard()->text());
}

void DownloadingPage::pasteText(const QString &text)
{
    if (!downloadDirReady())
        return;
    const PasteRouter::Route route =
        PasteRouter::route(text, DlScriptManager::instance()->premium());
    if (route == PasteRouter::Route::Addresses) {
        openPasteInputDialog();
        return;
    }
    if (route == PasteRouter::Route::Playlist) {
        writeLog(QStringLiteral("[DownloadingPage]"), QStringLiteral("addPlaylistWithConfirm"));
        addPlaylistWithConfirm(text, false);
        reportEvent(QStringLiteral("Download"), QStringLiteral("PastURL"),
                    QStringLiteral("Playlist"));
        return;
    }
    reportEvent(QStringLiteral("Download"), QStringLiteral("PastURL"), QStringLiteral("Clip"));
    writeLog(QStringLiteral("[DownloadingPage]"), QStringLiteral("addTasksFromContent"));
    if (route == PasteRouter::Route::Clip) {
        if (PasteRouter::confirmClip(
                text,
                [this](const QString &url, QString *title) { return findDownloaded(url, title); },
                pasteQuestions()))
            addTasksFromContent(text, false, {}, false, false);
    } else if (ZQMessageBox::question(
                   tr("Wanna download Premium videos?\nPlease sign in to your account in "
                      "\"Online\" section, then click \"Download\" button to get it."),
                   {tr("Cancel"), tr("OK")}, 2) == 2) {
        Q_EMIT toBrowserDownloaded(text);
    }
}

PasteQuestions &DownloadingPage::pasteQuestions()
{
    if (!questions)
        questions = std::make_unique<PasteDialogs>();
    return *questions;
}

bool DownloadingPage::findDownloaded(const QString &url, QString *title) const
{
    const QString media = mediaAddress(url);
    const QList<SniffTask *> done = mgr->doneList();
    for (SniffTask *task : done) {
        if (mediaAddress(task->url()) == media) {
            *title = task->title();
            return true;
        }
    }
    return false;
}

void DownloadingPage::askAboutPageEntries()
{
    const auto act = [this](const PasteRouter::EntriesAnswer &answer) {
        writeLog(
            QStringLiteral("[DownloadingPage]"),
            QStringLiteral("a page with several videos, %1: %2")
                .arg(answer.all ? QStringLiteral("all wanted") : QStringLiteral("the first only"),
                     PrivateListManager::instance()->addressForLog(answer.url)));
        if (answer.all)
            downloadAllEntries(answer.task, answer.url);
        else if (answer.task)
            mgr->downloadFirstEntryOnly(answer.task);
    };
    if (router.askNext(pasteQuestions(), act) && router.hasWaitingQuestion())
        QTimer::singleShot(0, this, &DownloadingPage::askAboutPageEntries);
}

void DownloadingPage::downloadAllEntries(SniffTask *task, const QString &url)
{
    QPointer<SniffTask> single(task);
    QVector<protocol::PlaylistEntry> entries;
    DownloadOptions options;
    // The job waits, with nothing downloaded, until the entries are chosen: they replace it. A
    // cancelled choice downloads the first video only.
    const bool chosen = playlistChooser && playlistChooser(url, &entries, &options);
    if (!single || !mgr->downloadingList().contains(single))
        return;
    if (!chosen) {
        mgr->downloadFirstEntryOnly(single);
        return;
    }
    mgr->deleteDownloadingTask(single);
    finishPlaylist(entries, options, false);
}

void DownloadingPage::openPasteInputDialog()
{
    delete pasteInput;
    pasteInput = new PasteInputDlg;
    MainWindowHelper::instance()->centreOverMainWindow(pasteInput);
    if (pasteInput->exec() == QDialog::Accepted && pasteInput)
        addTasksFromContent(pasteInput->text(), true, {}, false, false);
}

void DownloadingPage::onClickedPastePlaylist()
{
    const QString text = QApplication::clipboard()->text();
    writeLog(QStringLiteral("onClickedPastePlaylist"),
             PrivateListManager::instance()->addressForLog(text));
    if (!isHttpUrl(text)) {
        ZQMessageBox::question(tr("No url find in the paste board."), {tr("OK")});
        return;
    }
    runPlaylistDialog(text, false);
}

void DownloadingPage::addPlaylistWithConfirm(const QString &url, bool fromBrowser)
{
    if (!isPurePlaylistUrl(url)) {
        const int answer = ZQMessageBox::question(
            tr("This video is part of the playlist. Do you want to download the clip only or "
               "download all playlist?"),
            {tr("Cancel"), tr("Download playlist"), tr("Download clip")}, 3, 390);
        if (answer == 3) {
            reportEvent(QStringLiteral("Download"), QStringLiteral("PastPlaylist"),
                        QStringLiteral("Clip"));
            DownloadOptions options;
            if (fromBrowser) {
                Q_EMIT browserDownloadAccepted();
                options.metadata = browserMetadata;
                options.cookies = browserCookies;
            }
            addTasksFromContent(url, false, options, false, fromBrowser);
            return;
        }
        if (answer != 2)
            return;
    }
    reportEvent(QStringLiteral("Download"), QStringLiteral("PastPlaylist"),
                QStringLiteral("Playlist"));
    runPlaylistDialog(url, fromBrowser);
}

void DownloadingPage::runPlaylistDialog(const QString &url, bool fromBrowser)
{
    QVector<protocol::PlaylistEntry> entries;
    DownloadOptions options;
    if (!playlistChooser || !playlistChooser(url, &entries, &options))
        return;
    finishPlaylist(entries, options, fromBrowser);
}

void DownloadingPage::finishPlaylist(const QVector<protocol::PlaylistEntry> &chosen,
                                     const DownloadOptions &options, bool fromBrowser)
{
    QVector<protocol::PlaylistEntry> entries = chosen;
    if (options.playlistOrderMode == QLatin1String("Oldest first"))
        std::reverse(entries.begin(), entries.end());
    if (entries.isEmpty()) {
        reportEvent(QStringLiteral("Download"), QStringLiteral("PlaylistSelectItemsCount"),
                    QStringLiteral("0"));
        return;
    }
    QString text;
    for (const protocol::PlaylistEntry &entry : qAsConst(entries))
        text += entry.url + QLatin1Char('\n');
    writeLog(QStringLiteral("[DownloadingPage]"), QStringLiteral("popupPlaylistDialog"));
    if (fromBrowser)
        Q_EMIT browserDownloadAccepted();
    addTasksFromContent(text, false, options, true, fromBrowser);
    reportEvent(QStringLiteral("Download"), QStringLiteral("PlaylistSelectItemsCount"),
                QString::number(entries.size()));
}

void DownloadingPage::addTasksFromContent(const QString &text, bool checkPlaylist,
                                          const DownloadOptions &options, bool fromPlaylist,
                                          bool fromBrowser)
{
    const bool skipExisting = fromPlaylist && options.skipDownloaded;
    DownloadOptions jobOptions = options;
    if (audioOnly)
        jobOptions.mediaType = QStringLiteral("audio");
    const QStringList lines = splitLines(text.trimmed());
    int skipped = 0;
    int added = 0;
    QStringList refused;
    for (const QString &line : lines) {
        if (!isHttpUrl(line))
            continue;
        if (lines.size() == 1 && checkPlaylist && isPlaylistUrl(line)) {
            addPlaylistWithConfirm(line, false);
            continue;
        }
        if (!fromBrowser) {
            const QString site = siteNameFromUrl(line);
            if (!site.isEmpty())
                reportEvent(QStringLiteral("Download"), QStringLiteral("URL"), site);
        }
        if (skipExisting && mgr->isInHistory(line)) {
            ++skipped;
            continue;
        }
        // The same address in the same format is on the list already: one job is enough (the
        // engine refuses a second one; asked first, no job is made at all).
        if (mgr->sameJobListed(line, jobOptions)) {
            refused << line;
            continue;
        }
        SniffTask *task = mgr->newTask(line, jobOptions);
        addRow(task);
        ++added;
        mgr->addTask(task, fromPlaylist);
    }
    if (added > 0) {
        // The newest row becomes the only selected and the current one.
        listWidget->clearSelection();
        listWidget->setCurrentRow(listWidget->count() - 1, QItemSelectionModel::ClearAndSelect);
        listWidget->scrollToBottom();
    }
    updateBulkButtons();
    updateEmptyState();
    QTimer::singleShot(1, this, &DownloadingPage::performSchedule);
    if (skipped > 0) {
        const QString message = skipped == 1 ? tr("%1 exists task has been skipped.")
                                             : tr("%1 exists tasks have been skipped.");
        ZQMessageBox::question(message.arg(skipped), {tr("OK")});
    }
    if (!refused.isEmpty()) {
        writeLog(QStringLiteral("[DownloadingPage]"),
                 QStringLiteral("already on the list: %1").arg(refused.join(QLatin1Char(' '))));
        ZQMessageBox::question(tr("This address is already being downloaded in the same format:") +
                                   QStringLiteral("\n\n") + refused.first(),
                               {tr("OK")});
    }
}

void DownloadingPage::onDownloadFromBrowser(const QString &url, const QString &metadata,
                                            const QByteArray &cookies)
{
    writeLog(QStringLiteral("[DownloadingPage::onDownloadFromBrowser]"),
             PrivateListManager::instance()->addressForLog(url));
    if (!downloadDirReady() || !isHttpUrl(url))
        return;
    if (isPlaylistUrl(url)) {
        writeLog(QStringLiteral("[DownloadingPage]"), QStringLiteral("addPlaylistWithConfirm"));
        browserMetadata = metadata;
        browserCookies = cookies;
        addPlaylistWithConfirm(url, true);
        reportEvent(QStringLiteral("Download"), QStringLiteral("Online"),
                    QStringLiteral("Playlist"));
        return;
    }
    reportEvent(QStringLiteral("Download"), QStringLiteral("Online"), QStringLiteral("Clip"));
    writeLog(QStringLiteral("[DownloadingPage]"), QStringLiteral("addTasksFromContent"));
    Q_EMIT browserDownloadAccepted();
    DownloadOptions options;
    options.metadata = metadata;
    options.cookies = cookies;
    addTasksFromContent(url, false, options, false, true);
}

void DownloadingPage::onPopupPasteMenu()
{
    QMenu *menu = downloadmenus::popupMenu(this);
    const std::pair<int, const char *> entries[] = {{209, QT_TR_NOOP("Download MP3")},
                                                    {210, QT_TR_NOOP("Multiple URLs")},
                                                    {211, QT_TR_NOOP("Download Playlist")}};
    for (const auto &[data, text] : entries) {
        QAction *action = menu->addAction(tr(text));
        action->setData(data);
        connect(action, &QAction::triggered, this, &DownloadingPage::onContextAction);
    }
    connect(menu, &QMenu::aboutToHide, this, &DownloadingPage::renewArrowButton);
    menu->popup(pasteBtn->mapToGlobal(pasteBtn->rect().bottomLeft()));
}

void DownloadingPage::renewArrowButton()
{
    // The arrow button keeps a pressed look after its menu; a fresh one takes its place.
    QPushButton *old = arrowBtn;
    arrowBtn = makeArrowButton();
    arrowBtn->setToolTip(old->toolTip());
    if (QLayout *layout = old->parentWidget()->layout()) {
        if (QLayoutItem *replaced =
                layout->replaceWidget(old, arrowBtn, Qt::FindChildrenRecursively))
            delete replaced;
    }
    old->hide();
    old->deleteLater();
}

bool DownloadingPage::downloadDirReady()
{
    if (downloadDirExists())
        return true;
    Q_EMIT preferencesRequested();
    return false;
}
