#include "gui/converter/adaptation.h"

#include "core/foundation/preferences.h"
#include "gui/widgets/pictures.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

struct Quality
{
    const char *text;
    const char *value;
};

const Quality kVideoQualities[] = {{QT_TRANSLATE_NOOP("Adaptation", "Same as source"), "Origin"},
                                   {QT_TRANSLATE_NOOP("Adaptation", "High(4K)"), "2160P"},
                                   {QT_TRANSLATE_NOOP("Adaptation", "High(2K)"), "1440P"},
                                   {QT_TRANSLATE_NOOP("Adaptation", "High(1080P)"), "1080P"},
                                   {QT_TRANSLATE_NOOP("Adaptation", "Middle(720P)"), "720P"},
                                   {QT_TRANSLATE_NOOP("Adaptation", "Middle(480P)"), "480P"},
                                   {QT_TRANSLATE_NOOP("Adaptation", "Low(360P)"), "360P"},
                                   {QT_TRANSLATE_NOOP("Adaptation", "Low(240P)"), "240P"}};

const Quality kAudioQualities[] = {{QT_TRANSLATE_NOOP("Adaptation", "Same as source"), "Origin"},
                                   {QT_TRANSLATE_NOOP("Adaptation", "High(320Kb/s)"), "320Kb/s"},
                                   {QT_TRANSLATE_NOOP("Adaptation", "High(256Kb/s)"), "256Kb/s"},
                                   {QT_TRANSLATE_NOOP("Adaptation", "Middle(128Kb/s)"), "128Kb/s"},
                                   {QT_TRANSLATE_NOOP("Adaptation", "Low(64Kb/s)"), "64Kb/s"}};

bool isLossless(const QString &target)
{
    return target == QLatin1String("WAV") || target == QLatin1String("FLAC") ||
           target == QLatin1String("AIFF");
}

QString iconFor(const QString &id)
{
    if (id == QLatin1String("iPad") || id == QLatin1String("Android Tablets"))
        return QStringLiteral(":/res/formats/format_tablet.png");
    if (id == QLatin1String("iPhone/iPod") || id == QLatin1String("Android Phone"))
        return QStringLiteral(":/res/formats/format_phone.png");
    if (Adaptation::audioTargets().contains(id))
        return QStringLiteral(":/res/formats/format_audio.png");
    return QStringLiteral(":/res/formats/format_film.png");
}

const char kTabStyle[] =
    "QPushButton { border: 1px solid #C9D3E3; background: #FFFFFF; color: #1F2A3D; padding: 0 "
    "18px; }"
    "QPushButton:checked { background: #2A6DF4; border-color: #2A6DF4; color: #FFFFFF; }"
    "QPushButton:hover:!checked { background: #EEF3FD; }";
const char kTargetStyle[] =
    "QToolButton { border: 1px solid transparent; border-radius: 6px; background: transparent;"
    " color: #1F2A3D; padding: 4px; }"
    "QToolButton:hover { background: #EEF3FD; }"
    "QToolButton:checked { background: #E3ECFF; border-color: #2A6DF4; }";

} // namespace

const QStringList &Adaptation::videoTargets()
{
    static const QStringList ids = {"MP4",         "MOV",  "WMV",           "AVI",
                                    "FLV",         "MKV",  "HEVC MP4",      "HEVC MKV",
                                    "iPhone/iPod", "iPad", "Android Phone", "Android Tablets"};
    return ids;
}

const QStringList &Adaptation::audioTargets()
{
    static const QStringList ids = {"MP3", "M4A", "MKA", "WAV", "AAC", "FLAC", "AIFF", "OGG"};
    return ids;
}

QString Adaptation::buttonName(const QString &id)
{
    QString name = id;
    name.replace(QLatin1Char(' '), QLatin1Char('_')).replace(QLatin1Char('/'), QLatin1Char('_'));
    return QStringLiteral("toolButton_") + name;
}

