#include "provision/dltoolmanager.h"

#include "app/applog.h"
#include "app/globals.h"
#include "app/preferences.h"
#include "platform/platform.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QString kTag = QStringLiteral("[DlToolManager]");
}

DlToolManager *DlToolManager::instance()
{
    static DlToolManager *manager = new DlToolManager;
    return manager;
}

DlToolManager::DlToolManager(QObject *parent)
    : QObject(parent)
{
    const QString dir = managerDir();
    if (!QFileInfo::exists(dir))
        QDir().mkpath(dir);
    locationValue = Preferences().value(QStringLiteral("DlToolLocation")).toString();
    writeLog(kTag, QStringLiteral("[init] location: %1, exist: %2")
                       .arg(locationValue)
                       .arg(QFileInfo::exists(locationValue) ? 1 : 0));
}

QString DlToolManager::defaultToolPath()
{
    return applicationDir() + QLatin1Char('/') +
           platform::executableName(QStringLiteral("vantoro-dl"));
}

QString DlToolManager::managerDir()
{
    return appDataDir() + "/vantoro-dl";
}

bool DlToolManager::isAvailable() const
{
    if (!locationValue.isEmpty() && QFileInfo::exists(locationValue))
        return true;
    writeLog(kTag, QStringLiteral("[checkLatestLocation] Not find latest or not updated, try check "
                                  "default..."));
    if (QFileInfo::exists(defaultToolPath()))
        return true;
    writeLog(kTag, QStringLiteral("[checkLatestLocation] Not find default."));
    return false;
}

QString DlToolManager::toolPath() const
{
    if (!locationValue.isEmpty() && QFileInfo::exists(locationValue))
        return locationValue;
    return defaultToolPath();
}
