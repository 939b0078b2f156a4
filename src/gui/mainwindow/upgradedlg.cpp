#include "gui/mainwindow/upgradedlg.h"

#include "core/foundation/globals.h"
#include "core/provision/updatecheck.h"
#include "gui/widgets/pictures.h"

#include <QDebug>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QEvent>
#include <QJsonObject>
#include <QLabel>
#include <QMovie>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

UpgradeDlg::UpgradeDlg(const QVariantMap &information, QWidget *parent)
    : QDialog(parent)
    , info(information)
    , title(new QLabel(this))
    , status(new QLabel(this))
    , details(new QLabel(this))
    , notes(new QLabel(this))
    , loading(new QLabel(this))
    , buttons(new QDialogButtonBox(this))
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint);
    resize(480, 350);
    QFont font = title->font();
    font.setPointSize(26);
    font.setBold(true);
    title->setFont(font);
    title->setStyleSheet(QStringLiteral("color: #2A6DF4;"));
    font.setPointSize(12);
    status->setFont(font);
    status->setWordWrap(true);
    QFont small = details->font();
    small.setPointSize(11);
    details->setFont(small);
    notes->setWordWrap(true);
    loading->setAlignment(Qt::AlignCenter);
    upgradeButton = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    laterButton = buttons->addButton(QString(), QDialogButtonBox::RejectRole);
    // Without a newer version to offer, the dialog still ends with a button: "OK", and "Retry"
    // when the information could not be fetched (offline).
    retryButton = buttons->addButton(QString(), QDialogButtonBox::ActionRole);
    okButton = buttons->addButton(QString(), QDialogButtonBox::RejectRole);
    buttons->setStyleSheet(QStringLiteral("* { button-layout: 1 }"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    connect(buttons, &QDialogButtonBox::clicked, this, &UpgradeDlg::onClicked);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->setSpacing(8);
    layout->addWidget(title);
    layout->addWidget(status);
    layout->addWidget(details);
    layout->addWidget(notes);
    layout->addWidget(loading, 0, Qt::AlignCenter);
    layout->addStretch(1);
    layout->addWidget(buttons);
    if (info.isEmpty())
        fetch();
    else
        refresh();
}

QString UpgradeDlg::updateInfoUrl()
{
    return updateServer() + "/updateinfo/clipmoor_update_win.json";
}

bool UpgradeDlg::announcesNewerVersion(const QVariantMap &information)
{
    if (information.isEmpty())
        return false;
    const QString version = information.value(QStringLiteral("Version")).toString();
    const bool newer = compareVersions(version, QStringLiteral(CLIPMOOR_VERSION)) > 0;
    if (newer)
        qDebug() << "new version: " << version;
    return newer;
}

void UpgradeDlg::fetch()
{
    fetchFinished = false;
    if (!network) {
        network = new QNetworkAccessManager(this);
        connect(network, &QNetworkAccessManager::finished, this, &UpgradeDlg::onNetworkFinished);
    }
    QNetworkRequest request{QUrl(updateInfoUrl())};
    request.setTransferTimeout(15000); // an unreachable server must not keep the dialog waiting
    network->get(request);
    refresh();
    if (!movie) {
        initGuiResources();
        movie = new QMovie(isDarkMode() ? QStringLiteral(":/res/loading_black.gif")
                                        : QStringLiteral(":/res/loading.gif"),
                           QByteArray(), this);
        movie->setScaledSize(QSize(120, 120));
        loading->setFixedSize(120, 120);
        loading->setMovie(movie);
    }
    loading->show();
    movie->start();
}

void UpgradeDlg::onNetworkFinished(QNetworkReply *reply)
{
    fetchFinished = true;
    const QByteArray body = reply->readAll();
    reply->deleteLater();
    if (!body.isEmpty()) {
        qDebug() << "reply: " << body;
        info = parseManifest(body).toVariantMap();
    }
    refresh();
}

QString UpgradeDlg::statusText() const
{
    if (!info.isEmpty())
        return announcesNewerVersion(info) ? tr("A new version is available!")
                                           : tr("Current version is up to date.");
    return fetchFinished ? tr("Fetch update info failed. Please retry later.")
                         : tr("Waiting for checking...");
}

bool UpgradeDlg::upgradeEnabled() const
{
    return announcesNewerVersion(info) &&
           !info.value(QStringLiteral("x64 Download URL")).toString().isEmpty();
}

QStringList UpgradeDlg::visibleButtons() const
{
    QStringList texts;
    for (QAbstractButton *b : buttons->buttons()) {
        if (!b->isHidden())
            texts << b->text();
    }
    return texts;
}

void UpgradeDlg::refresh()
{
    setWindowTitle(tr("Upgrade"));
    title->setText(tr("Clipmoor"));
    upgradeButton->setText(tr("Upgrade Now"));
    laterButton->setText(tr("Remind Me Later"));
    retryButton->setText(tr("Retry"));
    okButton->setText(tr("OK"));
    if (movie && (fetchFinished || !info.isEmpty())) {
        movie->stop();
        loading->hide();
    }
    status->setText(statusText());
    const bool newer = announcesNewerVersion(info);
    if (info.contains(QStringLiteral("Version")) && newer) {
        details->setText(tr("Version: %1 | Size: %2 | Release Date: %3")
                             .arg(info.value("Version").toString(),
                                  info.value("x64 Size").toString(),
                                  info.value("Release Date").toString()));
        notes->setText(info.value(QStringLiteral("What's New")).toString());
    }
    details->setVisible(newer);
    notes->setVisible(newer);
    upgradeButton->setVisible(newer);
    laterButton->setVisible(newer);
    okButton->setVisible(!newer);
    retryButton->setVisible(!newer && info.isEmpty() && fetchFinished);
    upgradeButton->setEnabled(upgradeEnabled());
}

void UpgradeDlg::onClicked(QAbstractButton *button)
{
    if (button == retryButton) {
        fetch();
        return;
    }
    if (button != upgradeButton)
        return;
    const QUrl url(info.value(QStringLiteral("x64 Download URL")).toString());
    if (url.isValid() && !url.isEmpty())
        QDesktopServices::openUrl(url);
}

void UpgradeDlg::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        refresh();
    QDialog::changeEvent(event);
}
