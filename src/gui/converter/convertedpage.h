#pragma once

// The converted page: finished conversions, newest first, with search, play, reveal and delete
// (with or without the file).

#include <QWidget>

class ConvMediaInfo;
class ConvertedDelegate;
class ConvertedModel;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

class ConvertedPage : public QWidget
{
    Q_OBJECT
public:
    explicit ConvertedPage(QWidget *parent = nullptr);

    QWidget *toolbar() const { return toolbarWidget; }
    QListView *list() const { return view; }
    ConvertedModel *model() const { return rows; }
    ConvertedDelegate *delegate() const { return painter; }
    QLineEdit *searchField() const { return search; }
    QPushButton *deleteSelectedButton() const { return deleteBtn; }
    QList<ConvMediaInfo *> selectedItems() const;
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
    // False when the output file is gone (the user may then take the record off the list).
    bool checkOutput(ConvMediaInfo *info);
    void deleteItems(const QList<ConvMediaInfo *> &items, const QString &question);
    void retranslate();

    QWidget *toolbarWidget = nullptr;
    QPushButton *deleteBtn = nullptr;
    QLineEdit *search = nullptr;
    QListView *view = nullptr;
    ConvertedModel *rows = nullptr;
    ConvertedDelegate *painter = nullptr;
    QLabel *emptyText = nullptr;
};
