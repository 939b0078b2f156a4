#include "gui/pages/donetaskdelegate.h"

#include "core/foundation/globals.h"
#include "core/protocol/displaytext.h"
#include "gui/pages/rowpainter.h"
#include "gui/widgets/mediaroles.h"
#include "gui/widgets/pictures.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPixmapCache>

using namespace mediaroles;

namespace {

// The facts of a row, in the order they are shown, with their icons: a new fact is one line
// here (and its text in factText).
struct Fact
{
    int role;
    const char *icon;
};
const Fact kFacts[] = {
    {DurationRole, ":/res/icon_duration.png"}, {SizeRole, ":/res/icon_size.png"},
    {FormatRole, ":/res/icon_type.png"},       {QualityRole, ":/res/icon_bitrate.png"},
    {SubtitleRole, ":/res/icon_subtitle.png"},
};
const QColor kTitleColour(0x33, 0x33, 0x33);
const QColor kGrey(0x88, 0x88, 0x88);
constexpr int kIcon = 14;
constexpr int kFactsTop = 55;
constexpr int kFactsHeight = 24;

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
    // Scaled once, the way a label scales its picture.
    pixmap = QPixmap::fromImage(
        pixmap.toImage().scaled(kIcon, kIcon, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

// The texts keep the context they have always been translated in.
QString translated(const char *text)
{
    return QCoreApplication::translate("DoneTaskWidget", text);
}

QString orUnknown(const QString &text)
{
    return text.isEmpty() ? translated(QT_TRANSLATE_NOOP("DoneTaskWidget", "Unknown")) : text;
}

QString editStyle()
{
    return QStringLiteral("QLineEdit {color: %1; background-color: %2; border-radius: 2px; "
                          "border: 1px solid #D7D7D7}")
        .arg(QStringLiteral("#333333"), QStringLiteral("#FFFFFF"));
}

} // namespace

QString DoneTaskDelegate::factText(const QModelIndex &index, int role)
{
    const bool audio = index.data(AudioRole).toBool();
    switch (role) {
    case DurationRole: {
        const qint64 d = qint64(index.data(DurationRole).toDouble());
        if (d >= 3600)
            return QString::asprintf("%02lld:%02lld:%02lld", d / 3600, d % 3600 / 60, d % 60);
        return d > 0 ? QString::asprintf("%02lld:%02lld", d / 60, d % 60) : orUnknown(QString());
    }
    case SizeRole:
        return protocol::formatSize(index.data(SizeRole).toLongLong());
    case FormatRole:
        return index.data(FormatRole).toString();
    case QualityRole:
        // An audio file shows its bit rate, a video its picture size.
        return orUnknown(index.data(audio ? QualityRole : ResolutionRole).toString());
    case SubtitleRole:
        if (!index.data(SubtitleRole).toBool())
            return QString();
        return audio ? translated(QT_TRANSLATE_NOOP("DoneTaskWidget", "Lyrics"))
                     : translated(QT_TRANSLATE_NOOP("DoneTaskWidget", "Subtitle"));
    default:
        return index.data(role).toString();
    }
}

QStringList DoneTaskDelegate::factTexts(const QModelIndex &index)
{
    QStringList texts;
    for (const Fact &fact : kFacts)
        texts << factText(index, fact.role);
    return texts;
}

DoneTaskDelegate::DoneTaskDelegate(MyListWidget *view)
    : TaskRowDelegate(view)
    , view(view)
{
}

QRect DoneTaskDelegate::titleRect(const QRect &row)
{
    return QRect(row.left() + 140, row.top() + 20, row.width() - 272, 20);
}

QRect DoneTaskDelegate::buttonRect(const QRect &row, Part part)
{
    const int fromRight = part == PlayButton ? 102 : 51;
    return QRect(row.right() + 1 - fromRight, row.top() + 34, 31, 31);
}

void DoneTaskDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                             const QModelIndex &index) const
{
    const QRect row = option.rect;
    painter->save();
    const bool hovered = view->hoveredIndex() == index;
    rowpaint::background(painter, option, hovered);
    rowpaint::separator(painter, row, 99);
    rowpaint::thumbnailFrame(
        painter,
        QRect(row.left() + 20, row.top() + 20, rowpaint::kThumbWidth, rowpaint::kThumbHeight),
        rowpaint::thumbnail(index.data(ThumbnailRole).toString(),
                            painter->device()->devicePixelRatioF()));
    if (!view->indexWidget(index)) {
        // The read-only title field's text sits 2 pixels in from its edge.
        rowpaint::text(painter, titleRect(row).adjusted(2, 0, -2, 0), applicationFont(11),
                       kTitleColour, index.data(Qt::DisplayRole).toString());
    }

    const QColor tint = isDarkMode() ? QColor(0xFF, 0xFF, 0xFF) : QColor(0xAA, 0xAA, 0xAA);
    const QFont font = applicationFont(9);
    int x = row.left() + 140;
    for (const Fact &fact : kFacts) {
        const QString text = factText(index, fact.role);
        // A fact that is only there or not (the subtitle) shows nothing, icon and all, when not.
        if (!text.isEmpty() || fact.role != SubtitleRole)
            painter->drawPixmap(QRect(x, row.top() + 60, kIcon, kIcon),
                                tinted(QString::fromLatin1(fact.icon), tint));
        const int width = rowpaint::textWidth(font, text);
        // The gap before the next fact to spare: hinted glyphs may reach past the measured
        // width, and a last digit must not be cut off.
        rowpaint::text(painter,
                       QRect(x + kIcon + 4, row.top() + kFactsTop, width + kIcon, kFactsHeight),
                       font, kGrey, text);
        x += kIcon + 4 + width + kIcon + 4;
    }

    for (Part part : {PlayButton, ShowButton})
        rowpaint::button(painter, buttonRect(row, part),
                         part == PlayButton ? QStringLiteral("resume") : QStringLiteral("folder"),
                         view->partLook(index, part));
    painter->restore();
}

int DoneTaskDelegate::partAt(const QRect &row, const QModelIndex &, const QPoint &pos) const
{
    for (Part part : {PlayButton, ShowButton}) {
        if (buttonRect(row, part).contains(pos))
            return part;
    }
    return kNoPart;
}

bool DoneTaskDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *itemView,
                                 const QStyleOptionViewItem &option, const QModelIndex &index)
{
    if (!event || event->type() != QEvent::ToolTip || !index.isValid())
        return TaskRowDelegate::helpEvent(event, itemView, option, index);
    QString tip;
    if (buttonRect(option.rect, PlayButton).contains(event->pos()))
        tip = QCoreApplication::translate("DoneTaskWidget", "Play");
    else if (buttonRect(option.rect, ShowButton).contains(event->pos()))
        tip = QCoreApplication::translate("DoneTaskWidget", "Show the File");
    else if (titleRect(option.rect).contains(event->pos()))
        tip = index.data(FilePathRole).toString();
    return showToolTip(event, itemView, tip);
}

QWidget *DoneTaskDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                        const QModelIndex &index) const
{
    auto *field = new QLineEdit(parent);
    field->setFont(applicationFont(11));
    field->setFrame(false);
    field->setStyleSheet(editStyle());
    const QPersistentModelIndex row = index;
    auto *self = const_cast<DoneTaskDelegate *>(this);
    connect(field, &QLineEdit::editingFinished, self,
            [self, field, row] { Q_EMIT self->titleEdited(row, field->text()); });
    return field;
}

void DoneTaskDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (auto *field = qobject_cast<QLineEdit *>(editor)) {
        if (field->text().isEmpty())
            field->setText(index.data(Qt::DisplayRole).toString());
    }
}

void DoneTaskDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                            const QModelIndex &) const
{
    editor->setGeometry(titleRect(option.rect));
}
