#include "gui/pages/downloadingpage.h"

#include "core/analytics/analytics.h"
#include "core/engine/downloadoptions.h"
#include "core/engine/sniffmgr.h"
#include "core/engine/snifftask.h"
#include "core/foundation/addressrules.h"
#include "core/foundation/applog.h"
#include "core/foundation/globals.h"
#include "core/foundation/languagesettings.h"
#include "core/foundation/paths.h"
#include "core/foundation/preferences.h"
#include "core/foundation/privatelistmanager.h"
#include "core/foundation/stylemanager.h"
#include "core/provision/dlscriptmanager.h"
#include "gui/pages/downloadingmodel.h"
#include "gui/pages/downloadmenus.h"
#include "gui/pages/downloadtaskdelegate.h"
#include "gui/pages/fileactions.h"
#include "gui/pages/mylistwidget.h"
#include "gui/pages/pagetoolbar.h"
#include "gui/pages/pasteinputdlg.h"
#include "gui/pages/playlistconfirmdlg.h"
#include "gui/widgets/mainwindowhelper.h"
#include "gui/widgets/pictures.h"
#include "gui/widgets/progressbar.h"
#include "gui/widgets/zqmessagebox.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QDebug>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QEvent>
#include <QHBoxLayout>
#include <QJsonArray>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const char kSkin[] = "QP/";

// The pictures of the empty page and their sizes.
QString emptyMainPicture()
{
    return QStringLiteral(":/res/%1add_to_dl_main@2x.png").arg(kSkin);
}

QString emptyPointerPicture()
{
    return QStringLiteral(":/res/%1add_to_dl_pointer@2x.png").arg(kSkin);
}

QSize emptyMainSize()
{
    return MainWindowHelper::instance()->scaled(QSize(484, 354));
}

QSize emptyPointerSize()
{
    return MainWindowHelper::instance()->scaled(QSize(214, 214));
}

} // namespace

// --- DownloadingPage --------------------------------------------------------------------------

void DownloadingPage::preloadPictures()
{
    preloadLabelPicture(emptyMainPicture(), emptyMainSize());
    preloadLabelPicture(emptyPointerPicture(), emptyPointerSize());
}

DownloadingPage::DownloadingPage(QWidget *parent)
    : QWidget(parent)
    , mgr(SniffMgr::instance())
{
    qRegisterMetaType<SniffTask *>("SniffTask*");
    playlistChooser = [](const QString &url, QVector<protocol::PlaylistEntry> *entries,
                         DownloadOptions *options) {
        PlaylistConfirmDlg dialog;
        dialog.setUrl(url);
        MainWindowHelper::instance()->centreOverMainWindow(&dialog);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        *entries = dialog.selectedEntries();
        *options = dialog.options();
        return true;
    };

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildToolbar());
    listWidget = new MyListWidget(this);
    listWidget->setStyleSheet(QStringLiteral(
        "QListView {border: none; border-top: 1px solid #c2c2c2;border-bottom: 1px solid "
        "#c2c2c2;}"));
    rows = new DownloadingModel(this);
    delegate = new DownloadTaskDelegate(listWidget);
    listWidget->setModel(rows);
    listWidget->setRowDelegate(delegate);
    layout->addWidget(listWidget, 1);
    layout->addWidget(buildBottomBar());
    connect(listWidget->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &DownloadingPage::onItemSelectionChanged);
    connect(listWidget, &MyListWidget::popContextMenu, this, &DownloadingPage::onPopContextMenu);
    connect(listWidget, &MyListWidget::partClicked, this, &DownloadingPage::onRowPartClicked);
    connect(ProgressTimer::instance(), &ProgressTimer::timeout, this,
            &DownloadingPage::animateBusyRows);
    if (isAlternatePlatform())
        connect(listWidget, &MyListWidget::scrollEnd, this, &DownloadingPage::onScrollEnd);

    emptyMain = new QLabel(this);
    emptyPointer = new QLabel(this);
    setLabelPicture(emptyMain, emptyMainSize(), emptyMainPicture());
    setLabelPicture(emptyPointer, emptyPointerSize(), emptyPointerPicture());
    for (QLabel *picture : {emptyMain, emptyPointer})
        picture->setAttribute(Qt::WA_TransparentForMouseEvents);

    connect(mgr, &SniffMgr::mgrDeleteDownloadingTask, this,
            &DownloadingPage::onMgrDeleteDownloadingTask);

    writeLog(QStringLiteral("[DownloadingPage]"), QStringLiteral("loadTasks--1 ") + logClock());
    mgr->loadAll();
    const QList<SniffTask *> tasks = mgr->downloadingList();
    // A job held for the question about a page's videos when the program ended is asked again
    // when it runs again (the answer is kept with a job).
    for (SniffTask *task : tasks)
        addRow(task);
    writeLog(QStringLiteral("[DownloadingPage]"), QStringLiteral("loadTasks--2 ") + logClock());
    updateBulkButtons();
    updateEmptyState();

    retranslate();
}

