#include "gui/pages/privatelistmanager.h"

#include "core/foundation/applog.h"
#include "core/foundation/preferences.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

PrivateListManager *PrivateListManager::instance()
{
    static PrivateListManager *shared = new PrivateListManager;
    return shared;
}

bool PrivateListManager::isOn() const
{
    return !Preferences::instance()->privateListKey().isEmpty();
}

bool PrivateListManager::thumbnailsHidden() const
{
    return Preferences::instance()->privateThumbnailsHidden();
}

bool PrivateListManager::filesHidden() const
{
    return Preferences::instance()->privateFilesHidden();
}

QStringList PrivateListManager::keywords() const
{
    if (keywordsRead)
        return cachedKeywords;
    keywordsRead = true;
    QFile file(QStringLiteral(":/res/websites.json"));
    if (!file.open(QIODevice::ReadOnly)) {
        writeLog(QStringLiteral("[PrivateListManager]"),
                 QStringLiteral("websites.json File open error"));
        return cachedKeywords;
    }
    const QJsonArray sites = QJsonDocument::fromJson(file.readAll())
                                 .object()
                                 .value(QStringLiteral("Adult Websites"))
                                 .toArray();
    for (const QJsonValue &site : sites)
        cachedKeywords << site.toObject().value(QStringLiteral("keyWord")).toString();
    return cachedKeywords;
}

QString PrivateListManager::matchingKeyword(const QString &url) const
{
    for (const QString &keyword : keywords()) {
        if (!keyword.isEmpty() && url.contains(keyword, Qt::CaseInsensitive))
            return keyword;
    }
    return QString();
}

int PrivateListManager::ask(int mode)
{
    if (!askHandler) {
        writeLog(QStringLiteral("[PrivateListManager]"),
                 QStringLiteral("no password dialog; mode %1 cancelled").arg(mode));
        return 0;
    }
    return askHandler(mode);
}
