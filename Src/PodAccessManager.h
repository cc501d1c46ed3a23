#pragma once

#include <QNetworkAccessManager>

class CurlMulti;

// The engine's access manager. Qt 5.15 writes a request's body in a second write() after the
// header, and Nagle holds it until the pod's delayed ACK: about 40 ms on every call with a body.
// So pod requests go through libcurl, header and body in one write. Those without a body go
// there too, so that a pod sees one pool of connections rather than one per transport.
// Everything else (https, snapshots, the cloud service) stays on Qt's own path. Both bound the
// replies' bodies.
class PodAccessManager : public QNetworkAccessManager {
    Q_OBJECT
public:
    // Set to true on a request to a pod.
    static constexpr QNetworkRequest::Attribute podRequestAttribute
        = QNetworkRequest::Attribute(QNetworkRequest::User + 1);

    explicit PodAccessManager(QObject* parent = nullptr);

    // Off, every request takes Qt's path: what benchmarks and tests compare against.
    void setCurlEnabled(bool enabled) { curlEnabled = enabled; }
    // Lets the pods' kept-alive connections go (once the calls in flight are done).
    void closeIdleConnections();

protected:
    QNetworkReply* createRequest(
        Operation operation, const QNetworkRequest& request, QIODevice* body) override;

private:
    QNetworkReply* createQtRequest(Operation operation, const QNetworkRequest& request, QIODevice* body);

    CurlMulti* curl;
    bool curlEnabled = true;
};
