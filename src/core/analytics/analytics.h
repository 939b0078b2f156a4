#pragma once

#include <QString>

// Sends one anonymous usage event. Until the analytics client exists this only records the
// event at debug level.
void reportEvent(const QString &category, const QString &action, const QString &label = QString());
