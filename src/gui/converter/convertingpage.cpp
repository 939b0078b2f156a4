#include "gui/converter/convertingpage.h"

#include "core/analytics/analytics.h"
#include "core/converter/convertdatamanager.h"
#include "core/converter/convertmanager.h"
#include "core/converter/converttask.h"
#include "core/converter/loadfileoperator.h"
#include "core/foundation/applog.h"
#include "core/foundation/globals.h"
#include "core/foundation/stylemanager.h"
#include "gui/converter/adaptation.h"
#include "gui/converter/converterdelegates.h"
#include "gui/converter/convertermodels.h"
#include "gui/converter/loadfilesdlg.h"
#include "gui/pages/fileactions.h"
#include "gui/pages/pagetoolbar.h"
#include "gui/widgets/mainwindowhelper.h"
#include "gui/widgets/pictures.h"
#include "gui/widgets/progressbar.h"
#include "gui/widgets/zqmessagebox.h"

#include <QAction>
#include <QCursor>
#include <QDirIterator>
#include <QDragEnterEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char kFilter[] =
    "All Support Files (*.MP4 *.M4V *.3GP *.MPEG *.DAT *.AVI *.ASF *.WMV *.VOB *.MKV *.FLV *.3GS "
    "*.3G2 *.F4V *.WEBM *.TS *.RMVB *MOV *.RM *.MP3 *.AAC *.AC3 *.FLAC *.M4A *.WAV *.WMA *.AMR "
    "*.MKA *.MP2 *.AIF *.AU *.AIFF *.CAF *.OGG *.RAM *.RA *.M4B *.M4R *.APE *.OPUS);;Video Files "
    "(*.MP4 *.M4V *.3GP *.MPEG *.DAT *.AVI *.ASF *.WMV *.VOB *.MKV *.FLV *.3GS *.3G2 *.F4V *.WEBM "
    "*.TS *.RMVB *.MOV *.RM);;Audio Files (*.MP3 *.AAC *.AC3 *.FLAC *.M4A *.WAV *.WMA *.AMR *.MKA "
    "*.MP2 *.AIF *.AU *.AIFF *.CAF *.OGG *.RAM *.RA *.M4B *.M4R *.APE *.OPUS *.WEBM)";

// A dropped folder is searched this deep at most (a drop of a whole disk must not hang).
const int kMaxVisitedEntries = 100000;

void scaleThumbnail(const QString &path)
{
    const QImage image(path);
    if (!image.isNull())
        image.scaled(200, 120, Qt::IgnoreAspectRatio, Qt::FastTransformation).save(path, "PNG");
}

} // namespace

const QStringList &ConvertingPage::acceptedExtensions()
{
    static const QStringList extensions = {
        "MP4", "M4V",  "3GP",  "MPEG", "DAT",  "AVI", "ASF",  "WMV", "VOB", "MKV",
        "FLV", "3GS",  "3G2",  "F4V",  "WEBM", "TS",  "RMVB", "MOV", "RM",  "MP3",
        "AAC", "AC3",  "FLAC", "M4A",  "WAV",  "WMA", "AMR",  "MKA", "MP2", "AIF",
        "AU",  "AIFF", "CAF",  "OGG",  "RAM",  "RA",  "M4B",  "M4R", "APE", "OPUS"};
    return extensions;
}

QStringList ConvertingPage::collectMediaPaths(const QStringList &localPaths)
{
    QStringList found;
    auto accepted = [](const QFileInfo &file) {
        return acceptedExtensions().contains(file.suffix().toUpper());
    };
    int visited = 0;
    for (const QString &path : localPaths) {
        const QFileInfo info(path);
        if (info.isDir()) {
            QDirIterator it(path, QDir::Files | QDir::NoDotAndDotDot | QDir::Hidden,
                            QDirIterator::Subdirectories);
            while (it.hasNext() && ++visited < kMaxVisitedEntries) {
                it.next();
                if (accepted(it.fileInfo()))
                    found << it.filePath();
            }
        } else if (info.isFile() && accepted(info)) {
            found << info.absoluteFilePath();
        }
    }
    return found;
}

