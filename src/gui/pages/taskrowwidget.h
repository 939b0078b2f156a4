#pragma once

// What the rows of both task lists share: the task, the list and item the row sits in, the
// hover and selection background and the right-click that opens the row's menu; and small
// helpers for their parts. Colours are set through palettes, not style sheets: a style sheet per
// row makes building hundreds of rows slow.

#include <QWidget>

class ImageButton;
class QLayout;
class QListWidget;
class QListWidgetItem;
class RFImageView;
class SniffTask;

class TaskRowWidget : public QWidget
{
    Q_OBJECT
public:
    SniffTask *task() const { return task_; }
    QListWidgetItem *listItem() const { return item; }
    void setItem(QListWidgetItem *row, QListWidget *owner);

Q_SIGNALS:
    // A right click on the row (which then is selected, if it was not).
    void popContextMenu(SniffTask *task);

protected:
    TaskRowWidget(SniffTask *task, QListWidget *list, QListWidgetItem *item, QWidget *parent);
    // The row's content above the 1-pixel grey line that separates rows.
    void setRowLayout(QLayout *content);

    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

    SniffTask *task_;
    QListWidget *list;
    QListWidgetItem *item;

private:
    bool hovered = false;
};

namespace rows {
void setTextColour(QWidget *widget, const QColor &colour);
// The 100x60 thumbnail with its thin border and the shared default picture.
RFImageView *thumbnailView(QWidget *parent);
const QPixmap &defaultCover();
// The four pictures of a row button, "btn_<name>_0.png" to "_3.png" in the images folder.
void setButtonPictures(ImageButton *button, const QString &name);
// Keeps a thumbnail with the task (as PNG).
void saveThumbnail(SniffTask *task, const QPixmap &pixmap);
} // namespace rows
