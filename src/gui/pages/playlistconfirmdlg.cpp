#include "gui/pages/playlistconfirmdlg.h"

#include "core/analytics/analytics.h"
#include "core/engine/playlistoperator.h"
#include "core/foundation/applog.h"
#include "core/foundation/globals.h"
#include "core/foundation/preferences.h"
#include "core/foundation/stylemanager.h"
#include "gui/widgets/pictures.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QDialogButtonBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QMovie>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTableView>
#include <QVBoxLayout>

// --- CheckboxHeader ---------------------------------------------------------------------------

CheckboxHeader::CheckboxHeader(Qt::Orientation orientation, QWidget *parent)
    : QHeaderView(orientation, parent)
{
    setSectionsClickable(true);
}

void CheckboxHeader::setChecked(bool on)
{
    if (checked == on)
        return;
    checked = on;
    viewport()->update();
}

void CheckboxHeader::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    painter->save();
    QHeaderView::paintSection(painter, rect, logicalIndex);
    painter->restore();
    if (logicalIndex != 0)
        return;
    QStyleOptionButton option;
    option.rect = QRect(rect.center().x() - 9 + 1, rect.center().y() - 9 + 1, 18, 18);
    option.state = QStyle::State_Enabled | (checked ? QStyle::State_On : QStyle::State_Off);
    style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, painter, this);
}

void CheckboxHeader::mousePressEvent(QMouseEvent *event)
{
    if (logicalIndexAt(event->pos()) == 0) {
        checked = !checked;
        viewport()->update();
        Q_EMIT checkAll(checked);
        return;
    }
    QHeaderView::mousePressEvent(event);
}

void CheckboxHeader::mouseReleaseEvent(QMouseEvent *event)
{
    if (logicalIndexAt(event->pos()) == 0)
        return; // not a section click
    QHeaderView::mouseReleaseEvent(event);
}

// --- PlaylistEntriesModel ---------------------------------------------------------------------

void PlaylistEntriesModel::setEntries(const QVector<protocol::PlaylistEntry> &entries)
{
    beginResetModel();
    list = entries;
    checks.fill(true, list.size());
    checkedRows = list.size();
    endResetModel();
    Q_EMIT checkedCountChanged(checkedRows);
}

QVector<protocol::PlaylistEntry> PlaylistEntriesModel::checkedEntries() const
{
    QVector<protocol::PlaylistEntry> chosen;
    for (int row = 0; row < list.size(); ++row) {
        if (checks.at(row))
            chosen << list.at(row);
    }
    return chosen;
}

void PlaylistEntriesModel::setChecked(int row, bool on)
{
    if (row < 0 || row >= checks.size() || checks.at(row) == on)
        return;
    checks[row] = on;
    checkedRows += on ? 1 : -1;
    const QModelIndex box = index(row, 0);
    Q_EMIT dataChanged(box, box, {Qt::CheckStateRole});
    Q_EMIT checkedCountChanged(checkedRows);
}

void PlaylistEntriesModel::setAllChecked(bool on)
{
    if (list.isEmpty())
        return;
    checks.fill(on);
    checkedRows = on ? list.size() : 0;
    Q_EMIT dataChanged(index(0, 0), index(list.size() - 1, 0), {Qt::CheckStateRole});
    Q_EMIT checkedCountChanged(checkedRows);
}

int PlaylistEntriesModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : list.size();
}

int PlaylistEntriesModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant PlaylistEntriesModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= list.size())
        return QVariant();
    if (index.column() == 0)
        return role == Qt::CheckStateRole ? (checks.at(index.row()) ? Qt::Checked : Qt::Unchecked)
                                          : QVariant();
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return list.at(index.row()).title;
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return QVariant();
}

bool PlaylistEntriesModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.column() != 0 || role != Qt::CheckStateRole)
        return false;
    setChecked(index.row(), value.toInt() == Qt::Checked);
    return true;
}

Qt::ItemFlags PlaylistEntriesModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return index.column() == 0 ? Qt::ItemIsEnabled | Qt::ItemIsUserCheckable : Qt::ItemIsEnabled;
}

void PlaylistEntriesModel::setTitleHeader(const QString &text)
{
    titleHeader = text;
    Q_EMIT headerDataChanged(Qt::Horizontal, 1, 1);
}

