#include "gui/widgets/rfimageview.h"

#include "core/foundation/globals.h"

#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QVBoxLayout>

RFImageView::RFImageView(QWidget *parent)
    : QFrame(parent)
    , label(new QLabel(this))
    , network(new QNetworkAccessManager(this))
{
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    label->setScaledContents(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
}

void RFImageView::setImageUrl(const QString &address)
{
    url = address;
    loaded = false;
    fetch();
}

void RFImageView::reload()
{
    if (!url.isEmpty() && !loaded)
        fetch();
}

QNetworkReply *RFImageView::requestPicture(QNetworkAccessManager *network, const QString &url)
{
    const QString proxy = systemProxy();
    if (!proxy.isEmpty()) {
        const QStringList parts = proxy.split(QLatin1Char(':'));
        network->setProxy(QNetworkProxy(QNetworkProxy::HttpProxy, parts.value(0),
                                        quint16(parts.value(1).toUInt())));
    }
    QNetworkRequest request{QUrl(url)};
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::PreferCache);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, true);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    return network->get(request);
}

void RFImageView::fetch()
{
    QNetworkReply *reply = requestPicture(network, url);
    const QString requested = url;
    connect(reply, &QNetworkReply::finished, this, [this, reply, requested] {
        reply->deleteLater();
        if (reply->error() != QNetworkReply::NoError || requested != url)
            return;
        QPixmap pixmap;
        if (!pixmap.loadFromData(reply->readAll()) || pixmap.isNull())
            return;
        setPixmap(pixmap);
        loaded = true;
        Q_EMIT imageDownloaded(pixmap, requested);
    });
}

void RFImageView::setPixmap(const QPixmap &pixmap)
{
    const qreal ratio = devicePixelRatioF();
    QPixmap scaled =
        pixmap.scaled(size() * ratio, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    label->setPixmap(scaled);
}
