#pragma once

// The painters of the converter rows. A row is 100 pixels high: thumbnail, name, the file's facts
// (type, duration, size, resolution or bit rate) or the conversion's status and progress bar, and
// the row's buttons, which are the row's parts: the list (gui/widgets/rowlistview.h) answers
// clicks and hovers on them, as it does on the download lists, so a list of ten thousand rows
// costs what its visible rows cost.

#include "gui/widgets/progressbar.h"
#include "gui/widgets/rowlistview.h"

class ConvertTask;

namespace converterlist {
// A list for converter rows: extended selection, rows of one height, hover, no frame.
RowListView *create(QWidget *parent, const QString &name, QAbstractItemModel *model,
                    RowDelegate *delegate);
// The selected rows, top to bottom.
QList<int> selectedRows(const QAbstractItemView *view);
} // namespace converterlist

class ConverterRowDelegate : public RowDelegate
{
    Q_OBJECT
public:
    static constexpr int kRowHeight = 100;

    using RowDelegate::RowDelegate;

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;
    int partAt(const QRect &row, const QModelIndex &index, const QPoint &pos) const override;

    // The picture of a thumbnail file at that size, or the default cover of the media type.
    static QPixmap thumbnail(const QString &path, bool video, const QSize &size);
    // Where the row's buttons are, by number; for tests and for the painters.
    virtual QList<QRect> buttonRects(const QRect &row, const QModelIndex &index) const = 0;

protected:
    virtual QString buttonToolTip(const QModelIndex &index, int button) const = 0;
    // 0 normal, 1 hover, 2 pressed.
    int buttonLook(const QModelIndex &index, int button) const;
    bool isRowHovered(const QModelIndex &index) const;

    void paintBackground(QPainter *painter, const QStyleOptionViewItem &option) const;
    QRect thumbnailRect(const QRect &row) const;
    void paintTitle(QPainter *painter, const QRect &rect, const QString &text) const;
    // The file's facts (media roles), laid out from one list.
    void paintFacts(QPainter *painter, const QPoint &at, int width, const QModelIndex &index) const;

public:
    // The name a row shows: the file's name, else the model's title.
    static QString nameOf(const QModelIndex &index);
    // The text of one fact of the row.
    static QString factText(const QModelIndex &index, int role);

private:
    const RowListView *view() const { return qobject_cast<const RowListView *>(parent()); }
};

class ConvertingDelegate : public ConverterRowDelegate
{
    Q_OBJECT
public:
    using ConverterRowDelegate::ConverterRowDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QList<QRect> buttonRects(const QRect &row, const QModelIndex &index) const override;
    // The status line of a task as the row shows it ("" when the row shows the facts only).
    static QString statusText(const ConvertTask *task);
    // True while the row shows the moving bar of a task that waits.
    static bool showsBusyBar(const ConvertTask *task);
    // The frame of the busy stripes painted next.
    void setBusyFrame(int frame) { bars.setBusyFrame(frame); }

protected:
    QString buttonToolTip(const QModelIndex &index, int button) const override;

private:
    RowBarPainter bars;
};

class ConvertedDelegate : public ConverterRowDelegate
{
    Q_OBJECT
public:
    enum Button
    {
        PlayButton = 0,
        ShowButton = 1,
        DeleteButton = 2
    };

    using ConverterRowDelegate::ConverterRowDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QList<QRect> buttonRects(const QRect &row, const QModelIndex &index) const override;

protected:
    QString buttonToolTip(const QModelIndex &index, int button) const override;
};
