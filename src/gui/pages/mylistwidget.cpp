#include "gui/pages/mylistwidget.h"

#include "core/engine/snifftask.h"

#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>
#include <QWheelEvent>

MyListWidget::MyListWidget(QWidget *parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setFocusPolicy(Qt::NoFocus);
    setItemDelegate(new ListWidgetDelegate(this));
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalScrollBar()->setSingleStep(20);
    setUniformItemSizes(true);
}

int MyListWidget::rowOf(const SniffTask *task) const
{
    for (int i = 0; i < count(); ++i) {
        if (taskOf(item(i)) == task)
            return i;
    }
    return -1;
}

SniffTask *MyListWidget::taskOf(const QListWidgetItem *item)
{
    return item ? item->data(Qt::UserRole).value<SniffTask *>() : nullptr;
}

void MyListWidget::resizeEvent(QResizeEvent *event)
{
    QListWidget::resizeEvent(event);
    const int width = viewport()->width();
    for (int i = 0; i < count(); ++i) {
        QListWidgetItem *row = item(i);
        const QSize hint(width, row->sizeHint().height());
        row->setSizeHint(hint);
        if (QWidget *w = itemWidget(row))
            w->setFixedSize(hint);
    }
}

void MyListWidget::wheelEvent(QWheelEvent *event)
{
    QListWidget::wheelEvent(event);
    if (event->phase() == Qt::ScrollEnd)
        Q_EMIT scrollEnd();
}

void MyListWidget::updateEditorGeometries()
{
    QList<QWidget *> nowShown;
    const int rows = count();
    if (rows > 0) {
        const QRect area = viewport()->rect();
        int first = row(itemAt(QPoint(area.left() + 1, area.top())));
        int last = row(itemAt(QPoint(area.left() + 1, area.bottom())));
        first = first < 0 ? 0 : qMax(0, first - 1);
        last = last < 0 ? rows - 1 : qMin(rows - 1, last + 1);
        for (int i = first; i <= last; ++i) {
            QListWidgetItem *row = item(i);
            QWidget *widget = itemWidget(row);
            if (!widget)
                continue;
            widget->setGeometry(visualItemRect(row));
            if (widget->isHidden())
                widget->show();
            nowShown << widget;
        }
    }
    // Everything else in the viewport (rows scrolled away, new rows shown by the view) hides.
    for (QObject *object : viewport()->children()) {
        auto *child = qobject_cast<QWidget *>(object);
        if (child && !child->isHidden() && !nowShown.contains(child))
            child->hide();
    }
}

void ListWidgetDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                               const QModelIndex &) const
{
    if (option.state & QStyle::State_Selected)
        painter->fillRect(option.rect, QColor(0xDC, 0xE6, 0xFB));
}
