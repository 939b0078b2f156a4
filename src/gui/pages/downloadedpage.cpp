#include "gui/pages/downloadedpage.h"

#include "core/engine/sniffmgr.h"
#include "core/engine/snifftask.h"
#include "core/foundation/applog.h"
#include "core/foundation/globals.h"
#include "core/foundation/privatelistmanager.h"
#include "core/foundation/stylemanager.h"
#include "gui/pages/donerename.h"
#include "gui/pages/donetaskdelegate.h"
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
#include <QUrl>
#include <QVBoxLayout>

namespace {

const char kSkin[] = "QP/";

QString emptyPicturePath()
{
    return QStringLiteral(":/res/%1empty_file@2x.png").arg(kSkin);
}

const char kPrivateHelpUrl[] = "https://www.clipmoor.com/help/private-space";

} // namespace

void DownloadedPage::preloadPictures()
{
    preloadLabelPicture(emptyPicturePath(), MainWindowHelper::instance()->scaled(QSize(220, 220)));
}

DownloadedPage::DownloadedPage(QWidget *parent)
    : QWidget(parent)
    , mgr(SniffMgr::instance())
{
    qRegisterMetaType<SniffTask *>("SniffTask*");
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildToolbar());

    auto *tabRow = new QHBoxLayout;
    tabRow->setContentsMargins(20, 0, 20, 8);
    tabRow->setSpacing(0);
    tabs = new QButtonGroup(this);
    allTab = new QPushButton(this);
    privateTab = new QPushButton(this);
    const QString tabStyle = QStringLiteral(
        "QPushButton { border: 1px solid #C9D3E3; background: #FFFFFF; color: #1F2A3D; }"
        "QPushButton:checked { background: #2A6DF4; border-color: #2A6DF4; color: #FFFFFF; }"
        "QPushButton:hover:!checked { background: #EEF3FD; }");
    int id = 0;
    for (QPushButton *tab : {allTab, privateTab}) {
        tab->setCheckable(true);
        tab->setFixedSize(140, 26);
        tab->setStyleSheet(tabStyle);
        tabs->addButton(tab, id++);
        tabRow->addWidget(tab);
    }
    allTab->setChecked(true);
    tabRow->addStretch(1);
    layout->addLayout(tabRow);
    connect(tabs, &QButtonGroup::idClicked, this, &DownloadedPage::showView);

    stack = new QStackedWidget(this);
    jobs = new FinishedJobsModel(mgr, this);
    allRows = new FinishedJobsFilter(jobs, FinishedJobsFilter::View::Public, this);
    allView = makeList(allRows);
    stack->addWidget(allView);
    layout->addWidget(stack, 1);

    bottomBar = new QWidget(this);
    bottomBar->setFixedHeight(60);
    auto *bottomRow = new QHBoxLayout(bottomBar);
    bottomRow->setContentsMargins(20, 0, 20, 0);
    helpLink = new QLabel(bottomBar);
    helpLink->setTextFormat(Qt::RichText);
    helpLink->setOpenExternalLinks(true);
    bottomRow->addStretch(1);
    bottomRow->addWidget(helpLink);
    bottomBar->hide();
    layout->addWidget(bottomBar);

    MainWindowHelper *helper = MainWindowHelper::instance();
    emptyPanel = new QWidget(this);
    emptyPanel->setMinimumSize(helper->scaled(QSize(500, 246)));
    emptyPanel->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto *emptyLayout = new QVBoxLayout(emptyPanel);
    auto *emptyPicture = new QLabel(emptyPanel);
    setLabelPicture(emptyPicture, helper->scaled(QSize(220, 220)), emptyPicturePath());
    emptyText = new QLabel(emptyPanel);
    emptyText->setAlignment(Qt::AlignCenter);
    emptyText->setFont(applicationFont(12));
    emptyText->setStyleSheet(QStringLiteral("color: #888888;"));
    emptyLayout->addWidget(emptyPicture, 0, Qt::AlignHCenter);
    emptyLayout->addWidget(emptyText);

    loading = new QLabel(this);
    loading->setStyleSheet(QStringLiteral("QLabel{background: #CCC;}"));
    loading->setAlignment(Qt::AlignCenter);
    loadingMovie = new QMovie(QStringLiteral(":/res/loading.gif"), QByteArray(), this);
    loading->setMovie(loadingMovie);
    loading->hide();

    if (allView->count() > 0)
        allView->setCurrentRow(0, QItemSelectionModel::Select);
    // Connected after the model: the row is there when the page looks for it.
    connect(mgr, &SniffMgr::mgrAddDownloadedTask, this, &DownloadedPage::onJobAdded);

    retranslate();
    updateToolbar();
}

