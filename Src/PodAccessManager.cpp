#include "PodAccessManager.h"

#include "CurlMulti.h"
#include "CurlReply.h"
#include "ReplyLimits.h"

#include <QNetworkCookie>
#include <QNetworkCookieJar>

namespace {

QByteArray verbOf(QNetworkAccessManager::Operation operation, const QNetworkRequest& request)
{
    switch (operation) {
    case QNetworkAccessManager::GetOperation:
        return "GET";
    case QNetworkAccessManager::DeleteOperation:
        return "DELETE";
    case QNetworkAccessManager::PostOperation:
        return "POST";
    case QNetworkAccessManager::PutOperation:
        return "PUT";
    case QNetworkAccessManager::CustomOperation:
        return request.attribute(QNetworkRequest::CustomVerbAttribute).toByteArray();
    default:
        return {};
    }
}

} // namespace

PodAccessManager::PodAccessManager(QObject* parent)
    : QNetworkAccessManager(parent)
    , curl(new CurlMulti(this))
{
}

void PodAccessManager::closeIdleConnections()
{
    curl->closeIdleConnections();
}

// A CurlReply holds its own limit; Qt's reply is watched from outside.
QNetworkReply* PodAccessManager::createQtRequest(
    Operation operation, const QNetworkRequest& request, QIODevice* body)
{
    QNetworkReply* reply = QNetworkAccessManager::createRequest(operation, request, body);
    ReplyLimits::enforce(reply);
    return reply;
}

QNetworkReply* PodAccessManager::createRequest(
    Operation operation, const QNetworkRequest& request, QIODevice* body)
{
    const QByteArray verb = verbOf(operation, request);
    if (!curlEnabled || !request.attribute(podRequestAttribute).toBool()
        || request.url().scheme() != QLatin1String("http") || verb.isEmpty())
        return createQtRequest(operation, request, body);
    // A call without a body goes out as Qt sends it: no Content-Length. Qt shapes a body-less
    // post() or put() its own way; the engine always gives those a body, so Qt keeps them. A HEAD
    // answer has no body to wait for, which curl would have to be told; nothing sends one, so Qt keeps it.
    const bool withoutBody = !body && operation != QNetworkAccessManager::PostOperation
        && operation != QNetworkAccessManager::PutOperation && verb != "HEAD";
    // Only a body already in memory can go out with the header.
    const bool withBody = body && !body->isSequential() && body->size() > 0;
    if (!withoutBody && !withBody)
        return createQtRequest(operation, request, body);

    // Cookies as Qt's path keeps them: sent from the jar, and what comes back stored in it.
    QNetworkRequest sent(request);
    const QList<QNetworkCookie> cookies = cookieJar()->cookiesForUrl(request.url());
    if (!cookies.isEmpty() && !sent.hasRawHeader("Cookie"))
        sent.setHeader(QNetworkRequest::CookieHeader, QVariant::fromValue(cookies));
    auto* reply = new CurlReply(curl, operation, verb, sent, withBody ? body->readAll() : QByteArray(), this);
    connect(reply, &QNetworkReply::metaDataChanged, this, [this, reply] {
        const auto received = reply->header(QNetworkRequest::SetCookieHeader).value<QList<QNetworkCookie>>();
        if (!received.isEmpty())
            cookieJar()->setCookiesFromUrl(received, reply->url());
    });
    return reply;
}
