#include "gui/widgets/pictures.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>

QFont applicationFont(int points)
{
    QFont font = QApplication::font();
    font.setPointSize(points);
    return font;
}

double screenPixelRatio()
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    return screens.isEmpty() ? 1.0 : screens.first()->devicePixelRatio();
}

bool isHighDpi()
{
    return qApp->devicePixelRatio() > 1.0;
}

static void initResourcesOnce()
{
    Q_INIT_RESOURCE(resources);
}

void initGuiResources()
{
    // The interface's pictures live in a static library: register them before first use.
    static const bool done = (initResourcesOnce(), true);
    Q_UNUSED(done)
}

QPixmap appIconPixmap(const QSize &size)
{
    initGuiResources();
    QPixmap pixmap(QStringLiteral(":/res/appIcon_QP.png"));
    if (!size.isValid())
        return pixmap;
    const double ratio = screenPixelRatio();
    const QSize target(int(size.width() * ratio), int(size.height() * ratio));
    return pixmap.scaled(target, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
}

void setLabelPixmap(QLabel *label, const QSize &size, const QPixmap &pixmap)
{
    label->resize(size);
    label->setMinimumSize(size);
    label->setMaximumSize(size);
    label->setScaledContents(true);
    label->setPixmap(pixmap);
}

QPixmap tintedPixmap(const QPixmap &pixmap, const QColor &color)
{
    QPixmap tinted = pixmap;
    if (tinted.isNull())
        return tinted;
    QPainter painter(&tinted);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(tinted.rect(), color);
    return tinted;
}
