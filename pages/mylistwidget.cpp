#include "pages/mylistwidget.h"

#include "engine/snifftask.h"

#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>
#include <QWheelEvent>

MyListWidget::MyListWidget(QWidget *parent) : QListWidget(parent)
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

void ListWidgetDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                               const QModelIndex &) const
{
    if (option.state & QStyle::State_Selected)
        painter->fillRect(option.rect, QColor(0xDC, 0xE6, 0xFB));
}
