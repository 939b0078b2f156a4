#include "gui/pages/downloadtaskdelegate.h"

#include "gui/pages/downloadrow.h"
#include "gui/pages/rowpainter.h"
#include "gui/pages/taskmodels.h"
#include "gui/widgets/mainwindowhelper.h"
#include "gui/widgets/pictures.h"
#include "gui/widgets/progressbar.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QHelpEvent>
#include <QPainter>
#include <QTextDocument>
#include <QtMath>

#include <cmath>

using namespace taskmodels;

namespace {

const QColor kTitleColour(0x33, 0x33, 0x33);
const QColor kGrey(0x88, 0x88, 0x88);
constexpr int kBadgePaddingX = 12;
constexpr int kBadgePaddingY = 4;
constexpr int kBadgeExtra = 10; // what a styled label adds to its padded text
constexpr int kStatusSpacing = 6;

const QPixmap &questionMark()
{
    static const QPixmap mark = [] {
        const int q = MainWindowHelper::instance()->scaled(16);
        return QPixmap(QStringLiteral(":/res/QP/question.png"))
            .scaled(q, q, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }();
    return mark;
}

int badgeWidth(const QString &text)
{
    // The text's exact width rounded up: rounded to the nearest pixel, "Live" is a fraction
    // wider than its place and is drawn as "Li...".
    return qCeil(QFontMetricsF(QApplication::font()).horizontalAdvance(text)) + 2 * kBadgePaddingX +
           kBadgeExtra;
}

} // namespace

DownloadTaskDelegate::DownloadTaskDelegate(MyListWidget *view)
    : TaskRowDelegate(view)
    , view(view)
{
}

DownloadTaskDelegate::~DownloadTaskDelegate()
{
    delete failureDoc;
}

DownloadTaskDelegate::Layout DownloadTaskDelegate::layoutOf(const QRect &row,
                                                            const QModelIndex &index)
{
    // The places the row's layout gave its parts: margins 20 and 19, a 100x60 thumbnail, a text
    // column 20 pixels on, and the 31x31 button 20 pixels from the right edge.
    Layout l;
    const int x = row.left() + 140;
    const int width = row.width() - 221;
    l.thumbnail =
        QRect(row.left() + 20, row.top() + 19, rowpaint::kThumbWidth, rowpaint::kThumbHeight);
    l.button = QRect(row.right() + 1 - 51, row.top() + 33, 31, 31);
    if (index.data(BarVisibleRole).toBool()) {
        l.title = QRect(x, row.top() + 19, width, 23);
        l.line = QRect(x, row.top() + 46, width, 23);
        l.bar = QRect(x, row.top() + 73, width, 6);
    } else if (index.data(LiveBadgeRole).toBool()) {
        l.title = QRect(x, row.top() + 19, width, 27);
        l.line = QRect(x, row.top() + 50, width, 29);
    } else {
        l.title = QRect(x, row.top() + 19, width, 28);
        l.line = QRect(x, row.top() + 51, width, 28);
    }
    // The question mark follows the failure text, as far as the row is wide.
    const int mark = questionMark().width() / questionMark().devicePixelRatio();
    const int link = qMin(failureTextWidth(), width - mark - kStatusSpacing);
    l.failureLink = QRect(x, l.line.top(), link, l.line.height());
    l.question =
        QRect(x + link + kStatusSpacing, l.line.top() + (l.line.height() - mark) / 2, mark, mark);
    return l;
}

int DownloadTaskDelegate::failureTextWidth()
{
    // Measured once per language: the text is the same on every failed row.
    static QString measured;
    static int width = 0;
    const QString text = DownloadRow::failureText();
    if (text != measured) {
        QTextDocument doc;
        doc.setDocumentMargin(0);
        doc.setDefaultFont(applicationFont(9));
        doc.setHtml(text);
        width = int(std::ceil(doc.idealWidth()));
        measured = text;
    }
    return width;
}

int DownloadTaskDelegate::failureTop(const QRect &link) const
{
    // Whole pixels, as a label places its text: a half pixel blurs it.
    return link.top() + int((link.height() - failureDocument()->size().height()) / 2);
}

QTextDocument *DownloadTaskDelegate::failureDocument() const
{
    const QString text = DownloadRow::failureText();
    if (!failureDoc || failureDocText != text) {
        delete failureDoc;
        failureDoc = new QTextDocument;
        failureDoc->setDocumentMargin(0);
        failureDoc->setDefaultFont(applicationFont(9));
        failureDoc->setHtml(text);
        failureDocText = text;
    }
    return failureDoc;
}

void DownloadTaskDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                 const QModelIndex &index) const
{
    const QRect row = option.rect;
    const Layout l = layoutOf(row, index);
    painter->save();
    rowpaint::background(painter, option, view->hoveredIndex() == index);
    rowpaint::separator(painter, row, 98);
    rowpaint::thumbnailFrame(painter, l.thumbnail,
                             rowpaint::thumbnail(index.data(ThumbnailRole).toString(),
                                                 painter->device()->devicePixelRatioF()));
    rowpaint::text(painter, l.title, applicationFont(11), kTitleColour,
                   index.data(Qt::DisplayRole).toString());
    paintStatusLine(painter, l, index);
    if (index.data(BarVisibleRole).toBool())
        paintBar(painter, l.bar, index);
    if (index.data(ButtonVisibleRole).toBool()) {
        rowpaint::button(
            painter, l.button, index.data(ButtonImageRole).toString(),
            view->partLook(index, ActionButton, index.data(ButtonEnabledRole).toBool()));
    }
    painter->restore();
}

