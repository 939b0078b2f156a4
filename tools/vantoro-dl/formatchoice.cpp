#include "formatchoice.h"

#include <QDir>
#include <QRegularExpression>

namespace choice {

QString formatFor(const QString &mediaType, const QString &videoQuality)
{
    if (mediaType == QLatin1String("audio"))
        return QStringLiteral("ba/b");
    static const QRegularExpression digits(QStringLiteral("[^0-9]"));
    const int height = QString(videoQuality).remove(digits).toInt();
    if (height > 0 && videoQuality.endsWith(QLatin1Char('P'), Qt::CaseInsensitive))
        return QStringLiteral("bv*[height<=%1]+ba/b[height<=%1]/bv*+ba/b").arg(height);
    return QStringLiteral("bv*+ba/b");
}

QString escapedForTemplate(QString text)
{
    return text.replace(QLatin1Char('%'), QLatin1String("%%"));
}

QString outputTemplate(const QString &folder, const QString &prefix)
{
    return escapedForTemplate(QDir(folder).absolutePath() + QLatin1Char('/') + prefix) +
           QStringLiteral("%(title|video).150B.%(ext)s");
}

QString fitStem(const QString &stem, int room)
{
    const QByteArray utf8 = stem.toUtf8();
    if (utf8.size() <= room)
        return stem;
    int cut = qMax(0, room);
    while (cut > 0 && (uchar(utf8.at(cut)) & 0xC0) == 0x80)
        --cut; // a continuation byte: the character starts before it
    return QString::fromUtf8(utf8.left(cut));
}

QString indexPrefix(int index, int count, bool reverse)
{
    const int number = reverse && count > 0 ? count - index + 1 : index;
    return number > 0 ? QStringLiteral("%1. ").arg(number) : QString();
}

QString titleFixArgument()
{
    // html5: every embedded video is numbered; generic: numbered when the page has several.
    return QStringLiteral("%(extractor)s|%(playlist_index|)s|%(title)s:"
                          "^(?:html5\\|[^|]*|generic\\|\\d+)\\|(?P<title>.+) \\(\\d+\\)$");
}

} // namespace choice
