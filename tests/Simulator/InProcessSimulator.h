#pragma once

#include "Simulator.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <httplib.h>
#include <memory>

// A simulator inside the test process, with HTTP clients for its servers and small JSON helpers.
class InProcessSimulator {
public:
    explicit InProcessSimulator(sim::SimulatorOptions options = {});

    bool isRunning() const { return running; }
    void stop() { simulator->stop(); }
    const QJsonObject& endpoints() const { return info; }
    QString podAddress(int index) const { return info.value("pods").toArray().at(index).toString(); }

    // Clients time out after two seconds unless told otherwise.
    httplib::Client cloud() const;
    httplib::Client pod(int index) const;

    // Signs in and returns the Authorization header for the account.
    httplib::Headers signIn(const QString& email, const QString& password);

    // The control endpoint's answer to a GET, e.g. control("/pods").
    QJsonObject control(const std::string& path);
    QJsonObject podState(int index);
    bool setFault(const QJsonObject& fault);

private:
    std::unique_ptr<sim::Simulator> simulator;
    QJsonObject info;
    bool running = false;
};

// Turning test data into request bodies and answers into JSON.
std::string json(const QJsonObject& object);
QJsonDocument json(const httplib::Result& result);
int statusOf(const httplib::Result& result); // 0 when no answer came
inline const char* const jsonType = "application/json; charset=utf-8";
