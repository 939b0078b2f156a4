#include "gui/pages/rowpainter.h"

#include "core/engine/sniffmgr.h"
#include "core/engine/snifftask.h"
#include "core/foundation/globals.h"
#include "core/foundation/paths.h"
#include "gui/widgets/rfimageview.h"

#include <QBuffer>
#include <QCache>
#include <QHash>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPainter>
#include <QPixmapCache>
#include <QStyleOptionViewItem>

namespace {

// Pictures of thumbnails scaled to the frame: a few hundred rows' worth (about 25 KB each).
constexpr int kCachedThumbnails = 400;
// A thumbnail larger than this is not a thumbnail.
constexpr qint64 kMaxThumbnailBytes = 8 * 1024 * 1024;

QCache<QString, QPixmap> &thumbnailCache()
{
    static QCache<QString, QPixmap> cache(kCachedThumbnails);
    return cache;
}

QSize insideOfFrame()
{
    return QSize(rowpaint::kThumbWidth - 2, rowpaint::kThumbHeight - 2);
}

// The picture as the frame shows it: scaled by expanding, then stretched into the frame.
QPixmap fitted(const QPixmap &picture, qreal ratio)
{
    const QSize target = insideOfFrame() * ratio;
    QPixmap scaled = picture
                         .scaled(QSize(rowpaint::kThumbWidth, rowpaint::kThumbHeight) * ratio,
                                 Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation)
                         .scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    return scaled;
}

QPixmap buttonPicture(const QString &name, int look)
{
    const QString path = imagesDir() + QStringLiteral("/btn_%1_%2.png").arg(name).arg(look);
    QPixmap pixmap;
    if (!QPixmapCache::find(path, &pixmap)) {
        pixmap.load(path);
        QPixmapCache::insert(path, pixmap);
    }
    return pixmap;
}

// The text as it fits the width, ending in an ellipsis when it does not. Measuring a line costs
// more than drawing it: the rows in view are painted again and again (a hover, a search, a
// scroll step), so the last few thousand answers are kept.
QString elided(const QFont &font, const QString &text, int width)
{
    static QHash<QString, QString> known;
    const QString key =
        font.key() + QLatin1Char('\n') + QString::number(width) + QLatin1Char('\n') + text;
    const auto found = known.constFind(key);
    if (found != known.constEnd())
        return *found;
    if (known.size() >= 4000)
        known.clear();
    const QString shown = QFontMetrics(font).elidedText(text, Qt::ElideRight, width);
    known.insert(key, shown);
    return shown;
}

} // namespace

namespace rowpaint {

const QPixmap &defaultCover()
{
    static const QPixmap cover = fitted(QPixmap(QStringLiteral(":/res/default_cover.jpg")), 1.0);
    return cover;
}

QPixmap thumbnail(const QString &path, qreal pixelRatio)
{
    if (path.isEmpty())
        return QPixmap();
    const QString key = path + QLatin1Char('@') + QString::number(pixelRatio);
    if (const QPixmap *cached = thumbnailCache().object(key))
        return *cached;
    const QPixmap picture(path);
    auto *shown = new QPixmap(picture.isNull() ? QPixmap() : fitted(picture, pixelRatio));
    const QPixmap result = *shown;
    thumbnailCache().insert(key, shown);
    return result;
}

void forgetThumbnail(const QString &path)
{
    const QStringList keys = thumbnailCache().keys();
    for (const QString &key : keys) {
        if (key.startsWith(path + QLatin1Char('@')))
            thumbnailCache().remove(key);
    }
}

void saveThumbnail(SniffTask *task, const QPixmap &pixmap)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    pixmap.save(&buffer, "PNG");
    // The engine keeps the file with the job and saves the lists; the rows repaint later.
    SniffMgr::instance()->setThumbnail(task, png);
    forgetThumbnail(task->thumbnailPath());
}

void background(QPainter *painter, const QStyleOptionViewItem &option, bool hovered)
{
    QColor fill(Qt::white);
    if (option.state & QStyle::State_Selected)
        fill = QColor(0xDC, 0xE6, 0xFB);
    else if (hovered)
        fill = isDarkMode() ? QColor(0x90, 0xD5, 0xA2) : QColor(0xF0, 0xF5, 0xFE);
    painter->fillRect(option.rect, fill);
}

void separator(QPainter *painter, const QRect &row, int y)
{
    painter->fillRect(QRect(row.left(), row.top() + y, row.width(), 1), QColor(0xC0, 0xC0, 0xC0));
}

void thumbnailFrame(QPainter *painter, const QRect &frame, const QPixmap &picture)
{
    painter->setPen(QColor(0xD7, 0xD7, 0xD7));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(frame.adjusted(0, 0, -1, -1));
    const QRect inside = frame.adjusted(1, 1, -1, -1);
    painter->drawPixmap(inside, picture.isNull() ? defaultCover() : picture);
}

void button(QPainter *painter, const QRect &rect, const QString &name, int look)
{
    const QPixmap picture = buttonPicture(name, look);
    if (picture.isNull())
        return;
    painter->save();
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->drawPixmap(rect, picture, picture.rect());
    painter->restore();
}

void text(QPainter *painter, const QRect &rect, const QFont &font, const QColor &colour,
          const QString &text, int alignment)
{
    if (text.isEmpty())
        return;
    painter->save();
    painter->setClipRect(rect, Qt::IntersectClip);
    painter->setFont(font);
    painter->setPen(colour);
    // A line too long for its place ends in an ellipsis rather than in half a letter.
    painter->drawText(rect, alignment, elided(font, text, rect.width()));
    painter->restore();
}

int textWidth(const QFont &font, const QString &text)
{
    // As a label measures itself.
    return QFontMetrics(font)
        .boundingRect(QRect(0, 0, 2000, 2000), Qt::AlignLeft | Qt::AlignVCenter, text)
        .width();
}

} // namespace rowpaint

ThumbnailFetcher *ThumbnailFetcher::instance()
{
    static ThumbnailFetcher *shared = new ThumbnailFetcher;
    return shared;
}

ThumbnailFetcher::ThumbnailFetcher()
    : network(new QNetworkAccessManager(this))
{
}

void ThumbnailFetcher::fetch(const QString &url)
{
    if (url.isEmpty() || pending.contains(url))
        return;
    // A long list asks for many addresses once each: what was asked is forgotten now and then.
    if (requested.size() > 5000)
        requested.clear();
    requested.insert(url);
    pending.insert(url);
    QNetworkReply *reply = RFImageView::requestPicture(network, url);
    connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64) {
        if (received > kMaxThumbnailBytes)
            reply->abort();
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply, url] {
        reply->deleteLater();
        pending.remove(url);
        if (reply->error() != QNetworkReply::NoError)
            return;
        QPixmap pixmap;
        if (!pixmap.loadFromData(reply->read(kMaxThumbnailBytes)) || pixmap.isNull())
            return;
        Q_EMIT fetched(url, pixmap);
    });
}
