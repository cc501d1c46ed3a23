#include "Account.h"

#include <QJsonArray>

namespace sim {

std::optional<Account> Account::fromJson(const QJsonObject& json, QString* error)
{
    Account account;
    account.email = json.value("email").toString();
    account.password = json.value("password").toString();
    account.screenKeyEnabled = json.value("screenKey").toBool();
    for (const QJsonValue& permission : json.value("permissions").toArray())
        account.permissions.append(permission.toString());
    if (account.email.isEmpty() || account.password.isEmpty()) {
        *error = "every account needs an email and a password";
        return std::nullopt;
    }
    return account;
}

QList<Account> Account::defaults()
{
    return {
        { "editor@trellion.example", "editor-pass", { readRooms, createRooms }, false },
        { "viewer@trellion.example", "viewer-pass", { readRooms }, true },
        { "noaccess@trellion.example", "noaccess-pass", {}, false },
    };
}

} // namespace sim
