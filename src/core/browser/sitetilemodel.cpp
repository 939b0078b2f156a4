#include "core/browser/sitetilemodel.h"

#include "core/foundation/savehealth.h"

#include <QFile>

SiteTileModel::SiteTileModel(const QString &filePath, QObject *parent, PictureCheck pictureExists)
    : QAbstractListModel(parent)
    , path(filePath)
    , exists(pictureExists ? std::move(pictureExists)
                           : [](const QString &file) { return QFile::exists(file); })
{
    qRegisterMetaType<WebElementData>("WebElementData");
    load();
}

int SiteTileModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : entries.size();
}

QVariant SiteTileModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= entries.size())
        return {};
    const WebElementData &e = entries.at(index.row());
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return e.name;
    if (role == ElementRole)
        return QVariant::fromValue(e);
    return {};
}

void SiteTileModel::load()
{
    beginResetModel();
    entries.clear();
    endResetModel();
    insertEntry(0, sitetiles::addNewTile());
    const std::optional<QList<WebElementData>> stored = sitetiles::load(path);
    if (!stored) {
        for (const WebElementData &site : sitetiles::builtInSites())
            insertEntry(entries.size(), site);
        save();
        return;
    }
    for (const WebElementData &site : *stored)
        insertEntry(entries.size(), site);
}

void SiteTileModel::insertEntry(int row, WebElementData entry)
{
    if (entry.kind != WebElementData::UserAdded && !exists(entry.icon)) {
        // A picture that is gone: the built-in site of the same name lends its own.
        const QString name = entry.name.compare(QLatin1String("Nicovideo"), Qt::CaseInsensitive)
                                 ? entry.name
                                 : QStringLiteral("Niconico");
        for (const WebElementData &site : sitetiles::builtInSites()) {
            if (site.name.compare(name, Qt::CaseInsensitive) == 0) {
                entry.icon = site.icon;
                entry.url = site.url;
                break;
            }
        }
        if (!exists(entry.icon)) {
            entry.kind = WebElementData::UserAdded;
            entry.colour = sitetiles::pickColour((row + 1) * 1000);
            entry.label = sitetiles::labelFromUrl(entry.url);
        }
    }
    row = qBound(0, row, entries.size());
    beginInsertRows(QModelIndex(), row, row);
    entries.insert(row, entry);
    endInsertRows();
}

void SiteTileModel::addSite(const QString &title, const QString &url)
{
    WebElementData site;
    site.name = title.trimmed();
    site.url = url.trimmed();
    site.kind = WebElementData::UserAdded;
    site.colour = sitetiles::pickColour(0);
    site.label = sitetiles::labelFromUrl(site.url);
    insertEntry(qMin(1, entries.size()), site);
    save();
}

void SiteTileModel::removeTile(int row)
{
    if (row < 0 || row >= entries.size())
        return;
    beginRemoveRows(QModelIndex(), row, row);
    entries.removeAt(row);
    endRemoveRows();
    save();
}

void SiteTileModel::reset()
{
    QFile::remove(path);
    load();
}

void SiteTileModel::save()
{
    SaveHealth::instance()->report(sitetiles::save(path, entries), this, [this] { save(); });
}
