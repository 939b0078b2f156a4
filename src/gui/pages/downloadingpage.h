#pragma once

// The first page: turns pasted addresses, playlists and browser downloads into tasks, shows every
// active task as a row and carries the bulk buttons, the speed limit and the convert target.

#include "core/protocol/toolline.h"
#include "gui/pages/pasteinputdlg.h"
#include "gui/pages/pasterouter.h"

#include <QMap>
#include <QPointer>
#include <QVariant>
#include <QWidget>

#include <functional>
#include <memory>

struct DownloadOptions;
class DownloadTaskDelegate;
class DownloadingModel;
class MyListWidget;
class QLabel;

class QPushButton;
class SniffMgr;
class SniffTask;

class DownloadingPage : public QWidget
{
    Q_OBJECT
public:
    explicit DownloadingPage(QWidget *parent = nullptr);
    // Starts decoding the page's large pictures on a worker thread (before the page is made).
    static void preloadPictures();

    QWidget *toolbar() const { return toolbarWidget; }
    MyListWidget *list() const { return listWidget; }
    // The rows: what each shows is read through the roles of taskmodels.
    DownloadingModel *model() const { return rows; }
    QList<SniffTask *> selectedTasks() const;
    // Reads the speed limit from the store again (after the preferences changed it).
    void refreshSpeedButton();
    void refreshConvertTarget();

    // Adds tasks for every http(s) line of the text (see the paste road).
    void addTasksFromContent(const QString &text, bool checkPlaylist,
                             const DownloadOptions &options, bool fromPlaylist, bool fromBrowser);
    void addPlaylistWithConfirm(const QString &url, bool fromBrowser);
    // Takes `text` as the paste button takes the clipboard's text: the same checks and
    // questions (an address handed over by another program).
    void pasteText(const QString &text);

    // How a playlist's entries are chosen: runs the playlist dialog on the address and returns
    // false when it was cancelled. Tests replace it.
    std::function<bool(const QString &url, QVector<protocol::PlaylistEntry> *entries,
                       DownloadOptions *options)>
        playlistChooser;

    // Read by tests and screenshots.
    QPushButton *resumeAllButton() const { return resumeAllBtn; }
    QPushButton *pauseAllButton() const { return pauseAllBtn; }
    QPushButton *deleteAllButton() const { return deleteAllBtn; }
    QPushButton *speedButton() const { return speedBtn; }
    QPushButton *pasteArrowButton() const { return arrowBtn; }
    QLabel *convertLabel() const { return convertTitle; }
    QLabel *convertLink() const { return convertTarget; }
    bool isEmptyStateShown() const;
    PasteRouter &pasteRouter() { return router; }

Q_SIGNALS:
    void browserDownloadAccepted();
    void toBrowserDownloaded(const QString &url);
    void selectionChanged(bool hasSelection);
    // The user is to be taken to the preferences (a button, or a download folder that is gone).
    void preferencesRequested();

public Q_SLOTS:
    // `cookies`: the page site's cookies as a Netscape cookie file's text (may be empty).
    void onDownloadFromBrowser(const QString &url, const QString &metadata,
                               const QByteArray &cookies = QByteArray());
    void onContextAction();
    void onPopContextMenu(SniffTask *task);
    void onTaskStarted(SniffTask *task);
    void onTaskPaused(SniffTask *task);
    void onTaskResumed(SniffTask *task);
    void onTaskSniffed(SniffTask *task);
    void onTaskDownloading(SniffTask *task);
    void onTaskConverting(SniffTask *task);
    void onTaskFinished(SniffTask *task);
    void onMgrDeleteDownloadingTask(SniffTask *task);
    void onPopupPasteMenu();
    void popSeedLimitMenu();
    void onSpeedLimitChosen(const QString &value);
    void openConvertUrl(const QString &url);
    void onConvertTargetChosen(const QString &target);
    void onClickedPasteURL();
    void onClickedPasteURLEx();
    void onClickedPastePlaylist();
    void onClickedResumeAll();
    void onClickedPauseAll();
    void onClickedDeleteAll();
    void onClickPrivateList();
    void performSchedule();
    void onScrollEnd();
    void onItemSelectionChanged();
    void openUrl(const QString &url);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QWidget *buildToolbar();
    QWidget *buildBottomBar();
    QPushButton *makeArrowButton();
    void renewArrowButton();
    void addRow(SniffTask *task);
    // A click on a row's button, question mark or failure link.
    void onRowPartClicked(const QModelIndex &index, int part);
    void onClickPauseResume(SniffTask *task);
    void showFailureDialog(SniffTask *task);
    // Moves the busy stripes of the rows in view one frame on.
    void animateBusyRows(int frame);
    // The menu entries by number; the row entries act on the selected rows.
    void runContextAction(int action);
    void openPasteInputDialog();
    // False (and the user sent to the preferences) when the download folder is gone.
    bool downloadDirReady();
    void deleteSelected();
    void finishPlaylist(const QVector<protocol::PlaylistEntry> &entries,
                        const DownloadOptions &options, bool fromBrowser);
    void runPlaylistDialog(const QString &url, bool fromBrowser);
    // The paste road's questions (see PasteRouter): a clip downloaded before, a pasted page
    // that holds several videos.
    PasteQuestions &pasteQuestions();
    bool findDownloaded(const QString &url, QString *title) const;
    void askAboutPageEntries();
    void downloadAllEntries(SniffTask *task, const QString &url);
    void updateBulkButtons();
    void updateEmptyState();
    void retranslate();

    SniffMgr *mgr;
    QWidget *toolbarWidget = nullptr;
    MyListWidget *listWidget = nullptr;
    DownloadingModel *rows = nullptr;
    DownloadTaskDelegate *delegate = nullptr;
    QPushButton *pasteBtn = nullptr;
    QPushButton *arrowBtn = nullptr;
    QPushButton *resumeAllBtn = nullptr;
    QPushButton *pauseAllBtn = nullptr;
    QPushButton *deleteAllBtn = nullptr;
    QPushButton *privateBtn = nullptr;
    QLabel *convertTitle = nullptr;
    QLabel *convertTarget = nullptr;
    QPushButton *speedBtn = nullptr;
    QLabel *supportedSites = nullptr;
    QLabel *emptyMain = nullptr;
    QLabel *emptyPointer = nullptr;
    quint16 audioOnly = 0;
    PasteRouter router;
    std::unique_ptr<PasteQuestions> questions;
    QPointer<PasteInputDlg> pasteInput;
    QString browserMetadata;
    QByteArray browserCookies;
};
