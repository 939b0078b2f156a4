#include "gui/mainwindow/windowplacement.h"

#include <QtGlobal>

namespace {

const ScreenArea *screenOf(const QRect &last, const QString &name, const QList<ScreenArea> &screens)
{
    for (const ScreenArea &s : screens) {
        if (name.isEmpty() ? s.available.contains(last.center()) : s.name == name)
            return &s;
    }
    return nullptr;
}

} // namespace

QRect placeWindow(const QRect &last, const QString &screen, const QList<ScreenArea> &screens,
                  const QSize &preferred)
{
    const bool seen = last.isValid() && !last.isEmpty();
    if (screens.isEmpty())
        return seen ? last : QRect(QPoint(0, 0), preferred);
    const ScreenArea *target = seen ? screenOf(last, screen, screens) : nullptr;
    const QRect area = target ? target->available : screens.first().available;
    const QSize size = (seen ? last.size() : preferred).boundedTo(area.size());
    QRect placed(QPoint(0, 0), size);
    if (!target) {
        placed.moveCenter(area.center());
        return placed;
    }
    // On its own screen the window stays where it was, pulled in as far as needed to be whole.
    placed.moveTopLeft(QPoint(qBound(area.left(), last.left(), area.right() - size.width() + 1),
                              qBound(area.top(), last.top(), area.bottom() - size.height() + 1)));
    return placed;
}
