#include "CloudService.h"

#include "HttpServer.h"
#include "JsonHttp.h"

#include <QJsonDocument>
#include <QSet>
#include <algorithm>

namespace sim {

namespace {

const std::string roomsPath = "/trellion/api/rooms";
const std::string messagesPath = "/trellion/api/user_messages";
const QString roomsCollection = "rooms";

QJsonValue normalizedValue(const QJsonValue& value);

// Numeric strings of "x", "y", "rotation" and "scale", at any depth, become JSON numbers, as the
// real service stores rooms.
QJsonObject normalizedObject(const QJsonObject& object)
{
    static const QSet<QString> numericKeys { "x", "y", "rotation", "scale" };
    QJsonObject result;
    for (auto it = object.begin(); it != object.end(); ++it) {
        bool isNumber = false;
        const double number = it.value().toString().toDouble(&isNumber);
        result.insert(it.key(),
            numericKeys.contains(it.key()) && it.value().isString() && isNumber
                ? QJsonValue(number)
                : normalizedValue(it.value()));
    }
    return result;
}

QJsonValue normalizedValue(const QJsonValue& value)
{
    if (value.isObject())
        return normalizedObject(value.toObject());
    if (!value.isArray())
        return value;
    QJsonArray result;
    for (const QJsonValue& element : value.toArray())
        result.append(normalizedValue(element));
    return result;
}

} // namespace

CloudService::CloudService(HttpServer& server, QList<Account> accounts, const QString& authClaim,
    const QString& dataDirectory, int tokenLifetimeSeconds)
    : server(server)
    , accounts(std::move(accounts))
    , tokens(authClaim, tokenLifetimeSeconds)
    , store(dataDirectory)
{
    server.redirectTo(messagesPath);
    server.route("POST", "/v1/auth/token",
        [this](const ServerRequest& request, ServerResponse& response) { signIn(request, response); });

    serveCollection(roomsPath,
        { [](const Account&) { return roomsCollection; },
            [](const Account& account) { return account.mayEditRooms(); }, normalizedObject });
    serveCollection(messagesPath,
        { [](const Account& account) { return "messages:" + account.email; },
            [](const Account&) { return true; }, [](const QJsonObject& message) { return message; } });

    backend("GET", "/trellion/api/screenkey",
        [](const Account& account, const ServerRequest&, ServerResponse& response) {
            response.setContent(account.screenKeyEnabled ? "true" : "false", "text/plain");
        });
}

bool CloudService::open(const PodAddressCodec& codec, const QJsonArray& library, QString* error)
{
    QJsonArray rooms;
    for (const QJsonValue& room : library)
        rooms.append(normalizedObject(room.toObject()));
    return store.open(codec, { { roomsCollection, rooms } }, error);
}

bool CloudService::replaceRooms(const QString& text)
{
    return store.replaceVerbatim(roomsCollection, text);
}

QJsonArray CloudService::rooms() const
{
    return QJsonDocument::fromJson(store.listText(roomsCollection)).array();
}

void CloudService::signIn(const ServerRequest& request, ServerResponse& response)
{
    const auto body = JsonHttp::bodyObject(request);
    if (!body || !body->value("email").isString() || !body->value("password").isString())
        return JsonHttp::replyMalformed(response, "{\"email\": string, \"password\": string}");
    const Account* account = accountOf(body->value("email").toString());
    if (!account || account->password != body->value("password").toString())
        return JsonHttp::replyError(response, 403, "Wrong email or password.");
    JsonHttp::reply(response, 200,
        QJsonObject { { "access_token", tokens.issue(*account) }, { "token_type", "Bearer" },
            { "expires_in", tokens.lifetime() } });
}

void CloudService::backend(const std::string& method, const std::string& pattern, AccountHandler handler)
{
    server.route(method, pattern,
        [this, handler = std::move(handler)](const ServerRequest& request, ServerResponse& response) {
            const auto email = tokens.ownerOf(request.header("Authorization"));
            const Account* account = email ? accountOf(*email) : nullptr;
            if (!account)
                return JsonHttp::replyError(response, 401, "missing or unknown bearer token");
            handler(*account, request, response);
        });
}

void CloudService::serveCollection(const std::string& path, const Collection& collection)
{
    const std::string item = path + "/([^/]+)";
    const auto idOf = [](const ServerRequest& request) { return QString::fromStdString(request.matches[1]); };
    const auto refused = [collection](const Account& account, ServerResponse& response) {
        if (collection.mayChange(account))
            return false;
        JsonHttp::replyError(response, 403, "this account may not change this collection");
        return true;
    };
    // The document a change sends, ready to store; nothing, once answered, when refused or malformed.
    const auto changeOf = [=](const Account& account, const ServerRequest& request,
                              ServerResponse& response) -> std::optional<QJsonObject> {
        if (refused(account, response))
            return std::nullopt;
        const auto body = JsonHttp::bodyObject(request);
        if (!body) {
            JsonHttp::replyMalformed(response, "a JSON object");
            return std::nullopt;
        }
        return collection.prepare(*body);
    };

    backend("GET", path, [=](const Account& account, const ServerRequest&, ServerResponse& response) {
        response.setContent(store.listText(collection.storedAs(account)).toStdString(), "application/json");
    });
    backend(
        "POST", path, [=](const Account& account, const ServerRequest& request, ServerResponse& response) {
            if (const auto document = changeOf(account, request, response))
                JsonHttp::reply(response, 201, store.create(collection.storedAs(account), *document));
        });
    backend("PUT", item, [=](const Account& account, const ServerRequest& request, ServerResponse& response) {
        const auto document = changeOf(account, request, response);
        if (!document)
            return;
        if (const auto stored = store.replace(collection.storedAs(account), idOf(request), *document))
            JsonHttp::reply(response, 200, *stored);
        else
            JsonHttp::replyError(response, 404, "no such id");
    });
    backend(
        "DELETE", item, [=](const Account& account, const ServerRequest& request, ServerResponse& response) {
            if (refused(account, response))
                return;
            if (store.remove(collection.storedAs(account), idOf(request)))
                response.status = 204;
            else
                JsonHttp::replyError(response, 404, "no such id");
        });
}

const Account* CloudService::accountOf(const QString& email) const
{
    const auto found = std::find_if(
        accounts.begin(), accounts.end(), [&](const Account& account) { return account.email == email; });
    return found == accounts.end() ? nullptr : &*found;
}

} // namespace sim