QWidget *DownloadedPage::buildToolbar()
{
    toolbarWidget = new QWidget(this);
    toolbarWidget->setFixedHeight(72);
    auto *row = new QHBoxLayout(toolbarWidget);
    row->setContentsMargins(20, 0, 20, 0);
    row->setSpacing(10);
    showFileBtn = new QPushButton(toolbarWidget);
    // At least 29 pixels high, and as high as its text needs (a descender in another language).
    showFileBtn->setMinimumHeight(29);
    showFileBtn->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    showFileBtn->setFont(applicationFont(11));
    showFileBtn->setStyleSheet(StyleManager::instance()->topButtonStyle());
    connect(showFileBtn, &QPushButton::clicked, this, &DownloadedPage::onClickedShowInBrowser);
    deleteBtn = pagetoolbar::imageButton(toolbarWidget, QStringLiteral("%1delete.png").arg(kSkin));
    privateBtn = new PrivateModeButton(toolbarWidget);
    connect(deleteBtn, &QPushButton::clicked, this, &DownloadedPage::onClickedDelete);
    connect(privateBtn, &QPushButton::clicked, this, &DownloadedPage::onClickPrivateList);
    search = new QLineEdit(toolbarWidget);
    search->setFixedSize(160, 29);
    search->setFont(applicationFont(10));
    search->setClearButtonEnabled(true);
    search->setStyleSheet(
        QStringLiteral("QLineEdit { border-radius: 4px; border: 1px solid #D7D7D7}"));
    connect(search, &QLineEdit::textChanged, this, &DownloadedPage::onSearchTextChanged);
    row->addWidget(showFileBtn);
    row->addWidget(deleteBtn);
    row->addWidget(privateBtn);
    row->addStretch(1);
    row->addWidget(search);
    return toolbarWidget;
}

MyListWidget *DownloadedPage::makeList(FinishedJobsFilter *rows)
{
    auto *list = new MyListWidget(this);
    list->setStyleSheet(QStringLiteral("QListView {border: none; border-top: 1px solid "
                                       "#c2c2c2;border-bottom: 1px solid #c2c2c2;}"));
    auto *delegate = new DoneTaskDelegate(list);
    list->setModel(rows);
    list->setRowDelegate(delegate);
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &DownloadedPage::onItemSelectionChanged);
    connect(list, &MyListWidget::popContextMenu, this, &DownloadedPage::onPopContextMenu);
    connect(list, &MyListWidget::partClicked, this, &DownloadedPage::onRowPartClicked);
    connect(list, &MyListWidget::rowDoubleClicked, this, &DownloadedPage::onRowDoubleClicked);
    connect(delegate, &DoneTaskDelegate::titleEdited, this, &DownloadedPage::onTitleEdited);
    // The search's empty state depends on the rows there are.
    connect(rows, &QAbstractItemModel::rowsInserted, this, &DownloadedPage::updateEmptyState);
    connect(rows, &QAbstractItemModel::rowsRemoved, this, &DownloadedPage::updateEmptyState);
    connect(rows, &QAbstractItemModel::modelReset, this, &DownloadedPage::updateEmptyState);
    return list;
}

void DownloadedPage::retranslate()
{
    showFileBtn->setText(tr("Show the File"));
    deleteBtn->setToolTip(tr("Delete"));
    search->setPlaceholderText(tr("Search"));
    allTab->setText(tr("All"));
    privateTab->setText(tr("Private"));
    emptyText->setText(emptyStateText());
    helpLink->setText(tr("<a style='color: %1;' href=\"%2\">Cannot find the file from Private "
                         "Space?</a>")
                          .arg(QStringLiteral("#2A6DF4"), QLatin1String(kPrivateHelpUrl)));
}

