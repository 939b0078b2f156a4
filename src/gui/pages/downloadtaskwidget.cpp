#include "gui/pages/downloadtaskwidget.h"

#include "core/engine/sniffmgr.h"
#include "core/engine/snifftask.h"
#include "core/engine/toolprotocol.h"
#include "core/foundation/applog.h"
#include "core/foundation/privatelistmanager.h"
#include "core/foundation/stylemanager.h"
#include "gui/widgets/imagebutton.h"
#include "gui/widgets/mainwindowhelper.h"
#include "gui/widgets/pictures.h"
#include "gui/widgets/progressbar.h"
#include "gui/widgets/rfimageview.h"

#include <QApplication>
#include <QDebug>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

DownloadTaskWidget::DownloadTaskWidget(SniffTask *task, QListWidget *list, QListWidgetItem *item,
                                       QWidget *parent)
    : TaskRowWidget(task, list, item, parent)
{
    setAttribute(Qt::WA_Hover);

    thumb = rows::thumbnailView(this);

    title = new QLabel(tr("Waiting for parsing..."), this);
    title->setFont(applicationFont(11));
    rows::setTextColour(title, QColor(0x33, 0x33, 0x33));
    status = new QLabel(tr("Waiting for downloading..."), this);
    status->setFont(applicationFont(9));
    rows::setTextColour(status, QColor(0x88, 0x88, 0x88));
    for (QLabel *label : {title, status}) {
        label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        label->setTextFormat(Qt::PlainText);
    }

    failureLink = new QLabel(this);
    failureLink->setTextFormat(Qt::RichText);
    failureLink->setFont(applicationFont(9));
    failureLink->hide();
    connect(failureLink, &QLabel::linkActivated, this,
            [this] { Q_EMIT downloadFailed(task_->url()); });

    question = new QLabel(this);
    const int q = MainWindowHelper::instance()->scaled(16);
    static const QPixmap mark = QPixmap(QStringLiteral(":/res/QP/question.png"))
                                    .scaled(q, q, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    question->setPixmap(mark);
    question->installEventFilter(this);
    question->hide();

    liveBadge = new QLabel(this); // styled when first shown
    liveBadge->hide();
    elapsed = new QLabel(this);
    rows::setTextColour(elapsed, QColor(0x88, 0x88, 0x88));
    elapsed->hide();

    bar = new ProgressBar(this);
    button = new ImageButton(this);
    button->setFixedSize(31, 31);
    button->setHandCursor(true);
    connect(button, &ImageButton::clicked, this, &DownloadTaskWidget::onClickPauseResume);

    auto *statusRow = new QHBoxLayout;
    statusRow->setContentsMargins(0, 0, 0, 0);
    statusRow->setSpacing(6);
    statusRow->addWidget(liveBadge);
    statusRow->addWidget(elapsed);
    statusRow->addWidget(status, 1);
    statusRow->addWidget(failureLink, 1);
    statusRow->addWidget(question);

    auto *textColumn = new QVBoxLayout;
    textColumn->setContentsMargins(0, 0, 0, 0);
    textColumn->setSpacing(4);
    textColumn->addWidget(title);
    textColumn->addLayout(statusRow);
    textColumn->addWidget(bar);

    auto *row = new QHBoxLayout;
    row->setSpacing(20);
    row->setContentsMargins(20, 18, 20, 18);
    row->addWidget(thumb);
    row->addLayout(textColumn, 1);
    row->addSpacing(10);
    row->addWidget(button);

    setRowLayout(row);

    const QByteArray &info = task_->info();
    if (!protocol::isPrivateFile(info)) {
        const QPixmap stored(task_->thumbnailPath());
        if (!task_->thumbnailPath().isEmpty() && !stored.isNull()) {
            thumb->setPixmap(stored);
            thumbnailShown = true;
        }
    }
    if (!thumbnailShown && !protocol::thumbnail(info).isEmpty()) {
        remoteThumbRequested = true;
        thumb->setImageUrl(protocol::thumbnail(info));
    }
    connect(thumb, &RFImageView::imageDownloaded, this, &DownloadTaskWidget::onImageDownloaded);

    connect(task_, &SniffTask::taskPaused, this, &DownloadTaskWidget::onTaskPaused);
    connect(task_, &SniffTask::taskResumed, this, &DownloadTaskWidget::onTaskResumed);
    connect(task_, &SniffTask::taskFinished, this, &DownloadTaskWidget::onTaskFinished);
}

QString DownloadTaskWidget::failureText()
{
    return tr("<font color=%1>Download failed, <a style='color: %2;' href=\"none\">please view "
              "and try to download in build-in browser</a>.</font>")
        .arg(QStringLiteral("#000000"), QStringLiteral("#F59A23"));
}

QString DownloadTaskWidget::elapsedTimeText(qint64 seconds)
{
    const auto two = [](qint64 n) {
        return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
    };
    QStringList parts;
    if (seconds >= 3600)
        parts << two(seconds / 3600);
    parts << two(seconds % 3600 / 60) << two(seconds % 60);
    return parts.join(QLatin1Char(':'));
}

QString DownloadTaskWidget::titleText() const
{
    return title->text();
}

QString DownloadTaskWidget::statusText() const
{
    return status->text();
}

QString DownloadTaskWidget::buttonToolTip() const
{
    return button->toolTip();
}

bool DownloadTaskWidget::isButtonEnabled() const
{
    return button->isEnabled();
}

bool DownloadTaskWidget::isButtonVisible() const
{
    return !button->isHidden();
}

bool DownloadTaskWidget::isLiveBadgeVisible() const
{
    return !liveBadge->isHidden();
}

QString DownloadTaskWidget::elapsedText() const
{
    return elapsed->text();
}

bool DownloadTaskWidget::isFailureShown() const
{
    return !failureLink->isHidden();
}

bool DownloadTaskWidget::barPartlyFilled() const
{
    return bar->value() > 0 && bar->value() < bar->maximum();
}

void DownloadTaskWidget::setStatus(const QString &text)
{
    status->setText(text);
    status->setToolTip(text);
}

void DownloadTaskWidget::showFailure(bool on)
{
    failureLink->setVisible(on);
    question->setVisible(on);
    status->setVisible(!on);
    if (on)
        failureLink->setText(failureText());
}

void DownloadTaskWidget::showStarted()
{
    bar->show();
    bar->startBusy();
    setStatus(tr("Analyzing..."));
    showFailure(false);
    if (protocol::isLive(task_->info())) {
        liveBadge->hide();
        elapsed->hide();
        setButtonImage(QStringLiteral("pause"), tr("Pause"));
    }
    qDebug() << "refresh_sniffStarted" << task_->url();
    refreshButton();
}

void DownloadTaskWidget::showSniffed()
{
    const QString name = protocol::title(task_->info());
    if (!name.isEmpty()) {
        title->setText(name);
        title->setToolTip(name);
    }
    const QString local = protocol::localThumbnail(task_->info());
    const QPixmap picture = local.isEmpty() ? QPixmap() : QPixmap(local);
    if (!picture.isNull()) {
        rows::saveThumbnail(task_, picture);
        filterAdultWebsite();
        if (!protocol::isHiddenThumb(task_->info())) {
            thumb->setPixmap(picture);
            thumbnailShown = true;
        }
        writeLog(QStringLiteral("[DownloadTaskWidget]"), QStringLiteral("use local thumbnail."));
    } else if (!remoteThumbRequested && !protocol::thumbnail(task_->info()).isEmpty()) {
        remoteThumbRequested = true;
        thumb->setImageUrl(protocol::thumbnail(task_->info()));
    }
    qDebug() << "taskSniffed thumb" << task_->url();
}

void DownloadTaskWidget::showDownloading()
{
    const double value = protocol::progress(task_->progress());
    if (protocol::isLive(task_->info())) {
        if (liveBadge->isHidden()) {
            if (liveBadge->styleSheet().isEmpty())
                liveBadge->setStyleSheet(QStringLiteral("QLabel {background-color: #2A6DF4; color: "
                                                        "#fff; padding: 4px 12px 4px 12px;}"));
            liveBadge->setText(tr("Live"));
            liveBadge->show();
            setStatus(tr("Downloading") + QStringLiteral("..."));
            elapsed->show();
            bar->hide();
            refreshButton();
        }
        elapsed->setText(elapsedTimeText(qint64(value)));
        return;
    }
    if (bar->isBusy())
        bar->stopBusy();
    bar->show();
    bar->setValue(int(bar->maximum() * value));
    const QString text = protocol::progressText(task_->progress());
    if (value < 0.001 && text.size() < 3)
        return;
    setStatus(text);
}

void DownloadTaskWidget::showConverting()
{
    if (bar->isBusy())
        bar->stopBusy();
    bar->show();
    bar->setValue(int(bar->maximum() * protocol::progress(task_->converting())));
    setStatus(protocol::convertingText(task_->converting()));
    refreshButton();
}

void DownloadTaskWidget::refreshState()
{
    const QString name = protocol::title(task_->info());
    title->setText(name.isEmpty() ? task_->url() : name);
    title->setToolTip(title->text());
    const SniffTask::State state = task_->state();
    if (!liveBadge->isHidden()) {
        liveBadge->setText(tr("Live"));
        if (state == SniffTask::State::Failed) {
            showFailure(true);
        } else {
            showFailure(false);
            setStatus(tr("Downloading") + QStringLiteral("..."));
        }
    } else {
        switch (state) {
        case SniffTask::State::Waiting:
            showFailure(false);
            setStatus(tr("Waiting"));
            break;
        case SniffTask::State::Downloading:
            showFailure(false);
            bar->show();
            bar->startBusy();
            setStatus(tr("Analyzing..."));
            if (protocol::isLive(task_->info())) {
                liveBadge->hide();
                elapsed->hide();
            }
            break;
        case SniffTask::State::Paused: {
            showFailure(false);
            const QString done = protocol::progressText(task_->progress(), false);
            setStatus(done.isEmpty() ? tr("Paused") : done + QStringLiteral("  ") + tr("Paused"));
            break;
        }
        case SniffTask::State::Converting:
            showFailure(false);
            setStatus(protocol::convertingText(task_->converting()));
            break;
        case SniffTask::State::Saving:
            showFailure(false);
            setStatus(tr("Saving..."));
            break;
        case SniffTask::State::Saved:
        case SniffTask::State::Finished:
            showFailure(false);
            setStatus(tr("Download finished"));
            break;
        case SniffTask::State::Failed:
            showFailure(true);
            break;
        }
    }
    if (!bar->isBusy())
        bar->setVisible(barPartlyFilled());
    refreshButton();
}

void DownloadTaskWidget::setButtonImage(const QString &name, const QString &toolTip)
{
    buttonImageName = name;
    rows::setButtonPictures(button, name);
    button->setToolTip(toolTip);
}

void DownloadTaskWidget::refreshButton()
{
    const bool live = protocol::isLive(task_->info());
    button->show();
    button->setEnabled(true);
    switch (task_->state()) {
    case SniffTask::State::Waiting:
    case SniffTask::State::Downloading:
        if (live)
            setButtonImage(QStringLiteral("suspend"), tr("Stop"));
        else
            setButtonImage(QStringLiteral("pause"), tr("Pause"));
        break;
    case SniffTask::State::Paused:
        if (live && task_->needDelete()) {
            setButtonImage(QStringLiteral("suspend"), tr("Stop"));
            button->setEnabled(false);
        } else {
            setButtonImage(QStringLiteral("resume"), tr("Start"));
            bar->stopBusy();
        }
        break;
    case SniffTask::State::Converting:
        button->setEnabled(false);
        break;
    case SniffTask::State::Saving:
        if (live)
            setButtonImage(QStringLiteral("suspend"), tr("Stop"));
        button->setEnabled(false);
        break;
    case SniffTask::State::Failed:
        setButtonImage(QStringLiteral("retry"), tr("Retry"));
        bar->stopBusy();
        break;
    case SniffTask::State::Saved:
    case SniffTask::State::Finished:
        button->hide();
        break;
    }
}

void DownloadTaskWidget::onTaskPaused(SniffTask *)
{
    refreshState();
}

void DownloadTaskWidget::onTaskResumed(SniffTask *)
{
    refreshState();
}

void DownloadTaskWidget::onTaskFinished(SniffTask *)
{
    const SniffTask::State state = task_->state();
    if (state == SniffTask::State::Saved || state == SniffTask::State::Finished) {
        setStatus(tr("Download finished"));
        bar->stopBusy();
        bar->setValue(bar->maximum());
        showFailure(false);
    } else {
        showFailure(true);
        liveBadge->hide();
        elapsed->hide();
        bar->setValue(0);
        bar->stopBusy();
        bar->setVisible(barPartlyFilled());
    }
    refreshButton();
}

void DownloadTaskWidget::onClickPauseResume()
{
    SniffMgr *mgr = SniffMgr::instance();
    const SniffTask::State state = task_->state();
    if (state == SniffTask::State::Waiting || state == SniffTask::State::Downloading) {
        mgr->pauseTask(task_, false);
        return;
    }
    mgr->resumeTask(task_);
    thumb->reload();
    if (protocol::thumbnail(task_->info()).isEmpty())
        mgr->startThumbOperator(task_);
}

void DownloadTaskWidget::filterAdultWebsite()
{
    if (!PrivateListManager::instance()->marksPrivate(task_->url()))
        return;
    writeLog(QStringLiteral("[DownloadTaskWidget::filterAdultWebsite] =>url:"),
             PrivateListManager::instance()->matchingKeyword(task_->url()));
    task_->setInfo(protocol::withHiddenThumb(task_->info(), true));
    task_->setInfo(protocol::withPrivateFile(task_->info(), true));
}

void DownloadTaskWidget::onImageDownloaded(const QPixmap &pixmap, const QString &url)
{
    if (url != protocol::thumbnail(task_->info()) || pixmap.isNull())
        return;
    filterAdultWebsite();
    if (protocol::isHiddenThumb(task_->info()))
        thumb->setPixmap(rows::defaultCover());
    else
        thumbnailShown = true;
    rows::saveThumbnail(task_, pixmap);
    SniffMgr::instance()->saveAll();
}

void DownloadTaskWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        refreshState();
    QWidget::changeEvent(event);
}

