#pragma once

#include "LoopbackServer.h"

#include <QJsonDocument>
#include <QJsonObject>

// The payload a track request carries: the Base64 text after "data=", decoded
// exactly as it arrived on the wire; empty when it is anything else.
inline QJsonObject trackPayload(const LoopbackServer::Request& request)
{
    const QString prefix = "/track/?data=";
    if (request.method != "GET" || !request.target.startsWith(prefix))
        return {};
    const auto decoded = QByteArray::fromBase64Encoding(
        request.target.mid(prefix.size()).toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    return decoded ? QJsonDocument::fromJson(*decoded).object() : QJsonObject();
}