QPushButton *DownloadingPage::makeArrowButton()
{
    QPushButton *button = pagetoolbar::imageButton(this, QStringLiteral("arrow.png"));
    button->setFixedSize(23, 29);
    button->setIconSize(QSize(8, 8));
    button->setStyleSheet(
        button->styleSheet().replace(QLatin1String("24px 24px"), QLatin1String("8px 8px")));
    connect(button, &QPushButton::clicked, this, &DownloadingPage::onPopupPasteMenu);
    return button;
}

QWidget *DownloadingPage::buildToolbar()
{
    toolbarWidget = new QWidget(this);
    toolbarWidget->setFixedHeight(72);
    auto *outer = new QVBoxLayout(toolbarWidget);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(10);
    row->addSpacing(20);

    pasteBtn = new QPushButton(toolbarWidget);
    pasteBtn->setFont(applicationFont(11));
    // At least 29 pixels high; never narrower than its text (a narrow window at a large scale
    // squeezed it to a letter or two).
    pasteBtn->setMinimumHeight(29);
    pasteBtn->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    pasteBtn->setStyleSheet(StyleManager::instance()->topButtonStyle());
    connect(pasteBtn, &QPushButton::clicked, this, &DownloadingPage::onClickedPasteURL);
    arrowBtn = makeArrowButton();
    auto *pasteGroup = new QHBoxLayout;
    pasteGroup->setSpacing(0);
    pasteGroup->addWidget(pasteBtn);
    pasteGroup->addWidget(arrowBtn);
    row->addLayout(pasteGroup);

    resumeAllBtn = pagetoolbar::imageButton(this, QStringLiteral("%1resume.png").arg(kSkin));
    pauseAllBtn = pagetoolbar::imageButton(this, QStringLiteral("%1pause.png").arg(kSkin));
    deleteAllBtn = pagetoolbar::imageButton(this, QStringLiteral("%1delete.png").arg(kSkin));
    privateBtn = new PrivateModeButton(this);
    connect(resumeAllBtn, &QPushButton::clicked, this, &DownloadingPage::onClickedResumeAll);
    connect(pauseAllBtn, &QPushButton::clicked, this, &DownloadingPage::onClickedPauseAll);
    connect(deleteAllBtn, &QPushButton::clicked, this, &DownloadingPage::onClickedDeleteAll);
    connect(privateBtn, &QPushButton::clicked, this, &DownloadingPage::onClickPrivateList);
    for (QPushButton *button : {resumeAllBtn, pauseAllBtn, deleteAllBtn, privateBtn})
        row->addWidget(button);
    row->addStretch(1);

    convertTitle = new QLabel(toolbarWidget);
    convertTarget = new QLabel(toolbarWidget);
    for (QLabel *label : {convertTitle, convertTarget}) {
        label->setFont(applicationFont(11));
        label->setFixedHeight(30);
    }
    convertTarget->setTextFormat(Qt::RichText);
    convertTarget->setCursor(Qt::PointingHandCursor);
    connect(convertTarget, &QLabel::linkActivated, this, &DownloadingPage::openConvertUrl);
    row->addWidget(convertTitle);
    row->addWidget(convertTarget);
    row->addSpacing(20);

    outer->addStretch(1);
    outer->addLayout(row);
    outer->addSpacing(28 - 14);
    return toolbarWidget;
}

