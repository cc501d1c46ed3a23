#include "ReplyLimits.h"

#include "Logger.h"

#include <QNetworkReply>

namespace {

constexpr auto limitAttribute = QNetworkRequest::Attribute(QNetworkRequest::User + 2);

} // namespace

void ReplyLimits::apply(QNetworkRequest& request, qint64 bytes)
{
    request.setAttribute(limitAttribute, bytes);
    request.setRawHeader("Accept-Encoding", "identity");
}

qint64 ReplyLimits::of(const QNetworkRequest& request)
{
    return request.attribute(limitAttribute).toLongLong();
}

QString ReplyLimits::refusalOfHeader(const QByteArray& name, const QByteArray& value, qint64 limit)
{
    if (name.compare("Content-Length", Qt::CaseInsensitive) == 0)
        return refusalOfSize(value.trimmed().toLongLong(), limit);
    if (name.compare("Content-Encoding", Qt::CaseInsensitive) == 0
        && value.trimmed().compare("identity", Qt::CaseInsensitive) != 0)
        return QString("encoded as [%1], which was not asked for").arg(QString::fromLatin1(value.trimmed()));
    return {};
}

QString ReplyLimits::refusalOfSize(qint64 bytes, qint64 limit)
{
    return bytes > limit ? QString("larger than %1 bytes").arg(limit) : QString();
}

void ReplyLimits::logRefusal(const QNetworkReply* reply, const QString& refusal)
{
    LOG_WARNING("Reply refused: {}: url=[{}]", refusal, reply->url().toString());
}

void ReplyLimits::enforce(QNetworkReply* reply)
{
    const qint64 limit = of(reply->request());
    if (limit <= 0)
        return;
    const auto refuse = [reply](const QString& refusal) {
        if (refusal.isEmpty() || !reply->isRunning())
            return;
        logRefusal(reply, refusal);
        reply->abort();
    };
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [reply, limit, refuse] {
        for (const QByteArray& name : { QByteArray("Content-Length"), QByteArray("Content-Encoding") }) {
            if (reply->hasRawHeader(name))
                refuse(refusalOfHeader(name, reply->rawHeader(name), limit));
        }
    });
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply,
        [limit, refuse](qint64 received, qint64) { refuse(refusalOfSize(received, limit)); });
}
