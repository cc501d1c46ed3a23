#pragma once

#include "AccessTokens.h"
#include "Account.h"
#include "CloudStore.h"

#include <functional>

namespace sim {

class HttpServer;
struct ServerRequest;
struct ServerResponse;

// The simulated cloud service on one server: sign-in, the room library shared by all accounts,
// each account's overlay messages and the screen-key feature flag. Backend calls need a bearer
// token from sign-in; changing rooms also needs the create permission.
class CloudService {
public:
    CloudService(HttpServer& server, QList<Account> accounts, const QString& authClaim,
        const QString& dataDirectory, int tokenLifetimeSeconds = AccessTokens::defaultLifetimeSeconds);

    // Call once the pod addresses are known; `library` holds the rooms to start with.
    bool open(const PodAddressCodec& codec, const QJsonArray& library, QString* error);
    // Replaces the room library with a JSON array of rooms, served byte for byte until it changes.
    // False when the text is not a JSON array.
    bool replaceRooms(const QString& text);
    // The rooms as stored now, with this run's pod addresses.
    QJsonArray rooms() const;

private:
    using AccountHandler = std::function<void(const Account&, const ServerRequest&, ServerResponse&)>;

    // One REST collection: its stored collection for an account, who may change it, and how a
    // document is prepared for storing.
    struct Collection {
        std::function<QString(const Account&)> storedAs;
        std::function<bool(const Account&)> mayChange;
        std::function<QJsonObject(const QJsonObject&)> prepare;
    };

    void signIn(const ServerRequest& request, ServerResponse& response);
    void backend(const std::string& method, const std::string& pattern, AccountHandler handler);
    void serveCollection(const std::string& path, const Collection& collection);
    const Account* accountOf(const QString& email) const;

    HttpServer& server;
    const QList<Account> accounts;
    AccessTokens tokens;
    CloudStore store;
};

} // namespace sim
