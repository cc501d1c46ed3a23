#pragma once

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QProcess>
#include <QStringList>

// Runs trellion-sim for one test: starts it on free ports, reads where everything is from its
// JSON line, talks to its control endpoint, and stops it again when it goes out of scope.
//
//     SimulatorFixture simulator({ "--pods", "3" });
//     QVERIFY2(simulator.start(), qPrintable(simulator.errorString()));
//     simulator.setFault({ { "target", "pod:1" }, { "action", "hold" } });
class SimulatorFixture {
public:
    struct Reply {
        int status = 0; // 0: no HTTP answer
        QByteArray body;
        QJsonDocument json() const { return QJsonDocument::fromJson(body); }
    };

    explicit SimulatorFixture(QStringList arguments = {});
    ~SimulatorFixture();
    SimulatorFixture(const SimulatorFixture&) = delete;
    SimulatorFixture& operator=(const SimulatorFixture&) = delete;

    static QString executable();

    bool start(int timeoutMs = 10000);
    // Sends SIGTERM; true when the simulator exited cleanly in time.
    bool stop(int timeoutMs = 5000);
    QString errorString() const { return error; }
    qint64 processId() const { return process.processId(); }

    QJsonObject endpoints() const { return info; }
    QString authUrl() const { return info.value("authUrl").toString(); }
    QString backendUrl() const { return info.value("backendUrl").toString(); }
    QString analyticsUrl() const { return info.value("analyticsUrl").toString(); }
    QString controlUrl() const { return info.value("controlUrl").toString(); }
    QString authClaim() const { return info.value("authClaim").toString(); }
    QStringList podAddresses() const;
    QString podAddress(int index) const { return podAddresses().value(index); }

    // The recorded requests, all or those to one server ("cloud", "pod:N" or "127.0.0.1:PORT").
    QJsonArray requests() const;
    QJsonArray requestsTo(const QString& server) const;
    bool clearRequests();
    QJsonArray podStates() const;
    QJsonObject podState(int index) const;
    // Changes a pod's name, apiVersion, screenKey or deviceId.
    bool updatePod(int index, const QJsonObject& changes);
    bool setFault(const QJsonObject& fault);
    bool clearFaults();
    QJsonObject analytics() const;

    // One call to the control endpoint, `path` relative to it ("/pods"), waiting at most 5 s.
    Reply control(const QByteArray& verb, const QString& path, const QJsonDocument& body = {}) const;

private:
    QStringList arguments;
    QProcess process;
    QJsonObject info;
    QString error;
    mutable QNetworkAccessManager network;
};
