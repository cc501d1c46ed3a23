#include "ClassroomPrimaryDisplay.h"

#include "HttpResponse.h"
#include "Layout.h"
#include "Logger.h"
#include "NetworkManager.h"

ClassroomPrimaryDisplay::ClassroomPrimaryDisplay(QObject* parent)
    : RoutableBlock(-1, parent)
{
    m_displayColor = "#FE4062";
    m_displayName = tr("Primary Display");
    m_displayIcon = "PrimaryFlatScreen";
}

bool ClassroomPrimaryDisplay::canAddOutgoingRoute() const
{
    return isConnected() && !isBeingSinkedInto();
}

// Unlike a team block, the front display may show several routes at once.
bool ClassroomPrimaryDisplay::canAddIncomingRoute() const
{
    return isConnected() && !isActingAsSource();
}

void ClassroomPrimaryDisplay::addIncomingRoute(RouteLine* line)
{
    RoutableBlock::addIncomingRoute(line);
}

void ClassroomPrimaryDisplay::incomingRouteDestroyed(const QString& lineIndex)
{
    RoutableBlock::incomingRouteDestroyed(lineIndex);
}

void ClassroomPrimaryDisplay::showOverlay(const QString& text)
{
    sendPodCall(
        [&](NetworkManager& network) { return network.showOverlay(displayAddress(), text, "#FFFFFF"); },
        [this](const HttpResponse& response) {
            if (response.httpCode != 200)
                LOG_ERROR("Block [{}]: Failed to set primary overlay", blockIndex());
        });
}

QJsonObject ClassroomPrimaryDisplay::toJson() const
{
    return Layout::overStored(m_stored,
        {
            { "active", true },
            { "x", Layout::writeNumber(displayX()) },
            { "y", Layout::writeNumber(displayY()) },
            { "icon", displayIcon() },
            { "address", displayAddress() },
            { "id", displayAddress().isEmpty() ? generateInvalidId() : deviceId() },
        });
}

QJsonObject ClassroomPrimaryDisplay::absentJson(const QJsonObject& stored)
{
    return Layout::overStored(stored, { { "active", false }, { "id", generateInvalidId() } });
}

ClassroomPrimaryDisplay* ClassroomPrimaryDisplay::fromJson(const QJsonObject& object, QObject* parent)
{
    auto* display = new ClassroomPrimaryDisplay(parent);
    display->m_stored = object;
    display->m_displayX = Layout::readCoordinate(object.value("x"));
    display->m_displayY = Layout::readCoordinate(object.value("y"));
    display->readAddress(object.value("address").toString());
    display->m_deviceId = object.contains("id") ? object.value("id").toString() : generateInvalidId();
    return display;
}
