#pragma once

#include <QNetworkReply>
#include <QPointer>
#include <curl/curl.h>

class CurlMulti;

// One HTTP/1.1 request through libcurl, shaped like Qt's own reply: the same headers on the wire,
// the same errors, attributes and signals. curl sends a small body in the header's write and
// retries once on a kept-alive connection the server had closed.
class CurlReply : public QNetworkReply {
    Q_OBJECT
public:
    // An empty `body` sends none, and no Content-Length, as Qt does for a call without one.
    CurlReply(CurlMulti* multi, QNetworkAccessManager::Operation operation, const QByteArray& verb,
        const QNetworkRequest& request, const QByteArray& body, QObject* parent);
    ~CurlReply() override;

    void abort() override;
    qint64 bytesAvailable() const override;
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    static size_t onHeader(char* data, size_t size, size_t count, void* self);
    static size_t onBody(char* data, size_t size, size_t count, void* self);
    curl_slist* headersLikeQt(const QNetworkRequest& request, const QByteArray& verb);
    void readHeaderLine(const QByteArray& line);
    void finishTransfer(CURLcode result);
    void fail(NetworkError code, const QString& message);

    QPointer<CurlMulti> multi;
    CURL* easy;
    curl_slist* headers = nullptr;
    QByteArray body; // curl sends from this buffer, and again when it retries
    QByteArray received;
    const qint64 limit; // of the body, 0 for none
    QString refusal; // why the transfer was stopped
    qint64 readPosition = 0;
    int status = 0;
    QList<QPair<QByteArray, QByteArray>> receivedHeaders;
    char curlError[CURL_ERROR_SIZE] = {};
};
