#include "gui/pages/donetaskwidget.h"

#include "core/engine/sniffmgr.h"
#include "core/engine/snifftask.h"
#include "core/engine/toolprotocol.h"
#include "core/foundation/applog.h"
#include "core/foundation/globals.h"
#include "gui/widgets/imagebutton.h"
#include "gui/widgets/mainwindowhelper.h"
#include "gui/widgets/pictures.h"
#include "gui/widgets/rfimageview.h"
#include "gui/widgets/zqmessagebox.h"

#include <QApplication>
#include <QCheckBox>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmapCache>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char *const kInfoIcons[5] = {":/res/icon_duration.png", ":/res/icon_size.png",
                                   ":/res/icon_type.png", ":/res/icon_bitrate.png",
                                   ":/res/icon_subtitle.png"};

QPixmap tinted(const QString &path, const QColor &colour)
{
    // Every row shows the same few icons: each colour is painted once.
    const QString key = path + colour.name();
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    pixmap.load(path);
    if (pixmap.isNull())
        return pixmap;
    QPainter painter(&pixmap);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(pixmap.rect(), colour);
    painter.end();
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

QPixmap transparentIcon()
{
    QPixmap pixmap(14, 14);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

DoneTaskWidget::DoneTaskWidget(SniffTask *task, QListWidget *list, QListWidgetItem *item,
                               QWidget *parent)
    : TaskRowWidget(task, list, item, parent)
{
    thumb = rows::thumbnailView(this);

    title = new QLineEdit(this);
    title->setFont(applicationFont(11));
    title->setFrame(false);
    connect(title, &QLineEdit::editingFinished, this, &DoneTaskWidget::onEditFinished);

    auto *infoRow = new QHBoxLayout;
    infoRow->setContentsMargins(0, 0, 0, 0);
    infoRow->setSpacing(4);
    for (int i = 0; i < 5; ++i) {
        icons[i] = new QLabel(this);
        icons[i]->setFixedSize(14, 14);
        icons[i]->setScaledContents(true);
        texts[i] = new QLabel(this);
        texts[i]->setFont(applicationFont(9));
        rows::setTextColour(texts[i], QColor(0x88, 0x88, 0x88));
        infoRow->addWidget(icons[i]);
        infoRow->addWidget(texts[i]);
        infoRow->addSpacing(14);
    }
    infoRow->addStretch(1);

    playButton = new ImageButton(this);
    showButton = new ImageButton(this);
    for (ImageButton *button : {playButton, showButton}) {
        button->setFixedSize(31, 31);
        button->setHandCursor(true);
    }
    rows::setButtonPictures(playButton, QStringLiteral("resume"));
    rows::setButtonPictures(showButton, QStringLiteral("folder"));
    connect(playButton, &ImageButton::clicked, this, &DoneTaskWidget::playItem);
    connect(showButton, &ImageButton::clicked, this, &DoneTaskWidget::showTheFile);

    auto *textColumn = new QVBoxLayout;
    textColumn->setContentsMargins(0, 0, 0, 0);
    textColumn->setSpacing(15);
    textColumn->addWidget(title);
    textColumn->addLayout(infoRow);

    auto *row = new QHBoxLayout;
    row->setContentsMargins(20, 20, 20, 20);
    row->setSpacing(20);
    row->addWidget(thumb);
    row->addLayout(textColumn, 1);
    row->addSpacing(10);
    row->addWidget(playButton);
    row->addWidget(showButton);

    setRowLayout(row);

    const QPixmap stored(task_->thumbnailPath());
    if (!protocol::isPrivateFile(task_->info()) && !task_->thumbnailPath().isEmpty() &&
        !stored.isNull()) {
        thumb->setPixmap(stored);
    } else if (!protocol::thumbnail(task_->info()).isEmpty() &&
               !protocol::isHiddenThumb(task_->info())) {
        thumb->setImageUrl(protocol::thumbnail(task_->info()));
    }
    connect(thumb, &RFImageView::imageDownloaded, this, &DoneTaskWidget::onImageDownloaded);

    setEditMode(false);
    tintIcons();
    refreshTexts();
}

QString DoneTaskWidget::currentTitle() const
{
    const QString name = protocol::title(task_->info());
    return name.isEmpty() ? QFileInfo(protocol::filePath(task_->info())).completeBaseName() : name;
}

void DoneTaskWidget::refreshTexts()
{
    if (!editing) {
        title->setText(currentTitle());
        title->setCursorPosition(0);
    }
    title->setToolTip(protocol::filePath(task_->info()));
    playButton->setToolTip(tr("Play"));
    showButton->setToolTip(tr("Show the File"));

    const QByteArray &f = task_->finished();
    const QString unknown = tr("Unknown");
    const qint64 duration = protocol::member(f, QStringLiteral("duration")).toLongLong();
    if (duration >= 3600)
        texts[0]->setText(QString::asprintf("%02lld:%02lld:%02lld", duration / 3600,
                                            duration % 3600 / 60, duration % 60));
    else if (duration != 0)
        texts[0]->setText(QString::asprintf("%02lld:%02lld", duration / 60, duration % 60));
    else
        texts[0]->setText(unknown);
    texts[1]->setText(protocol::formatSize(protocol::totalSize(f)));
    const QString type = protocol::fileType(f);
    texts[2]->setText(type);
    const QString resolution = protocol::member(f, QStringLiteral("resolution"));
    const bool audio = isAudioFormat(type) || resolution == QLatin1String("0x0");
    if (audio) {
        const QString quality = protocol::member(f, QStringLiteral("quality"));
        texts[3]->setText(quality.isEmpty() ? unknown : quality);
    } else {
        texts[3]->setText(resolution.isEmpty() ? unknown : resolution);
    }
    const bool subtitle = !protocol::member(f, QStringLiteral("subtitlePath")).isEmpty();
    texts[4]->setText(subtitle ? (audio ? tr("Lyrics") : tr("Subtitle")) : QString());
    if (!subtitle)
        icons[4]->setPixmap(transparentIcon());
}

QStringList DoneTaskWidget::infoTexts() const
{
    QStringList list;
    for (QLabel *text : texts)
        list << text->text();
    return list;
}

void DoneTaskWidget::tintIcons()
{
    const QColor colour = isDarkMode() ? QColor(0xFF, 0xFF, 0xFF) : QColor(0xAA, 0xAA, 0xAA);
    for (int i = 0; i < 4; ++i)
        icons[i]->setPixmap(tinted(QString::fromLatin1(kInfoIcons[i]), colour));
    icons[4]->setPixmap(tinted(QString::fromLatin1(kInfoIcons[4]), colour));
}

void DoneTaskWidget::setEditMode(bool on)
{
    editing = on;
    if (on) {
        title->setReadOnly(false);
        title->setStyleSheet(QStringLiteral("QLineEdit {color: %1; background-color: %2; "
                                            "border-radius: 2px; border: 1px solid #D7D7D7}")
                                 .arg(QStringLiteral("#333333"), QStringLiteral("#FFFFFF")));
        title->setContextMenuPolicy(Qt::DefaultContextMenu);
        title->setFocusPolicy(Qt::StrongFocus);
        title->selectAll();
        title->setFocus();
    } else {
        title->setReadOnly(true);
        // The palette alone does not clear a line edit's background in every style.
        title->setStyleSheet(QStringLiteral("QLineEdit {color: %1; background-color: transparent; "
                                            "border-width: 0; border-style: outset;}")
                                 .arg(QStringLiteral("#333333")));
        title->setContextMenuPolicy(Qt::NoContextMenu);
        title->setFocusPolicy(Qt::NoFocus);
        title->setCursorPosition(0);
        // A read-only title lets clicks through to the row.
        title->setAttribute(Qt::WA_TransparentForMouseEvents, true);
    }
    if (on)
        title->setAttribute(Qt::WA_TransparentForMouseEvents, false);
}

void DoneTaskWidget::onEditFinished()
{
    if (!editing)
        return;
    {
        const QSignalBlocker blocker(title);
        setEditMode(false);
        title->clearFocus();
    }
    QString name = title->text();
    const QString oldTitle = protocol::title(task_->info());
    if (name == oldTitle)
        return;
    while (name.startsWith(QLatin1Char(' ')))
        name.remove(0, 1);
    title->setText(name);
    if (name.isEmpty()) {
        ZQMessageBox::question(tr("The Filename is Empty and Cannot Be Saved."), {tr("OK")});
        title->setText(currentTitle());
        return;
    }
    static const QString invalid = QStringLiteral("\\/:|*?\"<>");
    for (const QChar c : name) {
        if (invalid.contains(c)) {
            writeLog(QStringLiteral("[Error] Invalid file name:"), name);
            title->setText(currentTitle());
            Q_EMIT editFinished(false);
            return;
        }
    }
    const QString path = protocol::filePath(task_->info());
    const QFileInfo info(path);
    QString target =
        info.absolutePath() + QLatin1Char('/') + name + QLatin1Char('.') + info.suffix();
    if (target == path)
        return;
    if (QFileInfo::exists(target)) {
        const QString proposed =
            uniqueFilePath(name + QLatin1Char('.') + info.suffix(), info.absolutePath());
        const QString proposedName = QFileInfo(proposed).completeBaseName();
        const int answer = ZQMessageBox::question(
            tr("Do You Want to Rename \"%1\" to \"%2\"? This Location Already Contains a File "
               "with the Same Name.")
                .arg(name, proposedName),
            {tr("No"), tr("Yes")}, 2);
        if (answer != 2) {
            title->setText(currentTitle());
            return;
        }
        title->setText(proposedName);
        target = proposed;
    }
    QFile file(path);
    if (file.rename(target)) {
        task_->setInfo(protocol::withTitle(task_->info(), title->text()));
        task_->setInfo(protocol::withFilePath(task_->info(), target));
        title->setToolTip(target);
        Q_EMIT editFinished(true);
    } else {
        writeLog(QStringLiteral("[Error]"),
                 QStringLiteral("Rename failed! (%1)").arg(file.errorString()));
        title->setText(currentTitle());
        Q_EMIT editFinished(false);
    }
}

void DoneTaskWidget::onImageDownloaded(const QPixmap &pixmap, const QString &url)
{
    if (pixmap.isNull() || url != protocol::thumbnail(task_->info()))
        return;
    rows::saveThumbnail(task_, pixmap);
    SniffMgr::instance()->saveAll();
}

void DoneTaskWidget::playItem()
{
    Q_EMIT sigPlay(task_);
}

void DoneTaskWidget::showTheFile()
{
    Q_EMIT sigOpenFileLocation(task_);
}

void DoneTaskWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        Q_EMIT doubleClicked(task_);
        return;
    }
    QWidget::mouseDoubleClickEvent(event);
}

void DoneTaskWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange) {
        qDebug() << "QEvent::PaletteChange";
        tintIcons();
        refreshTexts();
    } else if (event->type() == QEvent::LanguageChange) {
        refreshTexts();
    }
    QWidget::changeEvent(event);
}

// --- DeleteConfirmDlg -------------------------------------------------------------------------

DeleteConfirmDlg::DeleteConfirmDlg(QWidget *parent)
    : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(tr("Delete"));
    auto *icon = new QLabel(this);
    setLabelPixmap(icon, QSize(60, 60), appIconPixmap(QSize(120, 120)));
    message = new QLabel(this);
    message->setWordWrap(true);
    deleteFiles = new QCheckBox(tr("Delete original file(s) as well."), this);
    auto *cancel = new QPushButton(tr("Cancel"), this);
    auto *remove = new QPushButton(tr("Delete"), this);
    remove->setDefault(true);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(remove, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cancel);
    buttons->addWidget(remove);
    auto *column = new QVBoxLayout;
    column->setSpacing(12);
    column->addWidget(message);
    column->addWidget(deleteFiles);
    column->addLayout(buttons);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(20, 20, 20, 16);
    row->setSpacing(16);
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addLayout(column, 1);
}

void DeleteConfirmDlg::setMessage(const QString &text)
{
    message->setText(text);
}

void DeleteConfirmDlg::setCheckBoxVisible(bool on)
{
    deleteFiles->setVisible(on);
}

bool DeleteConfirmDlg::isDeleteFileChecked() const
{
    return deleteFiles->isChecked();
}

void DeleteConfirmDlg::didAppeared()
{
    setFixedSize(size());
}

void DeleteConfirmDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    QMetaObject::invokeMethod(this, &DeleteConfirmDlg::didAppeared, Qt::QueuedConnection);
}
