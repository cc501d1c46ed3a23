#pragma once

#include "HttpRequest.h"

#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QSize>

class PodAccessManager;
class ReplyDeadlines;
class SnapshotFetcher;
class WorkerThread;
class QImage;
class QNetworkReply;
class QSslError;

// The one request engine. Pod calls wait in a FIFO queue that is drained up to
// the next FLUSH barrier; cloud calls go out at once; snapshots are plain GETs.
class NetworkManager : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool isLoggedIn READ isLoggedIn NOTIFY isLoggedInChanged)
public:
    static constexpr int podRequestTimeoutMs = 5000;
    static constexpr int cloudRequestTimeoutMs = 15000;
    // A health check is a light call: a pod that takes longer than this counts as not answering.
    static constexpr int podCheckTimeoutMs = 2000;

    explicit NetworkManager(QObject* parent = nullptr);

    bool isLoggedIn() const { return !fullAccessToken.isEmpty(); }
    // A new token sends the cloud calls held for a fresh sign-in again; an empty one drops them.
    // Past `expiry` (when valid) cloud calls are held instead of sent.
    void setFullAccessToken(const QString& token, const QDateTime& expiry = {});
    bool isAccessTokenExpired() const;

    Q_INVOKABLE QString currentOverlay() const { return currentOverlayText; }
    // `shownWidth` and `shownHeight`, when given, are the most the picture is drawn at, in device pixels.
    Q_INVOKABLE void lookin(const QString& address, int shownWidth = 0, int shownHeight = 0);
    // Whether the snapshot announced as `imageName` holds a picture; a failed fetch stores an empty one.
    Q_INVOKABLE bool hasSnapshot(const QString& imageName) const;

    // Request engine
    void queuePodRequest(HttpRequest* request);
    void queueFlushRequest();
    int requestQueueSize() const { return podRequestQueue.size(); }
    // Pod calls queued since start-up (barriers not counted): tells a caller whether its calls sent anything.
    int podRequestsQueued() const { return podRequestsQueuedTotal; }
    int apiRequestsInFlightCount() const { return apiRequestsInFlight; }
    bool isBlocking() const { return blocking; }
    void abortAllPodConnections();
    void sleep(int seconds);
    void addJsonHeaders(QNetworkRequest& request, const QString& body) const;
    void addUserToken(QNetworkRequest& request) const;
    QByteArray bearer() const;
    void issueOrbethRequest(HttpRequest* request);
    PodAccessManager* podAccessManager() const { return accessManager; }

    // Pod control API
    HttpRequest* connectPods(const QString& address, const QString& sink, const QString& message,
        const QString& foreground, const QString& background, bool fullscreen, bool audio);
    HttpRequest* configurePod(
        const QString& address, const QString& message, const QString& foreground, const QString& background);
    HttpRequest* disconnectPod(const QString& address, const QString& guid);
    HttpRequest* disconnectAll(const QString& address);
    HttpRequest* showOverlay(const QString& address, const QString& text, const QString& color);
    HttpRequest* showRoutingBanners(const QString& address, bool show);
    HttpRequest* enableFrameForwarding(const QString& address, bool enable);
    HttpRequest* requestServerVersion(const QString& address);
    HttpRequest* queryDeviceId(const QString& address);
    HttpRequest* podCheckScreenKey(const QString& address, const QString& screenKey);
    // The version call sent at once, outside the queue: it neither waits behind nor holds up a barrier.
    HttpRequest* checkPod(const QString& address);

    // Cloud service API; backend calls return null when nobody is signed in.
    HttpRequest* orbethLogin(const QString& email, const QString& password);
    HttpRequest* orbethGetClassrooms();
    HttpRequest* orbethPostNewClassroom(const QString& layoutJson);
    HttpRequest* orbethPutUpdateClassroom(const QString& classroomId, const QString& layoutJson);
    HttpRequest* orbethDeleteClassroom(const QString& classroomId);
    HttpRequest* orbethGetOverlayMessages();
    HttpRequest* orbethPostOverlayMessage(const QString& messageJson);
    HttpRequest* orbethPutOverlayMessage(const QString& messageId, const QString& messageJson);
    HttpRequest* orbethDeleteOverlayMessage(const QString& messageId);
    HttpRequest* orbethGetScreenkeyFeature();

signals:
    void imageLoaded(QString imageName);
    void issueNextPodRequest();
    void isLoggedInChanged();
    // The service refused the token, or it expired: a cloud call waits until the user signs in again.
    void signInExpired();
    // Every pod call's outcome: `answered` is false when no HTTP answer came back.
    void podCallFinished(const QString& address, bool answered);

private slots:
    void issueQueuedPodApiRequest();
    void networkReplyFinished(QNetworkReply* reply);

private:
    QNetworkReply* send(HttpRequest* request, int timeoutMs);
    HttpRequest* podCall(
        const QString& apiTag, const QString& verb, const QString& url, const QJsonObject& body = {});
    HttpRequest* queuePodCall(
        const QString& apiTag, const QString& verb, const QString& url, const QJsonObject& body = {});
    HttpRequest* cloudCall(const QString& verb, const QString& url, const QString& body);
    HttpRequest* sendBackendCall(const QString& verb, const QString& path, const QString& body = {});
    HttpRequest* sendItemCall(
        const QString& verb, const QString& collection, const QString& id, const QString& body = {});
    QString podApi(const QString& address) const { return podApiUrl.arg(address); }
    void storeSnapshot(const QString& imageName, const QImage& image);
    void logRefusedCertificate(QNetworkReply* reply, const QList<QSslError>& errors);
    void holdUntilSignedIn(HttpRequest* request);
    void resumeHeldCloudCalls();

    PodAccessManager* accessManager;
    ReplyDeadlines* deadlines;
    SnapshotFetcher* snapshots;
    WorkerThread* cloudJson;
    QString authServiceUrl;
    QString backendServiceUrl;
    const QString podApiUrl = QStringLiteral("http://%1/api/v2/content/activerouting");
    QString fullAccessToken;
    QDateTime accessTokenExpiry;
    QList<HttpRequest*> heldForSignIn;
    QList<HttpRequest*> podRequestQueue;
    bool blocking = false;
    int apiRequestsInFlight = 0;
    int podRequestsQueuedTotal = 0;
    QString currentOverlayText;
};