bool DownloadTaskWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == question) {
        if (event->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            showFailureDialog();
            return true;
        }
        if (event->type() == QEvent::Enter)
            question->setCursor(Qt::PointingHandCursor);
        else if (event->type() == QEvent::Leave)
            question->setCursor(Qt::ArrowCursor);
    }
    return QWidget::eventFilter(watched, event);
}

void DownloadTaskWidget::showFailureDialog()
{
    auto *dialog = new DownloadFailedDlg;
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    const QString url = task_->url();
    connect(dialog, &DownloadFailedDlg::browserChosen, this,
            [this, url] { Q_EMIT downloadFailed(url); });
    MainWindowHelper::instance()->centreOverMainWindow(dialog);
    dialog->exec();
}

DownloadFailedDlg::DownloadFailedDlg(QWidget *parent)
    : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(tr("Download failed"));
    setModal(true);
    MainWindowHelper *helper = MainWindowHelper::instance();
    setFixedWidth(helper->scaled(580));
    auto *layout = new QVBoxLayout(this);
    const int h = helper->scaled(30), v = helper->scaled(25);
    layout->setContentsMargins(h, v, h, v);
    layout->setSpacing(0);

    auto *heading = new QLabel(tr("Download failed"), this);
    QFont font = applicationFont(14);
    font.setBold(true);
    heading->setFont(font);
    heading->setAlignment(Qt::AlignCenter);
    auto *causes = new QLabel(
        tr("Cause of failure:\n\n1. The URL you copied does not support downloading.\n\n2. The "
           "URL is not a qualified video or audio link.\n\n3. The URL is a website link.\n\n4. "
           "The URL needs a premium to preview."),
        this);
    auto *notes = new QLabel(
        tr("Note:\n\n1. Please ensure that the network is stable, click the Retry button to "
           "parse it again.\n\n2. The link format is not the normal way, please re-enter and "
           "download.\n\n3. If it still fails, please view and try to download in built-in "
           "browser."),
        this);
    for (QLabel *label : {causes, notes}) {
        label->setFont(applicationFont(11));
        label->setWordWrap(true);
    }
    auto *browser = new QPushButton(tr("Download in Built-in Browser"), this);
    browser->setStyleSheet(StyleManager::instance()->topButtonStyle());
    browser->setMinimumHeight(helper->scaled(46));
    connect(browser, &QPushButton::clicked, this, [this] {
        Q_EMIT browserChosen();
        close();
    });

    layout->addWidget(heading);
    layout->addSpacing(v);
    layout->addWidget(causes);
    layout->addSpacing(v);
    layout->addWidget(notes);
    layout->addSpacing(helper->scaled(20));
    layout->addWidget(browser, 0, Qt::AlignHCenter);
}
