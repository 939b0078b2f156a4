#pragma once

// The second page: finished downloads in two views, "All" (the done list) and "Private", with
// search, play, reveal, rename, move to and from the private list and delete. Both views are
// filters of one model of the engine's finished jobs; every change is a command to the engine,
// and the rows follow the engine's signals.

#include <QList>
#include <QWidget>

class DoneTaskDelegate;
class FinishedJobsFilter;
class FinishedJobsModel;
class MyListWidget;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QModelIndex;
class QMovie;
class QPushButton;
class QStackedWidget;
class SniffMgr;
class SniffTask;

class DownloadedPage : public QWidget
{
    Q_OBJECT
public:
    explicit DownloadedPage(QWidget *parent = nullptr);
    // Starts decoding the page's large pictures on a worker thread (before the page is made).
    static void preloadPictures();

    QWidget *toolbar() const { return toolbarWidget; }
    MyListWidget *allList() const { return allView; }
    MyListWidget *privateList() const { return privateView; }
    MyListWidget *currentList() const;
    // Every finished job, and the rows of each view (filters of it): what each row shows is read
    // through the media roles.
    FinishedJobsModel *jobsModel() const { return jobs; }
    FinishedJobsFilter *allModel() const { return allRows; }
    FinishedJobsFilter *privateModel() const { return privateRows; }
    // The public finished jobs that were converted after their download (for the converted
    // page); made on first use, owned by the page.
    FinishedJobsFilter *convertedDownloads();
    bool isPrivateView() const;
    void showView(int id);
    QLineEdit *searchField() const { return search; }
    QList<SniffTask *> selectedTasks() const;
    bool isEmptyStateShown() const;
    QString emptyStateText() const;
    void selectFirstRow();
    void runContextAction(int action);
    // Puts the current row's title into edit mode (the "Modify File Name" entry).
    void startRename(SniffTask *task);

Q_SIGNALS:
    // The rename of a row's file ended (true when the file was renamed).
    void editFinished(bool ok);

public Q_SLOTS:
    void onDoubleClickedItem(SniffTask *task);
    void onPopContextMenu(SniffTask *task);
    void onContextAction();
    void onClickedShowInBrowser();
    void onClickedDelete();
    void onSearchTextChanged(const QString &text);
    void onItemSelectionChanged();
    void onClickPrivateList();

protected:
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // Longer lists show the loading picture while they are refilled.
    static constexpr int kLoadingThreshold = 20;
    QWidget *buildToolbar();
    MyListWidget *makeList(FinishedJobsFilter *rows);
    void ensurePrivateView();
    FinishedJobsFilter *currentModel() const;
    void onJobAdded(SniffTask *task);
    bool fileExists(SniffTask *task);
    void deleteSelected();
    void deleteAll();
    void addToPrivateList();
    void moveOut();
    void setLoading(bool on);
    void updateEmptyState();
    void updateToolbar();
    void retranslate();
    QStringList keywords() const;
    void playTask(SniffTask *task);
    void revealTask(SniffTask *task);
    void onRowPartClicked(const QModelIndex &index, int part);
    void onRowDoubleClicked(const QModelIndex &index);
    void onTitleEdited(const QModelIndex &index, const QString &text);

    SniffMgr *mgr;
    QWidget *toolbarWidget = nullptr;
    QPushButton *showFileBtn = nullptr;
    QPushButton *deleteBtn = nullptr;
    QPushButton *privateBtn = nullptr;
    QLineEdit *search = nullptr;
    QButtonGroup *tabs = nullptr;
    QPushButton *allTab = nullptr;
    QPushButton *privateTab = nullptr;
    QStackedWidget *stack = nullptr;
    FinishedJobsModel *jobs = nullptr;
    FinishedJobsFilter *allRows = nullptr;
    FinishedJobsFilter *privateRows = nullptr;
    FinishedJobsFilter *convertedRows = nullptr;
    MyListWidget *allView = nullptr;
    MyListWidget *privateView = nullptr;
    QWidget *emptyPanel = nullptr;
    QLabel *emptyText = nullptr;
    QWidget *bottomBar = nullptr;
    QLabel *helpLink = nullptr;
    QLabel *loading = nullptr;
    QMovie *loadingMovie = nullptr;
    SniffTask *contextTask = nullptr;
    SniffTask *renaming = nullptr;
};
