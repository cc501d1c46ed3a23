#include "InProcessSimulator.h"

namespace {

httplib::Client clientFor(const QString& url)
{
    httplib::Client client(url.toStdString());
    client.set_connection_timeout(2);
    client.set_read_timeout(2);
    return client;
}

} // namespace

InProcessSimulator::InProcessSimulator(sim::SimulatorOptions options)
    : simulator(std::make_unique<sim::Simulator>(options))
{
    QString error;
    running = simulator->start(&error);
    if (!running)
        qWarning("simulator did not start: %s", qPrintable(error));
    info = simulator->endpoints();
}

httplib::Client InProcessSimulator::cloud() const
{
    return clientFor(info.value("authUrl").toString());
}

httplib::Client InProcessSimulator::pod(int index) const
{
    return clientFor("http://" + podAddress(index));
}

httplib::Headers InProcessSimulator::signIn(const QString& email, const QString& password)
{
    const auto reply
        = cloud().Post("/v1/auth/token", json({ { "email", email }, { "password", password } }), jsonType);
    const QString token = json(reply).object().value("access_token").toString();
    return { { "Authorization", "Bearer " + token.toStdString() } };
}

QJsonObject InProcessSimulator::control(const std::string& path)
{
    return json(cloud().Get("/control" + path)).object();
}

QJsonObject InProcessSimulator::podState(int index)
{
    return control("/pods").value("pods").toArray().at(index).toObject();
}

bool InProcessSimulator::setFault(const QJsonObject& fault)
{
    return statusOf(cloud().Post("/control/faults", json(fault), jsonType)) == 200;
}

std::string json(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}

QJsonDocument json(const httplib::Result& result)
{
    return result ? QJsonDocument::fromJson(QByteArray::fromStdString(result->body)) : QJsonDocument();
}

int statusOf(const httplib::Result& result)
{
    return result ? result->status : 0;
}
