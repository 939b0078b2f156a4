#pragma once

// The converting page: files waiting to be converted or converting, one painted row each. Files
// come in through the "Add Files" dialog or by dropping files and folders on the page; each row
// is converted, stopped and started again on its own, or all at once with "Convert All".

#include "core/converter/convmediainfo.h"

#include <QPointer>
#include <QWidget>

class ConvertingDelegate;
class ConvertingModel;
class ConvertTask;
class LoadFilesDlg;
class QLabel;
class RowListView;
class QMenu;
class QPushButton;
struct ConvertInfo;

class ConvertingPage : public QWidget
{
    Q_OBJECT
public:
    enum ContextMenuTag
    {
        ShowTheFile = 212,
        Delete = 203
    };

    explicit ConvertingPage(QWidget *parent = nullptr);

    // The file name extensions the converter accepts ("MP4", "MP3", ...).
    static const QStringList &acceptedExtensions();
    // The media files among dropped files and folders (folders searched recursively).
    static QStringList collectMediaPaths(const QStringList &localPaths);

    QWidget *toolbar() const { return toolbarWidget; }
    RowListView *list() const { return view; }
    ConvertingModel *model() const { return rows; }
    ConvertingDelegate *delegate() const { return painter; }
    QPushButton *addFilesButton() const { return addBtn; }
    QPushButton *showFileButton() const { return showBtn; }
    QPushButton *deleteAllButton() const { return deleteAllBtn; }
    QPushButton *convertAllButton() const { return convertAllBtn; }
    bool isEmptyStateShown() const;
    LoadFilesDlg *loadingDialog() const;

    // The add operation of the dialog and of a drop.
    void addFiles(const QStringList &paths);
    QList<ConvertTask *> getSelectedTasks() const;
    QMenu *genPopMenu();
    bool fileExist(ConvertTask *task);

public Q_SLOTS:
    void onPopContextMenu(const ConvertTask *task);
    void onContextAction();
    void onConvertTaskStartOrStop(ConvertTask *task);
    void onConvertAllBtnClicked();
    void onAddFileBtnClicked();
    void onShowTheFileBtnClicked();
    void onDeleteAllBtnClicked();
    void onItemSelectionChanged();
    void onDidLoadFinishedOneFile(ConvMediaInfo *item, bool isError);
    void onConverterManagerTaskDidStartAll();
    void onConverterManagerStatusDidChange(ConvertTask *task);
    void onConverterManagerTaskProgress(ConvertTask *task, float percent);
    void onConverterManagerTaskDidFinished(ConvertTask *task, bool isError);
    void onConverterManagerTaskDidCancelAll();

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QWidget *buildToolbar();
    void buildEmptyState();
    // Asks for the output format; false when the chooser was cancelled.
    bool chooseOutput(ConvertInfo *info);
    void addRow(const ConvMediaInfo &item);
    void removeTasks(const QList<ConvertTask *> &tasks);
    void confirmForDeleteSelect();
    void confirmForDelete();
    void updateButtons();
    void onBusyTick(int frame);
    void retranslate();

    QWidget *toolbarWidget = nullptr;
    QPushButton *addBtn = nullptr;
    QPushButton *showBtn = nullptr;
    QPushButton *deleteAllBtn = nullptr;
    QPushButton *convertAllBtn = nullptr;
    RowListView *view = nullptr;
    ConvertingModel *rows = nullptr;
    ConvertingDelegate *painter = nullptr;
    QWidget *emptyPanel = nullptr;
    QLabel *emptyPicture = nullptr;
    QLabel *emptyText = nullptr;
    QPointer<LoadFilesDlg> loadDialog;
    QStringList droppedPaths;
};
