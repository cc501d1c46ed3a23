#pragma once

#include <QJsonObject>
#include <QList>
#include <QStringList>
#include <optional>

namespace sim {

// A user of the simulated cloud service.
//
// JSON form: {"email": "...", "password": "...", "permissions": ["read:trellion:rooms", ...],
//             "screenKey": false}
struct Account {
    static inline const QString readRooms = QStringLiteral("read:trellion:rooms");
    static inline const QString createRooms = QStringLiteral("create:trellion:rooms");

    QString email;
    QString password;
    QStringList permissions;
    // What the screen-key feature flag answers for this account.
    bool screenKeyEnabled = false;

    static std::optional<Account> fromJson(const QJsonObject& json, QString* error);
    // An editor, a viewer with the screen-key feature on, and an account without permissions.
    static QList<Account> defaults();

    bool mayEditRooms() const { return permissions.contains(createRooms); }
};

} // namespace sim
