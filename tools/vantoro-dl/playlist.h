#pragma once

// Playlist listing, and the addresses it gives its entries. An entry's address must fetch exactly
// that entry when the application hands it back for download: an entry with an address of its
// own keeps it; an entry that is only a part of the listed page (several videos on one page) is
// the page's address with "#vantoro-item=N/COUNT" added. Both carry their place in the list
// ("#vantoro-index=N/COUNT" on an own address), for numbered file names.

#include "context.h"

#include <QJsonObject>
#include <QString>

namespace playlist {

struct EntryAddress
{
    QString url;      // what yt-dlp is given
    int pageItem = 0; // > 0: fetch this item of the page at `url`
    int index = 0;    // the entry's place in the list, 0 when not from a listing
    int count = 0;
};

EntryAddress parseEntryAddress(const QString &address);
QString entryAddress(const QString &url, bool pageItem, int index, int count);

// "downloader"."playlist": "true": lists the entries in batches of 100.
int run(Context &ctx, params::Reader &reader, const QJsonObject &root);

} // namespace playlist
