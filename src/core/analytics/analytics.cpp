#include "core/analytics/analytics.h"

#include "core/analytics/ganalytics.h"
#include "core/foundation/addressrules.h"
#include "core/foundation/applog.h"
#include "core/foundation/preferences.h"
#include "core/foundation/privatelistmanager.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPointer>
#include <QSet>

#include <memory>

namespace analytics {

namespace {

QPointer<GAnalytics> theClient;
QString screenResolution;

void report(GAnalytics *c, const QString &category, const QString &action, const QString &label)
{
    writeLog(action, label);
    c->sendEvent(category, action, label);
}

GAnalytics *createClient()
{
    QObject *owner = QCoreApplication::instance();
    auto *c = new GAnalytics(trackingId(), owner);
    writeLog(QStringLiteral("GAnalytics"), trackingId());
    c->setSendInterval(2000);
    c->setScreenResolution(screenResolution);
    const QLocale locale = QLocale::system();
    const QString system = QStringLiteral("System");
    report(c, system, QStringLiteral("SysOS"), GAnalytics::operatingSystemText());
    report(c, system, QStringLiteral("SysLanguage"), locale.name());
    report(c, system, QStringLiteral("SysCountry"), QLocale::countryToString(locale.country()));
    report(c, system, QStringLiteral("SysScreenResolution"), screenResolution);
    c->sendEvent(QStringLiteral("Product"), QCoreApplication::applicationVersion());
    return c;
}

// The site names ("pornhub") of the adult-site keywords ("pornhub.com/").
QSet<QString> adultSiteNames()
{
    QSet<QString> names;
    for (const QString &keyword : PrivateListManager::instance()->keywords())
        names.insert(siteNameFromUrl(QStringLiteral("https://") + keyword).toLower());
    names.remove(QString());
    return names;
}

} // namespace

QString trackingId()
{
    return QStringLiteral("UA-190253741-1");
}

QString collectorAddress()
{
    const QString environment = qEnvironmentVariable("CLIPMOOR_ANALYTICS_URL").trimmed();
    if (!environment.isEmpty())
        return environment;
    return Preferences::instance()->analyticsCollector().trimmed();
}

bool usageStatisticsChosen()
{
    return Preferences::instance()->sendUsageStatistics().value_or(!collectorAddress().isEmpty());
}

bool isEnabled()
{
    return !collectorAddress().isEmpty() && usageStatisticsChosen();
}

QString safeLabel(const QString &label)
{
    QString site = label;
    if (label.contains(QLatin1String("://"))) {
        if (!PrivateListManager::instance()->matchingKeyword(label).isEmpty())
            return QString();
        const QUrl url(label);
        site = url.host().isEmpty()
                   ? QString()
                   : siteNameFromUrl(QStringLiteral("https://") + url.host() + QLatin1Char('/'));
    }
    static const QSet<QString> adult = adultSiteNames();
    return adult.contains(site.toLower()) ? QString() : site;
}

void setScreenResolution(const QString &resolution)
{
    screenResolution = resolution;
    if (theClient)
        theClient->setScreenResolution(resolution);
}

GAnalytics *client()
{
    return theClient;
}

void finishReporting(int timeoutMs, std::function<void()> done)
{
    if (!theClient || theClient->queuedCount() == 0) {
        done();
        return;
    }
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = QObject::connect(theClient, &GAnalytics::finished, theClient, [connection, done] {
        QObject::disconnect(*connection);
        done();
    });
    theClient->finish(timeoutMs);
}

} // namespace analytics

void reportEvent(const QString &category, const QString &action, const QString &label,
                 const QVariant &value, const QVariantMap &customValues)
{
    const QString collector = analytics::collectorAddress();
    if (collector.isEmpty() || !analytics::usageStatisticsChosen()) {
        // Turned off: what was waiting is not sent either.
        if (analytics::theClient)
            analytics::theClient->deleteLater();
        analytics::theClient = nullptr;
        return;
    }
    if (!analytics::theClient)
        analytics::theClient = analytics::createClient();
    analytics::theClient->setCollector(QUrl(collector));
    analytics::theClient->sendEvent(category, action, analytics::safeLabel(label), value,
                                    customValues);
}
