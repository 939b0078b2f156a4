// Renders an SVG drawing into a PNG of the given size; used to make the committed pictures.
// Build: g++ -fPIC svg2png.cpp $(pkg-config --cflags --libs Qt5Svg Qt5Gui) -o svg2png
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 5)
        return 2;
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid())
        return 1;
    const bool jpeg = QString::fromLocal8Bit(argv[2]).endsWith(QLatin1String(".jpg"));
    QImage image(atoi(argv[3]), atoi(argv[4]), QImage::Format_ARGB32_Premultiplied);
    image.fill(jpeg ? Qt::white : Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    return image.save(QString::fromLocal8Bit(argv[2]), nullptr, jpeg ? 92 : -1) ? 0 : 1;
}
