#include "NetworkManager.h"

#include "Deployment.h"
#include "Globals.h"
#include "Logger.h"
#include "LookinImage.h"
#include "PodAccessManager.h"
#include "ReplyDeadlines.h"
#include "ReplyLimits.h"
#include "SnapshotFetcher.h"
#include "WorkerThread.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QNetworkReply>
#include <QPixmap>
#include <QSslError>
#include <utility>

namespace {

const char* const requestProperty = "NetworkRequest";
const QString flushTag = QStringLiteral("FLUSH");
const QString checkTag = QStringLiteral("CHECK");

bool isApiTag(const QString& tag)
{
    return tag.startsWith(QLatin1String("API"));
}

// An unset base URL leaves a relative URL, which the access manager refuses at
// once without touching the network; the warning says which setting is missing.
QString baseUrl(const QString& url, const char* setting)
{
    if (url.isEmpty())
        LOG_WARNING("Cloud request not sent: {} is not set", setting);
    return url;
}

} // namespace

NetworkManager::NetworkManager(QObject* parent)
    : QObject(parent)
    , accessManager(new PodAccessManager(this))
    , deadlines(new ReplyDeadlines(this))
    , snapshots(new SnapshotFetcher(accessManager, deadlines, this))
    , cloudJson(new WorkerThread(QStringLiteral("Cloud replies"), this))
    , authServiceUrl(Deployment::current().authUrl)
    , backendServiceUrl(Deployment::current().backendUrl)
{
    qRegisterMetaType<HttpResponse>();
    qRegisterMetaType<HttpRequest*>();

    connect(accessManager, &QNetworkAccessManager::finished, this, &NetworkManager::networkReplyFinished);
    connect(accessManager, &QNetworkAccessManager::sslErrors, this, &NetworkManager::logRefusedCertificate);
    connect(deadlines, &ReplyDeadlines::expired, this, [](QNetworkReply* reply) {
        const auto* request = reply->property(requestProperty).value<HttpRequest*>();
        LOG_WARNING(
            "Timing out request: request=[{}]", request ? request->toString() : reply->url().toString());
        reply->abort();
    });
    connect(snapshots, &SnapshotFetcher::arrived, this, &NetworkManager::storeSnapshot);
    connect(this, &NetworkManager::issueNextPodRequest, this, &NetworkManager::issueQueuedPodApiRequest);
}

void NetworkManager::setFullAccessToken(const QString& token, const QDateTime& expiry)
{
    accessTokenExpiry = expiry;
    if (token != fullAccessToken) {
        fullAccessToken = token;
        emit isLoggedInChanged();
    }
    resumeHeldCloudCalls();
}

bool NetworkManager::isAccessTokenExpired() const
{
    return accessTokenExpiry.isValid() && QDateTime::currentDateTimeUtc() >= accessTokenExpiry;
}

void NetworkManager::holdUntilSignedIn(HttpRequest* request)
{
    // Refused with a token already replaced: the new one is tried at once.
    if (request->networkRequest.rawHeader("Authorization") != bearer() && !isAccessTokenExpired()) {
        addUserToken(request->networkRequest);
        issueOrbethRequest(request);
        return;
    }
    LOG_WARNING("Cloud call waits for a fresh sign-in: request=[{}]", request->toString());
    heldForSignIn.append(request);
    if (heldForSignIn.size() == 1)
        emit signInExpired();
}

void NetworkManager::resumeHeldCloudCalls()
{
    if (heldForSignIn.isEmpty())
        return;
    if (isLoggedIn() && isAccessTokenExpired()) {
        emit signInExpired(); // a token that is no better than the last one
        return;
    }
    const QList<HttpRequest*> held = std::exchange(heldForSignIn, {});
    for (HttpRequest* request : held) {
        if (!isLoggedIn()) {
            // Signed out instead: like dropped pod calls, these never answer.
            LOG_INFO("Dropping cloud call after sign-out: request=[{}]", request->toString());
            request->deleteLater();
            continue;
        }
        addUserToken(request->networkRequest);
        issueOrbethRequest(request);
    }
}

// ---- Request engine ----

void NetworkManager::queuePodRequest(HttpRequest* request)
{
    if (request->apiTag != flushTag)
        ++podRequestsQueuedTotal;
    podRequestQueue.append(request);
    emit issueNextPodRequest();
}

void NetworkManager::queueFlushRequest()
{
    auto* flush = new HttpRequest(this);
    flush->apiTag = flushTag;
    queuePodRequest(flush);
}

