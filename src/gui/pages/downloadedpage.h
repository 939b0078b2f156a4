#pragma once

// The second page: finished downloads in two views, "All" (the done list) and "Private", with
// search, play, reveal, rename, move to and from the private list and delete.

#include <QList>
#include <QWidget>

class DoneListModel;
class DoneTaskDelegate;
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

    QWidget *toolbar() const { return toolbarWidget; }
    MyListWidget *allList() const { return allView; }
    MyListWidget *privateList() const { return privateView; }
    MyListWidget *currentList() const;
    // The rows of each view: what each shows is read through the roles of taskmodels.
    DoneListModel *allModel() const { return allRows; }
    DoneListModel *privateModel() const { return privateRows; }
    bool isPrivateView() const;
    void showView(int id);
    QLineEdit *searchField() const { return search; }
    QList<SniffTask *> selectedTasks() const;
    bool isEmptyStateShown() const;
    QString emptyStateText() const;
    void selectFirstRow();
    // Shows these tasks in the "All" view.
    void refreshList(const QList<SniffTask *> &tasks);
    void runContextAction(int action);
    // Puts the current row's title into edit mode (the "Modify File Name" entry).
    void startRename(SniffTask *task);

Q_SIGNALS:
    // The rename of a row's file ended (true when the file was renamed).
    void editFinished(bool ok);

public Q_SLOTS:
    void onMgrAddDownloadedTask(SniffTask *task);
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
    MyListWidget *makeList(DoneListModel *rows);
    void ensurePrivateView();
    DoneListModel *currentModel() const;
    // Adds a row to a view; it becomes selected when the view had no selection.
    void addRow(MyListWidget *list, SniffTask *task, int position);
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
    // The tasks of a list that the search shows.
    QList<SniffTask *> searched(const QList<SniffTask *> &tasks) const;
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
    DoneListModel *allRows = nullptr;
    DoneListModel *privateRows = nullptr;
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
