#include "gui/widgets/imagebutton.h"

#include <QPixmapCache>

#include <QMouseEvent>
#include <QPainter>

ImageButton::ImageButton(QWidget *parent)
    : QAbstractButton(parent)
{
    setMouseTracking(true);
    connect(this, &QAbstractButton::toggled, this, &ImageButton::onToggled);
}

void ImageButton::setPicture(Picture which, const QPixmap &pixmap)
{
    pictures[which] = pixmap;
    update();
}

void ImageButton::setPictures(const QString &normal, const QString &hover, const QString &checked,
                              const QString &disabled)
{
    // Rows of long lists share their button pictures: each file is read once.
    const auto load = [](const QString &path) {
        QPixmap pixmap;
        if (!path.isEmpty() && !QPixmapCache::find(path, &pixmap)) {
            pixmap.load(path);
            QPixmapCache::insert(path, pixmap);
        }
        return pixmap;
    };
    pictures[Normal] = load(normal);
    pictures[Hover] = load(hover);
    pictures[Checked] = load(checked);
    pictures[Disabled] = load(disabled);
    update();
}

void ImageButton::setBackgroundColors(const QColor &normal, const QColor &hover,
                                      const QColor &checked)
{
    colours[Normal] = normal;
    colours[Hover] = hover;
    colours[Checked] = checked;
    update();
}

void ImageButton::setTextColors(const QColor &normal, const QColor &hover, const QColor &checked,
                                const QColor &disabled)
{
    textColours[Normal] = normal;
    textColours[Hover] = hover;
    textColours[Checked] = checked;
    textColours[Disabled] = disabled;
    update();
}

QSize ImageButton::sizeHint() const
{
    if (!pictures[Normal].isNull())
        return pictures[Normal].size() / pictures[Normal].devicePixelRatio();
    return QSize(80, 30);
}

int ImageButton::pictureToPaint(QColor *colour) const
{
    auto pick = [&](Picture picture, Picture colourOf) {
        if (!pictures[picture].isNull())
            return int(picture);
        *colour = colours[colourOf];
        return -1;
    };
    if (isChecked())
        return pick(Checked, Checked);
    if (!isEnabled())
        return pick(Disabled, Normal);
    if (hovered && pressed)
        return pick(Checked, Checked);
    if (hovered)
        return pick(Hover, Hover);
    return pick(Normal, Normal);
}

void ImageButton::drawNineSlice(QPainter &painter, const QPixmap &pixmap) const
{
    const QRect target = rect();
    const qreal ratio = pixmap.devicePixelRatio();
    const QRect source(QPoint(0, 0), pixmap.size());
    if (slices.isNull()) {
        painter.drawPixmap(target, pixmap, source);
        return;
    }
    const int l = slices.left(), t = slices.top(), r = slices.right(), b = slices.bottom();
    const int sl = int(l * ratio), st = int(t * ratio), sr = int(r * ratio), sb = int(b * ratio);
    const int xs[] = {0, sl, source.width() - sr, source.width()};
    const int ys[] = {0, st, source.height() - sb, source.height()};
    const int xt[] = {0, l, target.width() - r, target.width()};
    const int yt[] = {0, t, target.height() - b, target.height()};
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            const QRect s(xs[col], ys[row], xs[col + 1] - xs[col], ys[row + 1] - ys[row]);
            const QRect d(xt[col], yt[row], xt[col + 1] - xt[col], yt[row + 1] - yt[row]);
            if (s.isValid() && d.isValid())
                painter.drawPixmap(d, pixmap, s);
        }
    }
}

void ImageButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QColor colour;
    const int picture = pictureToPaint(&colour);
    if (picture >= 0)
        drawNineSlice(painter, pictures[picture]);
    else if (colour.isValid())
        painter.fillRect(rect(), colour);
    const int state = !isEnabled() ? Disabled : isChecked() ? Checked : hovered ? Hover : Normal;
    QRect textArea = rect();
    if (!icon().isNull()) {
        // An icon sits left of the text; the pair is centred in the button.
        const QSize size = iconSize();
        const int gap = text().isEmpty() ? 0 : 8;
        const int textWidth = fontMetrics().horizontalAdvance(text());
        const int left = (width() - size.width() - gap - textWidth) / 2;
        icon().paint(&painter, QRect(QPoint(left, (height() - size.height()) / 2), size));
        textArea = QRect(left + size.width() + gap, 0, textWidth + 2, height());
    }
    if (!text().isEmpty()) {
        painter.setPen(textColours[state]);
        painter.drawText(textArea, Qt::AlignCenter, text());
    }
}

void ImageButton::setHovered(bool on)
{
    if (hovered == on)
        return;
    hovered = on;
    if (handCursor)
        setCursor(on ? Qt::PointingHandCursor : Qt::ArrowCursor);
    if (on)
        Q_EMIT mouseMoveIn();
    else
        Q_EMIT mouseMoveOut();
    update();
}

void ImageButton::enterEvent(QEvent *event)
{
    setHovered(true);
    QAbstractButton::enterEvent(event);
}

void ImageButton::leaveEvent(QEvent *event)
{
    setHovered(false);
    QAbstractButton::leaveEvent(event);
}

void ImageButton::mouseMoveEvent(QMouseEvent *event)
{
    setHovered(rect().contains(event->pos()));
    QAbstractButton::mouseMoveEvent(event);
}

void ImageButton::mousePressEvent(QMouseEvent *event)
{
    pressed = true;
    Q_EMIT mousePressDown();
    update();
    QAbstractButton::mousePressEvent(event);
}

void ImageButton::mouseReleaseEvent(QMouseEvent *event)
{
    pressed = false;
    Q_EMIT mousePressUp();
    update();
    QAbstractButton::mouseReleaseEvent(event);
}

void ImageButton::onToggled(bool)
{
    update();
}
