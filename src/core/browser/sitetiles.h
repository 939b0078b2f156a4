#pragma once

// The site tiles of the browser's start page: what one tile holds, the built-in sites, the
// colours and labels of sites the user adds, and the file "online.dat" that keeps the grid.

#include "core/foundation/safesave.h"

#include <QList>
#include <QMetaType>
#include <QString>
#include <QTime>

#include <optional>

struct WebElementData
{
    enum Kind
    {
        BuiltIn = 0,
        UserAdded = 1,
        AddNew = 2
    };

    QString name;
    QString url;
    QString icon; // resource path of the picture, empty for sites the user added
    qint32 kind = BuiltIn;
    QString colour; // "#RRGGBB", background of a user-added tile
    QString label;  // big text on a user-added tile

    bool operator==(const WebElementData &other) const;
};
Q_DECLARE_METATYPE(WebElementData)

namespace sitetiles {

// The fourteen built-in sites in grid order.
const QList<WebElementData> &builtInSites();
// The first tile, never stored.
WebElementData addNewTile();
// Twenty background colours for tiles of sites the user added.
const QStringList &colourTable();
// A colour of the table picked by the C random generator seeded from the time of day and `salt`.
QString pickColour(int salt, const QTime &now = QTime::currentTime());
// "https://www.example.com" -> "example": the scheme and "www." removed, the text before the
// last ".".
QString labelFromUrl(const QString &url);

// "online.dat" in the folder "online" of the data folder.
QString onlineFile();

// Writes the entries of kinds 0 and 1, in order (through a QSaveFile). False when it failed.
safesave::Outcome save(const QString &path, const QList<WebElementData> &entries);
// The stored entries, or nothing when the file is missing or unreadable. A file damaged part way
// gives the entries before the damage; entries of other kinds or with overlong texts are
// skipped. Files larger than 1 MiB or with more than 1000 entries are refused.
std::optional<QList<WebElementData>> load(const QString &path);

} // namespace sitetiles
