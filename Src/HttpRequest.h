#pragma once

#include "HttpResponse.h"

#include <QNetworkRequest>
#include <QObject>
#include <QUuid>

// One queued or direct HTTP request; `finished` fires once, then the request is deleted.
class HttpRequest : public QObject {
    Q_OBJECT
public:
    explicit HttpRequest(QObject* parent);

    QString toString() const;

    QUuid requestId;
    QNetworkRequest networkRequest;
    QString verb;
    QByteArray body;
    QString apiTag;

signals:
    void finished(HttpResponse response);
};

Q_DECLARE_METATYPE(HttpRequest*)

// Runs `handler(HttpResponse)` when `request` finishes, with `context` as the
// connection's context. A null request (refused before sending) never answers.
template <typename Handler>
void whenFinished(HttpRequest* request, const QObject* context, Handler handler)
{
    if (request)
        QObject::connect(request, &HttpRequest::finished, context, handler);
}
