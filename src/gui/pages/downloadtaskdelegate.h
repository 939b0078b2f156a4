#pragma once

// Paints the rows of the downloading page (thumbnail, title, status or failure text with its
// question mark, "Live" badge and elapsed time, progress bar or busy stripe, action button) from
// the model's roles, and says where their clickable parts are and what their tooltips read.

#include "gui/pages/mylistwidget.h"
#include "gui/widgets/progressbar.h"

#include <QHash>

class QTextDocument;

class DownloadTaskDelegate : public TaskRowDelegate
{
    Q_OBJECT
public:
    enum Part
    {
        ActionButton = 0,
        QuestionMark = 1,
        FailureLink = 2,
    };

    explicit DownloadTaskDelegate(MyListWidget *view);
    ~DownloadTaskDelegate() override;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    int partAt(const QRect &row, const QModelIndex &index, const QPoint &pos) const override;
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;

    // The frame of the busy stripes painted next.
    void setBusyFrame(int frame) { bars.setBusyFrame(frame); }

    // Where the parts of a row are (the row's rectangle in the view).
    struct Layout
    {
        QRect thumbnail, title, line, bar, button, failureLink, question;
    };
    Layout layoutOf(const QRect &row, const QModelIndex &index) const;

private:
    // The failure text laid out on one line.
    QTextDocument *failureDocument(const QString &text) const;
    static int failureTop(const QRect &link, const QTextDocument *doc);
    void paintStatusLine(QPainter *painter, const Layout &layout, const QModelIndex &index) const;
    void paintBar(QPainter *painter, const QRect &rect, const QModelIndex &index) const;

    MyListWidget *view;
    RowBarPainter bars;
    mutable QHash<QString, QTextDocument *> failureDocs;
};
