#include "RequestLog.h"

#include "ServerRequest.h"

#include <QDateTime>
#include <QJsonDocument>

namespace sim {

namespace {

const QString mask = QStringLiteral("********");

QJsonObject headersOf(const ServerRequest& request)
{
    QJsonObject headers;
    for (const auto& [name, value] : request.headers) {
        QString text = QString::fromStdString(value);
        if (QString::fromStdString(name).compare("Authorization", Qt::CaseInsensitive) == 0)
            text = text.section(' ', 0, 0) + ' ' + mask;
        headers.insert(QString::fromStdString(name), text);
    }
    return headers;
}

QString maskedBody(const std::string& body)
{
    const QByteArray bytes = QByteArray::fromStdString(body);
    QJsonObject object = QJsonDocument::fromJson(bytes).object();
    if (!object.contains("password"))
        return QString::fromUtf8(bytes);
    object.insert("password", mask);
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

QString queryOf(const std::string& target)
{
    const auto mark = target.find('?');
    return mark == std::string::npos ? QString() : QString::fromStdString(target.substr(mark + 1));
}

} // namespace

void RequestLog::record(const QString& server, const QString& address, const ServerRequest& request)
{
    QJsonObject entry {
        { "time", QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs) },
        { "server", server },
        { "address", address },
        { "method", QString::fromStdString(request.method) },
        { "path", QString::fromStdString(request.path) },
        { "headers", headersOf(request) },
        { "body", maskedBody(request.body) },
    };
    const QString query = queryOf(request.target);
    if (!query.isEmpty())
        entry.insert("query", query);

    std::lock_guard lock(mutex);
    entry.insert("seq", ++lastSequence);
    recorded.push_back(entry);
    if (recorded.size() > capacity)
        recorded.pop_front();
}

QJsonArray RequestLog::entries(qint64 since) const
{
    std::lock_guard lock(mutex);
    QJsonArray result;
    for (const QJsonObject& entry : recorded) {
        if (static_cast<qint64>(entry.value("seq").toDouble()) > since)
            result.append(entry);
    }
    return result;
}

void RequestLog::clear()
{
    std::lock_guard lock(mutex);
    recorded.clear();
}

} // namespace sim