QWidget *DownloadingPage::buildBottomBar()
{
    auto *bottom = new QWidget(this);
    bottom->setFixedHeight(30);
    bottom->setAttribute(Qt::WA_StyledBackground);
    bottom->setStyleSheet(QStringLiteral("background-color: #EEEEEE;"));
    auto *row = new QHBoxLayout(bottom);
    row->setContentsMargins(15, 0, 20, 0);
    speedBtn = new QPushButton(bottom);
    speedBtn->setStyleSheet(StyleManager::instance()->styleSheet(QStringLiteral("reg_btn.qss")));
    speedBtn->setFont(applicationFont(11));
    speedBtn->setCursor(Qt::PointingHandCursor);
    connect(speedBtn, &QPushButton::clicked, this, &DownloadingPage::popSeedLimitMenu);
    supportedSites = new QLabel(bottom);
    supportedSites->setFont(applicationFont(10));
    supportedSites->setTextFormat(Qt::RichText);
    supportedSites->setCursor(Qt::PointingHandCursor);
    connect(supportedSites, &QLabel::linkActivated, this, &DownloadingPage::openUrl);
    row->addWidget(speedBtn);
    row->addStretch(1);
    row->addWidget(supportedSites);
    return bottom;
}

void DownloadingPage::retranslate()
{
    pasteBtn->setText(tr("Paste URL"));
    arrowBtn->setToolTip(tr("Paste URL"));
    resumeAllBtn->setToolTip(tr("Resume all"));
    pauseAllBtn->setToolTip(tr("Pause all"));
    deleteAllBtn->setToolTip(tr("Delete all"));
    speedBtn->setToolTip(tr("Speed"));
    supportedSites->setText(tr("<a style='color:%1;' href=\"none\">Supported Sites</a>")
                                .arg(QStringLiteral("#2A6DF4")));
    refreshSpeedButton();
    refreshConvertTarget();
}

void DownloadingPage::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        rows->refreshAll();
    }
    QWidget::changeEvent(event);
}

void DownloadingPage::refreshSpeedButton()
{
    const QString value = effectiveSpeedLimitLabel();
    speedBtn->setProperty("speed", value);
    speedBtn->setText(value == QLatin1String("Unlimited") ? tr("Turbo-fast") : value);
    const bool slow = value == QLatin1String("512 KBps") || value == QLatin1String("256 KBps") ||
                      value == QLatin1String("128 KBps");
    // The symbol is drawn in the button's text colour: in its own blue it vanishes.
    speedBtn->setIcon(
        slow ? QIcon()
             : QIcon(tintedPixmap(QPixmap(QStringLiteral(":/res/speed.png")), Qt::white)));
    // 165 x 24, or as large as its text needs in another language or at another scale (with
    // the style sheet's 18 pixels either side); the bar grows with it, so neither the bar nor
    // the window's edge cuts it.
    speedBtn->ensurePolished();
    const QFontMetrics metrics(speedBtn->font());
    const int icon = speedBtn->icon().isNull() ? 0 : speedBtn->iconSize().width() + 4;
    speedBtn->setFixedSize(qMax(165, metrics.horizontalAdvance(speedBtn->text()) + icon + 2 * 18),
                           qMax(24, metrics.height() + 4));
    speedBtn->parentWidget()->setFixedHeight(qMax(30, speedBtn->height() + 6));
}

void DownloadingPage::refreshConvertTarget()
{
    const QString target = Preferences::instance()->oneClickFormat();
    const bool original = downloadmenus::isOriginalTarget(target);
    convertTitle->setText(original ? tr("Download") : tr("Download then Convert to"));
    const QString shown = original ? tr(target.toUtf8().constData()) : target;
    convertTarget->setText(
        QStringLiteral("<a style='color: %1;' href=\"%2\">%3</a>")
            .arg(QStringLiteral("#2A6DF4"), target.toHtmlEscaped(), shown.toHtmlEscaped()));
}