void DownloadTaskDelegate::paintStatusLine(QPainter *painter, const Layout &l,
                                           const QModelIndex &index) const
{
    QRect status = l.line;
    if (index.data(LiveBadgeRole).toBool()) {
        const QString live = DownloadRow::liveText();
        const QRect badge(status.left(), status.top(), badgeWidth(live), 29);
        painter->fillRect(badge, QColor(0x2A, 0x6D, 0xF4));
        rowpaint::text(painter,
                       badge.adjusted(kBadgePaddingX + kBadgeExtra / 2, kBadgePaddingY,
                                      -kBadgePaddingX - kBadgeExtra / 2, -kBadgePaddingY),
                       QApplication::font(), Qt::white, live);
        const QString elapsed = index.data(ElapsedRole).toString();
        const int elapsedWidth = rowpaint::textWidth(QApplication::font(), elapsed);
        const QRect time(badge.right() + 1 + kStatusSpacing, status.top(), elapsedWidth,
                         status.height());
        rowpaint::text(painter, time, QApplication::font(), kGrey, elapsed);
        status.setLeft(time.right() + 1 + kStatusSpacing);
    }
    if (!index.data(FailureRole).toBool()) {
        rowpaint::text(painter, status, applicationFont(9), kGrey,
                       index.data(StatusRole).toString());
        return;
    }
    QTextDocument *doc = failureDocument();
    painter->save();
    painter->setClipRect(l.failureLink, Qt::IntersectClip);
    painter->translate(l.failureLink.left(), failureTop(l.failureLink));
    doc->drawContents(painter);
    painter->restore();
    painter->drawPixmap(l.question.topLeft(), questionMark());
}

void DownloadTaskDelegate::paintBar(QPainter *painter, const QRect &rect,
                                    const QModelIndex &index) const
{
    bars.paint(painter, rect, index.data(BarValueRole).toInt(), kBarMaximum,
               index.data(BarBusyRole).toBool());
}

int DownloadTaskDelegate::partAt(const QRect &row, const QModelIndex &index,
                                 const QPoint &pos) const
{
    const Layout l = layoutOf(row, index);
    if (index.data(ButtonVisibleRole).toBool() && index.data(ButtonEnabledRole).toBool() &&
        l.button.contains(pos))
        return ActionButton;
    if (!index.data(FailureRole).toBool())
        return kNoPart;
    if (l.question.contains(pos))
        return QuestionMark;
    if (l.failureLink.contains(pos)) {
        QTextDocument *doc = failureDocument();
        const QPointF inDoc(pos.x() - l.failureLink.left(), pos.y() - failureTop(l.failureLink));
        if (!doc->documentLayout()->anchorAt(inDoc).isEmpty())
            return FailureLink;
    }
    return kNoPart;
}

bool DownloadTaskDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *itemView,
                                     const QStyleOptionViewItem &option, const QModelIndex &index)
{
    if (!event || event->type() != QEvent::ToolTip || !index.isValid())
        return TaskRowDelegate::helpEvent(event, itemView, option, index);
    const Layout l = layoutOf(option.rect, index);
    const QPoint pos = event->pos();
    QString tip;
    if (index.data(ButtonVisibleRole).toBool() && l.button.contains(pos))
        tip = index.data(ButtonToolTipRole).toString();
    else if (l.title.contains(pos))
        tip = index.data(Qt::DisplayRole).toString();
    else if (l.line.contains(pos))
        tip = index.data(FailureRole).toBool() ? index.data(ReasonRole).toString()
                                               : index.data(StatusRole).toString();
    return showToolTip(event, itemView, tip);
}
