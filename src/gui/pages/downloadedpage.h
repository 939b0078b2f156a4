#pragma once

// The second page: finished downloads in two views, "All" (the done list) and "Private", with
// search, play, reveal, rename, move to and from the private list and delete.

#include <QList>
#include <QWidget>

class DoneTaskWidget;
class MyListWidget;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidgetItem;
class QMovie;
class QPushButton;
class QStackedWidget;
class SniffMgr;
class SniffTask;

class DownloadedPage : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kCachedEvent = 1100;
    static constexpr int kReusedEvent = 1101;

    explicit DownloadedPage(QWidget *parent = nullptr);

    QWidget *toolbar() const { return toolbarWidget; }
    MyListWidget *allList() const { return allView; }
    MyListWidget *privateList() const { return privateView; }
    MyListWidget *currentList() const;
    bool isPrivateView() const;
    void showView(int id);
    QLineEdit *searchField() const { return search; }
    DoneTaskWidget *widgetOf(SniffTask *task) const;
    QList<SniffTask *> selectedTasks() const;
    bool isEmptyStateShown() const;
    void selectFirstRow();
    // Shows the rows of these tasks in the "All" view, reusing row widgets.
    void refreshList(const QList<SniffTask *> &tasks, bool init);
    void runContextAction(int action);

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
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // Longer lists show the loading picture while they are refilled.
    static constexpr int kLoadingThreshold = 20;
    QWidget *buildToolbar();
    MyListWidget *makeList();
    void ensurePrivateView();
    DoneTaskWidget *createRow(MyListWidget *list, SniffTask *task, int position);
    void removeRow(MyListWidget *list, int row);
    bool fileExists(SniffTask *task);
    void deleteSelected();
    void deleteAll();
    void addToPrivateList();
    void moveOut();
    void setLoading(bool on);
    void updateEmptyState();
    void updateToolbar();
    void loadMoreRows();
    // Appends the task's row to the "All" view, reusing its cached widget when there is one.
    void appendRow(SniffTask *task);
    void retranslate();
    QStringList keywords() const;
    void connectRow(DoneTaskWidget *widget);
    void playTask(SniffTask *task);
    void revealTask(SniffTask *task);

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
    MyListWidget *allView = nullptr;
    MyListWidget *privateView = nullptr;
    QWidget *emptyPanel = nullptr;
    QLabel *emptyText = nullptr;
    QWidget *bottomBar = nullptr;
    QLabel *helpLink = nullptr;
    QLabel *loading = nullptr;
    QMovie *loadingMovie = nullptr;
    QList<DoneTaskWidget *> widgetCache;
    int refreshCounter = 0;
    bool refreshing = false;
    QList<SniffTask *> shownTasks; // what the "All" view shows (rows may be fewer)
    SniffTask *contextTask = nullptr;
};
