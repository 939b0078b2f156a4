#pragma once

// Fonts, screens and pictures for every widget of the interface.

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QSize>

class QLabel;

// Makes the embedded pictures (":/res/...") available and the application font the
// application's own (useApplicationFont); safe to call more than once.
void initGuiResources();

constexpr char kApplicationFontFamily[] = "Noto Sans";
constexpr int kApplicationFontPoints = 9;
// Sets the application font to kApplicationFontFamily at kApplicationFontPoints, once the
// application object exists.
void useApplicationFont();

// The application font at that size in points.
QFont applicationFont(int points);

double screenPixelRatio();
bool isHighDpi();
QPixmap appIconPixmap(const QSize &size = QSize());
void setLabelPixmap(QLabel *label, const QSize &size, const QPixmap &pixmap);
// A large picture of the interface (an empty page's illustration) shown in a label of that size,
// scaled smoothly for the screen. The picture may have been decoded and scaled beforehand on a
// worker thread (preloadLabelPicture), else it is done now.
void setLabelPicture(QLabel *label, const QSize &size, const QString &path);
// Starts decoding and scaling the picture for setLabelPicture at that size on a worker thread,
// so that building the window does not wait for it; the GUI thread only.
void preloadLabelPicture(const QString &path, const QSize &size);
// The picture's shape in one colour (a dark symbol made white for a coloured button).
QPixmap tintedPixmap(const QPixmap &pixmap, const QColor &color);
