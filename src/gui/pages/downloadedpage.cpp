#include "gui/pages/downloadedpage.h"

#include "core/engine/sniffmgr.h"
#include "core/engine/snifftask.h"
#include "core/engine/toolprotocol.h"
#include "core/foundation/applog.h"
#include "core/foundation/globals.h"
#include "core/foundation/privatelistmanager.h"
#include "core/foundation/stylemanager.h"
#include "gui/pages/donetaskwidget.h"
#include "gui/pages/fileactions.h"
#include "gui/pages/mylistwidget.h"
#include "gui/pages/pagetoolbar.h"
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
#include <QScrollBar>
#include <QStackedWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const char kSkin[] = "QP/";
const char kPrivateHelpUrl[] = "https://www.clipmoor.com/help/private-space";

// Sets the "cachedWidget" mark when the refresh's posted events reach the row.
class CacheMarkEvent : public QEvent
{
public:
    explicit CacheMarkEvent(int type)
        : QEvent(QEvent::Type(type))
    {
    }
};

} // namespace

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
    allView = makeList();
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
    setLabelPixmap(emptyPicture, helper->scaled(QSize(220, 220)),
                   QPixmap(QStringLiteral(":/res/%1empty_file@2x.png").arg(kSkin)));
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

    refreshList(mgr->doneList(), true);
    connect(mgr, &SniffMgr::mgrAddDownloadedTask, this, &DownloadedPage::onMgrAddDownloadedTask);

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
    showFileBtn->setFixedHeight(29);
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

MyListWidget *DownloadedPage::makeList()
{
    auto *list = new MyListWidget(this);
    list->setStyleSheet(QStringLiteral("QListWidget {border: none; border-top: 1px solid "
                                       "#c2c2c2;border-bottom: 1px solid #c2c2c2;}"));
    connect(list, &QListWidget::itemSelectionChanged, this,
            &DownloadedPage::onItemSelectionChanged);
    connect(list->verticalScrollBar(), &QScrollBar::valueChanged, this, [this, list](int value) {
        if (list == allView && value == list->verticalScrollBar()->maximum())
            loadMoreRows();
    });
    return list;
}

void DownloadedPage::retranslate()
{
    showFileBtn->setText(tr("Show the File"));
    deleteBtn->setToolTip(tr("Delete"));
    search->setPlaceholderText(tr("Search"));
    allTab->setText(tr("All"));
    privateTab->setText(tr("Private"));
    emptyText->setText(tr("Still No File Downloaded, Please Start Downloading"));
    helpLink->setText(tr("<a style='color: %1;' href=\"%2\">Cannot find the file from Private "
                         "Space?</a>")
                          .arg(QStringLiteral("#2A6DF4"), QLatin1String(kPrivateHelpUrl)));
}

void DownloadedPage::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
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

bool DownloadedPage::isEmptyStateShown() const
{
    return !emptyPanel->isHidden();
}

