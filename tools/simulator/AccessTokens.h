#pragma once

#include "Account.h"

#include <QHash>
#include <mutex>

namespace sim {

// Issues and recognises bearer tokens shaped like the real service's: header.payload.signature,
// each part standard Base64 without padding. The payload carries the account's permissions under
// the deployment's claim key. Tokens stay valid for the life of the process.
class AccessTokens {
public:
    explicit AccessTokens(QString claim);

    QString issue(const Account& account);
    // The e-mail address whose token an Authorization header value ("Bearer ...") carries.
    std::optional<QString> ownerOf(const std::string& authorization) const;

private:
    const QString claim;
    mutable std::mutex mutex;
    QHash<QString, QString> emailByToken;
};

} // namespace sim
