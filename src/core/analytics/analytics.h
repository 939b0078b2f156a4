#pragma once

// Anonymous usage events. Nothing is sent unless a collector is configured (the setting, or
// $CLIPMOOR_ANALYTICS_URL) and the user did not turn "Send anonymous usage statistics" off.
// No address, title, file name or cookie ever goes into a hit: an address given as a label is
// reduced to its site's name, and adult sites are never named.

#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <functional>

class GAnalytics;

// Sends one usage event. The first call (with reporting on) creates the client, which first
// reports the system facts and the product version.
void reportEvent(const QString &category, const QString &action, const QString &label = QString(),
                 const QVariant &value = QVariant(), const QVariantMap &customValues = {});

namespace analytics {

// The tracking identifier every hit carries.
QString trackingId();
// The collector's address: $CLIPMOOR_ANALYTICS_URL when set, else the setting (empty: none).
QString collectorAddress();
// Whether "Send anonymous usage statistics" is on: the user's choice, or, until the user chose,
// on exactly when a collector is configured.
bool usageStatisticsChosen();
// Whether events are sent at all: a collector is configured and the statistics are on.
bool isEnabled();
// The label as it may be sent: an address becomes its site's name, an adult site nothing.
QString safeLabel(const QString &label);
// The primary screen's size, set by the interface before the first report ("1280x800").
void setScreenResolution(const QString &resolution);
// The client, or null before the first report.
GAnalytics *client();
// Posts what is waiting and then calls `done`: at once when nothing waits, at the latest after
// `timeoutMs`. Used when the application quits.
void finishReporting(int timeoutMs, std::function<void()> done);

} // namespace analytics
