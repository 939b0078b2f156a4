#pragma once

// The road from a page's "bridge" message to a download request. Web pages are hostile, so a
// message becomes a request only when:
//   - the user just clicked the page's download button: the press reached the view from the
//     window system (a page script can make DOM events, never these), within
//     RequestGate::kGestureMs, once per press, at most RequestGate::kPerMinute a minute; and the
//     element under the press (or, for a key, the focused element) is one of the buttons our
//     page scripts made, asked in the scripts' own world, which the page's scripts cannot reach;
//   - its address is not on the user's machine or network unless the page is (AddressGuard);
// and it carries only the page's allowed headers (bridge::pageMetadata) and, as a Netscape cookie
// file, the cookies of the page's own site when the address is on that site. Everything else is
// dropped and counted; the log gets the counts, never a cookie or a header.

#include "core/browser/requestgate.h"

#include <QByteArray>
#include <QList>
#include <QNetworkCookie>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

class AddressGuard;
class QTimer;
class QWebEngineView;
class WebsiteApi;
struct BridgeMessage;

class PageRequests : public QObject
{
    Q_OBJECT
public:
    // Requests between the click and the download request (checks, look-ups, analyses).
    static constexpr int kMaxPending = 4;

    explicit PageRequests(const QList<QNetworkCookie> *browserCookies, QObject *parent = nullptr);
    ~PageRequests() override;

    RequestGate &gate() { return requestGate; }
    AddressGuard *addressGuard() const { return guard; }
    WebsiteApi *websiteApi() const { return api; }

    // Follows `view`: the presses and keys the window system delivers to it, and the documents
    // it shows (a press counts only for the document it was made in).
    void watch(QWebEngineView *view);

    // One message from the page's "bridge" object.
    void onBridgeMessage(const QString &data);

Q_SIGNALS:
    // `cookies` is a Netscape cookie file's text, empty when none go with the download.
    void downloadRequested(const QString &url, const QString &metadata, const QByteArray &cookies);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Request;
    void checkButton(const std::shared_ptr<Request> &request);
    void checkAddress(const std::shared_ptr<Request> &request, const QString &url,
                      const QString &metadata, bool direct);
    void handOver(const std::shared_ptr<Request> &request, const QString &url,
                  const QString &metadata);
    void refuse(const std::shared_ptr<Request> &request, const QString &why);
    void dropped();
    void reportDrops();
    void newDocument();

    RequestGate requestGate;
    const QList<QNetworkCookie> *cookies;
    AddressGuard *guard;
    WebsiteApi *api;
    QPointer<QWebEngineView> view;
    quint64 document = 1;
    int pending = 0;
    QTimer *dropReport;
    int reportedWithoutClick = 0;
    int reportedOverLimit = 0;
    int refusedWithoutClick = 0; // taken, but the press was not on a button of ours
};