QVariant PlaylistEntriesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return section == 1 ? titleHeader : QString();
    return QAbstractTableModel::headerData(section, orientation, role);
}

// --- PlaylistConfirmDlg -----------------------------------------------------------------------

namespace {

struct Quality
{
    const char *text;
    const char *data;
};

const Quality kVideoQualities[] = {
    {QT_TRANSLATE_NOOP("PlaylistConfirmDlg", "Best"), "Best"},
    {"4320P(8K)", "4320P"},
    {"2160P(4K)", "2160P"},
    {"1440P(2K)", "1440P"},
    {"1080P", "1080P"},
    {"720P", "720P"},
    {"480P", "480P"},
    {"360P", "360P"},
    {"240P", "240P"},
};
const Quality kAudioQualities[] = {
    {QT_TRANSLATE_NOOP("PlaylistConfirmDlg", "Best"), "Best"},
    {"320Kb/s", "320Kb/s"},
    {"256Kb/s", "256Kb/s"},
    {"128Kb/s", "128Kb/s"},
    {"64Kb/s", "64Kb/s"},
};

void selectByData(QComboBox *box, const QVariant &data)
{
    const int index = box->findData(data);
    if (index >= 0)
        box->setCurrentIndex(index);
}

} // namespace

PlaylistConfirmDlg::PlaylistConfirmDlg(QWidget *parent)
    : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    QFont font = QApplication::font();
    font.setStyleHint(QFont::StyleHint(7));
    setFont(font);
    resize(640, 520);

    entryRows = new PlaylistEntriesModel(this);
    tableView = new QTableView(this);
    tableView->setModel(entryRows);
    checkHeader = new CheckboxHeader(Qt::Horizontal, tableView);
    tableView->setHorizontalHeader(checkHeader);
    checkHeader->setStretchLastSection(true);
    checkHeader->setSectionResizeMode(0, QHeaderView::Fixed);
    tableView->setColumnWidth(0, 30);
    tableView->verticalHeader()->hide();
    tableView->setSelectionMode(QAbstractItemView::NoSelection);
    tableView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tableView->setFocusPolicy(Qt::NoFocus);
    tableView->setShowGrid(false);
    tableView->setAlternatingRowColors(true);
    connect(checkHeader, &CheckboxHeader::checkAll, this, &PlaylistConfirmDlg::onCheckAll);
    // The header is checked exactly while every row is.
    connect(entryRows, &PlaylistEntriesModel::checkedCountChanged, this,
            [this](int count) { checkHeader->setChecked(count == entryRows->rowCount()); });

    mediaLabel = new QLabel(this);
    video = new QRadioButton(this);
    audio = new QRadioButton(this);
    auto *mediaGroup = new QButtonGroup(this);
    mediaGroup->addButton(video);
    mediaGroup->addButton(audio);
    qualityLabel = new QLabel(this);
    quality = new QComboBox(this);
    quality->setMinimumWidth(140);
    connect(video, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            fillQualities(true);
    });
    connect(audio, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            fillQualities(false);
    });

    numbering = new QCheckBox(this);
    order = new QComboBox(this);
    for (const char *mode : {QT_TR_NOOP("Newest first"), QT_TR_NOOP("Oldest first")})
        order->addItem(tr(mode), QString::fromLatin1(mode));
    connect(numbering, &QCheckBox::stateChanged, this, &PlaylistConfirmDlg::orderModeChange);
    skip = new QCheckBox(this);

    buttons = new QDialogButtonBox(this);
    QPushButton *download = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    download->setDefault(true);
    buttons->addButton(QString(), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &PlaylistConfirmDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PlaylistConfirmDlg::reject);

    auto *mediaRow = new QHBoxLayout;
    mediaRow->addWidget(mediaLabel);
    mediaRow->addWidget(video);
    mediaRow->addWidget(audio);
    mediaRow->addSpacing(20);
    mediaRow->addWidget(qualityLabel);
    mediaRow->addWidget(quality);
    mediaRow->addStretch(1);
    auto *numberRow = new QHBoxLayout;
    numberRow->addWidget(numbering);
    numberRow->addWidget(order);
    numberRow->addStretch(1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(10);
    layout->addWidget(tableView, 1);
    layout->addLayout(mediaRow);
    layout->addLayout(numberRow);
    layout->addWidget(skip);
    layout->addWidget(buttons);

    loadingView = new QWidget(this);
    loadingView->setAutoFillBackground(true);
    auto *loadingLayout = new QVBoxLayout(loadingView);
    auto *loadingPicture = new QLabel(loadingView);
    loadingMovie = new QMovie(QStringLiteral(":/res/loading.gif"), QByteArray(), this);
    loadingPicture->setMovie(loadingMovie);
    loadingPicture->setAlignment(Qt::AlignCenter);
    loadingText = new QLabel(loadingView);
    loadingText->setWordWrap(true);
    loadingText->setAlignment(Qt::AlignCenter);
    loadingText->setFont(applicationFont(16));
    loadingText->setStyleSheet(QStringLiteral("color: #555555;"));
    loadingLayout->addStretch(1);
    loadingLayout->addWidget(loadingPicture);
    loadingLayout->addWidget(loadingText);
    loadingLayout->addStretch(1);
    loadingView->hide();

    failureView = new QWidget(this);
    failureView->setAutoFillBackground(true);
    auto *failureLayout = new QVBoxLayout(failureView);
    failureText = new QLabel(failureView);
    failureText->setFont(applicationFont(16));
    failureText->setWordWrap(true);
    failureText->setAlignment(Qt::AlignCenter);
    if (!isDarkMode())
        failureText->setStyleSheet(QStringLiteral("color: #555555;"));
    retryButton = new QPushButton(failureView);
    retryButton->setStyleSheet(StyleManager::instance()->styleSheet(QStringLiteral("reg_btn.qss")));
    retryButton->setFont(applicationFont(15));
    retryButton->setMaximumWidth(150);
    connect(retryButton, &QPushButton::clicked, this, &PlaylistConfirmDlg::onClickRetry);
    failureLayout->addStretch(1);
    failureLayout->addWidget(failureText);
    failureLayout->addWidget(retryButton, 0, Qt::AlignHCenter);
    failureLayout->addStretch(1);
    failureView->hide();

    Preferences *prefs = Preferences::instance();
    numbering->setChecked(prefs->numberPlaylistFiles());
    skip->setChecked(prefs->skipDownloadedEntries());
    selectByData(order, prefs->playlistOrderMode());
    order->setVisible(numbering->isChecked());
    if (prefs->playlistMediaType() == QLatin1String("Video"))
        video->setChecked(true);
    else
        audio->setChecked(true);
    retranslate();
}