void DownloadedPage::updateEmptyState()
{
    const bool empty = currentList()->count() == 0;
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
    const bool selection = !currentList()->selectedItems().isEmpty();
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
    privateView = makeList();
    stack->addWidget(privateView);
    const QList<SniffTask *> tasks = mgr->privateList();
    for (SniffTask *task : tasks)
        createRow(privateView, task, -1);
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

void DownloadedPage::connectRow(DoneTaskWidget *widget)
{
    connect(widget, &DoneTaskWidget::popContextMenu, this, &DownloadedPage::onPopContextMenu);
    connect(widget, &DoneTaskWidget::doubleClicked, this, &DownloadedPage::onDoubleClickedItem);
    connect(widget, &DoneTaskWidget::sigPlay, this, &DownloadedPage::onDoubleClickedItem);
    connect(widget, &DoneTaskWidget::sigOpenFileLocation, this, &DownloadedPage::revealTask);
    connect(widget, &DoneTaskWidget::editFinished, this, [this](bool ok) {
        writeLog(QStringLiteral("Modify file name"),
                 ok ? QStringLiteral("success") : QStringLiteral("failed"));
        if (!ok)
            ZQMessageBox::question(tr("The Filename is Invalid."), {tr("OK")});
        else
            mgr->saveAll();
    });
}

DoneTaskWidget *DownloadedPage::createRow(MyListWidget *list, SniffTask *task, int position)
{
    auto *item = new QListWidgetItem;
    item->setData(Qt::UserRole, QVariant::fromValue(task));
    item->setSizeHint(QSize(list->viewport()->width(), 100));
    const bool noSelection = list->selectedItems().isEmpty();
    if (position < 0)
        list->addItem(item);
    else
        list->insertItem(position, item);
    auto *widget = new DoneTaskWidget(task, list, item);
    widget->setFixedSize(item->sizeHint());
    widget->installEventFilter(this);
    list->setItemWidget(item, widget);
    connectRow(widget);
    if (noSelection)
        item->setSelected(true);
    return widget;
}

void DownloadedPage::removeRow(MyListWidget *list, int row)
{
    QListWidgetItem *item = list->item(row);
    auto *widget = qobject_cast<DoneTaskWidget *>(list->itemWidget(item));
    if (widget) {
        widget->removeEventFilter(this);
        widget->disconnect(this);
        widgetCache.removeAll(widget);
    }
    delete list->takeItem(row);
    delete widget;
}

DoneTaskWidget *DownloadedPage::widgetOf(SniffTask *task) const
{
    for (MyListWidget *list : {allView, privateView}) {
        if (!list)
            continue;
        const int row = list->rowOf(task);
        if (row >= 0)
            return qobject_cast<DoneTaskWidget *>(list->itemWidget(list->item(row)));
    }
    return nullptr;
}

QList<SniffTask *> DownloadedPage::selectedTasks() const
{
    QList<SniffTask *> tasks;
    for (QListWidgetItem *item : currentList()->selectedItems())
        tasks << MyListWidget::taskOf(item);
    return tasks;
}

void DownloadedPage::selectFirstRow()
{
    MyListWidget *list = currentList();
    if (list->count() > 0)
        list->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
}

void DownloadedPage::refreshList(const QList<SniffTask *> &tasks, bool init)
{
    refreshing = true;
    shownTasks = tasks;
    allView->setUpdatesEnabled(false);
    for (int i = 0; i < allView->count(); ++i) {
        auto *widget = qobject_cast<DoneTaskWidget *>(allView->itemWidget(allView->item(i)));
        if (!widget)
            continue;
        widget->setProperty("cachedWidget", true);
        QCoreApplication::postEvent(widget, new CacheMarkEvent(kCachedEvent));
        widgetCache << widget;
    }
    if (!init) {
        while (allView->count() > 0)
            allView->takeItem(0); // the widget survives in the cache, the item with it
    }
    updateEmptyState();
    writeLog(QStringLiteral("[DownloadedPage]"),
             QStringLiteral("refreshList--1 %1 tasks.size %2 init %3")
                 .arg(logClock())
                 .arg(tasks.size())
                 .arg(init));

    const int limit = (refreshCounter + 6) * 50;
    int counted = 0;
    for (SniffTask *task : tasks) {
        if (++counted > limit)
            break;
        appendRow(task);
    }
    ++refreshCounter;
    allView->setUpdatesEnabled(true);
    refreshing = false;
    writeLog(QStringLiteral("[DownloadedPage]"), QStringLiteral("refreshList--2 ") + logClock());
    updateEmptyState();
    updateToolbar();
}

void DownloadedPage::appendRow(SniffTask *task)
{
    DoneTaskWidget *cached = nullptr;
    for (DoneTaskWidget *widget : qAsConst(widgetCache)) {
        if (widget->task() == task) {
            cached = widget;
            break;
        }
    }
    if (!cached) {
        createRow(allView, task, -1);
        return;
    }
    QCoreApplication::postEvent(cached, new CacheMarkEvent(kReusedEvent));
    widgetCache.removeOne(cached);
    QListWidgetItem *item = cached->listItem();
    item->setSelected(false);
    item->setSizeHint(QSize(allView->viewport()->width(), 100));
    allView->addItem(item);
    allView->setItemWidget(item, cached);
    cached->setFixedSize(item->sizeHint());
    cached->refreshTexts();
}

// Rows beyond the first refresh's share are added when the user scrolls to the end.
void DownloadedPage::loadMoreRows()
{
    const int shown = allView->count();
    if (refreshing || shown >= shownTasks.size())
        return;
    allView->setUpdatesEnabled(false);
    for (int i = shown; i < shownTasks.size() && i < shown + 25; ++i)
        appendRow(shownTasks.at(i));
    allView->setUpdatesEnabled(true);
}

bool DownloadedPage::eventFilter(QObject *watched, QEvent *event)
{
    const int type = event->type();
    if (type == kCachedEvent) {
        watched->setProperty("cachedWidget", true);
        return true;
    }
    if (type == kReusedEvent) {
        watched->setProperty("cachedWidget", false);
        return true;
    }
    if (type == QEvent::DeferredDelete) {
        // The list deletes a row's widget when its item is taken out; cached widgets and
        // widgets shown again must survive that.
        auto *widget = qobject_cast<DoneTaskWidget *>(watched);
        if (widget &&
            (widget->property("cachedWidget").toBool() ||
             (widget->listItem() && widget->listItem()->listWidget() &&
              widget->listItem()->listWidget()->itemWidget(widget->listItem()) == widget)))
            return true;
        writeLog(QStringLiteral("[DownloadedPage] unexpected..."), QStringLiteral("false"));
    }
    return QWidget::eventFilter(watched, event);
}

void DownloadedPage::onMgrAddDownloadedTask(SniffTask *task)
{
    writeLog(QStringLiteral("[DownloadedPage] onMgrAddDownloadedTask"), task->url());
    if (protocol::isPrivateFile(task->info())) {
        PrivateListManager *privacy = PrivateListManager::instance();
        if (privacy->isOn() && privacy->filesHidden())
            mgr->setFileHidden(task, QStringLiteral("hidden"));
        ensurePrivateView();
        if (protocol::isHiddenThumb(task->info()))
            task->setInfo(protocol::withHiddenThumb(task->info(), false));
        mgr->moveToPrivate(task);
        privateView->clearSelection();
        createRow(privateView, task, -1);
        privateView->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
        mgr->saveAll();
        return;
    }
    mgr->saveAll();
    refreshList(mgr->search(keywords(), mgr->doneList()), false);
}

QStringList DownloadedPage::keywords() const
{
    return search->text().split(QLatin1Char(' '), Qt::KeepEmptyParts);
}

void DownloadedPage::onSearchTextChanged(const QString &text)
{
    search->setStyleSheet(
        QStringLiteral("QLineEdit { border-radius: 4px; border: 1px solid #D7D7D7; color: %1}")
            .arg(text.isEmpty() ? QStringLiteral("#333333") : QStringLiteral("#444444")));
    if (!isPrivateView()) {
        refreshList(mgr->search(keywords(), mgr->doneList()), false);
        writeLog(QStringLiteral("onSearchTextChanged"), text);
        if (allView->count() > 0)
            allView->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
        return;
    }
    const QList<SniffTask *> tasks = mgr->search(keywords(), mgr->privateList());
    while (privateView->count() > 0)
        removeRow(privateView, 0);
    if (tasks.size() > kLoadingThreshold)
        setLoading(true);
    for (SniffTask *task : tasks)
        createRow(privateView, task, -1);
    if (privateView->count() > 0)
        privateView->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
    setLoading(false);
    updateEmptyState();
}

void DownloadedPage::onItemSelectionChanged()
{
    updateToolbar();
}

void DownloadedPage::onClickPrivateList()
{
    PrivateListManager::instance()->askToSwitch();
}