ConvertingPage::ConvertingPage(QWidget *parent)
    : QWidget(parent)
{
    LoadFileOperator::setThumbnailFinisher(scaleThumbnail);
    setAcceptDrops(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildToolbar());

    rows = new ConvertingModel(this);
    painter = new ConvertingDelegate;
    view = converterlist::create(this, QStringLiteral("convertingList"), rows, painter);
    layout->addWidget(view, 1);
    connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ConvertingPage::onItemSelectionChanged);
    connect(view, &RowListView::rowMenuRequested, this,
            [this](const QModelIndex &index) { onPopContextMenu(rows->taskAt(index.row())); });
    connect(view, &RowListView::partClicked, this, [this](const QModelIndex &index, int) {
        if (ConvertTask *task = rows->taskAt(index.row()))
            onConvertTaskStartOrStop(task);
    });
    buildEmptyState();

    // The busy stripes of waiting rows move with the downloading page's, on the shared timer.
    connect(ProgressTimer::instance(), &ProgressTimer::timeout, this, &ConvertingPage::onBusyTick);

    ConvertManager *manager = ConvertManager::instance();
    connect(manager, &ConvertManager::converterManagerTaskDidStartAll, this,
            &ConvertingPage::onConverterManagerTaskDidStartAll);
    connect(manager, &ConvertManager::converterManagerStatusDidChange, this,
            &ConvertingPage::onConverterManagerStatusDidChange);
    connect(manager, &ConvertManager::converterManagerTaskProgress, this,
            &ConvertingPage::onConverterManagerTaskProgress);
    connect(manager, &ConvertManager::converterManagerTaskDidFinished, this,
            &ConvertingPage::onConverterManagerTaskDidFinished);
    connect(manager, &ConvertManager::converterManagerTaskDidCancelAll, this,
            &ConvertingPage::onConverterManagerTaskDidCancelAll);

    rows->setTasks(ConvertDataManager::instance()->convertingTaskList());
    if (rows->rowCount() > 0)
        view->setCurrentIndex(rows->index(0));
    retranslate();
    updateButtons();
}

QWidget *ConvertingPage::buildToolbar()
{
    toolbarWidget = new QWidget(this);
    toolbarWidget->setFixedHeight(72);
    auto *row = new QHBoxLayout(toolbarWidget);
    row->setContentsMargins(20, 0, 20, 0);
    row->setSpacing(10);
    addBtn = pagetoolbar::imageButton(toolbarWidget, QStringLiteral("QP/add_file.png"));
    showBtn = new QPushButton(toolbarWidget);
    // At least 29 pixels high, and as high as its text needs (a descender in another language).
    showBtn->setMinimumHeight(29);
    showBtn->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    showBtn->setFont(applicationFont(11));
    showBtn->setStyleSheet(StyleManager::instance()->topButtonStyle());
    deleteAllBtn = pagetoolbar::imageButton(toolbarWidget, QStringLiteral("QP/delete.png"));
    convertAllBtn = new QPushButton(toolbarWidget);
    convertAllBtn->setFont(applicationFont(11));
    convertAllBtn->setIcon(QIcon(QStringLiteral(":/res/convert_all.png")));
    convertAllBtn->setCursor(Qt::PointingHandCursor);
    convertAllBtn->setStyleSheet(
        StyleManager::instance()->styleSheet(QStringLiteral("converterall.qss")));
    connect(addBtn, &QPushButton::clicked, this, &ConvertingPage::onAddFileBtnClicked);
    connect(showBtn, &QPushButton::clicked, this, &ConvertingPage::onShowTheFileBtnClicked);
    connect(deleteAllBtn, &QPushButton::clicked, this, &ConvertingPage::onDeleteAllBtnClicked);
    connect(convertAllBtn, &QPushButton::clicked, this, &ConvertingPage::onConvertAllBtnClicked);
    row->addWidget(addBtn);
    row->addWidget(showBtn);
    row->addWidget(deleteAllBtn);
    row->addStretch(1);
    row->addWidget(convertAllBtn);
    return toolbarWidget;
}

