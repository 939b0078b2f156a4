#include "gui/mainwindow/preferencesdlg.h"

#include "core/analytics/analytics.h"
#include "core/engine/sniffmgr.h"
#include "core/foundation/globals.h"
#include "core/foundation/preferences.h"
#include "gui/widgets/pictures.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDebug>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

void selectByData(QComboBox *box, const QVariant &value)
{
    box->setCurrentIndex(box->findData(value));
}

const std::pair<const char *, const char *> kVideoQualities[] = {
    {QT_TRANSLATE_NOOP("PreferencesDlg", "Best"), "Best"},
    {"4320P(8K)", "4320p"},
    {"2160P(4K)", "2160P"},
    {"1440P(2K)", "1440P"},
    {"1080P", "1080P"},
    {"720P", "720P"},
    {"480P", "480P"},
    {"360P", "360P"},
    {"240P", "240P"},
};

} // namespace

PreferencesDlg::PreferencesDlg(QWidget *parent)
    : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(tr("Preferences"));
    setFont(applicationFont(9));
    setMinimumSize(isHighDpi() ? QSize(560, 340) : QSize(660, 420));

    tabWidget = new QTabWidget(this);
    tabWidget->addTab(buildDownloadTab(), tr("Download"));
    tabWidget->addTab(buildConnectionTab(), tr("Connection"));
    tabWidget->addTab(buildConvertTab(), tr("Convert"));

    buttons = new QDialogButtonBox(this);
    buttons->addButton(QDialogButtonBox::Reset)->setText(tr("Reset"));
    buttons->addButton(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    QPushButton *apply = buttons->addButton(QDialogButtonBox::Apply);
    apply->setText(tr("Apply"));
    apply->setDefault(true);
    // Text buttons like every other dialog's, without the desktop theme's stock pictures.
    for (QAbstractButton *button : buttons->buttons())
        button->setIcon(QIcon());
    connect(apply, &QPushButton::pressed, this, &PreferencesDlg::accept);
    connect(buttons, &QDialogButtonBox::accepted, this, &PreferencesDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::clicked, this, &PreferencesDlg::onClicked);
    connect(mediaType, qOverload<int>(&QComboBox::activated), this,
            &PreferencesDlg::onMediaTypeChanged);
    connect(speed, qOverload<int>(&QComboBox::activated), this, &PreferencesDlg::speedChanged);
    connect(proxyEnable, &QCheckBox::stateChanged, this, &PreferencesDlg::proxyEnableChanged);
    connect(auth, &QCheckBox::stateChanged, this, &PreferencesDlg::authEnableChanged);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addWidget(tabWidget, 1);
    layout->addWidget(buttons);

    loadFromStore();
    // Its pages gain nothing from more room: a dialog of one size, which window managers that
    // go by the size hints (openbox) show without a maximise button.
    setFixedSize(sizeHint().expandedTo(minimumSize()));
}

QWidget *PreferencesDlg::folderRow(const QString &title, QLineEdit **edit)
{
    auto *box = new QWidget;
    auto *column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(new QLabel(title, box));
    auto *row = new QHBoxLayout;
    *edit = new QLineEdit(box);
    auto *change = new QPushButton(tr("Change"), box);
    QLineEdit *target = *edit;
    connect(change, &QPushButton::clicked, this, [this, target] { changeFolder(target); });
    row->addWidget(*edit, 1);
    row->addWidget(change);
    column->addLayout(row);
    return box;
}

