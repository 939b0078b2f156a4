#pragma once

// The downloading page's two choice menus: the speed limit and the one-click target.

#include <QString>

class QMenu;
class QWidget;

namespace downloadmenus {

// "Original Video" or "Original Audio": the download is kept as it comes.
bool isOriginalTarget(const QString &target);

// Each builds its menu of checkable entries with the current value checked, for the caller to
// open with popup() and to follow through QMenu::triggered: the chosen entry's data() is its
// value (a speedLimitLabels() label, a target name). The menu belongs to `parent` and deletes
// itself once it has closed.
QMenu *speedLimitMenu(QWidget *parent, const QString &current);
QMenu *convertTargetMenu(QWidget *parent, const QString &current);
// The menu the caller fills itself, styled and deleting itself in the same way.
QMenu *popupMenu(QWidget *parent);

} // namespace downloadmenus
