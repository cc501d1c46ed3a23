#include "AccessTokens.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>

namespace sim {

namespace {

const auto tokenEncoding = QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;

QByteArray encodedPart(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact).toBase64(tokenEncoding);
}

QByteArray randomSignature()
{
    QByteArray bytes(32, Qt::Uninitialized);
    QRandomGenerator::global()->fillRange(reinterpret_cast<quint32*>(bytes.data()), bytes.size() / 4);
    return bytes.toBase64(tokenEncoding);
}

} // namespace

AccessTokens::AccessTokens(QString claim, int lifetimeSeconds)
    : claim(std::move(claim))
    , lifetimeSeconds(lifetimeSeconds)
{
}

QString AccessTokens::issue(const Account& account)
{
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    const QJsonObject payload {
        { "iss", "trellion-sim" },
        { "sub", "sim|" + account.email },
        { "aud", "trellion" },
        { "iat", now },
        { "exp", now + lifetimeSeconds },
        { claim, QJsonObject { { "permissions", QJsonArray::fromStringList(account.permissions) } } },
    };
    const QString token = QString::fromLatin1(encodedPart({ { "alg", "HS256" }, { "typ", "JWT" } }) + '.'
        + encodedPart(payload) + '.' + randomSignature());

    std::lock_guard lock(mutex);
    ownerByToken.insert(token, { account.email, now + lifetimeSeconds });
    return token;
}

std::optional<QString> AccessTokens::ownerOf(const std::string& authorization) const
{
    const std::string scheme = "Bearer ";
    if (authorization.rfind(scheme, 0) != 0)
        return std::nullopt;
    std::lock_guard lock(mutex);
    const auto found = ownerByToken.constFind(QString::fromStdString(authorization.substr(scheme.size())));
    if (found == ownerByToken.constEnd() || QDateTime::currentSecsSinceEpoch() >= found->expiresAt)
        return std::nullopt;
    return found->email;
}

} // namespace sim
