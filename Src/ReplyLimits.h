#pragma once

#include <QString>

class QNetworkReply;
class QNetworkRequest;

// What the engine accepts of a reply: a body no larger than its limit, sent as it is. The body is
// asked for unencoded, so that nothing has to be inflated to be counted; an answer that comes
// encoded anyway, or grows past its limit, is refused while it arrives and fails like a call that
// got no answer.
namespace ReplyLimits {

constexpr qint64 podCallBytes = 1 << 20;
constexpr qint64 snapshotBytes = 8 << 20;
constexpr qint64 cloudCallBytes = 64 << 20;

// Carries the limit on the request, so that either transport holds it.
void apply(QNetworkRequest& request, qint64 bytes);
qint64 of(const QNetworkRequest& request);

// Why a reply with this header, or with this many body bytes, is refused; empty when it is not.
QString refusalOfHeader(const QByteArray& name, const QByteArray& value, qint64 limit);
QString refusalOfSize(qint64 bytes, qint64 limit);
void logRefusal(const QNetworkReply* reply, const QString& refusal);

// For Qt's own transport: aborts `reply` as soon as it is to be refused.
void enforce(QNetworkReply* reply);

} // namespace ReplyLimits