void ConvertingPage::buildEmptyState()
{
    MainWindowHelper *helper = MainWindowHelper::instance();
    emptyPanel = new QWidget(this);
    emptyPanel->setMinimumSize(helper->scaled(QSize(500, 246)));
    emptyPanel->setAttribute(Qt::WA_StyledBackground);
    emptyPanel->setStyleSheet(QStringLiteral("background: #FFFFFF;"));
    auto *layout = new QVBoxLayout(emptyPanel);
    layout->addStretch(1);
    emptyPicture = new QLabel(emptyPanel);
    emptyPicture->setCursor(Qt::PointingHandCursor);
    setLabelPixmap(emptyPicture, helper->scaled(QSize(220, 220)),
                   QPixmap(QStringLiteral(":/res/QP/convert_empty@2x.png")));
    emptyPicture->installEventFilter(this);
    emptyText = new QLabel(emptyPanel);
    emptyText->setAlignment(Qt::AlignCenter);
    emptyText->setWordWrap(true);
    emptyText->setFont(applicationFont(12));
    emptyText->setStyleSheet(QStringLiteral("color: #888888;"));
    layout->addWidget(emptyPicture, 0, Qt::AlignHCenter);
    layout->addWidget(emptyText);
    layout->addStretch(2);
}

void ConvertingPage::retranslate()
{
    addBtn->setToolTip(tr("Add Files"));
    showBtn->setText(tr("Show the File"));
    deleteAllBtn->setToolTip(tr("Delete All"));
    convertAllBtn->setText(tr("Convert All"));
    emptyText->setText(tr("Click Here to Add Files or Drag Files Here"));
}

void ConvertingPage::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void ConvertingPage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    emptyPanel->setGeometry(view->geometry());
}

