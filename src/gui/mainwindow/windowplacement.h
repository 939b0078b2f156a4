#pragma once

// Where the main window opens: where it was when it was last closed, on the same screen, or
// centred on the primary screen when that screen is gone. No widgets: the window asks.

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

struct ScreenArea
{
    QString name;
    QRect available; // the screen without its panels
};

// The geometry for a window last seen at `last` (invalid: never) on the screen named `screen`
// ("" when unknown: the screen holding the window's centre). `screens` lists the primary screen
// first. The window keeps its size and place as far as the screen allows; it is centred on the
// primary screen, at `preferred` size the first time, when its screen is not there. The result
// always lies within one screen's available area.
QRect placeWindow(const QRect &last, const QString &screen, const QList<ScreenArea> &screens,
                  const QSize &preferred);
