#include "core/foundation/privatelistmanager.h"

#include "core/foundation/applog.h"
#include "core/foundation/passworddigest.h"
#include "core/foundation/preferences.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

PrivateListManager *PrivateListManager::instance()
{
    static PrivateListManager *shared = [] {
        auto *manager = new PrivateListManager;
        manager->migrateStoredPassword();
        return manager;
    }();
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

bool PrivateListManager::marksPrivate(const QString &url) const
{
    return isOn() && thumbnailsHidden() && !matchingKeyword(url).isEmpty();
}

void PrivateListManager::turnOn(const QString &password, bool hideThumbnails, bool hideFiles)
{
    Preferences *prefs = Preferences::instance();
    prefs->setPrivateListKey(passworddigest::make(password));
    unlockedFlag = false;
    prefs->setPrivateThumbnailsHidden(hideThumbnails);
    prefs->setPrivateFilesHidden(hideFiles);
    Q_EMIT locked();
}

bool PrivateListManager::turnOff(const QString &password)
{
    if (!checkPassword(password))
        return false;
    Q_EMIT unlocked(true);
    Preferences::instance()->setPrivateListKey(QString());
    return true;
}

bool PrivateListManager::unlock(const QString &password, bool remember)
{
    if (!checkPassword(password))
        return false;
    if (remember)
        unlockedFlag = true;
    Q_EMIT unlocked(false);
    return true;
}

bool PrivateListManager::checkPassword(const QString &password)
{
    const QString stored = Preferences::instance()->privateListKey();
    if (stored.isEmpty() || !passworddigest::matches(stored, password))
        return false;
    if (!passworddigest::isDigest(stored))
        Preferences::instance()->setPrivateListKey(passworddigest::make(password));
    return true;
}

bool PrivateListManager::migrateStoredPassword()
{
    const QString stored = Preferences::instance()->privateListKey();
    if (stored.isEmpty() || passworddigest::isDigest(stored))
        return false;
    // The old form is the password itself: its digest is all that is kept from now on.
    Preferences::instance()->setPrivateListKey(passworddigest::make(stored));
    writeLog(QStringLiteral("[PrivateListManager]"),
             QStringLiteral("stored password rewritten as a digest"));
    return true;
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
