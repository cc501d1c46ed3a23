#include "PodState.h"

#include <QJsonArray>

namespace sim {

QJsonObject PodConnection::toJson() const
{
    return {
        { "guid", guid },
        { "sink", sink },
        { "resolution", resolution },
        { "post", post },
        { "audio", audio },
        { "message", message },
        { "foreground", foreground },
        { "background", background },
    };
}

QJsonObject PodState::toJson() const
{
    QJsonObject json = identity.toJson();
    QJsonArray connectionList;
    for (const PodConnection& connection : connections)
        connectionList.append(connection.toJson());
    json.insert("presence", presence);
    json.insert("message", message);
    json.insert("foreground", foreground);
    json.insert("background", background);
    json.insert("banners", banners);
    json.insert("forwarding", forwarding);
    json.insert("overlayText", overlayText);
    json.insert("overlayColor", overlayColor);
    json.insert("connections", connectionList);
    return json;
}

} // namespace sim
