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

QString PrivateListManager::addressForLog(const QString &url) const
{
    if (isOn() && !matchingKeyword(url).isEmpty())
        return QStringLiteral("(a private address)");
    return url;
}

void PrivateListManager::turnOn(const QString &password, bool hideThumbnails, bool hideFiles)
{
    apply(TurnOn, derive(TurnOn, QString(), password), hideThumbnails, hideFiles);
}

bool PrivateListManager::turnOff(const QString &password)
{
    return apply(TurnOff, derive(TurnOff, storedKey(), password));
}

bool PrivateListManager::unlock(const QString &password, bool remember)
{
    return apply(Unlock, derive(Unlock, storedKey(), password), false, false, remember);
}

bool PrivateListManager::checkPassword(const QString &password)
{
    const PasswordCheck check = derive(Unlock, storedKey(), password);
    if (check.matches && !check.newDigest.isEmpty())
        Preferences::instance()->setPrivateListKey(check.newDigest);
    return check.matches;
}

QString PrivateListManager::storedKey() const
{
    return Preferences::instance()->privateListKey();
}

PrivateListManager::PasswordCheck PrivateListManager::derive(int mode, const QString &stored,
                                                             const QString &typed)
{
    PasswordCheck check;
    if (mode == TurnOn) {
        check.matches = true;
        check.newDigest = passworddigest::make(typed);
        return check;
    }
    check.matches = !stored.isEmpty() && passworddigest::matches(stored, typed);
    if (check.matches && !passworddigest::isDigest(stored))
        check.newDigest = passworddigest::make(typed);
    return check;
}

bool PrivateListManager::apply(int mode, const PasswordCheck &check, bool hideThumbnails,
                               bool hideFiles, bool remember)
{
    Preferences *prefs = Preferences::instance();
    if (mode == TurnOn) {
        prefs->setPrivateListKey(check.newDigest);
        unlockedFlag = false;
        prefs->setPrivateThumbnailsHidden(hideThumbnails);
        prefs->setPrivateFilesHidden(hideFiles);
        Q_EMIT locked();
        return true;
    }
    if (!check.matches)
        return false;
    if (!check.newDigest.isEmpty())
        prefs->setPrivateListKey(check.newDigest);
    if (mode == TurnOff) {
        Q_EMIT unlocked(true);
        prefs->setPrivateListKey(QString());
        return true;
    }
    if (remember)
        unlockedFlag = true;
    Q_EMIT unlocked(false);
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
