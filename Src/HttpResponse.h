#pragma once

#include <QByteArray>
#include <QJsonDocument>
#include <QMetaType>

// What one request came back with: the network error (0 when none), the HTTP
// status (0 when no HTTP answer arrived) and the body (only without error).
struct HttpResponse {
    int error = 0;
    int httpCode = 0;
    QByteArray data;
    QJsonDocument json; // of a cloud call: `data` read as JSON, off the GUI thread; null when it is none
};

Q_DECLARE_METATYPE(HttpResponse)
