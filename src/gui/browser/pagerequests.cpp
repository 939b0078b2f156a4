#include "gui/browser/pagerequests.h"

#include "core/browser/addressguard.h"
#include "core/browser/bridgemessage.h"
#include "core/browser/sitecookies.h"
#include "core/browser/websiteapi.h"
#include "core/foundation/applog.h"
#include "core/foundation/privatelistmanager.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>

#include <optional>

namespace {
const QString kTag = QStringLiteral("[BrowserWindow]");
constexpr int kDropReportMs = 1000;
} // namespace

struct PageRequests::Request
{
    quint64 document = 0;
    QUrl page; // the document the request came from
    RequestGate::Gesture gesture;
    BridgeMessage message;
};

PageRequests::PageRequests(const QList<QNetworkCookie> *browserCookies, QObject *parent)
    : QObject(parent)
    , cookies(browserCookies)
    , guard(new AddressGuard(this))
    , api(new WebsiteApi(this))
    , dropReport(new QTimer(this))
{
    dropReport->setSingleShot(true);
    dropReport->setInterval(kDropReportMs);
    connect(dropReport, &QTimer::timeout, this, &PageRequests::reportDrops);
}

PageRequests::~PageRequests()
{
    reportDrops();
}

void PageRequests::watch(QWebEngineView *webView)
{
    view = webView;
    newDocument();
    // Input reaches the engine through a child widget the view makes once the page renders (its
    // focus proxy); it is watched from the moment it is added.
    webView->installEventFilter(this);
    for (QObject *child : webView->children()) {
        if (child->isWidgetType())
            child->installEventFilter(this);
    }
    // A new document, not a move within one (a site that changes its address as it plays).
    connect(webView, &QWebEngineView::loadStarted, this, &PageRequests::newDocument);
}

void PageRequests::newDocument()
{
    ++document;
}