void NetworkManager::abortAllPodConnections()
{
    // Dropped requests never finish; nobody will ever hear from them again.
    for (HttpRequest* request : qAsConst(podRequestQueue))
        request->deleteLater();
    podRequestQueue.clear();
    // Pods close idle connections soon; let ours go now, not on the next session's first call.
    accessManager->closeIdleConnections();
}

void NetworkManager::issueQueuedPodApiRequest()
{
    if (blocking) {
        LOG_INFO("Pod: All pod requests are being blocked");
        return;
    }
    while (!podRequestQueue.isEmpty()) {
        HttpRequest* request = podRequestQueue.takeFirst();
        LOG_INFO(
            "Pod: Sending pod request {} to {}", request->apiTag, request->networkRequest.url().toString());
        if (request->apiTag != flushTag) {
            if (isApiTag(request->apiTag))
                ++apiRequestsInFlight;
            send(request, podRequestTimeoutMs);
            continue;
        }
        request->deleteLater();
        // A barrier with nothing in flight has nothing to wait for; blocking
        // then would hold the queue until some unrelated reply came along.
        if (apiRequestsInFlight != 0) {
            LOG_INFO("Pod: Flush pod request received, start blocking");
            blocking = true;
            return;
        }
    }
}

void NetworkManager::issueOrbethRequest(HttpRequest* request)
{
    send(request, cloudRequestTimeoutMs);
}

QNetworkReply* NetworkManager::send(HttpRequest* request, int timeoutMs)
{
    const QByteArray verb = request->verb.toUtf8();
    // Without a body there is no upload device to set up.
    QNetworkReply* reply = request->body.isEmpty()
        ? accessManager->sendCustomRequest(request->networkRequest, verb)
        : accessManager->sendCustomRequest(request->networkRequest, verb, request->body);
    reply->setProperty(requestProperty, QVariant::fromValue(request));
    deadlines->watch(reply, timeoutMs);
    return reply;
}

void NetworkManager::networkReplyFinished(QNetworkReply* reply)
{
    if (!reply)
        return;
    deadlines->forget(reply);
    const int httpCode = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    auto* request = reply->property(requestProperty).value<HttpRequest*>();
    if (!request) {
        if (SnapshotFetcher::isSnapshot(reply))
            snapshots->take(reply);
        reply->deleteLater();
        return;
    }

    // Health checks are logged only where a pod's state changes.
    if (request->apiTag != checkTag)
        LOG_INFO(
            "Pod: Receiving pod reply {} from {}", request->apiTag, request->networkRequest.url().toString());
    HttpResponse response;
    response.error = reply->error();
    // A reply the network cut off is no answer, whatever status line came before the cut.
    const bool transportFailed = response.error > QNetworkReply::NoError && response.error < 100;
    response.httpCode = transportFailed ? 0 : httpCode;
    if (response.error == QNetworkReply::NoError)
        response.data = reply->readAll();
    reply->deleteLater();
    if (response.httpCode == 401 && isLoggedIn() && request->networkRequest.hasRawHeader("Authorization")) {
        holdUntilSignedIn(request);
        return;
    }
    if (!request->networkRequest.attribute(PodAccessManager::podRequestAttribute).toBool()) {
        // A cloud answer may be large: it is read as JSON off the GUI thread.
        cloudJson->run<QJsonDocument>([data = response.data] { return QJsonDocument::fromJson(data); },
            [request, response](const QJsonDocument& json) {
                HttpResponse read(response);
                read.json = json;
                emit request->finished(read);
                request->deleteLater();
            });
        return;
    }
    emit podCallFinished(request->networkRequest.url().authority(), response.httpCode != 0);
    emit request->finished(response);

    if (isApiTag(request->apiTag))
        --apiRequestsInFlight;
    if (blocking && apiRequestsInFlight == 0) {
        LOG_INFO("Pod: All requests processed, so unblocking!");
        blocking = false;
    }
    if (request->apiTag != checkTag) // a check never took a place in the queue
        emit issueNextPodRequest();
    request->deleteLater();
}

void NetworkManager::sleep(int seconds)
{
    // Monotonic, so a wait that spans midnight or a clock change still ends.
    QElapsedTimer elapsed;
    elapsed.start();
    while (elapsed.elapsed() < seconds * 1000LL)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 100);
}