bool DownloadingPage::isEmptyStateShown() const
{
    return !emptyMain->isHidden();
}

void DownloadingPage::updateEmptyState()
{
    const bool empty = listWidget->count() == 0;
    emptyMain->setVisible(empty);
    emptyPointer->setVisible(empty);
    if (!empty)
        return;
    MainWindowHelper *helper = MainWindowHelper::instance();
    const QSize main = emptyMain->size();
    const QRect area = listWidget->geometry();
    emptyMain->move((width() - main.width()) / 2,
                    area.top() + (area.height() - main.height()) / 2 - 30);
    emptyPointer->move(helper->scaled(50), helper->scaled(75));
    emptyMain->raise();
    emptyPointer->raise();
}

void DownloadingPage::updateBulkButtons()
{
    const bool any = listWidget->count() > 0;
    resumeAllBtn->setEnabled(any);
    pauseAllBtn->setEnabled(any);
    deleteAllBtn->setEnabled(any);
}

void DownloadingPage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    updateEmptyState();
}

QList<SniffTask *> DownloadingPage::selectedTasks() const
{
    return listWidget->selectedTasks();
}

void DownloadingPage::addRow(SniffTask *task)
{
    connect(task, &SniffTask::taskStarted, this, &DownloadingPage::onTaskStarted);
    connect(task, &SniffTask::taskSniffed, this, &DownloadingPage::onTaskSniffed);
    connect(task, &SniffTask::taskDownloading, this, &DownloadingPage::onTaskDownloading);
    connect(task, &SniffTask::taskConverting, this, &DownloadingPage::onTaskConverting);
    connect(task, &SniffTask::taskFinished, this, &DownloadingPage::onTaskFinished);
    connect(task, &SniffTask::taskPaused, this, &DownloadingPage::onTaskPaused);
    connect(task, &SniffTask::taskResumed, this, &DownloadingPage::onTaskResumed);
    const bool first = rows->rowCount() == 0;
    rows->append(task);
    if (first)
        listWidget->setCurrentRow(0, QItemSelectionModel::Select);
}

void DownloadingPage::performSchedule()
{
    mgr->schedule();
}

// --- Context menu and bulk actions -------------------------------------------------------------

void DownloadingPage::onPopContextMenu(SniffTask *task)
{
    writeLog(QStringLiteral("[DownloadingPage] onPopContextMenu"), task->logName());
    // The menu runs no event loop of its own, and a chosen entry acts once the menu's handlers
    // have returned: whatever it deletes is not on the call stack.
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setStyleSheet(StyleManager::instance()->styleSheet(QStringLiteral("QMenu.qss")));
    const auto add = [&](int data, const QString &text, bool enabled) {
        QAction *action = menu->addAction(text);
        action->setData(data);
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this, [this, data] {
            QTimer::singleShot(0, this, [this, data] { runContextAction(data); });
        });
    };
    const bool downloading = task->state() == SniffTask::State::Downloading;
    add(201, task->isLive() ? tr("Stop") : tr("Pause"), downloading);
    add(202, tr("Resume"), !downloading);
    menu->addSeparator();
    add(203, tr("Delete"), true);
    add(204, tr("Delete All"), true);
    menu->addSeparator();
    add(205, tr("Copy URL"), true);
    add(206, tr("Go to Source Page"), true);
    menu->popup(QCursor::pos());
}

void DownloadingPage::onContextAction()
{
    auto *action = qobject_cast<QAction *>(sender());
    if (action)
        runContextAction(action->data().toInt());
}