bool PageRequests::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    // Only these; the view is not looked at for any other event (it may be half destroyed).
    if (type != QEvent::ChildAdded && type != QEvent::MouseButtonPress &&
        type != QEvent::MouseButtonRelease && type != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    if (!view || (watched != view && watched->parent() != view))
        return QObject::eventFilter(watched, event);
    switch (type) {
    case QEvent::ChildAdded: {
        QObject *child = static_cast<QChildEvent *>(event)->child();
        if (watched == view && child->isWidgetType())
            child->installEventFilter(this);
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease: {
        // Only what the window system delivered: an event made inside the application (never
        // by a page) is not the user's.
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (!event->spontaneous() || mouse->button() != Qt::LeftButton)
            break;
        const QPointF at =
            static_cast<QWidget *>(watched)->mapTo(view, mouse->localPos().toPoint());
        if (event->type() == QEvent::MouseButtonPress)
            requestGate.notePress(document, at);
        else
            requestGate.noteRelease(document, at);
        break;
    }
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        if (event->spontaneous() && !key->isAutoRepeat() &&
            (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
             key->key() == Qt::Key_Space))
            requestGate.noteKey(document);
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void PageRequests::onBridgeMessage(const QString &data)
{
    auto request = std::make_shared<Request>();
    const RequestGate::Verdict verdict = requestGate.take(document, &request->gesture);
    if (verdict != RequestGate::Verdict::Accepted || !view) {
        if (verdict == RequestGate::Verdict::Accepted)
            requestGate.noteRefused();
        dropped();
        return;
    }
    if (pending >= kMaxPending) {
        requestGate.noteRefused();
        writeLog(kTag,
                 QStringLiteral("bridge: dropped a request, %1 still being checked").arg(pending));
        return;
    }
    const QByteArray bytes = data.toUtf8();
    writeLog(QStringLiteral("onDownloadStarted"),
             PrivateListManager::instance()->addressForLog(bridge::loggable(bytes)));
    QString why;
    const std::optional<BridgeMessage> message = bridge::parseMessage(bytes, &why);
    if (!message) {
        requestGate.noteRefused();
        writeLog(
            QStringLiteral("[Error] "),
            QStringLiteral("[BrowserWindow] onDownloadStarted => invalid json! (%1)").arg(why));
        return;
    }
    request->message = *message;
    request->message.metadata = bridge::pageMetadata(message->metadata);
    request->document = document;
    request->page = view->url();
    ++pending;
    checkButton(request);
}

void PageRequests::checkButton(const std::shared_ptr<Request> &request)
{
    // Asked in the page scripts' own world: the page's scripts can neither answer for them nor
    // make an element of theirs pass for one of our buttons.
    const qreal zoom = view->zoomFactor() > 0 ? view->zoomFactor() : 1.0;
    const QString question =
        request->gesture.key
            ? QStringLiteral("!!(window.__clipmoor && __clipmoor.hitFocused())")
            : QStringLiteral("!!(window.__clipmoor && __clipmoor.hitButton(%1, %2))")
                  .arg(request->gesture.position.x() / zoom)
                  .arg(request->gesture.position.y() / zoom);
    QPointer<PageRequests> self(this);
    view->page()->runJavaScript(
        question, QWebEngineScript::ApplicationWorld, [self, request](const QVariant &answer) {
            if (!self)
                return;
            if (!answer.toBool() || request->document != self->document) {
                ++self->refusedWithoutClick;
                self->refuse(request, QString());
                self->dropped();
                return;
            }
            self->checkAddress(request, request->message.url, request->message.metadata,
                               request->message.direct);
        });
}

void PageRequests::checkAddress(const std::shared_ptr<Request> &request, const QString &url,
                                const QString &metadata, bool direct)
{
    QPointer<PageRequests> self(this);
    guard->check(request->page, QUrl(url),
                 [self, request, url, metadata, direct](bool ok, const QString &why) {
                     if (!self)
                         return;
                     if (!ok) {
                         self->refuse(request, why);
                         return;
                     }
                     if (direct) {
                         self->handOver(request, url, metadata);
                         return;
                     }
                     const QList<QNetworkCookie> site =
                         sitecookies::ofSite(*self->cookies, sitecookies::siteOf(request->page));
                     self->api->analyse(
                         url, metadata, site,
                         [self, request](const QString &media, const QString &analysed) {
                             if (!self)
                                 return;
                             if (media.isEmpty()) {
                                 self->refuse(request, QString());
                                 return;
                             }
                             self->checkAddress(request, media, analysed, true);
                         });
                 });
}

void PageRequests::handOver(const std::shared_ptr<Request> &request, const QString &url,
                            const QString &metadata)
{
    --pending;
    const QByteArray file =
        sitecookies::netscapeFile(sitecookies::forDownload(*cookies, request->page, QUrl(url)));
    writeLog(QStringLiteral("[BrowserWindow] onDownloadStarted => url: "),
             PrivateListManager::instance()->addressForLog(url));
    Q_EMIT downloadRequested(url, metadata, file);
}

void PageRequests::refuse(const std::shared_ptr<Request> &, const QString &why)
{
    --pending;
    requestGate.noteRefused();
    if (!why.isEmpty())
        writeLog(kTag, QStringLiteral("bridge: refused a request: %1")
                           .arg(PrivateListManager::instance()->addressForLog(why)));
}

void PageRequests::dropped()
{
    if (!dropReport->isActive())
        dropReport->start();
}

void PageRequests::reportDrops()
{
    const int withoutClick = requestGate.droppedWithoutGesture() + refusedWithoutClick;
    if (withoutClick > reportedWithoutClick)
        writeLog(kTag, QStringLiteral("bridge: dropped %1 requests without a click")
                           .arg(withoutClick - reportedWithoutClick));
    reportedWithoutClick = withoutClick;
    const int overLimit = requestGate.droppedOverLimit();
    if (overLimit > reportedOverLimit)
        writeLog(kTag, QStringLiteral("bridge: dropped %1 requests over %2 a minute")
                           .arg(overLimit - reportedOverLimit)
                           .arg(RequestGate::kPerMinute));
    reportedOverLimit = overLimit;
}