void DownloadedPage::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange || event->type() == QEvent::PaletteChange) {
        if (event->type() == QEvent::PaletteChange)
            qDebug() << "QEvent::PaletteChange"; // the rows' icons are tinted anew
        else
            retranslate();
        jobs->refreshAll();
    }
    QWidget::changeEvent(event);
}

void DownloadedPage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    updateEmptyState();
    if (!loading->isHidden())
        loading->setGeometry(stack->geometry());
}

MyListWidget *DownloadedPage::currentList() const
{
    return isPrivateView() && privateView ? privateView : allView;
}

bool DownloadedPage::isPrivateView() const
{
    return tabs->checkedId() == 1;
}

FinishedJobsFilter *DownloadedPage::currentModel() const
{
    return isPrivateView() && privateRows ? privateRows : allRows;
}

bool DownloadedPage::isEmptyStateShown() const
{
    return !emptyPanel->isHidden();
}

QString DownloadedPage::emptyStateText() const
{
    // A search that finds nothing says so; only an empty list asks to start downloading.
    const bool listEmpty =
        isPrivateView() ? mgr->privateList().isEmpty() : mgr->doneList().isEmpty();
    if (!search->text().isEmpty() && !listEmpty)
        return tr("No downloaded file matches \"%1\".")
            .arg(QFontMetrics(emptyText->font()).elidedText(search->text(), Qt::ElideMiddle, 300));
    return tr("Still No File Downloaded, Please Start Downloading");
}

void DownloadedPage::updateEmptyState()
{
    const bool empty = currentList()->count() == 0;
    emptyText->setText(emptyStateText());
    emptyPanel->setVisible(empty);
    if (empty) {
        emptyPanel->adjustSize();
        const QRect area = stack->geometry();
        emptyPanel->move(area.left() + (area.width() - emptyPanel->width()) / 2,
                         area.top() + (area.height() - emptyPanel->height()) / 2);
        emptyPanel->raise();
    }
}

void DownloadedPage::updateToolbar()
{
    const bool selection = currentList()->hasSelection();
    showFileBtn->setEnabled(selection);
    deleteBtn->setEnabled(selection);
}

void DownloadedPage::setLoading(bool on)
{
    if (on) {
        loading->setGeometry(stack->geometry());
        loading->show();
        loading->raise();
        loadingMovie->start();
    } else {
        loadingMovie->stop();
        loading->hide();
    }
}

void DownloadedPage::ensurePrivateView()
{
    if (privateView)
        return;
    privateRows = new FinishedJobsFilter(jobs, FinishedJobsFilter::View::Private, this);
    privateRows->setKeywords(keywords());
    privateView = makeList(privateRows);
    stack->addWidget(privateView);
    if (privateRows->rowCount() > 0)
        privateView->setCurrentRow(0, QItemSelectionModel::Select);
}

void DownloadedPage::showView(int id)
{
    if (id == 1) {
        PrivateListManager *privacy = PrivateListManager::instance();
        if (privacy->isOn() && !privacy->isUnlocked() &&
            privacy->ask(PrivateListManager::Unlock) != 1) {
            allTab->setChecked(true);
            id = 0;
        }
    }
    if (id == 1) {
        ensurePrivateView();
        stack->setCurrentWidget(privateView);
    } else {
        allTab->setChecked(true);
        stack->setCurrentWidget(allView);
    }
    bottomBar->setVisible(id == 1);
    updateToolbar();
    updateEmptyState();
}

// --- Rows -------------------------------------------------------------------------------------

FinishedJobsFilter *DownloadedPage::convertedDownloads()
{
    if (!convertedRows)
        convertedRows = new FinishedJobsFilter(jobs, FinishedJobsFilter::View::Converted, this);
    return convertedRows;
}

