#pragma once

// The grid of the browser's start page as a list model: the "Add New" tile first, then the
// stored sites. Every change is written to the tile file at once.

#include "core/browser/sitetiles.h"

#include <QAbstractListModel>

#include <functional>

class SiteTileModel : public QAbstractListModel
{
    Q_OBJECT
public:
    enum Roles
    {
        ElementRole = Qt::UserRole + 1
    };
    using PictureCheck = std::function<bool(const QString &)>;

    // `pictureExists` tells whether a tile picture can be loaded (resources are not linked into
    // every program); by default the file is looked for.
    explicit SiteTileModel(const QString &filePath, QObject *parent = nullptr,
                           PictureCheck pictureExists = PictureCheck());

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    WebElementData entry(int row) const { return entries.value(row); }
    QList<WebElementData> all() const { return entries; }

    // Builds the grid from the file, or from the built-in sites (and writes them) without one.
    void load();
    // A site of the user's, right after the "Add New" tile.
    void addSite(const QString &title, const QString &url);
    void removeTile(int row);
    // Deletes the file and loads again: the built-in sites return.
    void reset();

private:
    void insertEntry(int row, WebElementData entry);
    void save();

    QString path;
    PictureCheck exists;
    QList<WebElementData> entries;
};
