#include "JsonHttp.h"

#include <QRegularExpression>
#include <httplib.h>

namespace sim::JsonHttp {

std::optional<QJsonDocument> bodyDocument(const httplib::Request& request)
{
    if (request.get_header_value("Content-Type").rfind("application/json", 0) != 0)
        return std::nullopt;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(request.body), &error);
    if (error.error != QJsonParseError::NoError)
        return std::nullopt;
    return document;
}

std::optional<QJsonObject> bodyObject(const httplib::Request& request)
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

void reply(httplib::Response& response, int status, const QJsonDocument& body)
{
    response.status = status;
    response.set_content(body.toJson(QJsonDocument::Compact).toStdString(), "application/json");
}

void reply(httplib::Response& response, int status, const QJsonObject& body)
{
    reply(response, status, QJsonDocument(body));
}

void replyError(httplib::Response& response, int status, const QString& message)
{
    reply(response, status, QJsonObject { { "error", message } });
}

void replyMalformed(httplib::Response& response, const QString& expected)
{
    replyError(response, 400, "expected a JSON body (Content-Type application/json) of the form " + expected);
}

} // namespace sim::JsonHttp