PlaylistConfirmDlg::~PlaylistConfirmDlg()
{
    if (playlistOperator) {
        playlistOperator->disconnect(this);
        playlistOperator->deleteLater();
    }
}

void PlaylistConfirmDlg::retranslate()
{
    setWindowTitle(tr("Confirm Playlist"));
    entryRows->setTitleHeader(tr("Title"));
    mediaLabel->setText(tr("Download:"));
    video->setText(tr("Video"));
    audio->setText(tr("Audio"));
    qualityLabel->setText(tr("Quality:"));
    numbering->setText(tr("Add numerical order to the file name."));
    for (int i = 0; i < order->count(); ++i)
        order->setItemText(i, tr(order->itemData(i).toString().toUtf8().constData()));
    skip->setText(tr("Skip Downloaded"));
    for (QAbstractButton *button : buttons->buttons()) {
        if (buttons->buttonRole(button) == QDialogButtonBox::AcceptRole)
            button->setText(tr("Download"));
        else
            button->setText(tr("Cancel"));
    }
    loadingText->setText(tr("Please be patient, the more videos in your playlist,the longer you "
                            "will wait."));
    failureText->setText(tr("Analysis failed. Please try again later."));
    retryButton->setText(tr("Retry"));
    if (quality->count() > 0)
        quality->setItemText(0, tr("Best"));
}

void PlaylistConfirmDlg::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void PlaylistConfirmDlg::fillQualities(bool isVideo)
{
    quality->clear();
    if (isVideo) {
        for (const Quality &q : kVideoQualities)
            quality->addItem(tr(q.text), QString::fromLatin1(q.data));
        selectByData(quality, Preferences::instance()->playlistVideoQuality());
    } else {
        for (const Quality &q : kAudioQualities)
            quality->addItem(tr(q.text), QString::fromLatin1(q.data));
        selectByData(quality, Preferences::instance()->playlistAudioQuality());
    }
}

