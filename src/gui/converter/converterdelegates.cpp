#include "gui/converter/converterdelegates.h"

#include "core/converter/converttask.h"
#include "core/converter/convmediainfo.h"
#include "core/foundation/globals.h"
#include "core/foundation/paths.h"
#include "core/protocol/displaytext.h"
#include "gui/converter/convertermodels.h"
#include "gui/widgets/mediaroles.h"
#include "gui/widgets/pictures.h"

#include <QCoreApplication>

#include <cmath>

#include <QAbstractItemView>
#include <QFileInfo>
#include <QHelpEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmapCache>
#include <QToolTip>

namespace {

const int kMargin = 20;
const QSize kThumbSize(130, 78);
const int kTextLeft = kMargin + 130 + 16;
const int kButtonSize = 31;

const QColor kTitleColor(0x33, 0x33, 0x33); // as the download lists' titles
const QColor kFactColor(0x88, 0x88, 0x88);
const QColor kStatusColor(0x2A, 0x6D, 0xF4);
const QColor kFailedColor(0xE0, 0x3C, 0x31);

QPixmap cachedPixmap(const QString &key, const std::function<QPixmap()> &make)
{
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = make();
        QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}

// The facts of a row, in the order shown, with their icons.
struct Fact
{
    int role;
    const char *icon;
};
const Fact kFacts[] = {{mediaroles::FormatRole, "icon_type.png"},
                       {mediaroles::DurationRole, "icon_duration.png"},
                       {mediaroles::SizeRole, "icon_size.png"},
                       {mediaroles::QualityRole, "icon_bitrate.png"}};

QString unknown()
{
    return QCoreApplication::translate("ConvMediaInfo", "Unknown");
}

QPixmap picture(const QString &path, const QSize &size)
{
    return cachedPixmap(
        QStringLiteral("conv:%1:%2x%3").arg(path).arg(size.width()).arg(size.height()), [&] {
            return QPixmap(path).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        });
}

} // namespace

