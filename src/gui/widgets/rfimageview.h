#pragma once

#include <QFrame>
#include <QPixmap>

class QLabel;
class QNetworkAccessManager;
class QNetworkReply;

// Shows a picture fetched from an address (a thumbnail); keeps the old one when fetching fails.
class RFImageView : public QFrame
{
    Q_OBJECT
public:
    explicit RFImageView(QWidget *parent = nullptr);

    void setImageUrl(const QString &url);
    void reload();
    void setPixmap(const QPixmap &pixmap);
    bool isLoaded() const { return loaded; }
    QSize sizeHint() const override { return QSize(100, 60); }

    // Asks for a picture as every thumbnail is asked for: through the system's proxy, from the
    // cache when it can be, following redirects that stay as safe.
    static QNetworkReply *requestPicture(QNetworkAccessManager *network, const QString &url);

Q_SIGNALS:
    void imageDownloaded(const QPixmap &pixmap, const QString &url);

private:
    void fetch();
    QLabel *label;
    QNetworkAccessManager *network;
    QString url;
    bool loaded = false;
};
