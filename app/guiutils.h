#pragma once

// Helpers that need the interface: message boxes, the desktop, screens, pictures.

#include <QFont>
#include <QPixmap>
#include <QSize>
#include <QString>

class QLabel;

// True when the file exists. Otherwise tells the user; with offerRemoval the user may choose
// "Delete" (removalChosen is set accordingly).
bool checkFileExists(const QString &path, bool offerRemoval = false, bool *removalChosen = nullptr);
void openLocalFile(const QString &path);
// False (after telling the user and opening the preferences) when the download folder is gone.
bool checkDownloadDir();
void openPreferencesDialog();

// Makes the embedded pictures (":/res/...") available; safe to call more than once.
void initGuiResources();

// The application font at that size in points.
QFont applicationFont(int points);

double screenPixelRatio();
bool isHighDpi();
QPixmap appIconPixmap(const QSize &size = QSize());
void setLabelPixmap(QLabel *label, const QSize &size, const QPixmap &pixmap);