namespace converterlist {

RowListView *create(QWidget *parent, const QString &name, QAbstractItemModel *model,
                    RowDelegate *delegate)
{
    auto *view = new RowListView(parent);
    view->setObjectName(name);
    view->setModel(model);
    delegate->setParent(view);
    view->setRowDelegate(delegate);
    view->setFocusPolicy(Qt::StrongFocus);
    view->viewport()->setAttribute(Qt::WA_Hover);
    view->setFrameShape(QFrame::NoFrame);
    view->setStyleSheet(QStringLiteral("QListView { border: none; border-top: 1px solid #c2c2c2; "
                                       "background: #FFFFFF; }"));
    return view;
}

QList<int> selectedRows(const QAbstractItemView *view)
{
    QList<int> rows;
    for (const QModelIndex &index : view->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

} // namespace converterlist

// --- Common row parts
// ------------------------------------------------------------------------------

QSize ConverterRowDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const
{
    return QSize(option.rect.width(), kRowHeight);
}

QPixmap ConverterRowDelegate::thumbnail(const QString &path, bool video, const QSize &size)
{
    const QFileInfo file(path);
    if (!path.isEmpty() && file.isFile()) {
        const QString key = QStringLiteral("thumb:%1:%2:%3x%4")
                                .arg(path)
                                .arg(file.lastModified().toMSecsSinceEpoch())
                                .arg(size.width())
                                .arg(size.height());
        const QPixmap pixmap = cachedPixmap(key, [&] {
            const QImage image(path);
            return image.isNull() ? QPixmap()
                                  : QPixmap::fromImage(image.scaled(size, Qt::IgnoreAspectRatio,
                                                                    Qt::SmoothTransformation));
        });
        if (!pixmap.isNull())
            return pixmap;
    }
    return picture(video ? QStringLiteral(":/res/default_cover.jpg")
                         : QStringLiteral(":/res/default_cover_audio.jpg"),
                   size);
}

void ConverterRowDelegate::paintBackground(QPainter *painter,
                                           const QStyleOptionViewItem &option) const
{
    QColor fill(0xFF, 0xFF, 0xFF);
    if (option.state & QStyle::State_Selected)
        fill = QColor(0xE3, 0xEC, 0xFF);
    else if (option.state & QStyle::State_MouseOver)
        fill = isDarkMode() ? QColor(0x90, 0xD5, 0xA2) : QColor(0xF0, 0xF5, 0xFE);
    painter->fillRect(option.rect, fill);
    painter->setPen(QColor(0xE6, 0xE9, 0xEE));
    painter->drawLine(option.rect.left() + kMargin, option.rect.bottom(),
                      option.rect.right() - kMargin, option.rect.bottom());
}

QRect ConverterRowDelegate::thumbnailRect(const QRect &row) const
{
    return QRect(QPoint(row.left() + kMargin, row.top() + (row.height() - kThumbSize.height()) / 2),
                 kThumbSize);
}

void ConverterRowDelegate::paintTitle(QPainter *painter, const QRect &rect,
                                      const QString &text) const
{
    // The same face, size and colour as the titles of the download lists.
    const QFont font = applicationFont(11);
    painter->setFont(font);
    painter->setPen(kTitleColor);
    painter->drawText(rect, Qt::AlignLeft | Qt::AlignVCenter,
                      QFontMetrics(font).elidedText(text, Qt::ElideMiddle, rect.width()));
}

QString ConverterRowDelegate::nameOf(const QModelIndex &index)
{
    const QString path = index.data(mediaroles::FilePathRole).toString();
    return path.isEmpty() ? index.data(Qt::DisplayRole).toString() : QFileInfo(path).fileName();
}

QString ConverterRowDelegate::factText(const QModelIndex &index, int role)
{
    using namespace mediaroles;
    switch (role) {
    case FormatRole: {
        const QString type = index.data(FormatRole).toString().toUpper();
        return type.isEmpty() ? unknown() : type;
    }
    case DurationRole: {
        const double d = index.data(DurationRole).toDouble();
        const qint64 seconds = std::isfinite(d) && d > 0 ? qint64(d) : 0;
        return seconds == 0 ? unknown() : protocol::formatDuration(seconds);
    }
    case SizeRole: {
        const qint64 size = index.data(SizeRole).toLongLong();
        return size == 0 ? unknown() : protocol::formatSize(size);
    }
    case QualityRole: {
        // An audio file shows its bit rate, a video its picture size.
        const bool audio = index.data(AudioRole).toBool();
        const QString text = index.data(audio ? QualityRole : ResolutionRole).toString();
        return text.isEmpty() ? unknown() : text;
    }
    default:
        return index.data(role).toString();
    }
}

void ConverterRowDelegate::paintFacts(QPainter *painter, const QPoint &at, int width,
                                      const QModelIndex &index) const
{
    const QFont font = applicationFont(9);
    const QFontMetrics metrics(font);
    painter->setFont(font);
    painter->setPen(kFactColor);
    const int slot = qMax(90, width / 4);
    int x = at.x();
    for (const Fact &fact : kFacts) {
        if (x + 16 > at.x() + width)
            break;
        painter->drawPixmap(x, at.y(),
                            picture(QStringLiteral(":/res/") + fact.icon, QSize(14, 14)));
        const QRect textRect(x + 20, at.y() - 2, slot - 26, 18);
        painter->drawText(
            textRect, Qt::AlignLeft | Qt::AlignVCenter,
            metrics.elidedText(factText(index, fact.role), Qt::ElideRight, textRect.width()));
        x += slot;
    }
}

int ConverterRowDelegate::buttonLook(const QModelIndex &index, int button) const
{
    return view() ? view()->partLook(index, button) : 0;
}

bool ConverterRowDelegate::isRowHovered(const QModelIndex &index) const
{
    return view() && view()->hoveredIndex() == index;
}

int ConverterRowDelegate::partAt(const QRect &row, const QModelIndex &index,
                                 const QPoint &pos) const
{
    const QList<QRect> rects = buttonRects(row, index);
    for (int i = 0; i < rects.size(); ++i) {
        if (rects.at(i).contains(pos))
            return i;
    }
    return kNoPart;
}

bool ConverterRowDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view,
                                     const QStyleOptionViewItem &option, const QModelIndex &index)
{
    if (event->type() == QEvent::ToolTip) {
        const int button = partAt(option.rect, index, event->pos());
        const QString tip = button >= 0 ? buttonToolTip(index, button) : QString();
        if (!tip.isEmpty()) {
            QToolTip::showText(event->globalPos(), tip, view);
            return true;
        }
    }
    return RowDelegate::helpEvent(event, view, option, index);
}

// --- Converting rows
// ---------------------------------------------------------------------------------

QString ConvertingDelegate::statusText(const ConvertTask *task)
{
    switch (task->state()) {
    case ConvertTask::Waiting:
        return tr("Waiting to convert...");
    case ConvertTask::Converting:
        if (task->progress() < 0.001)
            return tr("Waiting to convert...");
        return tr("Converting") + QString::asprintf(" %0.1f%%", task->progress() * 100);
    case ConvertTask::Converted:
        return tr("finished");
    case ConvertTask::Failed:
        return tr("Convert failed.");
    default:
        return QString();
    }
}

bool ConvertingDelegate::showsBusyBar(const ConvertTask *task)
{
    return task->state() == ConvertTask::Waiting ||
           (task->state() == ConvertTask::Converting && task->progress() < 0.001);
}

QList<QRect> ConvertingDelegate::buttonRects(const QRect &row, const QModelIndex &) const
{
    return {QRect(row.right() - kMargin - kButtonSize, row.top() + (row.height() - kButtonSize) / 2,
                  kButtonSize, kButtonSize)};
}

QString ConvertingDelegate::buttonToolTip(const QModelIndex &index, int) const
{
    const auto *task = index.data(ConvertingModel::TaskRole).value<ConvertTask *>();
    if (!task)
        return QString();
    const bool active =
        task->state() == ConvertTask::Waiting || task->state() == ConvertTask::Converting;
    return active ? tr("Cancel") : tr("Convert");
}

void ConvertingDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                               const QModelIndex &index) const
{
    const auto *task = index.data(ConvertingModel::TaskRole).value<ConvertTask *>();
    if (!task)
        return;
    const ConvMediaInfo &source = *task->sourceInfo();
    const QRect row = option.rect;
    painter->save();
    paintBackground(painter, option);
    painter->drawPixmap(
        thumbnailRect(row),
        thumbnail(source.thumbnailPath, source.mediaType != ConvMediaInfo::Audio, kThumbSize));

    const QRect button = buttonRects(row, index).first();
    const int textWidth = button.left() - 24 - (row.left() + kTextLeft);
    const int left = row.left() + kTextLeft;
    paintTitle(painter, QRect(left, row.top() + 12, textWidth, 24), source.displayName());

    const int state = task->state();
    const bool active = state == ConvertTask::Waiting || state == ConvertTask::Converting;
    const QString status = statusText(task);
    const QFont statusFont = applicationFont(9);
    painter->setFont(statusFont);
    if (active) {
        painter->setPen(kStatusColor);
        painter->drawText(QRect(left, row.top() + 40, textWidth, 18),
                          Qt::AlignLeft | Qt::AlignVCenter, status);
        // At 0 % a waiting row shows the busy stripes, as a download being analysed does.
        constexpr int kBarMaximum = 1000;
        bars.paint(painter, QRect(left, row.top() + 64, qMin(textWidth, 420), 6),
                   int(task->progress() * kBarMaximum), kBarMaximum, showsBusyBar(task));
    } else {
        paintFacts(painter, QPoint(left, row.top() + 44), textWidth, index);
        if (!status.isEmpty()) {
            const bool failed = state == ConvertTask::Failed;
            QString line = status;
            if (failed && !task->errorText().isEmpty())
                line += QLatin1Char(' ') + task->errorText();
            painter->setFont(statusFont);
            painter->setPen(failed ? kFailedColor : kStatusColor);
            painter->drawText(QRect(left, row.top() + 64, textWidth, 18),
                              Qt::AlignLeft | Qt::AlignVCenter,
                              QFontMetrics(statusFont).elidedText(line, Qt::ElideRight, textWidth));
        }
    }

    const QString file =
        imagesDir() + QStringLiteral("/btn_%1_%2.png")
                          .arg(active ? QStringLiteral("cancel") : QStringLiteral("convert"))
                          .arg(buttonLook(index, 0));
    painter->drawPixmap(button, picture(file, button.size()));
    painter->restore();
}

