#include "gui/widgets/pictures.h"

#include <QApplication>
#include <QFuture>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QThreadPool>
#include <QtConcurrent>

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
    useApplicationFont();
}

void useApplicationFont()
{
    // The same face and size whatever the platform plugin: offscreen runs (tests, screenshots)
    // would otherwise draw in Qt's fallback face at 12 points, X11 in the theme's. Scripts the
    // face lacks (Japanese, Chinese, Korean) fall back through fontconfig to the Noto CJK faces.
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return;
    QFont font = QApplication::font();
    if (font.family() == QLatin1String(kApplicationFontFamily) &&
        font.pointSize() == kApplicationFontPoints)
        return;
    font.setFamily(QLatin1String(kApplicationFontFamily));
    font.setPointSize(kApplicationFontPoints);
    QApplication::setFont(font);
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

namespace {

// Pictures being decoded for setLabelPicture, by path and size in device pixels. Only the GUI
// thread reads or changes the table; one worker decodes them in the order asked.
QHash<QString, QFuture<QImage>> &preloadedPictures()
{
    static QHash<QString, QFuture<QImage>> pictures;
    return pictures;
}

QThreadPool *pictureThread()
{
    static QThreadPool *pool = [] {
        auto *p = new QThreadPool(qApp);
        p->setMaxThreadCount(1);
        return p;
    }();
    return pool;
}

QSize devicePixels(const QSize &size)
{
    const double ratio = screenPixelRatio();
    return QSize(qRound(size.width() * ratio), qRound(size.height() * ratio));
}

QString pictureKey(const QString &path, const QSize &pixels)
{
    return QStringLiteral("%1@%2x%3").arg(path).arg(pixels.width()).arg(pixels.height());
}

// What the label would draw: the picture smoothly scaled to its size, in the format a pixmap of
// the screen keeps (so that making the pixmap on the GUI thread converts nothing).
QImage scaledPicture(const QString &path, const QSize &pixels)
{
    QImage image(path);
    if (image.isNull())
        return image;
    if (pixels.isValid() && image.size() != pixels)
        image = image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (image.hasAlphaChannel())
        image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return image;
}

} // namespace

void preloadLabelPicture(const QString &path, const QSize &size)
{
    initGuiResources();
    const QSize pixels = devicePixels(size);
    const QString key = pictureKey(path, pixels);
    if (!preloadedPictures().contains(key))
        preloadedPictures().insert(key,
                                   QtConcurrent::run(pictureThread(), scaledPicture, path, pixels));
}

void setLabelPicture(QLabel *label, const QSize &size, const QString &path)
{
    const QSize pixels = devicePixels(size);
    const QFuture<QImage> preloaded = preloadedPictures().take(pictureKey(path, pixels));
    // A picture nobody preloaded is an empty, cancelled future.
    const QImage image = preloaded.isCanceled() ? scaledPicture(path, pixels) : preloaded.result();
    setLabelPixmap(label, size, QPixmap::fromImage(image));
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
