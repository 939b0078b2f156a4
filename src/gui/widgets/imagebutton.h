#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QMargins>
#include <QPixmap>

// A button drawn from pictures (normal, hover, checked or pressed, disabled), stretched
// nine-slice, with plain colours where a picture is missing.
class ImageButton : public QAbstractButton
{
    Q_OBJECT
public:
    enum Picture
    {
        Normal,
        Hover,
        Checked,
        Disabled
    };

    explicit ImageButton(QWidget *parent = nullptr);

    void setPicture(Picture which, const QPixmap &pixmap);
    void setPictures(const QString &normal, const QString &hover, const QString &checked,
                     const QString &disabled = QString());
    void setBackgroundColors(const QColor &normal, const QColor &hover, const QColor &checked);
    void setTextColors(const QColor &normal, const QColor &hover, const QColor &checked,
                       const QColor &disabled);
    void setNineSliceMargins(const QMargins &margins)
    {
        slices = margins;
        update();
    }
    void setHandCursor(bool on) { handCursor = on; }

    // What a paint would show now: a picture index, or -1 with the colour to fill.
    int pictureToPaint(QColor *colour) const;
    QSize sizeHint() const override;

Q_SIGNALS:
    void mouseMoveIn();
    void mouseMoveOut();
    void mousePressDown();
    void mousePressUp();

public Q_SLOTS:
    void onToggled(bool checked);

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void setHovered(bool on);
    void drawNineSlice(QPainter &painter, const QPixmap &pixmap) const;

    QPixmap pictures[4];
    QColor colours[3];
    QColor textColours[4] = {Qt::gray, Qt::gray, Qt::gray, Qt::gray};
    QMargins slices;
    bool hovered = false;
    bool pressed = false;
    bool handCursor = false;
};
