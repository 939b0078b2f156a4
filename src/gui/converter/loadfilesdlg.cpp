#include "gui/converter/loadfilesdlg.h"

#include "core/converter/convertmanager.h"
#include "core/foundation/applog.h"
#include "gui/widgets/mainwindowhelper.h"
#include "gui/widgets/pictures.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

LoadFilesDlg::LoadFilesDlg(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setObjectName(QStringLiteral("LoadFilesDlg"));
    setFixedSize(420, 170);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("loadPanel"));
    panel->setAttribute(Qt::WA_StyledBackground);
    panel->setStyleSheet(QStringLiteral(
        "#loadPanel { background: #FFFFFF; border: 1px solid #C9D3E3; border-radius: 8px; }"));
    outer->addWidget(panel);
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->setSpacing(8);
    title = new QLabel(panel);
    QFont titleFont = applicationFont(10);
    titleFont.setBold(true);
    title->setFont(titleFont);
    status = new QLabel(panel);
    status->setFont(applicationFont(10));
    status->setStyleSheet(QStringLiteral("color: #5A6478;"));
    status->setMinimumWidth(1);
    count = new QLabel(panel);
    count->setFont(applicationFont(10));
    count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto *statusRow = new QHBoxLayout;
    statusRow->addWidget(status, 1);
    statusRow->addWidget(count);
    progress = new QProgressBar(panel);
    progress->setFormat(QStringLiteral("%v/%m"));
    progress->setTextVisible(false);
    progress->setFixedHeight(8);
    progress->setStyleSheet(
        QStringLiteral("QProgressBar { border: none; border-radius: 4px; background: #E3E8F0; }"
                       "QProgressBar::chunk { border-radius: 4px; background: #2A6DF4; }"));
    cancel = new QPushButton(panel);
    cancel->setFont(applicationFont(10));
    cancel->setCursor(Qt::PointingHandCursor);
    connect(cancel, &QPushButton::clicked, this, &LoadFilesDlg::on_pushButton_clicked);
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(cancel);
    layout->addWidget(title);
    layout->addLayout(statusRow);
    layout->addWidget(progress);
    layout->addStretch(1);
    layout->addLayout(buttonRow);
    reset();
    retranslate();
}

void LoadFilesDlg::retranslate()
{
    title->setText(tr("Adding files..."));
    cancel->setText(tr("Cancel"));
    if (paths.isEmpty() || progress->value() <= 0)
        status->setText(tr("Please wait..."));
}

void LoadFilesDlg::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void LoadFilesDlg::reset()
{
    paths.clear();
    results.clear();
    failedList.clear();
    progress->setValue(0);
    status->setText(tr("Please wait..."));
    count->setText(QStringLiteral(" "));
    title->setText(tr("Adding files..."));
}

void LoadFilesDlg::loadFiles(const QStringList &files)
{
    reset();
    paths = files;
    progress->setRange(0, files.size());
    progress->setValue(0);
    if (!files.isEmpty()) {
        ConvertManager *manager = ConvertManager::instance();
        connect(manager, &ConvertManager::convertManagerLoadStart, this,
                &LoadFilesDlg::onConvertManagerLoadStart, Qt::UniqueConnection);
        connect(manager, &ConvertManager::convertManagerLoadProgress, this,
                &LoadFilesDlg::onConvertManagerLoadProgress, Qt::UniqueConnection);
        connect(manager, &ConvertManager::convertManagerFinishOneItem, this,
                &LoadFilesDlg::onConvertManagerFinishedOneItem, Qt::UniqueConnection);
        connect(manager, &ConvertManager::convertManagerLoadFinish, this,
                &LoadFilesDlg::onConvertManagerLoadFinish, Qt::UniqueConnection);
        manager->loadFiles(files);
    }
    MainWindowHelper::instance()->centreOverMainWindow(this);
    setWindowModality(Qt::ApplicationModal);
    show();
}

void LoadFilesDlg::onConvertManagerLoadStart()
{
    writeLog(QStringLiteral("[LoadFilesDlg]"), QStringLiteral("onConvertManagerLoadStart"));
}

void LoadFilesDlg::onConvertManagerLoadProgress(int index, int total, const QString &fileName)
{
    progress->setValue(index);
    status->setText(
        status->fontMetrics().elidedText(fileName, Qt::ElideMiddle, qMax(100, status->width())));
    status->setToolTip(fileName);
    count->setText(QString::asprintf("%d/%d", index, total));
}

void LoadFilesDlg::onConvertManagerFinishedOneItem(ConvMediaInfo *item, bool isError)
{
    if (item && item->mediaType != ConvMediaInfo::Unusable)
        Q_EMIT didLoadFinishedOneFile(item, isError);
}

void LoadFilesDlg::onConvertManagerLoadFinish(const QList<ConvMediaInfo> &resultList,
                                              const QStringList &failedFiles,
                                              const QStringList &reasons)
{
    ConvertManager::instance()->disconnect(this);
    results = resultList;
    Q_EMIT didLoadFinishedFiles(resultList, failedFiles);
    failedList = failedFiles;
    failedLines.clear();
    for (int i = 0; i < failedFiles.size(); ++i) {
        const QString reason = reasons.value(i);
        const QString name = QDir::toNativeSeparators(failedFiles.at(i));
        failedLines << (reason.isEmpty() ? name : tr("%1: %2").arg(name, reason));
    }
    close();
    if (!failedLines.isEmpty()) {
        // The dialog goes away when closed; the question outlives it.
        const QStringList failed = failedLines;
        QTimer::singleShot(1000, qApp, [failed] {
            auto *dialog = new FailedfilenameDialog;
            dialog->setAttribute(Qt::WA_DeleteOnClose);
            dialog->setFailedFiles(failed);
            MainWindowHelper::instance()->centreOverMainWindow(dialog);
            dialog->open();
        });
    }
}

void LoadFilesDlg::openFailedDlg()
{
    if (failedLines.isEmpty())
        return;
    auto *dialog = new FailedfilenameDialog;
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFailedFiles(failedLines);
    MainWindowHelper::instance()->centreOverMainWindow(dialog);
    dialog->open();
}

void LoadFilesDlg::on_pushButton_clicked()
{
    reset();
    writeLog(QStringLiteral("on_pushButton_clicked"));
    ConvertManager::instance()->stopLoading();
    // The inspection that was running still reports its end; this dialog stays connected until
    // then and closes itself.
    hide();
}

FailedfilenameDialog::FailedfilenameDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::CustomizeWindowHint)
{
    setFixedSize(500, 280);
    setWindowTitle(tr("Failed"));
    auto *layout = new QVBoxLayout(this);
    auto *header = new QHBoxLayout;
    auto *icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxCritical).pixmap(32, 32));
    auto *label = new QLabel(tr("Failed to add files:"), this);
    label->setFont(applicationFont(11));
    label->setStyleSheet(QStringLiteral("color: rgb(255, 85, 0);"));
    header->addWidget(icon);
    header->addWidget(label, 1);
    files = new QListWidget(this);
    files->setFont(applicationFont(11));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons->button(QDialogButtonBox::Ok)->setIcon(QIcon()); // plain, like the other dialogs
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addLayout(header);
    layout->addWidget(files, 1);
    layout->addWidget(buttons);
}

void FailedfilenameDialog::setFailedFiles(const QStringList &list)
{
    for (int i = list.size() - 1; i >= 0; --i)
        files->insertItem(0, list.at(i));
}
