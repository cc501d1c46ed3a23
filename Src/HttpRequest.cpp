#include "HttpRequest.h"

HttpRequest::HttpRequest(QObject* parent)
    : QObject(parent)
    , requestId(QUuid::createUuid())
{
}

QString HttpRequest::toString() const
{
    return QString("{%1 -> [%2] [%3]}").arg(verb, networkRequest.url().toString(), requestId.toString());
}
