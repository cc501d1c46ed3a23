#pragma once

#include "PodIdentity.h"

#include <QList>

namespace sim {

// One stream a pod sends to another display.
struct PodConnection {
    QString guid;
    QString sink;
    QString resolution;
    QString post;
    bool audio = false;
    QString message;
    QString foreground;
    QString background;

    QJsonObject toJson() const;
};

// Everything a pod was told through its control API, plus its identity.
struct PodState {
    PodIdentity identity;
    bool presence = false;
    QString message;
    QString foreground;
    QString background;
    bool banners = false;
    bool forwarding = false;
    QString overlayText;
    QString overlayColor;
    QList<PodConnection> connections;

    QJsonObject toJson() const;
};

} // namespace sim
