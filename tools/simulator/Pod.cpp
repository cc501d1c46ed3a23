#include "Pod.h"

#include "DisplayRenderer.h"
#include "JsonHttp.h"
#include "PodFleet.h"
#include "ServerContext.h"

#include <QRegularExpression>
#include <QUuid>
#include <algorithm>

namespace sim {

namespace {

using Type = QJsonValue::Type;

const std::string api = "/api/v2/content/activerouting";
const QJsonObject done;

bool isConnectBody(const QJsonObject& body)
{
    static const QRegularExpression resolution("^\\d+x\\d+$");
    const QString post = body.value("post").toString();
    return JsonHttp::hasShape(body,
               { { "sink", Type::String }, { "resolution", Type::String }, { "post", Type::String },
                   { "audio", Type::Bool }, { "message", Type::String }, { "foreground", Type::String },
                   { "background", Type::String } })
        && !body.value("sink").toString().isEmpty()
        && resolution.match(body.value("resolution").toString()).hasMatch()
        && (post == "NORMAL" || post == "FULLSCREEN") && JsonHttp::isColor(body.value("foreground"))
        && JsonHttp::isColor(body.value("background"));
}

bool isPresenceBody(const QJsonObject& body)
{
    return JsonHttp::hasShape(body,
               { { "presence", Type::Bool }, { "message", Type::String }, { "foreground", Type::String },
                   { "background", Type::String } })
        && JsonHttp::isColor(body.value("foreground")) && JsonHttp::isColor(body.value("background"));
}

} // namespace

Pod::Pod(int index, PodIdentity identity, ServerContext& context, const PodFleet& fleet)
    : fleet(fleet)
    , http(QString("pod:%1").arg(index), context, "pods")
{
    current.identity = std::move(identity);
    http.redirectTo(api + "/connections");
    using namespace std::placeholders;
    http.route("POST", api + "/connections", whilePowered(std::bind(&Pod::connect, this, _1, _2)));
    http.route(
        "DELETE", api + "/connections/([^/]+)", whilePowered(std::bind(&Pod::disconnect, this, _1, _2)));
    http.route("DELETE", api + "/connections", whilePowered(std::bind(&Pod::disconnectAll, this, _1, _2)));
    http.route("PATCH", api, whilePowered(std::bind(&Pod::configure, this, _1, _2)));
    http.route("POST", api + "/overlaytext", whilePowered(std::bind(&Pod::showOverlay, this, _1, _2)));
    http.route("GET", api + "/version", whilePowered(std::bind(&Pod::answerVersion, this, _1, _2)));
    http.route("GET", "/test/id", whilePowered(std::bind(&Pod::describe, this, _1, _2)));
    http.route(
        "POST", "/api/v2/info/screen_key", whilePowered(std::bind(&Pod::checkScreenKey, this, _1, _2)));
    http.route("GET", "/lookin/thedisplay.jpg", whilePowered(std::bind(&Pod::snapshot, this, _1, _2)));
}

PodState Pod::state() const
{
    isPoweredOff(); // a pod read while off shows what the reboot left
    std::lock_guard lock(mutex);
    return current;
}

void Pod::powerCycle(std::chrono::milliseconds after, std::chrono::milliseconds silence)
{
    std::lock_guard lock(mutex);
    powerOff = Clock::now() + after;
    powerOn = powerOff + silence;
    rebootPending = true;
}

bool Pod::isPoweredOff() const
{
    std::lock_guard lock(mutex);
    const Clock::time_point now = Clock::now();
    if (rebootPending && now >= powerOff) {
        rebootPending = false;
        current = PodState { current.identity };
    }
    return now >= powerOff && now < powerOn;
}

Pod::Handler Pod::whilePowered(Handler handler)
{
    return [this, handler = std::move(handler)](const ServerRequest& request, ServerResponse& response) {
        if (isPoweredOff())
            response.held = true;
        else
            handler(request, response);
    };
}

bool Pod::changeIdentity(const QJsonObject& changes, QString* error)
{
    std::lock_guard lock(mutex);
    const auto changed = current.identity.changedBy(changes, error);
    if (changed)
        current.identity = *changed;
    return changed.has_value();
}

std::optional<PodConnection> Pod::connectionTo(const QString& sink) const
{
    std::lock_guard lock(mutex);
    for (const PodConnection& connection : current.connections) {
        if (connection.sink == sink)
            return connection;
    }
    return std::nullopt;
}

void Pod::connect(const ServerRequest& request, ServerResponse& response)
{
    const auto body = JsonHttp::bodyObject(request);
    if (!body || !isConnectBody(*body)) {
        return JsonHttp::replyMalformed(response,
            R"({"sink": string, "resolution": "WxH", "post": "NORMAL" or "FULLSCREEN", "audio": bool, )"
            R"("message": string, "foreground": "#RRGGBB", "background": "#RRGGBB"})");
    }
    const PodConnection connection { QUuid::createUuid().toString(QUuid::WithoutBraces),
        body->value("sink").toString(), body->value("resolution").toString(), body->value("post").toString(),
        body->value("audio").toBool(), body->value("message").toString(),
        body->value("foreground").toString(), body->value("background").toString() };
    change([&](PodState& state) { state.connections.append(connection); });
    JsonHttp::reply(response, 200, QJsonObject { { "guid", connection.guid } });
}

void Pod::disconnect(const ServerRequest& request, ServerResponse& response)
{
    const QString guid = QString::fromStdString(request.matches[1]);
    bool removed = false;
    change([&](PodState& state) {
        const auto kept = std::remove_if(state.connections.begin(), state.connections.end(),
            [&](const PodConnection& connection) { return connection.guid == guid; });
        removed = kept != state.connections.end();
        state.connections.erase(kept, state.connections.end());
    });
    if (removed)
        JsonHttp::reply(response, 200, done);
    else
        JsonHttp::replyError(response, 404, "no such connection");
}

void Pod::disconnectAll(const ServerRequest&, ServerResponse& response)
{
    change([](PodState& state) { state.connections.clear(); });
    JsonHttp::reply(response, 200, done);
}

void Pod::configure(const ServerRequest& request, ServerResponse& response)
{
    const QJsonObject body = JsonHttp::bodyObject(request).value_or(QJsonObject());
    if (isPresenceBody(body)) {
        change([&](PodState& state) {
            state.presence = body.value("presence").toBool();
            state.message = body.value("message").toString();
            state.foreground = body.value("foreground").toString();
            state.background = body.value("background").toString();
        });
    } else if (JsonHttp::hasShape(body, { { "banners", Type::Bool } })) {
        change([&](PodState& state) { state.banners = body.value("banners").toBool(); });
    } else if (JsonHttp::hasShape(body, { { "forwarding", Type::Bool } })) {
        change([&](PodState& state) { state.forwarding = body.value("forwarding").toBool(); });
    } else {
        return JsonHttp::replyMalformed(response,
            R"({"presence": bool, "message": string, "foreground": "#RRGGBB", "background": "#RRGGBB"}, )"
            R"({"banners": bool} or {"forwarding": bool})");
    }
    JsonHttp::reply(response, 200, done);
}

void Pod::showOverlay(const ServerRequest& request, ServerResponse& response)
{
    const auto body = JsonHttp::bodyObject(request);
    if (!body || !JsonHttp::hasShape(*body, { { "text", Type::String }, { "color", Type::String } })
        || !JsonHttp::isColor(body->value("color")))
        return JsonHttp::replyMalformed(response, R"({"text": string, "color": "#RRGGBB"})");
    change([&](PodState& state) {
        state.overlayText = body->value("text").toString();
        state.overlayColor = body->value("color").toString();
    });
    JsonHttp::reply(response, 200, done);
}

void Pod::checkScreenKey(const ServerRequest& request, ServerResponse& response)
{
    const auto body = JsonHttp::bodyObject(request);
    if (!body || !JsonHttp::hasShape(*body, { { "screen_key", Type::String } }))
        return JsonHttp::replyMalformed(response, R"({"screen_key": string})");
    if (body->value("screen_key").toString() == state().identity.screenKey)
        JsonHttp::reply(response, 200, done);
    else
        JsonHttp::replyError(response, 403, "wrong screen key");
}

void Pod::answerVersion(const ServerRequest&, ServerResponse& response) const
{
    JsonHttp::reply(response, 200, QJsonObject { { "version", state().identity.apiVersion } });
}

void Pod::describe(const ServerRequest&, ServerResponse& response) const
{
    const PodIdentity identity = state().identity;
    const QString row = "<tr><td><b>%1</b></td><td>%2</td></tr>\n";
    const QString page = "<!DOCTYPE html>\n<html><head><title>Pod test page</title></head><body>\n<table>\n"
        + row.arg("Name", identity.name.toHtmlEscaped()) + row.arg("DeviceId", identity.deviceId)
        + row.arg("Address", address()) + "</table>\n</body></html>\n";
    response.setContent(page.toStdString(), "text/html");
}

void Pod::snapshot(const ServerRequest&, ServerResponse& response) const
{
    const QByteArray jpeg = renderDisplay(state(), fleet.incomingTo(address()));
    response.setContent(jpeg.toStdString(), "image/jpeg");
}

void Pod::change(const std::function<void(PodState&)>& apply)
{
    std::lock_guard lock(mutex);
    apply(current);
}

} // namespace sim
