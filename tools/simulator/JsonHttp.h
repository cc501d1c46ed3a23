#pragma once

#include <QJsonDocument>
#include <QJsonObject>
#include <initializer_list>
#include <optional>
#include <utility>

namespace sim {
struct ServerRequest;
struct ServerResponse;
}

// Reading JSON requests and writing JSON answers, the same way on every simulated server.
namespace sim::JsonHttp {

// The body as a JSON document, when the request declares JSON and the body parses.
std::optional<QJsonDocument> bodyDocument(const ServerRequest& request);
std::optional<QJsonObject> bodyObject(const ServerRequest& request);

// True when the object has exactly these keys with these types.
bool hasShape(
    const QJsonObject& object, std::initializer_list<std::pair<const char*, QJsonValue::Type>> shape);
bool isColor(const QJsonValue& value);

void reply(ServerResponse& response, int status, const QJsonDocument& body);
void reply(ServerResponse& response, int status, const QJsonObject& body);
void replyError(ServerResponse& response, int status, const QString& message);
// A 400 answer naming the JSON the call expects.
void replyMalformed(ServerResponse& response, const QString& expected);

} // namespace sim::JsonHttp
