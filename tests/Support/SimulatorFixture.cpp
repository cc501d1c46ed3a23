#include "SimulatorFixture.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QNetworkReply>
#include <QTimer>

SimulatorFixture::SimulatorFixture(QStringList arguments)
    : arguments(std::move(arguments))
{
}

SimulatorFixture::~SimulatorFixture()
{
    stop();
}

QString SimulatorFixture::executable()
{
    return QStringLiteral(TRELLION_SIM_PATH);
}

bool SimulatorFixture::start(int timeoutMs)
{
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(executable(), arguments + QStringList { "--exit-with-parent" });
    const QDeadlineTimer deadline(timeoutMs);
    while (!process.canReadLine() && process.state() != QProcess::NotRunning && !deadline.hasExpired())
        process.waitForReadyRead(static_cast<int>(deadline.remainingTime()));

    info = QJsonDocument::fromJson(process.readLine()).object();
    if (info.contains("pods"))
        return true;
    error = QString("trellion-sim did not start: %1").arg(QString::fromUtf8(process.readAllStandardError()));
    stop();
    return false;
}

bool SimulatorFixture::stop(int timeoutMs)
{
    if (process.state() == QProcess::NotRunning)
        return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    process.terminate();
    if (process.waitForFinished(timeoutMs))
        return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    process.kill();
    process.waitForFinished();
    return false;
}

QStringList SimulatorFixture::podAddresses() const
{
    QStringList addresses;
    for (const QJsonValue& address : info.value("pods").toArray())
        addresses.append(address.toString());
    return addresses;
}

QJsonArray SimulatorFixture::requests() const
{
    return control("GET", "/requests").json().object().value("requests").toArray();
}

QJsonArray SimulatorFixture::requestsTo(const QString& server) const
{
    QJsonArray matching;
    for (const QJsonValue& request : requests()) {
        const QJsonObject entry = request.toObject();
        if (entry.value("server").toString() == server || entry.value("address").toString() == server)
            matching.append(entry);
    }
    return matching;
}

bool SimulatorFixture::clearRequests()
{
    return control("DELETE", "/requests").status == 204;
}

QJsonArray SimulatorFixture::podStates() const
{
    return control("GET", "/pods").json().object().value("pods").toArray();
}

QJsonObject SimulatorFixture::podState(int index) const
{
    return podStates().at(index).toObject();
}

bool SimulatorFixture::updatePod(int index, const QJsonObject& changes)
{
    return control("PATCH", QString("/pods/%1").arg(index), QJsonDocument(changes)).status == 200;
}

bool SimulatorFixture::setFault(const QJsonObject& fault)
{
    return control("POST", "/faults", QJsonDocument(fault)).status == 200;
}

bool SimulatorFixture::clearFaults()
{
    return control("DELETE", "/faults").status == 204;
}

QJsonObject SimulatorFixture::analytics() const
{
    return control("GET", "/analytics").json().object();
}

SimulatorFixture::Reply SimulatorFixture::control(
    const QByteArray& verb, const QString& path, const QJsonDocument& body) const
{
    QNetworkRequest request(QUrl(controlUrl() + path));
    const QByteArray payload = body.isNull() ? QByteArray() : body.toJson(QJsonDocument::Compact);
    if (!payload.isEmpty())
        request.setHeader(QNetworkRequest::ContentTypeHeader, "application/json");
    QNetworkReply* reply = network.sendCustomRequest(request, verb, payload);

    QEventLoop loop;
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec();

    Reply result;
    if (reply->isFinished()) {
        result.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        result.body = reply->readAll();
    }
    reply->abort();
    delete reply;
    return result;
}
