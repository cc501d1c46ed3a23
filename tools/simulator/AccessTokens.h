#pragma once

#include "Account.h"

#include <QHash>
#include <mutex>

namespace sim {

// Issues and recognises bearer tokens shaped like the real service's: header.payload.signature,
// each part standard Base64 without padding. The payload carries the account's permissions under
// the deployment's claim key. A token is valid for `lifetimeSeconds` and only in the process that
// issued it, so a restart forgets every sign-in, as an expiry does.
class AccessTokens {
public:
    static constexpr int defaultLifetimeSeconds = 24 * 3600;

    AccessTokens(QString claim, int lifetimeSeconds);

    QString issue(const Account& account);
    int lifetime() const { return lifetimeSeconds; }
    // The e-mail address whose token an Authorization header value ("Bearer ...") carries.
    std::optional<QString> ownerOf(const std::string& authorization) const;

private:
    struct Owner {
        QString email;
        qint64 expiresAt; // seconds since the epoch
    };

    const QString claim;
    const int lifetimeSeconds;
    mutable std::mutex mutex;
    QHash<QString, Owner> ownerByToken;
};

} // namespace sim