Adaptation::Adaptation(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::CustomizeWindowHint)
{
    setWindowTitle(QString());
    setFont(applicationFont(10));
    setMinimumSize(600, 420);
    setStyleSheet(QStringLiteral("QDialog { background: #FFFFFF; }"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->setSpacing(14);

    auto *tabRow = new QHBoxLayout;
    tabRow->setSpacing(0);
    videoTab = new QPushButton(this);
    audioTab = new QPushButton(this);
    videoTab->setObjectName(QStringLiteral("pb_video"));
    audioTab->setObjectName(QStringLiteral("pb_audio"));
    auto *tabs = new QButtonGroup(this);
    for (QPushButton *tab : {videoTab, audioTab}) {
        tab->setCheckable(true);
        tab->setFixedHeight(28);
        tab->setMinimumWidth(110);
        tab->setStyleSheet(QLatin1String(kTabStyle));
        tabs->addButton(tab);
        tabRow->addWidget(tab);
    }
    tabRow->addStretch(1);
    layout->addLayout(tabRow);
    connect(videoTab, &QPushButton::clicked, this, &Adaptation::on_pb_video_clicked);
    connect(audioTab, &QPushButton::clicked, this, &Adaptation::on_pb_audio_clicked);

    pages = new QStackedWidget(this);
    videoGroup = new QButtonGroup(this);
    audioGroup = new QButtonGroup(this);
    pages->addWidget(buildTargets(videoTargets(), videoGroup));
    pages->addWidget(buildTargets(audioTargets(), audioGroup));
    layout->addWidget(pages, 1);
    for (QAbstractButton *button : audioGroup->buttons())
        connect(button, &QAbstractButton::clicked, this, &Adaptation::onAudioTargetClicked);

    auto *qualityRow = new QHBoxLayout;
    qualityLabel = new QLabel(this);
    quality = new QComboBox(this);
    quality->setMinimumWidth(200);
    mute = new QCheckBox(this);
    qualityRow->addWidget(qualityLabel);
    qualityRow->addWidget(quality);
    qualityRow->addSpacing(20);
    qualityRow->addWidget(mute);
    qualityRow->addStretch(1);
    layout->addLayout(qualityRow);

    auto *buttonRow = new QHBoxLayout;
    ok = new QPushButton(this);
    cancel = new QPushButton(this);
    ok->setObjectName(QStringLiteral("pushButton_ok"));
    cancel->setObjectName(QStringLiteral("pushButton_cancel"));
    ok->setDefault(true);
    for (QPushButton *b : {cancel, ok})
        b->setMinimumSize(96, 30);
    buttonRow->addStretch(1);
    buttonRow->addWidget(cancel);
    buttonRow->addWidget(ok);
    layout->addLayout(buttonRow);
    connect(ok, &QPushButton::clicked, this, &Adaptation::on_pushButton_ok_clicked);
    connect(cancel, &QPushButton::clicked, this, &Adaptation::on_pushButton_cancel_clicked);

    retranslate();
    if (Preferences::instance()->convertMediaType() == QLatin1String("Video"))
        showVideoPage();
    else
        showAudioPage();
}

QWidget *Adaptation::buildTargets(const QStringList &ids, QButtonGroup *group)
{
    auto *page = new QWidget(this);
    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(8);
    group->setExclusive(true);
    for (int i = 0; i < ids.size(); ++i) {
        auto *button = new QToolButton(page);
        button->setObjectName(buttonName(ids.at(i)));
        button->setProperty("id", ids.at(i));
        button->setText(ids.at(i));
        button->setIcon(QIcon(iconFor(ids.at(i))));
        button->setIconSize(QSize(40, 40));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setCheckable(true);
        button->setFixedSize(130, 82);
        button->setFont(applicationFont(9));
        button->setCursor(Qt::PointingHandCursor);
        button->setStyleSheet(QLatin1String(kTargetStyle));
        group->addButton(button, i);
        grid->addWidget(button, i / 4, i % 4);
    }
    grid->setRowStretch(grid->rowCount(), 1);
    return page;
}

void Adaptation::retranslate()
{
    videoTab->setText(tr("Video"));
    audioTab->setText(tr("Audio"));
    qualityLabel->setText(tr("Quality:"));
    mute->setText(tr("Mute"));
    ok->setText(tr("OK"));
    cancel->setText(tr("Cancel"));
    const QString chosen = quality->currentData().toString();
    if (isVideoPage())
        fillVideoQualities();
    else
        fillAudioQualities(checkedId(audioGroup));
    selectQuality(chosen);
}

void Adaptation::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

bool Adaptation::isVideoPage() const
{
    return videoTab->isChecked();
}

QToolButton *Adaptation::targetButton(const QString &id) const
{
    return findChild<QToolButton *>(buttonName(id));
}

QString Adaptation::checkedId(QButtonGroup *group) const
{
    QAbstractButton *button = group->checkedButton();
    return button ? button->property("id").toString() : QString();
}

void Adaptation::fillVideoQualities()
{
    quality->clear();
    for (const Quality &q : kVideoQualities)
        quality->addItem(tr(q.text), QLatin1String(q.value));
}

void Adaptation::fillAudioQualities(const QString &target)
{
    quality->clear();
    for (const Quality &q : kAudioQualities) {
        quality->addItem(tr(q.text), QLatin1String(q.value));
        if (isLossless(target))
            break; // lossless targets keep the source's quality
    }
}

void Adaptation::selectQuality(const QString &value)
{
    const int index = quality->findData(value);
    quality->setCurrentIndex(index >= 0 ? index : 0);
}

void Adaptation::showVideoPage()
{
    Preferences *prefs = Preferences::instance();
    videoTab->setChecked(true);
    fillVideoQualities();
    mute->show();
    pages->setCurrentIndex(0);
    selectQuality(prefs->convertVideoResolution());
    mute->setChecked(prefs->convertVideoMuted());
    QToolButton *button = targetButton(prefs->convertVideoFormat());
    if (!button || !videoGroup->buttons().contains(button))
        button = targetButton(videoTargets().first());
    button->setChecked(true);
}

void Adaptation::showAudioPage()
{
    Preferences *prefs = Preferences::instance();
    audioTab->setChecked(true);
    mute->hide();
    pages->setCurrentIndex(1);
    QToolButton *button = targetButton(prefs->convertAudioFormat());
    if (!button || !audioGroup->buttons().contains(button))
        button = targetButton(audioTargets().first());
    button->setChecked(true);
    fillAudioQualities(button->property("id").toString());
    selectQuality(prefs->convertAudioBitRate());
}

void Adaptation::saveVideoChoice()
{
    Preferences *prefs = Preferences::instance();
    prefs->setConvertVideoResolution(quality->currentData().toString());
    prefs->setConvertVideoMuted(mute->isChecked());
    prefs->setConvertVideoFormat(checkedId(videoGroup));
}

void Adaptation::saveAudioChoice()
{
    Preferences *prefs = Preferences::instance();
    prefs->setConvertAudioBitRate(quality->currentData().toString());
    prefs->setConvertAudioFormat(checkedId(audioGroup));
}

void Adaptation::on_pb_video_clicked(bool checked)
{
    if (!checked || pages->currentIndex() == 0)
        return;
    saveAudioChoice();
    showVideoPage();
}

void Adaptation::on_pb_audio_clicked(bool checked)
{
    if (!checked || pages->currentIndex() == 1)
        return;
    saveVideoChoice();
    showAudioPage();
}

void Adaptation::onAudioTargetClicked(bool)
{
    const QString chosen = quality->currentData().toString();
    fillAudioQualities(checkedId(audioGroup));
    selectQuality(chosen);
}

void Adaptation::on_pushButton_ok_clicked()
{
    Preferences *prefs = Preferences::instance();
    if (isVideoPage()) {
        saveVideoChoice();
        prefs->setConvertMediaType(QStringLiteral("Video"));
    } else {
        saveAudioChoice();
        prefs->setConvertMediaType(QStringLiteral("Audio"));
    }
    accept();
}

void Adaptation::on_pushButton_cancel_clicked()
{
    reject();
}

ConvertInfo Adaptation::buildConvertInfo() const
{
    Preferences *prefs = Preferences::instance();
    ConvertInfo info;
    if (isVideoPage()) {
        info.isVideo = 1;
        info.isMute = prefs->convertVideoMuted();
        info.formatName = prefs->convertVideoFormat();
        info.resolution = prefs->convertVideoResolution();
    } else {
        info.isVideo = 0;
        info.isMute = false;
        info.formatName = prefs->convertAudioFormat();
        info.audioBitRate = prefs->convertAudioBitRate();
    }
    return info;
}