bool ConvertingPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == emptyPicture && event->type() == QEvent::MouseButtonRelease) {
        onAddFileBtnClicked();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

LoadFilesDlg *ConvertingPage::loadingDialog() const
{
    return loadDialog;
}

bool ConvertingPage::isEmptyStateShown() const
{
    return !emptyPanel->isHidden();
}

void ConvertingPage::updateButtons()
{
    const bool hasRows = rows->rowCount() > 0;
    deleteAllBtn->setEnabled(hasRows);
    convertAllBtn->setEnabled(hasRows);
    showBtn->setEnabled(!getSelectedTasks().isEmpty());
    emptyPanel->setGeometry(view->geometry());
    emptyPanel->setVisible(!hasRows);
    if (!hasRows)
        emptyPanel->raise();
}

QList<ConvertTask *> ConvertingPage::getSelectedTasks() const
{
    QList<ConvertTask *> tasks;
    for (int row : converterlist::selectedRows(view))
        if (ConvertTask *task = rows->taskAt(row))
            tasks << task;
    return tasks;
}

// --- Adding files
// ------------------------------------------------------------------------------------

void ConvertingPage::onAddFileBtnClicked()
{
    const QStringList files = QFileDialog::getOpenFileNames(this, tr("Add Files"), QDir::homePath(),
                                                            QString::fromLatin1(kFilter));
    addFiles(files);
}

void ConvertingPage::dragEnterEvent(QDragEnterEvent *event)
{
    QStringList local;
    for (const QUrl &url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            local << url.toLocalFile();
    }
    droppedPaths = collectMediaPaths(local);
    if (droppedPaths.isEmpty())
        event->ignore();
    else
        event->acceptProposedAction();
}

void ConvertingPage::dropEvent(QDropEvent *event)
{
    event->acceptProposedAction();
    const QStringList paths = droppedPaths;
    droppedPaths.clear();
    addFiles(paths);
}

void ConvertingPage::addFiles(const QStringList &paths)
{
    reportEvent(QStringLiteral("Convert"), QStringLiteral("AddFile"),
                QString::number(paths.size()));
    if (paths.isEmpty())
        return;
    if (!loadDialog) {
        loadDialog = new LoadFilesDlg(this);
        loadDialog->setAttribute(Qt::WA_DeleteOnClose);
        connect(loadDialog, &LoadFilesDlg::didLoadFinishedOneFile, this,
                &ConvertingPage::onDidLoadFinishedOneFile);
    }
    loadDialog->loadFiles(paths);
}

void ConvertingPage::onDidLoadFinishedOneFile(ConvMediaInfo *item, bool isError)
{
    if (isError || !item)
        return;
    addRow(*item);
    updateButtons();
}

void ConvertingPage::addRow(const ConvMediaInfo &item)
{
    ConvertTask *task = ConvertDataManager::instance()->addTaskFor(item);
    if (!task)
        return; // the file is listed already
    rows->appendTask(task);
    const QModelIndex index = rows->index(rows->rowCount() - 1);
    if (rows->rowCount() == 1)
        view->setCurrentIndex(index);
    view->scrollTo(index);
}

// --- Starting and stopping
// ------------------------------------------------------------------------

bool ConvertingPage::chooseOutput(ConvertInfo *info)
{
    Adaptation dialog;
    MainWindowHelper::instance()->centreOverMainWindow(&dialog);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    *info = dialog.buildConvertInfo();
    return true;
}

void ConvertingPage::onConvertTaskStartOrStop(ConvertTask *task)
{
    const int row = rows->rowOf(task);
    if (row < 0)
        return;
    view->setCurrentIndex(rows->index(row));
    if (task->state() == ConvertTask::Waiting || task->state() == ConvertTask::Converting) {
        ConvertManager::instance()->stopTask(task);
        return;
    }
    if (!fileExist(task))
        return;
    ConvertInfo info;
    if (!chooseOutput(&info))
        return;
    task->setParams(info);
    ConvertManager::instance()->startTask(task);
}

void ConvertingPage::onConvertAllBtnClicked()
{
    ConvertInfo info;
    if (rows->rowCount() == 0 || !chooseOutput(&info))
        return;
    const QList<ConvertTask *> tasks = ConvertDataManager::instance()->convertingTaskList();
    for (ConvertTask *task : tasks) {
        if (task->state() != ConvertTask::Converting)
            task->setParams(info);
    }
    ConvertManager::instance()->startAll(tasks);
}

bool ConvertingPage::fileExist(ConvertTask *task)
{
    bool remove = false;
    if (checkFileExists(task->sourceInfo()->sourcePath, true, &remove))
        return true;
    if (remove)
        removeTasks({task});
    return false;
}

void ConvertingPage::onShowTheFileBtnClicked()
{
    const QList<ConvertTask *> selected = getSelectedTasks();
    if (selected.isEmpty())
        return;
    ConvertTask *task = selected.first();
    if (fileExist(task))
        showInFileManager(task->sourceInfo()->sourcePath);
}

// --- Context menu and deleting -------------------------------------------------------------------

QMenu *ConvertingPage::genPopMenu()
{
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setStyleSheet(StyleManager::instance()->styleSheet(QStringLiteral("QMenu.qss")));
    const struct
    {
        const char *text;
        ContextMenuTag tag;
    } entries[] = {{QT_TR_NOOP("Show the File"), ShowTheFile}, {QT_TR_NOOP("Delete"), Delete}};
    for (const auto &entry : entries) {
        QAction *action = menu->addAction(tr(entry.text));
        action->setData(int(entry.tag));
        connect(action, &QAction::triggered, this, &ConvertingPage::onContextAction);
    }
    return menu;
}

void ConvertingPage::onPopContextMenu(const ConvertTask *task)
{
    if (!task)
        return;
    genPopMenu()->popup(QCursor::pos());
}

void ConvertingPage::onContextAction()
{
    auto *action = qobject_cast<QAction *>(sender());
    if (!action)
        return;
    if (action->data().toInt() == ShowTheFile)
        onShowTheFileBtnClicked();
    else if (action->data().toInt() == Delete)
        confirmForDeleteSelect();
}

void ConvertingPage::confirmForDeleteSelect()
{
    const QList<ConvertTask *> selected = getSelectedTasks();
    if (selected.isEmpty())
        return;
    const int answer = ZQMessageBox::question(
        tr("Are you sure to delete the Converting tasks which you selected?"),
        {tr("Cancel"), tr("OK")});
    if (answer == 2)
        removeTasks(selected);
}

void ConvertingPage::removeTasks(const QList<ConvertTask *> &tasks)
{
    ConvertManager *manager = ConvertManager::instance();
    for (ConvertTask *task : tasks) {
        manager->stopTask(task);
        task->disconnect(this);
    }
    ConvertDataManager::instance()->removeTasks(tasks);
    if (tasks.size() == 1)
        rows->removeTask(tasks.first());
    else
        rows->setTasks(ConvertDataManager::instance()->convertingTaskList());
    for (ConvertTask *task : tasks)
        task->deleteLater();
    updateButtons();
}

void ConvertingPage::onDeleteAllBtnClicked()
{
    confirmForDelete();
}

void ConvertingPage::confirmForDelete()
{
    if (rows->rowCount() == 0)
        return;
    const int answer = ZQMessageBox::question(
        tr("Are you sure you want to delete all of the tasks from the Converting queue?"),
        {tr("Cancel"), tr("OK")});
    if (answer != 2)
        return;
    ConvertManager::instance()->stopAll();
    const QList<ConvertTask *> tasks = ConvertDataManager::instance()->convertingTaskList();
    ConvertDataManager::instance()->removeTasks(tasks);
    rows->setTasks({});
    for (ConvertTask *task : tasks)
        task->deleteLater();
    updateButtons();
}

void ConvertingPage::onItemSelectionChanged()
{
    showBtn->setEnabled(!getSelectedTasks().isEmpty());
}

// --- What the manager reports
// ---------------------------------------------------------------------

void ConvertingPage::onConverterManagerTaskDidStartAll()
{
    view->viewport()->update();
}

void ConvertingPage::onConverterManagerStatusDidChange(ConvertTask *task)
{
    rows->refresh(task);
}

void ConvertingPage::onConverterManagerTaskProgress(ConvertTask *task, float)
{
    rows->refresh(task);
}

void ConvertingPage::onConverterManagerTaskDidFinished(ConvertTask *task, bool isError)
{
    if (isError) {
        rows->refresh(task);
        return;
    }
    rows->removeTask(task);
    ConvertDataManager::instance()->moveToConverted(task);
    updateButtons();
}

void ConvertingPage::onConverterManagerTaskDidCancelAll()
{
    writeLog(QStringLiteral("[ConvertingPage]"),
             QStringLiteral("onConverterManagerTaskDidCancelAll"));
}

void ConvertingPage::onBusyTick(int frame)
{
    painter->setBusyFrame(frame);
    // Only the rows in view are painted again: the cost does not grow with the list.
    if (!isVisible() || (ConvertManager::instance()->queuedTasks().isEmpty() &&
                         ConvertManager::instance()->runningTasks().isEmpty()))
        return;
    const QRect area = view->viewport()->rect();
    for (QModelIndex index = view->indexAt(area.topLeft()); index.isValid();
         index = rows->index(index.row() + 1)) {
        const QRect rect = view->visualRect(index);
        if (rect.top() > area.bottom())
            break;
        if (ConvertingDelegate::showsBusyBar(rows->taskAt(index.row())))
            view->update(index);
    }
}
