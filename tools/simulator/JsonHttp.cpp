#include "JsonHttp.h"

#include "ServerRequest.h"
#include "ServerResponse.h"

#include <QRegularExpression>

namespace sim::JsonHttp {

std::optional<QJsonDocument> bodyDocument(const ServerRequest& request)
{
    if (request.header("Content-Type").rfind("application/json", 0) != 0)
        return std::nullopt;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(request.body), &error);
    if (error.error != QJsonParseError::NoError)
        return std::nullopt;
    return document;
}

std::optional<QJsonObject> bodyObject(const ServerRequest& request)
{
    const auto document = bodyDocument(request);
    if (!document || !document->isObject())
        return std::nullopt;
    return document->object();
}

bool hasShape(
    const QJsonObject& object, std::initializer_list<std::pair<const char*, QJsonValue::Type>> shape)
{
    if (object.size() != static_cast<int>(shape.size()))
        return false;
    for (const auto& [key, type] : shape) {
        if (object.value(key).type() != type)
            return false;
    }
    return true;
}

bool isColor(const QJsonValue& value)
{
    static const QRegularExpression pattern("^#[0-9A-Fa-f]{6}$");
    return pattern.match(value.toString()).hasMatch();
}

void reply(ServerResponse& response, int status, const QJsonDocument& body)
{
    response.status = status;
    response.setContent(body.toJson(QJsonDocument::Compact).toStdString(), "application/json");
}

void reply(ServerResponse& response, int status, const QJsonObject& body)
{
    reply(response, status, QJsonDocument(body));
}

void replyError(ServerResponse& response, int status, const QString& message)
{
    reply(response, status, QJsonObject { { "error", message } });
}

void replyMalformed(ServerResponse& response, const QString& expected)
{
    replyError(response, 400, "expected a JSON body (Content-Type application/json) of the form " + expected);
}

} // namespace sim::JsonHttp
