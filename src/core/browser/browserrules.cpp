#include "core/browser/browserrules.h"

#include <QRegularExpression>

namespace browserrules {

namespace {
const QString kOnlyFansHost = QStringLiteral("onlyfans.com");
const QString kInstagramHost = QStringLiteral("www.instagram.com");
const QString kSafariAgent =
    QStringLiteral("Mozilla/5.0 (Macintosh; Intel Mac OS X 10_15_7) AppleWebKit/605.1.15 (KHTML, "
                   "like Gecko) Version/14.0 Safari/605.1.15");
const QString kChat = QStringLiteral("/my/chats/chat/");
} // namespace

bool isSinglePageMove(const QString &previous, const QString &current)
{
    if (!current.contains(kOnlyFansHost + QLatin1Char('/')))
        return false;
    if (current.contains(kChat) || current.endsWith(kOnlyFansHost + QLatin1Char('/')))
        return true;
    return previous.contains(kChat) && !current.endsWith(QLatin1String("/my/chats/")) &&
           !current.contains(QLatin1String("/my/"));
}

QString brandedUserAgent(const QString &engineAgent, const QString &product, const QString &version)
{
    QString agent = engineAgent;
    static const QRegularExpression engine(QStringLiteral("QtWebEngine/[^\\s]+"));
    return agent.replace(engine, QStringLiteral("%1/%2").arg(product, version));
}

QString userAgentFor(const QString &url, const QString &defaultAgent)
{
    return url.contains(kInstagramHost) ? kSafariAgent : defaultAgent;
}

} // namespace browserrules