void NetworkManager::addJsonHeaders(QNetworkRequest& request, const QString& body) const
{
    request.setHeader(QNetworkRequest::ContentTypeHeader, "application/json; charset=utf-8");
    if (!body.isEmpty())
        request.setHeader(QNetworkRequest::ContentLengthHeader, body.toUtf8().size());
}

QByteArray NetworkManager::bearer() const
{
    return QString("Bearer %1").arg(fullAccessToken).toUtf8();
}

void NetworkManager::addUserToken(QNetworkRequest& request) const
{
    request.setRawHeader("Authorization", bearer());
}

// ---- Pod control API ----

HttpRequest* NetworkManager::podCall(
    const QString& apiTag, const QString& verb, const QString& url, const QJsonObject& body)
{
    auto* request = new HttpRequest(this);
    request->networkRequest.setUrl(QUrl(url));
    request->networkRequest.setAttribute(PodAccessManager::podRequestAttribute, true);
    ReplyLimits::apply(request->networkRequest, ReplyLimits::podCallBytes);
    if (!body.isEmpty()) {
        const QString json = QString::fromUtf8(QJsonDocument(body).toJson());
        addJsonHeaders(request->networkRequest, json);
        request->body = json.toUtf8();
    }
    request->verb = verb;
    request->apiTag = apiTag;
    return request;
}

HttpRequest* NetworkManager::queuePodCall(
    const QString& apiTag, const QString& verb, const QString& url, const QJsonObject& body)
{
    HttpRequest* request = podCall(apiTag, verb, url, body);
    queuePodRequest(request);
    return request;
}

HttpRequest* NetworkManager::connectPods(const QString& address, const QString& sink, const QString& message,
    const QString& foreground, const QString& background, bool fullscreen, bool audio)
{
    const QJsonObject body { { "sink", sink }, { "resolution", "1920x1080" },
        { "post", fullscreen ? "FULLSCREEN" : "NORMAL" }, { "audio", audio }, { "message", message },
        { "foreground", foreground }, { "background", background } };
    return queuePodCall("API_CONNECT", "POST", podApi(address) + "/connections", body);
}

HttpRequest* NetworkManager::configurePod(
    const QString& address, const QString& message, const QString& foreground, const QString& background)
{
    const QJsonObject body { { "presence", true }, { "message", message }, { "foreground", foreground },
        { "background", background } };
    return queuePodCall("API_CONFIGURE", "PATCH", podApi(address), body);
}

HttpRequest* NetworkManager::disconnectPod(const QString& address, const QString& guid)
{
    return queuePodCall("API_DISCONNECT", "DELETE", podApi(address) + "/connections/" + guid);
}

HttpRequest* NetworkManager::disconnectAll(const QString& address)
{
    return queuePodCall("API_TERMINATE", "DELETE", podApi(address) + "/connections");
}

HttpRequest* NetworkManager::showOverlay(const QString& address, const QString& text, const QString& color)
{
    currentOverlayText = text;
    return queuePodCall(
        "API_OVERLAY", "POST", podApi(address) + "/overlaytext", { { "text", text }, { "color", color } });
}

HttpRequest* NetworkManager::showRoutingBanners(const QString& address, bool show)
{
    return queuePodCall("API_BANNERS", "PATCH", podApi(address), { { "banners", show } });
}

HttpRequest* NetworkManager::enableFrameForwarding(const QString& address, bool enable)
{
    return queuePodCall("API_FORWARDING", "PATCH", podApi(address), { { "forwarding", enable } });
}

HttpRequest* NetworkManager::requestServerVersion(const QString& address)
{
    return queuePodCall("API_VERSION", "GET", podApi(address) + "/version");
}

HttpRequest* NetworkManager::checkPod(const QString& address)
{
    HttpRequest* request = podCall(checkTag, "GET", podApi(address) + "/version");
    send(request, podCheckTimeoutMs);
    return request;
}

HttpRequest* NetworkManager::queryDeviceId(const QString& address)
{
    return queuePodCall("NONAPI", "GET", QString("http://%1/test/id").arg(address));
}

HttpRequest* NetworkManager::podCheckScreenKey(const QString& address, const QString& screenKey)
{
    return queuePodCall("NONAPI", "POST", QString("http://%1/api/v2/info/screen_key").arg(address),
        { { "screen_key", screenKey } });
}

// ---- Cloud service API ----