void DownloadingPage::runContextAction(int action)
{
    switch (action) {
    case 209:
        audioOnly = 1;
        onClickedPasteURLEx();
        audioOnly = 0;
        return;
    case 210:
        openPasteInputDialog();
        return;
    case 211:
        onClickedPastePlaylist();
        return;
    default:
        break;
    }
    const QList<SniffTask *> tasks = selectedTasks();
    if (tasks.isEmpty())
        return;
    switch (action) {
    case 201:
        for (SniffTask *task : tasks)
            mgr->pauseTask(task, false);
        break;
    case 202:
        for (SniffTask *task : tasks)
            mgr->resumeTask(task);
        break;
    case 203:
        deleteSelected();
        break;
    case 204:
        onClickedDeleteAll();
        break;
    case 205: {
        QStringList urls;
        for (SniffTask *task : tasks)
            urls << task->url();
        QApplication::clipboard()->setText(urls.join(QLatin1Char('\n')));
        break;
    }
    case 206:
        QDesktopServices::openUrl(QUrl(tasks.first()->url()));
        break;
    default:
        break;
    }
}

void DownloadingPage::deleteSelected()
{
    if (ZQMessageBox::question(tr("Are you sure to delete the downloading tasks which you select?"),
                               {tr("Cancel"), tr("OK")}, 2) != 2)
        return;
    // Deleting may turn the event loop (a live recording is stopped politely): work on a copy.
    const QList<SniffTask *> tasks = selectedTasks();
    for (SniffTask *task : tasks) {
        if (mgr->downloadingList().contains(task))
            mgr->deleteDownloadingTask(task);
    }
}

void DownloadingPage::onClickedResumeAll()
{
    mgr->resumeAll();
}

void DownloadingPage::onClickedPauseAll()
{
    mgr->pauseAll();
}

void DownloadingPage::onClickedDeleteAll()
{
    if (mgr->downloadingList().isEmpty())
        return;
    if (ZQMessageBox::question(
            tr("Are you sure you want to delete all of the tasks from the downloading queue?"),
            {tr("Cancel"), tr("OK")}, 2) != 2)
        return;
    mgr->deleteAllDownloading();
}

void DownloadingPage::onClickPrivateList()
{
    PrivateListManager::instance()->askToSwitch();
}

void DownloadingPage::onMgrDeleteDownloadingTask(SniffTask *task)
{
    disconnect(task, nullptr, this, nullptr);
    rows->remove(task);
    updateBulkButtons();
    updateEmptyState();
}

void DownloadingPage::onItemSelectionChanged()
{
    Q_EMIT selectionChanged(listWidget->hasSelection());
}

void DownloadingPage::onScrollEnd()
{
    listWidget->viewport()->update();
}

// --- Speed limit, convert target, supported sites ----------------------------------------------

void DownloadingPage::popSeedLimitMenu()
{
    QMenu *menu = downloadmenus::speedLimitMenu(this, speedBtn->property("speed").toString());
    connect(menu, &QMenu::triggered, this,
            [this](QAction *chosen) { onSpeedLimitChosen(chosen->data().toString()); });
    // The button sits on the bottom bar: the menu opens above it, keeping it in sight.
    menu->popup(speedBtn->mapToGlobal(QPoint(0, -menu->sizeHint().height())));
}

void DownloadingPage::onSpeedLimitChosen(const QString &value)
{
    reportEvent(QStringLiteral("Setting"), QStringLiteral("Speed"), value);
    Preferences::instance()->setManualSpeedLimit(value);
    writeLog(QStringLiteral("speedSelected"), value);
    refreshSpeedButton();
}

void DownloadingPage::openConvertUrl(const QString &)
{
    QMenu *menu = downloadmenus::convertTargetMenu(this, Preferences::instance()->oneClickFormat());
    connect(menu, &QMenu::triggered, this,
            [this](QAction *chosen) { onConvertTargetChosen(chosen->data().toString()); });
    menu->popup(toolbarWidget->mapToGlobal(
        QPoint(convertTitle->geometry().left(), toolbarWidget->height())));
}

void DownloadingPage::onConvertTargetChosen(const QString &target)
{
    reportEvent(QStringLiteral("Setting"), QStringLiteral("OneClickedConvert"), target);
    Preferences::instance()->setOneClickFormat(target);
    refreshConvertTarget();
    writeLog(QStringLiteral("converterSelected"), target);
}

void DownloadingPage::openUrl(const QString &)
{
    QDesktopServices::openUrl(
        QUrl::fromLocalFile(resourcePath(QStringLiteral("supported-sites.html"))));
}
