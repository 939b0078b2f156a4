#include "core/foundation/stylemanager.h"

#include "core/foundation/paths.h"

#include <QFile>

StyleManager *StyleManager::instance()
{
    static StyleManager *manager = new StyleManager;
    return manager;
}

QString StyleManager::styleSheet(const QString &fileName) const
{
    QFile file(resourcePath("qss/" + fileName));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    return QString::fromUtf8(file.readAll()).trimmed();
}
