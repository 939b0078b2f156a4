// The browser bridge message: what a page script hands to the "bridge" object, the page headers
// it carries, and the cookie file a page's cookies become.
#include "core/browser/bridgemessage.h"
#include "core/browser/sitecookies.h"
#include "fuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzing::prepare();
    const QByteArray input = fuzzing::bytes(data, size);
    QString why;
    const std::optional<BridgeMessage> message = bridge::parseMessage(input, &why);
    bridge::loggable(input);
    const QString metadata = message ? message->metadata : QString::fromUtf8(input);
    const QVariantMap headers = bridge::httpHeaders(metadata);
    bridge::makeMetadata(headers);
    // Only the allowed headers pass.
    const QVariantMap kept = bridge::httpHeaders(bridge::pageMetadata(metadata));
    for (auto it = kept.begin(); it != kept.end(); ++it) {
        if (!QStringList{"UserAgent", "Referer", "Origin", "Accept-Language"}.contains(it.key()))
            std::abort();
    }
    // A cookie file has one line per cookie, whatever the cookie holds.
    QNetworkCookie cookie(input.left(32), input.mid(32, 64));
    cookie.setDomain(QString::fromUtf8(input.mid(96, 32)));
    const QByteArray file = sitecookies::netscapeFile({cookie});
    if (file.count('\n') > 2)
        std::abort();
    sitecookies::siteOf(QUrl(QString::fromUtf8(input.left(256))));
    // Only web addresses pass (the scheme in any letter case).
    const QString scheme = message ? QUrl(message->url).scheme().toLower() : QString();
    if (message && scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        std::abort();
    return 0;
}
