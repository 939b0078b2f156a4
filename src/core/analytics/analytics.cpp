#include "core/analytics/analytics.h"

#include <QDebug>

void reportEvent(const QString &category, const QString &action, const QString &label)
{
    qDebug() << "reportEvent" << category << action << label;
}
