#include "PodReplies.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace {

QJsonValue member(const QByteArray& body, const char* key)
{
    return QJsonDocument::fromJson(body).object().value(QLatin1String(key));
}

} // namespace

int PodReplies::apiVersion(const QByteArray& body)
{
    return member(body, "version").toString().toInt(nullptr, 10);
}

QString PodReplies::connectionGuid(const QByteArray& body)
{
    return member(body, "guid").toString();
}

QString PodReplies::deviceId(const QByteArray& body)
{
    static const QRegularExpression row("<tr><td><b>DeviceId</b></td><td>(\\w+)</td></tr>");
    return row.match(QString::fromUtf8(body)).captured(1);
}
