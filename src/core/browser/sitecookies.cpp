#include "core/browser/sitecookies.h"

#include <QHostAddress>
#include <QStringList>

namespace sitecookies {

namespace {

QString publicSuffix(const QUrl &url)
{
    // The public suffix list compiled into Qt, the one its own cookie jar checks cookie domains
    // against. (Qt 6 drops this call; its replacement is the cookie jar's own check.)
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    return url.topLevelDomain(QUrl::FullyEncoded);
    QT_WARNING_POP
}

bool fieldWritable(const QByteArray &field)
{
    for (const char c : field) {
        if (c == '\t' || c == '\n' || c == '\r' || c == '\0')
            return false;
    }
    return true;
}

QString hostOf(const QUrl &url)
{
    return url.host(QUrl::FullyEncoded).toLower();
}

} // namespace

QString siteOf(const QUrl &url)
{
    const QString host = hostOf(url);
    if (host.isEmpty() || !QHostAddress(host).isNull())
        return host;
    const QStringList labels = host.split(QLatin1Char('.'), Qt::SkipEmptyParts);
    const QString suffix = publicSuffix(url);
    // A name the list does not know ends in a suffix of one label, as the list's default rule
    // says.
    const int suffixLabels =
        suffix.isEmpty() ? 1 : suffix.split(QLatin1Char('.'), Qt::SkipEmptyParts).size();
    if (labels.size() <= suffixLabels)
        return host; // "localhost", or a suffix itself
    return labels.mid(labels.size() - suffixLabels - 1).join(QLatin1Char('.'));
}

bool sameSite(const QUrl &a, const QUrl &b)
{
    const QString site = siteOf(a);
    return !site.isEmpty() && site == siteOf(b);
}

QList<QNetworkCookie> ofSite(const QList<QNetworkCookie> &cookies, const QString &site,
                             const QDateTime &now)
{
    QList<QNetworkCookie> out;
    if (site.isEmpty())
        return out;
    const QString dotted = QLatin1Char('.') + site;
    for (const QNetworkCookie &cookie : cookies) {
        QString domain = cookie.domain().toLower();
        if (domain.startsWith(QLatin1Char('.')))
            domain.remove(0, 1);
        if (domain != site && !domain.endsWith(dotted))
            continue;
        if (!cookie.isSessionCookie() && cookie.expirationDate() <= now)
            continue;
        out << cookie;
        if (out.size() >= kMaxCookies)
            break;
    }
    return out;
}

QList<QNetworkCookie> forDownload(const QList<QNetworkCookie> &cookies, const QUrl &page,
                                  const QUrl &target, const QDateTime &now)
{
    if (!sameSite(page, target))
        return {};
    return ofSite(cookies, siteOf(page), now);
}

QByteArray netscapeFile(const QList<QNetworkCookie> &cookies)
{
    QByteArray lines;
    for (const QNetworkCookie &cookie : cookies) {
        const QByteArray domain = cookie.domain().toLower().toUtf8();
        const QByteArray path = cookie.path().isEmpty() ? QByteArray("/") : cookie.path().toUtf8();
        if (domain.isEmpty() || cookie.name().isEmpty() || !fieldWritable(domain) ||
            !fieldWritable(path) || !fieldWritable(cookie.name()) || !fieldWritable(cookie.value()))
            continue;
        const bool subdomains = domain.startsWith('.');
        const qint64 expiry = cookie.isSessionCookie()
                                  ? 0
                                  : qMax<qint64>(1, cookie.expirationDate().toSecsSinceEpoch());
        QByteArray line = (cookie.isHttpOnly() ? "#HttpOnly_" : "") + domain + '\t' +
                          (subdomains ? "TRUE" : "FALSE") + '\t' + path + '\t' +
                          (cookie.isSecure() ? "TRUE" : "FALSE") + '\t' +
                          QByteArray::number(expiry) + '\t' + cookie.name() + '\t' +
                          cookie.value() + '\n';
        if (lines.size() + line.size() > kMaxFileBytes)
            break;
        lines += line;
    }
    if (lines.isEmpty())
        return {};
    return "# Netscape HTTP Cookie File\n" + lines;
}

} // namespace sitecookies