HttpRequest* NetworkManager::orbethLogin(const QString& email, const QString& password)
{
    const QString body = QString::fromUtf8(
        QJsonDocument(QJsonObject { { "email", email }, { "password", password } }).toJson());
    HttpRequest* request
        = cloudCall("POST", baseUrl(authServiceUrl, "TRELLION_AUTH_URL") + "/v1/auth/token", body);
    issueOrbethRequest(request);
    return request;
}

HttpRequest* NetworkManager::cloudCall(const QString& verb, const QString& url, const QString& body)
{
    auto* request = new HttpRequest(this);
    request->networkRequest.setUrl(QUrl(url));
    ReplyLimits::apply(request->networkRequest, ReplyLimits::cloudCallBytes);
    addJsonHeaders(request->networkRequest, body);
    request->verb = verb;
    request->body = body.toUtf8();
    return request;
}

HttpRequest* NetworkManager::sendBackendCall(const QString& verb, const QString& path, const QString& body)
{
    if (!isLoggedIn()) {
        LOG_WARNING("Not logged in!");
        return nullptr;
    }
    HttpRequest* request = cloudCall(verb, baseUrl(backendServiceUrl, "TRELLION_BACKEND_URL") + path, body);
    addUserToken(request->networkRequest);
    if (isAccessTokenExpired())
        holdUntilSignedIn(request);
    else
        issueOrbethRequest(request);
    return request;
}

// An id is one path segment, encoded so that it cannot name another path.
HttpRequest* NetworkManager::sendItemCall(
    const QString& verb, const QString& collection, const QString& id, const QString& body)
{
    if (id.isEmpty() || id == QLatin1String(".") || id == QLatin1String("..")) {
        LOG_WARNING("Cloud request not sent: [{}] names no single item of {}", id, collection);
        return nullptr;
    }
    return sendBackendCall(verb, collection + '/' + QString::fromLatin1(QUrl::toPercentEncoding(id)), body);
}

HttpRequest* NetworkManager::orbethGetClassrooms()
{
    return sendBackendCall("GET", "/trellion/api/rooms");
}

HttpRequest* NetworkManager::orbethPostNewClassroom(const QString& layoutJson)
{
    return sendBackendCall("POST", "/trellion/api/rooms", layoutJson);
}

HttpRequest* NetworkManager::orbethPutUpdateClassroom(const QString& classroomId, const QString& layoutJson)
{
    return sendItemCall("PUT", "/trellion/api/rooms", classroomId, layoutJson);
}

HttpRequest* NetworkManager::orbethDeleteClassroom(const QString& classroomId)
{
    return sendItemCall("DELETE", "/trellion/api/rooms", classroomId);
}

HttpRequest* NetworkManager::orbethGetOverlayMessages()
{
    return sendBackendCall("GET", "/trellion/api/user_messages");
}

HttpRequest* NetworkManager::orbethPostOverlayMessage(const QString& messageJson)
{
    return sendBackendCall("POST", "/trellion/api/user_messages", messageJson);
}

HttpRequest* NetworkManager::orbethPutOverlayMessage(const QString& messageId, const QString& messageJson)
{
    return sendItemCall("PUT", "/trellion/api/user_messages", messageId, messageJson);
}

HttpRequest* NetworkManager::orbethDeleteOverlayMessage(const QString& messageId)
{
    return sendItemCall("DELETE", "/trellion/api/user_messages", messageId);
}

HttpRequest* NetworkManager::orbethGetScreenkeyFeature()
{
    return sendBackendCall("GET", "/trellion/api/screenkey");
}

// ---- Snapshots ----

void NetworkManager::lookin(const QString& address, int shownWidth, int shownHeight)
{
    snapshots->fetch(address, QSize(shownWidth, shownHeight));
}

bool NetworkManager::hasSnapshot(const QString& imageName) const
{
    const LookinImage* images = Globals::getInstance().lookinImage();
    return images && !images->pixmap(imageName).isNull();
}

void NetworkManager::storeSnapshot(const QString& imageName, const QImage& image)
{
    if (LookinImage* images = Globals::getInstance().lookinImage())
        images->setPixmap(imageName, new QPixmap(QPixmap::fromImage(image)));
    emit imageLoaded(imageName);
}

// Qt then fails the reply with SslHandshakeFailedError; this says why, for whoever reads the log.
void NetworkManager::logRefusedCertificate(QNetworkReply* reply, const QList<QSslError>& errors)
{
    QStringList reasons;
    for (const QSslError& error : errors)
        reasons.append(error.errorString());
    LOG_ERROR("TLS certificate refused: host=[{}] reasons=[{}]", reply->url().host(), reasons.join("; "));
}