void PlaylistConfirmDlg::setUrl(const QString &address)
{
    url = address;
    startListing();
}

void PlaylistConfirmDlg::startListing()
{
    if (url.isNull())
        return;
    if (playlistOperator) {
        playlistOperator->disconnect(this);
        playlistOperator->deleteLater();
    }
    playlistOperator = new PlaylistOperator(this);
    connect(playlistOperator, &PlaylistOperator::operatorVideos, this,
            &PlaylistConfirmDlg::onFoundVideos);
    connect(playlistOperator, &PlaylistOperator::operatorFinished, this,
            &PlaylistConfirmDlg::onFinished);
    failureView->hide();
    placeOverlays();
    loadingView->show();
    loadingView->raise();
    loadingMovie->start();
    playlistOperator->start(url);
}

bool PlaylistConfirmDlg::isLoadingShown() const
{
    return !loadingView->isHidden();
}

bool PlaylistConfirmDlg::isFailureShown() const
{
    return !failureView->isHidden();
}

void PlaylistConfirmDlg::onCheckAll(bool isOn)
{
    entryRows->setAllChecked(isOn);
}

void PlaylistConfirmDlg::onFoundVideos(const QVector<protocol::PlaylistEntry> &videos)
{
    entryRows->setEntries(videos);
    checkHeader->setChecked(true);
    endOfListing();
}

void PlaylistConfirmDlg::endOfListing()
{
    loadingMovie->stop();
    loadingView->hide();
    if (entryRows->rowCount() > 0) {
        reportEvent(QStringLiteral("Download"), QStringLiteral("PlaylistSuccessRate"),
                    QStringLiteral("Success"));
        writeLog(QStringLiteral("PlaylistSuccessRate"), QStringLiteral("Success"));
        return;
    }
    placeOverlays();
    failureView->show();
    failureView->raise();
    reportEvent(QStringLiteral("Download"), QStringLiteral("PlaylistFailURL"), url);
    reportEvent(QStringLiteral("Download"), QStringLiteral("PlaylistSuccessRate"),
                QStringLiteral("Fail"));
    writeLog(QStringLiteral("PlaylistSuccessRate"), QStringLiteral("Fail"));
}

void PlaylistConfirmDlg::onFinished(PlaylistOperator *op)
{
    endOfListing();
    if (op == playlistOperator) {
        playlistOperator = nullptr;
        op->deleteLater();
    }
    writeLog(QStringLiteral("[PlaylistConfirmDlg]"), QStringLiteral("playlist operator finished."));
}

void PlaylistConfirmDlg::onClickRetry()
{
    failureView->hide();
    startListing();
}

void PlaylistConfirmDlg::orderModeChange(int ischecked)
{
    order->setVisible(ischecked != 0);
}

QVector<protocol::PlaylistEntry> PlaylistConfirmDlg::selectedEntries() const
{
    return entryRows->checkedEntries();
}

DownloadOptions PlaylistConfirmDlg::options() const
{
    DownloadOptions o;
    const bool isVideo = video->isChecked();
    o.mediaType = isVideo ? QStringLiteral("video") : QStringLiteral("audio");
    o.fromPlaylist = true;
    o.addPlaylistIndex = numbering->isChecked();
    o.playlistOrderMode = order->currentData().toString();
    o.skipDownloaded = skip->isChecked();
    (isVideo ? o.videoQuality : o.audioQuality) = quality->currentData().toString();
    return o;
}

void PlaylistConfirmDlg::accept()
{
    Preferences *prefs = Preferences::instance();
    const bool isVideo = video->isChecked();
    prefs->setPlaylistMediaType(isVideo ? QStringLiteral("Video") : QStringLiteral("Audio"));
    if (isVideo)
        prefs->setPlaylistVideoQuality(quality->currentData().toString());
    else
        prefs->setPlaylistAudioQuality(quality->currentData().toString());
    prefs->setNumberPlaylistFiles(numbering->isChecked());
    prefs->setSkipDownloadedEntries(skip->isChecked());
    prefs->setPlaylistOrderMode(order->currentData().toString());
    QDialog::accept();
    Q_EMIT finished();
}

void PlaylistConfirmDlg::placeOverlays()
{
    const QRect area = tableView->geometry();
    loadingView->setGeometry(area);
    failureView->setGeometry(area);
}

void PlaylistConfirmDlg::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    placeOverlays();
}
