#include "gui/widgets/progressbar.h"

#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QResizeEvent>
#include <QTimer>

ProgressTimer *ProgressTimer::instance()
{
    static ProgressTimer *shared = new ProgressTimer;
    return shared;
}

ProgressTimer::ProgressTimer()
    : timer(new QTimer(this))
{
    timer->setInterval(kIntervalMs);
    connect(timer, &QTimer::timeout, this, [this] {
        frame = (frame + 1) % kFrames;
        Q_EMIT timeout(frame);
    });
    timer->start();
}

ProgressTickV2::ProgressTickV2(QWidget *parent)
    : QLabel(parent)
{
    setFixedHeight(5);
}

QList<QPixmap> ProgressTickV2::drawFrames(int width)
{
    QList<QPixmap> frames;
    const int w = qMax(1, width);
    const int h = 5;
    const int period = 24; // one stripe and its gap
    for (int f = 0; f < ProgressTimer::kFrames; ++f) {
        QPixmap pixmap(w, h);
        pixmap.fill(QColor(QStringLiteral("#C9F0D5")));
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(QStringLiteral("#2A6DF4")));
        const int shift = f * period / ProgressTimer::kFrames;
        for (int x = -period + shift; x < w + period; x += period) {
            QPainterPath stripe;
            stripe.moveTo(x, h);
            stripe.lineTo(x + 6, 0);
            stripe.lineTo(x + 6 + period / 2, 0);
            stripe.lineTo(x + period / 2, h);
            stripe.closeSubpath();
            p.drawPath(stripe);
        }
        frames << pixmap;
    }
    return frames;
}

QPixmap ProgressTickV2::busyFrame(int width, int frame)
{
    static int drawnWidth = -1;
    static QList<QPixmap> drawn;
    if (drawnWidth != width) {
        drawn = drawFrames(width);
        drawnWidth = width;
    }
    return drawn.value(frame);
}

void ProgressTickV2::onTimer(int f)
{
    if (framesWidth != width()) {
        frames = drawFrames(width());
        framesWidth = width();
    }
    frame = f;
    setPixmap(frames.value(f));
}

void ProgressTickV2::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    if (event->size().width() != framesWidth) {
        frames = drawFrames(width());
        framesWidth = width();
    }
}

ProgressBar::ProgressBar(QWidget *parent)
    : QWidget(parent)
    , bar(new QProgressBar(this))
    , tick(new ProgressTickV2(this))
{
    bar->setTextVisible(false);
    bar->setFixedHeight(6);
    setFixedHeight(6);
    tick->hide();
}

void ProgressBar::setValue(int value)
{
    if (value > 0)
        stopBusy();
    bar->setValue(value);
}

int ProgressBar::value() const
{
    return bar->value();
}
int ProgressBar::maximum() const
{
    return bar->maximum();
}
void ProgressBar::setMaximum(int maximum)
{
    bar->setMaximum(maximum);
}

void ProgressBar::startBusy()
{
    if (busy)
        return;
    busy = true;
    bar->hide();
    tick->show();
    connect(ProgressTimer::instance(), &ProgressTimer::timeout, tick, &ProgressTickV2::onTimer);
}

void ProgressBar::stopBusy()
{
    if (!busy)
        return;
    busy = false;
    disconnect(ProgressTimer::instance(), &ProgressTimer::timeout, tick, &ProgressTickV2::onTimer);
    tick->hide();
    bar->show();
}

void ProgressBar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    bar->setGeometry(0, 0, width(), 6);
    tick->setGeometry(0, 0, width(), 5);
}