QWidget *PreferencesDlg::buildDownloadTab()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->setSpacing(10);

    auto *maxRow = new QHBoxLayout;
    maxRow->addWidget(new QLabel(tr("The maximum number of downloading tasks:"), page));
    maxTask = new QComboBox(page);
    for (int i = 1; i <= 10; ++i)
        maxTask->addItem(QString::number(i), i);
    maxRow->addWidget(maxTask);
    maxRow->addStretch(1);
    layout->addLayout(maxRow);

    auto *quality = new QGroupBox(tr("Quality Setting:"), page);
    auto *qualityRow = new QHBoxLayout(quality);
    qualityRow->addWidget(new QLabel(tr("Download:"), quality));
    mediaType = new QComboBox(quality);
    mediaType->setMaximumWidth(80);
    mediaType->addItem(tr("Video"), QStringLiteral("video"));
    mediaType->addItem(tr("Audio"), QStringLiteral("audio"));
    qualityRow->addWidget(mediaType);
    qualityRow->addSpacing(10);
    qualityRow->addWidget(new QLabel(tr("Quality:"), quality));
    videoQuality = new QComboBox(quality);
    videoQuality->setMaximumWidth(160);
    for (const auto &[text, data] : kVideoQualities)
        videoQuality->addItem(tr(text), QString::fromLatin1(data));
    audioQuality = new QComboBox(quality);
    audioQuality->setMaximumWidth(160);
    audioQuality->addItem(tr("Best"), QStringLiteral("Best"));
    for (const char *text : {"320Kb/s", "256Kb/s", "128Kb/s", "64Kb/s"})
        audioQuality->addItem(QString::fromLatin1(text), QString::fromLatin1(text));
    qualityRow->addWidget(videoQuality);
    qualityRow->addWidget(audioQuality);
    qualityRow->addSpacing(10);
    subtitleTitle = new QLabel(tr("Subtitles:"), quality);
    qualityRow->addWidget(subtitleTitle);
    subtitle = new QComboBox(quality);
    subtitle->setMaximumWidth(150);
    for (const QString &name : subtitleLanguageNames())
        subtitle->addItem(tr(name.toUtf8().constData()), name);
    qualityRow->addWidget(subtitle);
    qualityRow->addStretch(1);
    layout->addWidget(quality);

    autoSubtitle = new QCheckBox(tr("Auto download Subtitles/Lyrics"), page);
    resumeOnStartup = new QCheckBox(tr("Auto resume unfinished tasks on startup"), page);
    readCookie = new QCheckBox(tr("Allow to read Cookies from Firefox/Chrome"), page);
    layout->addWidget(autoSubtitle);
    layout->addWidget(resumeOnStartup);
    layout->addWidget(readCookie);
    usageStatistics = new QCheckBox(tr("Send anonymous usage statistics"), page);
    layout->addWidget(usageStatistics);
    notifications =
        new QCheckBox(tr("Tell me on the desktop when a download or conversion ends"), page);
    layout->addWidget(notifications);
    layout->addWidget(folderRow(tr("Save downloaded files to:"), &downloadDir));
    layout->addStretch(1);
    return page;
}

QWidget *PreferencesDlg::buildConnectionTab()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->setSpacing(10);
    auto *speedRow = new QHBoxLayout;
    speedRow->addWidget(new QLabel(tr("Download speed"), page));
    speed = new QComboBox(page);
    speed->setMaximumWidth(160);
    const QIcon icon(QStringLiteral(":/res/speed.png"));
    for (const QString &label : speedLimitLabels()) {
        const bool unlimited = label == QLatin1String("Unlimited");
        speed->addItem(icon, unlimited ? tr("Turbo-fast") : label, label);
    }
    speedRow->addWidget(speed);
    speedRow->addStretch(1);
    layout->addLayout(speedRow);

    auto *separator = new QWidget(page);
    separator->setFixedHeight(1);
    separator->setStyleSheet(QStringLiteral(".QWidget{background-color: #c0c0c3;}"));
    layout->addWidget(separator);

    proxyEnable = new QCheckBox(tr("Eable proxy"), page);
    layout->addWidget(proxyEnable);
    auto *form = new QFormLayout;
    proxyHost = new QLineEdit(page);
    proxyPort = new QLineEdit(page);
    form->addRow(tr("HTTP Proxy"), proxyHost);
    form->addRow(tr("Port"), proxyPort);
    // One form for the proxy and its login, so that all four fields start at one edge.
    auth = new QCheckBox(tr("Authorization required"), page);
    form->addRow(auth);
    login = new QLineEdit(page);
    password = new QLineEdit(page);
    password->setEchoMode(QLineEdit::PasswordEchoOnEdit);
    form->addRow(tr("Login"), login);
    form->addRow(tr("Password"), password);
    form->setVerticalSpacing(10);
    layout->addLayout(form);

    auto *secondSeparator = new QWidget(page);
    secondSeparator->setFixedHeight(1);
    secondSeparator->setStyleSheet(QStringLiteral(".QWidget{background-color: #c0c0c3;}"));
    layout->addWidget(secondSeparator);
    checkCertificates = new QCheckBox(tr("Check certificates of download sites"), page);
    layout->addWidget(checkCertificates);
    certificateWarning = new QLabel(
        tr("Warning: without this check, anyone on the way between you and a site can pose as "
           "the site and change what you download."),
        page);
    certificateWarning->setWordWrap(true);
    certificateWarning->setStyleSheet(QStringLiteral("QLabel { color: #C0392B; }"));
    // Its room is kept while it is hidden, so that nothing moves when the box is clicked.
    QSizePolicy keep = certificateWarning->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    certificateWarning->setSizePolicy(keep);
    layout->addWidget(certificateWarning);
    connect(checkCertificates, &QCheckBox::toggled, certificateWarning,
            [this](bool on) { certificateWarning->setVisible(!on); });
    layout->addStretch(1);
    return page;
}

