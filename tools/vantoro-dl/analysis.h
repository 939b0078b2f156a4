#pragma once

// yt-dlp's description of an address (-J), for the modes that do not download: playlist listing
// and analysis only.

#include "context.h"

#include <QJsonObject>
#include <QStringList>

namespace analysis {

struct Result
{
    int code = 0; // out::Code
    QString error;
    QJsonObject info;
};

// Runs yt-dlp -J; a failure carries yt-dlp's reason and the matching code.
Result describe(Context &ctx, const QString &url, const QStringList &extra);

// "sniff_only": "true": the "sniff" line of an address, nothing downloaded.
int run(Context &ctx, params::Reader &reader, const QJsonObject &root);

} // namespace analysis
