#pragma once

// The converted page: finished conversions, newest first, with search, play, reveal and delete
// (with or without the file). Downloads converted after they finished are shown too: not as
// copies, but through a model of them the window hands over (setDownloads), whose rows answer
// the same media roles; acting on such a row is a command to the engine that owns it.

#include <QModelIndexList>
#include <QWidget>

class ConvMediaInfo;
class ConvertedDelegate;
class ConvertedModel;
class QAbstractItemModel;
class QConcatenateTablesProxyModel;
class QLabel;
class QLineEdit;
class RowListView;
class QPushButton;
class QSortFilterProxyModel;

class ConvertedPage : public QWidget
{
    Q_OBJECT
public:
    explicit ConvertedPage(QWidget *parent = nullptr);

    QWidget *toolbar() const { return toolbarWidget; }
    RowListView *list() const { return view; }
    // The page's own records; the list shows them and the converted downloads, searched.
    ConvertedModel *model() const { return rows; }
    QAbstractItemModel *shownModel() const;
    // The converted downloads (public ones only), answering the media roles.
    void setDownloads(QAbstractItemModel *downloads);
    ConvertedDelegate *delegate() const { return painter; }
    QLineEdit *searchField() const { return search; }
    QPushButton *deleteSelectedButton() const { return deleteBtn; }
    // The selected rows that are the page's own records, and all selected rows.
    QList<ConvMediaInfo *> selectedItems() const;
    QModelIndexList selectedRows() const;
    bool isEmptyStateShown() const;

public Q_SLOTS:
    void onConvertedFileDidAdd(ConvMediaInfo *info);
    void onDeleteSelectedBtnClicked();
    void onPopContextMenu(ConvMediaInfo *mediaInfo);
    void onDoubleClicked(ConvMediaInfo *mediaInfo);
    void onDeleteMediaItem(ConvMediaInfo *mediaInfo);
    void onSearchTextChanged(const QString &text);
    void onItemSelectionChanged();
    void onOpenFileLocation(ConvMediaInfo *mediaInfo);
    void onPlay(ConvMediaInfo *mediaInfo);

protected:
    void changeEvent(QEvent *event) override;

private:
    QWidget *buildToolbar();
    void rebuild();
    void updateEmptyState();
    // False when the row's file is gone (the user may then take the row off the list).
    bool checkOutput(const QModelIndex &index);
    void playRow(const QModelIndex &index);
    void revealRow(const QModelIndex &index);
    void deleteRows(const QModelIndexList &indexes, const QString &question);
    // Takes the rows off their lists: the page's own records, or the downloads (the engine's).
    static void removeRows(const QModelIndexList &indexes, bool deleteFiles);
    QModelIndex indexOf(ConvMediaInfo *info) const;
    void showRowMenu(const QModelIndex &index);
    void retranslate();

    QWidget *toolbarWidget = nullptr;
    QPushButton *deleteBtn = nullptr;
    QLineEdit *search = nullptr;
    RowListView *view = nullptr;
    ConvertedModel *rows = nullptr;
    QConcatenateTablesProxyModel *everything = nullptr;
    QSortFilterProxyModel *searched = nullptr;
    ConvertedDelegate *painter = nullptr;
    QLabel *emptyText = nullptr;
};