QWidget *PreferencesDlg::buildConvertTab()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->setSpacing(10);
    auto *maxRow = new QHBoxLayout;
    maxRow->addWidget(new QLabel(tr("The maximum number of converting tasks:"), page));
    maxConvert = new QComboBox(page);
    for (int i = 1; i <= 5; ++i)
        maxConvert->addItem(QString::number(i), i);
    maxRow->addWidget(maxConvert);
    maxRow->addStretch(1);
    layout->addLayout(maxRow);
    layout->addWidget(folderRow(tr("Save converted files to:"), &convertDir));
    layout->addStretch(1);
    return page;
}

void PreferencesDlg::loadFromStore()
{
    Preferences *prefs = Preferences::instance();
    selectByData(maxTask, prefs->maxDownloads());
    selectByData(maxConvert, prefs->maxConversions());
    selectByData(mediaType, prefs->downloadMediaType());
    selectByData(videoQuality, prefs->videoQuality());
    selectByData(audioQuality, prefs->audioQuality());
    selectByData(subtitle, prefs->subtitleLanguage());
    selectByData(speed, effectiveSpeedLimitLabel());
    autoSubtitle->setChecked(prefs->downloadSubtitles());
    resumeOnStartup->setChecked(prefs->resumeOnStartup());
    readCookie->setChecked(prefs->readCookies());
    checkCertificates->setChecked(prefs->checkCertificates());
    certificateWarning->setVisible(!checkCertificates->isChecked());
    usageStatistics->setChecked(analytics::usageStatisticsChosen());
    notifications->setChecked(prefs->desktopNotifications());
    const bool proxyOn = prefs->proxyEnabled();
    const bool authOn = prefs->proxyNeedsLogin();
    proxyEnable->setChecked(proxyOn);
    auth->setChecked(authOn);
    downloadDir->setText(prefs->downloadDir());
    convertDir->setText(prefs->convertDir());
    showMediaType(prefs->downloadMediaType() == QLatin1String("audio"));

    const QString host = prefs->proxyHost();
    if (!host.isEmpty()) {
        proxyHost->setText(host);
        proxyPort->setText(prefs->proxyPort());
    } else {
        const QString system = systemProxy();
        if (system.contains(QLatin1Char(':'))) {
            const QStringList parts = system.split(QLatin1Char(':'));
            if (parts.size() >= 2) {
                proxyHost->setText(parts.at(0));
                proxyPort->setText(parts.at(1));
            }
        }
    }
    login->setText(prefs->proxyLogin());
    password->setText(prefs->proxyPassword());

    proxyHost->setEnabled(proxyOn);
    proxyPort->setEnabled(proxyOn);
    auth->setEnabled(proxyOn);
    login->setEnabled(authOn);
    password->setEnabled(authOn);
}

void PreferencesDlg::showMediaType(bool audio)
{
    videoQuality->setVisible(!audio);
    audioQuality->setVisible(audio);
    subtitleTitle->setText(audio ? tr("Lyric:") : tr("Subtitles:"));
}

void PreferencesDlg::onMediaTypeChanged(int index)
{
    showMediaType(index == 1);
}

void PreferencesDlg::proxyEnableChanged(int state)
{
    const bool on = state != Qt::Unchecked;
    proxyHost->setEnabled(on);
    proxyPort->setEnabled(on);
    auth->setEnabled(on);
}

void PreferencesDlg::authEnableChanged(int state)
{
    const bool on = state != Qt::Unchecked;
    login->setEnabled(on);
    password->setEnabled(on);
}

void PreferencesDlg::speedChanged(int index)
{
    qDebug() << "speedChanged" << index;
}

