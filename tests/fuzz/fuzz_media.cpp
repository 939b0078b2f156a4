// What a download brings home and what the application hands the download tool: the header of a
// saved media file (read for its length, picture size, codecs and whether all of it arrived) and
// a Netscape cookie file or a page's Cookie header (kept to one site). Anyone may have written
// these bytes.
#include "container.h"
#include "cookies.h"
#include "fuzzing.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzing::prepare();
    QByteArray bytes = fuzzing::bytes(data, size);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const container::Facts facts = container::inspect(buffer);
    if (!(facts.info.duration >= 0) || facts.info.width < 0 || facts.info.height < 0)
        std::abort();
    const QString site = QStringLiteral("example.com");
    const QList<cookies::Entry> kept = cookies::fromFile(bytes, site);
    for (const cookies::Entry &e : kept) {
        const QString host = e.domain.startsWith(QLatin1Char('.')) ? e.domain.mid(1) : e.domain;
        if (!cookies::onSite(host, site))
            std::abort();
    }
    // Whatever the page sent, every cookie is one line of the file the tool writes.
    const QList<cookies::Entry> page = cookies::fromHeader(QString::fromUtf8(bytes), site, false);
    if (cookies::toFile(kept + page).count('\n') != kept.size() + page.size() + 1)
        std::abort();
    return 0;
}
