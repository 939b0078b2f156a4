// The browser bridge message: what a page script hands to the "bridge" object, and the page
// headers it carries.
#include "core/browser/bridgemessage.h"
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
    QNetworkCookie cookie("session", input.left(64));
    bridge::withCookies(metadata, QUrl(QStringLiteral("https://example.invalid/")), {cookie});
    // Only web addresses pass (the scheme in any letter case).
    const QString scheme = message ? QUrl(message->url).scheme().toLower() : QString();
    if (message && scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        std::abort();
    return 0;
}
