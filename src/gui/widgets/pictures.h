#pragma once

// Fonts, screens and pictures for every widget of the interface.

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QSize>

class QLabel;

// Makes the embedded pictures (":/res/...") available; safe to call more than once.
void initGuiResources();

// The application font at that size in points.
QFont applicationFont(int points);

double screenPixelRatio();
bool isHighDpi();
QPixmap appIconPixmap(const QSize &size = QSize());
void setLabelPixmap(QLabel *label, const QSize &size, const QPixmap &pixmap);
// The picture's shape in one colour (a dark symbol made white for a coloured button).
QPixmap tintedPixmap(const QPixmap &pixmap, const QColor &color);