void DownloadedPage::onJobAdded(SniffTask *task)
{
    writeLog(QStringLiteral("[DownloadedPage] onMgrAddDownloadedTask"), task->logName());
    MyListWidget *list = task->isPrivate() ? privateView : allView;
    FinishedJobsFilter *rows = task->isPrivate() ? privateRows : allRows;
    if (!list)
        return;
    const int row = rows->rowOf(task);
    if (row < 0)
        return;
    // A new private row is the one selected there; a new public one when nothing was.
    if (task->isPrivate())
        list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    else if (!list->hasSelection())
        list->setCurrentRow(row, QItemSelectionModel::Select);
}

QList<SniffTask *> DownloadedPage::selectedTasks() const
{
    return currentList()->selectedTasks();
}

void DownloadedPage::selectFirstRow()
{
    MyListWidget *list = currentList();
    if (list->count() > 0)
        list->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
}

void DownloadedPage::onRowPartClicked(const QModelIndex &index, int part)
{
    SniffTask *task = index.data(taskmodels::TaskRole).value<SniffTask *>();
    if (!task)
        return;
    if (part == DoneTaskDelegate::PlayButton)
        onDoubleClickedItem(task);
    else if (part == DoneTaskDelegate::ShowButton)
        revealTask(task);
}

void DownloadedPage::onRowDoubleClicked(const QModelIndex &index)
{
    if (SniffTask *task = index.data(taskmodels::TaskRole).value<SniffTask *>())
        onDoubleClickedItem(task);
}

void DownloadedPage::startRename(SniffTask *task)
{
    MyListWidget *list = currentList();
    const int row = list->rowOf(task);
    if (row < 0)
        return;
    const QModelIndex index = list->model()->index(row, 0);
    if (renaming)
        return; // one rename at a time
    renaming = task;
    list->openPersistentEditor(index);
    if (auto *field = qobject_cast<QLineEdit *>(list->indexWidget(index))) {
        field->selectAll();
        field->setFocus();
    }
}

void DownloadedPage::onTitleEdited(const QModelIndex &index, const QString &text)
{
    SniffTask *task = renaming;
    if (!task || index.data(taskmodels::TaskRole).value<SniffTask *>() != task)
        return;
    renaming = nullptr;
    // The field goes (later: it is the sender) and the row paints the title again.
    for (MyListWidget *list : {allView, privateView}) {
        if (!list)
            continue;
        if (QWidget *field = list->indexWidget(index)) {
            const QSignalBlocker blocker(field);
            list->closePersistentEditor(index);
        }
    }
    // The engine renames the file, updates the job and saves; the row follows.
    const DoneRename::Outcome outcome = DoneRename::rename(task, text);
    if (outcome == DoneRename::Outcome::Unchanged)
        return;
    const bool ok = outcome == DoneRename::Outcome::Renamed;
    writeLog(QStringLiteral("Modify file name"),
             ok ? QStringLiteral("success") : QStringLiteral("failed"));
    if (!ok)
        ZQMessageBox::question(tr("The Filename is Invalid."), {tr("OK")});
    Q_EMIT editFinished(ok);
}

QStringList DownloadedPage::keywords() const
{
    // Words between any number of spaces; no words show every row.
    return search->text().isEmpty() ? QStringList()
                                    : search->text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

void DownloadedPage::onSearchTextChanged(const QString &text)
{
    // The colour through the palette: a new style sheet would cost a polish every keystroke.
    QPalette palette = search->palette();
    const QColor colour(text.isEmpty() ? 0x333333 : 0x444444);
    if (palette.color(QPalette::Text) != colour) {
        palette.setColor(QPalette::Text, colour);
        search->setPalette(palette);
    }
    const QStringList words = keywords();
    allRows->setKeywords(words);
    if (privateRows)
        privateRows->setKeywords(words);
    // The words may be part of a private title: only their number is logged.
    writeLog(QStringLiteral("onSearchTextChanged"),
             QString::number(text.split(QLatin1Char(' '), Qt::SkipEmptyParts).size()) +
                 QStringLiteral(" words"));
    MyListWidget *list = currentList();
    if (list->count() > 0)
        list->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
    updateEmptyState();
    updateToolbar();
}

void DownloadedPage::onItemSelectionChanged()
{
    updateToolbar();
}

void DownloadedPage::onClickPrivateList()
{
    PrivateListManager::instance()->askToSwitch();
}