// --- Converted rows
// ----------------------------------------------------------------------------------

QList<QRect> ConvertedDelegate::buttonRects(const QRect &row, const QModelIndex &) const
{
    const QFontMetrics metrics(applicationFont(10));
    const int deleteWidth = metrics.horizontalAdvance(tr("Delete")) + 28;
    const int showWidth = metrics.horizontalAdvance(tr("Show the File")) + 28;
    const int top = row.top() + (row.height() - 29) / 2;
    const QRect remove(row.right() - kMargin - deleteWidth, top, deleteWidth, 29);
    const QRect show(remove.left() - 10 - showWidth, top, showWidth, 29);
    const QRect thumb = thumbnailRect(row);
    const QRect play(thumb.center() - QPoint(19, 19), QSize(40, 40));
    return {play, show, remove};
}

QString ConvertedDelegate::buttonToolTip(const QModelIndex &, int button) const
{
    return button == PlayButton ? tr("Play") : QString();
}

void ConvertedDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const
{
    if (!index.isValid())
        return;
    const QRect row = option.rect;
    painter->save();
    paintBackground(painter, option);
    const QList<QRect> buttons = buttonRects(row, index);
    const QRect thumb = thumbnailRect(row);
    painter->drawPixmap(thumb, thumbnail(index.data(mediaroles::ThumbnailRole).toString(),
                                         !index.data(mediaroles::AudioRole).toBool(), kThumbSize));
    if (option.state & QStyle::State_MouseOver || isRowHovered(index))
        painter->drawPixmap(buttons.at(PlayButton),
                            picture(QStringLiteral(":/res/play_overlay.png"), QSize(80, 80)));

    const int left = row.left() + kTextLeft;
    const int textWidth = buttons.at(ShowButton).left() - 20 - left;
    paintTitle(painter, QRect(left, row.top() + 18, textWidth, 24), nameOf(index));
    paintFacts(painter, QPoint(left, row.top() + 56), textWidth, index);

    painter->setRenderHint(QPainter::Antialiasing);
    const QFont font = applicationFont(10);
    painter->setFont(font);
    const QString texts[] = {QString(), tr("Show the File"), tr("Delete")};
    for (int b : {ShowButton, DeleteButton}) {
        const int look = buttonLook(index, b);
        const QRectF rect = QRectF(buttons.at(b)).adjusted(0.5, 0.5, -0.5, -0.5);
        painter->setPen(look ? kStatusColor : QColor(0xC9, 0xD3, 0xE3));
        painter->setBrush(look == 2   ? QColor(0xDC, 0xE6, 0xFB)
                          : look == 1 ? QColor(0xEE, 0xF3, 0xFD)
                                      : QColor(0xFF, 0xFF, 0xFF));
        painter->drawRoundedRect(rect, 4, 4);
        painter->setPen(look ? kStatusColor : kTitleColor);
        painter->drawText(buttons.at(b), Qt::AlignCenter, texts[b]);
    }
    painter->restore();
}
