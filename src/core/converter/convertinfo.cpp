#include "core/converter/convertinfo.h"

#include "core/foundation/paths.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QHash>

namespace convertparams {

QString convertJsonPath(const QString &formatName)
{
    QString name = formatName;
    name.remove(QStringLiteral("/iPod"));
    const QString path = resourcePath(QStringLiteral("OneClickedType/") + name + ".json");
    qDebug() << "convertJsonPath" << path;
    return path;
}

QString resolutionFor(const QString &label)
{
    if (label.contains(QLatin1Char('P'))) {
        static const QHash<QString, QString> table = {
            {"2160P", "3840x2160"}, {"1440P", "2560x1440"}, {"1080P", "1920x1080"},
            {"720P", "1280x720"},   {"480P", "720x480"},    {"360P", "480x360"},
            {"240P", "320x240"}};
        return table.value(label);
    }
    if (label == QLatin1String("2K"))
        return QStringLiteral("2560x1040");
    if (label == QLatin1String("4K"))
        return QStringLiteral("3840x2160");
    return QStringLiteral("origin");
}

QJsonObject build(const ConvertInfo &info, const QString &input, const QString &workDir)
{
    QJsonObject converter;
    if (info.isVideo == 0) {
        QString rate = QStringLiteral("origin");
        if (info.audioBitRate.contains(QLatin1String("Kb/s")))
            rate = QString(info.audioBitRate).replace(QLatin1String("Kb/s"), QLatin1String("K"));
        converter.insert("audio", QJsonObject{{"bit_rate", rate}});
    } else {
        converter.insert("video", QJsonObject{{"resolution", resolutionFor(info.resolution)}});
        if (info.isMute)
            converter.insert("audio", QJsonObject{{"encoder", "none"}});
    }
    converter.insert("input", input);
    converter.insert("preset", convertJsonPath(info.formatName));
    converter.insert("save_path", workDir);
    converter.insert("isNeedConvert", "true");

    QJsonObject root;
    root.insert("ffmpeg_location",
                QDir::toNativeSeparators(QFileInfo(ffmpegPath()).absolutePath()));
    root.insert("log_path", logDir());
    root.insert("converter", converter);
    return root;
}

} // namespace convertparams
