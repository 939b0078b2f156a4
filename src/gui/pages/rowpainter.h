#pragma once

// What the painters of both task lists share: the row's background and separator, the framed
// thumbnail, the picture buttons and plain texts, as the rows have always looked; thumbnails
// decoded once, scaled to the row and kept in a bounded cache; and the one fetcher of remote
// thumbnails.

#include <QObject>
#include <QPixmap>
#include <QSet>

class QNetworkAccessManager;
class QPainter;
class QStyleOptionViewItem;
class SniffTask;

namespace rowpaint {

// The thumbnail's frame in a row whose top-left corner is `row`.
constexpr int kThumbWidth = 100;
constexpr int kThumbHeight = 60;

const QPixmap &defaultCover();
// The picture of a thumbnail file scaled to the inside of the frame, from a cache of a few
// hundred; a null pixmap when the file does not load (remembered too).
QPixmap thumbnail(const QString &path, qreal pixelRatio);
// Forgets a file's picture (the file was written again).
void forgetThumbnail(const QString &path);
// Keeps a thumbnail with the task (as PNG), through the engine.
void saveThumbnail(SniffTask *task, const QPixmap &pixmap);

// Clear white, the hover colour, or the selection colour.
void background(QPainter *painter, const QStyleOptionViewItem &option, bool hovered);
// The 1-pixel grey line that separates rows, at height y of the row.
void separator(QPainter *painter, const QRect &row, int y);
// The thin-bordered thumbnail frame and its picture (the default cover when null).
void thumbnailFrame(QPainter *painter, const QRect &frame, const QPixmap &picture);
// A row button from its pictures "btn_<name>_<look>.png" in the images folder: look 0 normal,
// 1 hover, 2 pressed, 3 disabled.
void button(QPainter *painter, const QRect &rect, const QString &name, int look);
// A line of plain text, elided at the rectangle's right edge.
void text(QPainter *painter, const QRect &rect, const QFont &font, const QColor &colour,
          const QString &text, int alignment = 0x0001 | 0x0080 /* left, vertically centred */);
// The width a label takes for that text.
int textWidth(const QFont &font, const QString &text);

} // namespace rowpaint

class ThumbnailFetcher : public QObject
{
    Q_OBJECT
public:
    static ThumbnailFetcher *instance();
    // Fetches the picture unless it is being fetched already.
    void fetch(const QString &url);
    // True when the address was asked for before (fetched, failed or still under way).
    bool wasRequested(const QString &url) const { return requested.contains(url); }

Q_SIGNALS:
    void fetched(const QString &url, const QPixmap &pixmap);

private:
    ThumbnailFetcher();
    QNetworkAccessManager *network;
    QSet<QString> pending;
    QSet<QString> requested;
};
