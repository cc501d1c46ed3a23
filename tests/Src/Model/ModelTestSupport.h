#pragma once

#include "Globals.h"
#include "LogFile.h"
#include "LoopbackServer.h"
#include "NetworkManager.h"
#include "StateManager.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMetaProperty>
#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <limits>

namespace ModelTest {

// The whole application context: request engine, state manager and today's log file.
inline void startApplication()
{
    LogFile::removeToday();
    Globals::getInstance().initialize();
}

inline StateManager* state()
{
    return Globals::getInstance().stateManager();
}

const QString podApi = "/api/v2/content/activerouting";

// A block's pod on loopback, answering every call with 200 unless told otherwise.
struct Pod {
    LoopbackServer server;

    ~Pod()
    {
        // Closing the engine's idle connections lets the server stop without waiting them out.
        Globals::getInstance().networkManager()->findChild<QNetworkAccessManager*>()->clearConnectionCache();
    }

    QString address() const { return server.address(); }
    void setReply(const QString& method, const QString& path, const LoopbackServer::Reply& reply)
    {
        server.setReply(method, path, reply);
    }

    // Bodies of the calls with that method and path, in arrival order.
    QList<QJsonObject> bodies(const QString& method, const QString& path) const
    {
        QList<QJsonObject> result;
        for (const auto& request : server.requests()) {
            if (request.method == method && request.path == path)
                result << QJsonDocument::fromJson(request.body).object();
        }
        return result;
    }
    QStringList calls() const
    {
        QStringList result;
        for (const auto& request : server.requests())
            result << request.method + ' ' + request.path;
        return result;
    }
};

// The log lines written after the mark was taken.
class LogMark {
public:
    LogMark()
        : start(LogFile::read().size())
    {
    }
    QList<LogLine> lines() const { return LogFile::read().mid(start); }
    int count(const QString& level, const QString& message) const
    {
        int found = 0;
        for (const LogLine& line : lines())
            found += line.level == level && line.message == message;
        return found;
    }
    bool isEmpty() const { return lines().isEmpty(); }

private:
    int start;
};

// Any different value, however small the difference.
inline QVariant differentValue(const QVariant& value)
{
    switch (value.userType()) {
    case QMetaType::Double:
        return std::nextafter(value.toDouble(), std::numeric_limits<double>::infinity());
    case QMetaType::Int:
        return value.toInt() + 1;
    case QMetaType::Bool:
        return !value.toBool();
    default:
        return value.toString() + "x";
    }
}

// Every writable property below QObject: writing the current value does nothing; a different
// value emits the change signal once and marks the layout unsaved, except for
// the index properties, which never mark it.
inline void checkSetters(QObject* object, const QStringList& indexProperties)
{
    const QMetaObject* meta = object->metaObject();
    for (int i = QObject::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (!property.isWritable())
            continue;
        const QString name = property.name();
        QSignalSpy changed(object, property.notifySignal());
        state()->requireSave(false);
        QVERIFY2(property.write(object, property.read(object)), qPrintable(name));
        QVERIFY2(
            changed.isEmpty() && !state()->saveRequired(), qPrintable(name + " changed on an equal value"));

        const QVariant next = differentValue(property.read(object));
        QVERIFY2(property.write(object, next), qPrintable(name));
        QCOMPARE(property.read(object), next);
        QVERIFY2(changed.size() == 1, qPrintable(name + " did not signal once"));
        QVERIFY2(state()->saveRequired() != indexProperties.contains(name),
            qPrintable(name + ": wrong unsaved mark"));
    }
}

} // namespace ModelTest