bool PreferencesDlg::isWritableFolder(const QString &folder)
{
    const QString probe = QDir::cleanPath(
        folder + QDir::separator() + QStringLiteral("%1 Videos").arg(QStringLiteral("Clipmoor")));
    if (QDir().mkpath(probe)) {
        QDir().rmdir(probe);
        return true;
    }
    qDebug() << "PreferencesDlg createDir failed :" << probe;
    return false;
}

void PreferencesDlg::changeFolder(QLineEdit *edit)
{
    const QString before = edit->text();
    if (!QFileInfo::exists(before)) {
        const QString fallback = QStandardPaths::writableLocation(QStandardPaths::MoviesLocation) +
                                 QStringLiteral("/Clipmoor");
        if (QFileInfo::exists(fallback) || QDir().mkpath(fallback))
            edit->setText(fallback);
    }
    const QString chosen = QFileDialog::getExistingDirectory(this, tr("Select Directory"), before,
                                                             QFileDialog::ShowDirsOnly |
                                                                 QFileDialog::DontResolveSymlinks);
    if (!chosen.isEmpty() && isWritableFolder(chosen))
        edit->setText(chosen);
}

void PreferencesDlg::onClicked(QAbstractButton *btn)
{
    if (buttons->buttonRole(btn) != QDialogButtonBox::ResetRole)
        return;
    const Preferences *def = Preferences::seededDefaults();
    selectByData(maxTask, def->maxDownloads());
    selectByData(maxConvert, def->maxConversions());
    selectByData(mediaType, def->downloadMediaType());
    selectByData(videoQuality, def->videoQuality());
    selectByData(audioQuality, def->audioQuality());
    selectByData(subtitle, def->subtitleLanguage());
    autoSubtitle->setChecked(def->downloadSubtitles());
    resumeOnStartup->setChecked(def->resumeOnStartup());
    readCookie->setChecked(def->readCookies());
    checkCertificates->setChecked(def->checkCertificates());
    usageStatistics->setChecked(!analytics::collectorAddress().isEmpty());
    notifications->setChecked(true);
    proxyEnable->setChecked(def->proxyEnabled());
    auth->setChecked(def->proxyNeedsLogin());
    downloadDir->setText(def->downloadDir());
    convertDir->setText(def->convertDir());
    selectByData(speed, QStringLiteral("Unlimited"));
    showMediaType(false);
    for (const QString &folder : {convertDir->text(), downloadDir->text()}) {
        if (!folder.isEmpty() && !QFileInfo::exists(folder))
            QDir().mkpath(folder);
    }
}

void PreferencesDlg::accept()
{
    Preferences *prefs = Preferences::instance();
    // First, so that turning the statistics off sends none of the settings below.
    prefs->setSendUsageStatistics(usageStatistics->isChecked());
    prefs->setMaxDownloads(maxTask->currentData().toInt());
    prefs->setMaxConversions(maxConvert->currentData().toInt());
    prefs->setDownloadMediaType(mediaType->currentData().toString());
    prefs->setVideoQuality(videoQuality->currentData().toString());
    reportEvent(QStringLiteral("Setting"), QStringLiteral("VideoQuality"),
                videoQuality->currentData().toString());
    prefs->setAudioQuality(audioQuality->currentData().toString());
    reportEvent(QStringLiteral("Setting"), QStringLiteral("AudioQuality"),
                audioQuality->currentData().toString());
    prefs->setSubtitleLanguage(subtitle->currentData().toString());
    reportEvent(QStringLiteral("Setting"), QStringLiteral("Subtitle"),
                subtitle->currentData().toString());
    prefs->setManualSpeedLimit(speed->currentData().toString());
    prefs->setDownloadSubtitles(autoSubtitle->isChecked());
    prefs->setResumeOnStartup(resumeOnStartup->isChecked());
    prefs->setDesktopNotifications(notifications->isChecked());
    prefs->setProxyEnabled(proxyEnable->isChecked());
    prefs->setProxyNeedsLogin(auth->isChecked());
    prefs->setReadCookies(readCookie->isChecked());
    prefs->setCheckCertificates(checkCertificates->isChecked());
    prefs->setDownloadDir(downloadDir->text());
    prefs->setConvertDir(convertDir->text());
    prefs->setProxyHost(proxyHost->text());
    prefs->setProxyPort(proxyPort->text());
    prefs->setProxyLogin(login->text());
    prefs->setProxyPassword(password->text());
    SniffMgr::instance()->setMaxCount(maxTask->currentData().toInt());
    QDialog::accept();
}
