#include "gui/pages/taskrowwidget.h"

#include "core/engine/snifftask.h"
#include "core/foundation/globals.h"
#include "core/foundation/paths.h"
#include "gui/widgets/imagebutton.h"
#include "gui/widgets/rfimageview.h"

#include <QBuffer>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

TaskRowWidget::TaskRowWidget(SniffTask *task, QListWidget *list, QListWidgetItem *item,
                             QWidget *parent)
    : QWidget(parent)
    , task_(task)
    , list(list)
    , item(item)
{
    setMinimumWidth(300);
}

void TaskRowWidget::setItem(QListWidgetItem *row, QListWidget *owner)
{
    item = row;
    list = owner;
}

void TaskRowWidget::setRowLayout(QLayout *content)
{
    auto *line = new QWidget(this);
    line->setFixedHeight(1);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    line->setPalette(palette);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addLayout(content, 1);
    outer->addWidget(line);
}

void TaskRowWidget::paintEvent(QPaintEvent *)
{
    // Clear when selected (the list paints the selection), light blue while hovered.
    QColor fill(Qt::white);
    if (item && item->isSelected())
        fill = Qt::transparent;
    else if (hovered)
        fill = isDarkMode() ? QColor(0x90, 0xD5, 0xA2) : QColor(0xF0, 0xF5, 0xFE);
    QPainter(this).fillRect(rect(), fill);
}

void TaskRowWidget::enterEvent(QEvent *event)
{
    hovered = true;
    update();
    QWidget::enterEvent(event);
}

void TaskRowWidget::leaveEvent(QEvent *event)
{
    hovered = false;
    update();
    QWidget::leaveEvent(event);
}

void TaskRowWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton) {
        // A right click acts on the row under the mouse as the list would.
        if (item && list && !item->isSelected()) {
            list->clearSelection();
            item->setSelected(true);
        }
        Q_EMIT popContextMenu(task_);
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

namespace rows {

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

RFImageView *thumbnailView(QWidget *parent)
{
    auto *view = new RFImageView(parent);
    view->setFixedSize(100, 60);
    view->setFrameStyle(QFrame::Box | QFrame::Plain);
    view->setLineWidth(1);
    setTextColour(view, QColor(0xD7, 0xD7, 0xD7));
    view->setPixmap(defaultCover());
    return view;
}

const QPixmap &defaultCover()
{
    static const QPixmap cover(QStringLiteral(":/res/default_cover.jpg"));
    return cover;
}

void setButtonPictures(ImageButton *button, const QString &name)
{
    const QString base = imagesDir() + QStringLiteral("/btn_%1_").arg(name);
    button->setPictures(base + QStringLiteral("0.png"), base + QStringLiteral("1.png"),
                        base + QStringLiteral("2.png"), base + QStringLiteral("3.png"));
}

void saveThumbnail(SniffTask *task, const QPixmap &pixmap)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    pixmap.save(&buffer, "PNG");
    task->saveThumbnail(png);
}

} // namespace rows
