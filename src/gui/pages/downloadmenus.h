#pragma once

// The downloading page's two choice menus: the speed limit and the one-click target.

#include <QPoint>
#include <QString>

namespace downloadmenus {

// "Original Video" or "Original Audio": the download is kept as it comes.
bool isOriginalTarget(const QString &target);

// Each shows its menu at the global position with the current value checked, and returns the
// value chosen (a speedLimitLabels() label, a target name), or an empty text when none was.
QString chooseSpeedLimit(const QPoint &at, const QString &current);
QString chooseConvertTarget(const QPoint &at, const QString &current);

} // namespace downloadmenus
