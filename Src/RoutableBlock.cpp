#include "RoutableBlock.h"

#include "Globals.h"
#include "Layout.h"
#include "Logger.h"
#include "NetworkManager.h"
#include "PodAddressCheck.h"
#include "PodReplies.h"
#include "RouteLine.h"

#include <QUuid>
#include <algorithm>
#include <utility>

RoutableBlock::RoutableBlock(int blockIndex, QObject* parent)
    : QObject(parent)
    , m_blockIndex(blockIndex)
{
    for (auto changed : { &RoutableBlock::displayNameChanged, &RoutableBlock::incomingRoutesChanged,
             &RoutableBlock::outgoingRoutesChanged, &RoutableBlock::isConnectedChanged,
             &RoutableBlock::isConnectingChanged, &RoutableBlock::addressProblemChanged })
        connect(this, changed, this, &RoutableBlock::accessibleNameChanged);
}

// "Team 2, Team 3 and Team 4": the names of the blocks at the far end of `lines`, in the
// classroom's order.
QString RoutableBlock::namesAtEnds(const RouteMap& lines, RoutableBlock* (RouteLine::*end)() const)
{
    QList<const RoutableBlock*> blocks;
    for (const RouteLine* line : lines)
        if (const RoutableBlock* block = (line->*end)())
            blocks << block;
    std::sort(blocks.begin(), blocks.end(),
        [](const RoutableBlock* a, const RoutableBlock* b) { return a->blockIndex() < b->blockIndex(); });
    QStringList names;
    for (const RoutableBlock* block : qAsConst(blocks))
        names << block->displayName();
    return listOfNames(names);
}

QString RoutableBlock::listOfNames(QStringList names)
{
    const QString last = names.isEmpty() ? QString() : names.takeLast();
    return names.isEmpty() ? last : tr("%1 and %2").arg(names.join(tr(", ")), last);
}

QString RoutableBlock::accessibleName() const
{
    if (!isAddressValid())
        return tr("%1, %2").arg(displayName(), m_addressProblem);
    if (isConnecting())
        return tr("%1, connecting").arg(displayName());
    if (!isConnected())
        return tr("%1, disconnected").arg(displayName());
    QStringList parts { displayName() };
    if (hasIncomingRoutes()) {
        const QString sources = namesAtEnds(m_incomingRoutes, &RouteLine::source);
        parts << (isPrimaryBlock() ? tr("shows %1").arg(sources) : tr("display, receives %1").arg(sources));
    }
    if (hasOutgoingRoutes())
        parts << tr("sends to %1").arg(namesAtEnds(m_outgoingRoutes, &RouteLine::sink));
    return parts.join(tr(", "));
}

QString RoutableBlock::generateInvalidId()
{
    return "Invalid<" + QUuid::createUuid().toString(QUuid::WithoutBraces) + ">";
}

void RoutableBlock::sendPodCall(
    const std::function<HttpRequest*(NetworkManager&)>& call, const ReplyHandler& onReply)
{
    NetworkManager* network = Globals::getInstance().networkManager();
    if (!network || !isAddressValid())
        return;
    HttpRequest* request = call(*network);
    if (onReply)
        connect(request, &HttpRequest::finished, this, onReply);
}

// Route tables

void RoutableBlock::insertRoute(RouteMap& routes, RouteLine* line, void (RoutableBlock::*changed)())
{
    routes.insert(line->lineIndex(), line);
    // Lines belong to the routing session; one deleted without telling us must not linger here.
    connect(line, &QObject::destroyed, this, [this, &routes, line, changed] {
        if (routes.remove(routes.key(line)))
            routesChanged(changed);
    });
}

void RoutableBlock::routesChanged(void (RoutableBlock::*changed)())
{
    emit(this->*changed)();
    emit routabilityChanged();
}

void RoutableBlock::addOutgoingRoute(RouteLine* line)
{
    if (!line)
        return;
    insertRoute(m_outgoingRoutes, line, &RoutableBlock::outgoingRoutesChanged);
    connect(
        line, &RouteLine::connectionFailed, this, &RoutableBlock::removeOutgoingRoute, Qt::UniqueConnection);
    routesChanged(&RoutableBlock::outgoingRoutesChanged);
}

void RoutableBlock::addIncomingRoute(RouteLine* line)
{
    if (!line)
        return;
    insertRoute(m_incomingRoutes, line, &RoutableBlock::incomingRoutesChanged);
    routesChanged(&RoutableBlock::incomingRoutesChanged);
    connect(line, &RouteLine::connectionRemoved, this, &RoutableBlock::incomingRouteDestroyed,
        Qt::UniqueConnection);
}

void RoutableBlock::incomingRouteDestroyed(const QString& lineIndex)
{
    m_incomingRoutes.remove(lineIndex);
    routesChanged(&RoutableBlock::incomingRoutesChanged);
}

QList<QObject*> RoutableBlock::outgoingRoutes() const
{
    return Layout::objects(m_outgoingRoutes.values());
}
QList<QObject*> RoutableBlock::incomingRoutes() const
{
    return Layout::objects(m_incomingRoutes.values());
}

bool RoutableBlock::hasOutgoingRoute(int sinkIndex) const
{
    return std::any_of(m_outgoingRoutes.cbegin(), m_outgoingRoutes.cend(),
        [sinkIndex](const RouteLine* line) { return line->sinkIndex() == sinkIndex; });
}

bool RoutableBlock::hasIncomingRoute(int sourceIndex) const
{
    return std::any_of(m_incomingRoutes.cbegin(), m_incomingRoutes.cend(),
        [sourceIndex](const RouteLine* line) { return line->sourceIndex() == sourceIndex; });
}

void RoutableBlock::removeOutgoingRoute(const QString& lineIndex)
{
    if (m_droppedOut && m_outgoingRoutes.contains(lineIndex)) {
        dropOutgoingRoute(m_outgoingRoutes.value(lineIndex));
        return;
    }
    if (!isConnected())
        return;
    RouteLine* line = m_outgoingRoutes.value(lineIndex);
    if (!line) {
        LOG_ERROR("Block [{}]: No line found to remove: lineIndex=[{}]", blockIndex(), lineIndex);
        return;
    }
    if (m_mayHoldUnnamedConnections && m_outgoingRoutes.size() == 1) {
        // Its last route: only a terminate also ends connections the pod opened unnamed.
        terminateConnections();
    } else if (line->isConnectionAlive()) {
        const QString guid = line->apiGuid();
        sendPodCall([&](NetworkManager& network) { return network.disconnectPod(displayAddress(), guid); },
            [this](const HttpResponse& response) {
                if (response.httpCode == 0)
                    noteUnnamedConnection(); // the pod may still show it
                if (response.httpCode != 200)
                    LOG_ERROR("Error removing connection");
            });
    }
    line->destroyConnection();
    m_outgoingRoutes.remove(lineIndex);
    routesChanged(&RoutableBlock::outgoingRoutesChanged);
}

void RoutableBlock::removeAllRoutes()
{
    while (m_droppedOut && !m_outgoingRoutes.isEmpty())
        dropOutgoingRoute(m_outgoingRoutes.first());
    if (!isConnected())
        return;
    terminateConnections();
    while (!m_outgoingRoutes.isEmpty()) {
        const QString lineIndex = m_outgoingRoutes.firstKey();
        m_outgoingRoutes.first()->destroyConnection();
        m_outgoingRoutes.remove(lineIndex);
    }
    routesChanged(&RoutableBlock::outgoingRoutesChanged);
}

void RoutableBlock::dropOutgoingRoute(RouteLine* line)
{
    // Cleared with a terminate when the pod answers again.
    noteUnnamedConnection();
    m_outgoingRoutes.remove(line->lineIndex());
    line->destroyConnection();
    routesChanged(&RoutableBlock::outgoingRoutesChanged);
}

// Pod calls

void RoutableBlock::terminateConnections()
{
    m_mayHoldUnnamedConnections = false;
    sendPodCall([&](NetworkManager& network) { return network.disconnectAll(displayAddress()); },
        [this](const HttpResponse& response) {
            if (response.httpCode != 200)
                LOG_ERROR("Block [{}]: Failed to remove all routes", blockIndex());
        });
}

void RoutableBlock::showOverlay(const QString& text)
{
    if (!isConnected())
        return;
    sendPodCall(
        [&](NetworkManager& network) { return network.showOverlay(displayAddress(), text, "#FFFFFF"); },
        [this](const HttpResponse& response) {
            if (response.httpCode != 200)
                LOG_ERROR("Block [{}]: Failed to display overlay", blockIndex());
        });
}

void RoutableBlock::showRoutingBanners(bool show)
{
    if (!isConnected() || m_apiVersion < 2)
        return;
    sendPodCall([&](NetworkManager& network) { return network.showRoutingBanners(displayAddress(), show); },
        [this](const HttpResponse& response) {
            if (response.httpCode != 200)
                LOG_ERROR("Block [{}]: Failed to toggle banners", blockIndex());
        });
}

void RoutableBlock::requestVersion()
{
    sendPodCall([&](NetworkManager& network) { return network.requestServerVersion(displayAddress()); },
        [this](const HttpResponse& response) {
            if (response.httpCode != 200) {
                LOG_ERROR("Block [{}]: Version failed: httpCode=[{}]", blockIndex(), response.httpCode);
                return;
            }
            readVersion(response);
        });
}

void RoutableBlock::readVersion(const HttpResponse& response)
{
    m_apiVersion = PodReplies::apiVersion(response.data);
    LOG_ERROR("Block [{}]: API version of server={}", blockIndex(), m_apiVersion);
}

bool RoutableBlock::dropOut()
{
    if (!m_isConnected)
        return false;
    m_droppedOut = true;
    setConnected(false);
    return true;
}

void RoutableBlock::rejoin(bool showBanners, bool frameForwarding)
{
    // A returning pod starts clean: whatever it still streams is sent again from the plan.
    if (m_mayHoldUnnamedConnections || (m_droppedOut && hasOutgoingRoutes())) {
        terminateConnections();
        for (RouteLine* line : qAsConst(m_outgoingRoutes))
            line->forgetConnection();
    }
    m_joiningLate = true;
    beginSession(showBanners, frameForwarding);
}

void RoutableBlock::setConnected(bool connected)
{
    if (!assignIfChanged(m_isConnected, connected))
        return;
    emit isConnectedChanged();
    emit routabilityChanged();
}

void RoutableBlock::setConnecting(bool connecting)
{
    if (assignIfChanged(m_isConnecting, connecting))
        emit isConnectingChanged();
}

void RoutableBlock::beginSession(bool showBanners, bool frameForwarding)
{
    // A block coming back stays shown as disconnected until it has joined; one whose address is
    // refused is never asked.
    if (!m_joiningLate && isAddressValid())
        setConnecting(true);
    const QString message = displayName() + " is sharing!";
    sendPodCall(
        [&](NetworkManager& network) {
            return network.configurePod(displayAddress(), message, "#FFFFFF", displayColor());
        },
        [this, showBanners, frameForwarding](const HttpResponse& response) {
            const bool late = std::exchange(m_joiningLate, false);
            if (response.httpCode != 200) {
                LOG_ERROR("Block [{}]: Configure failed: httpCode=[{}]", blockIndex(), response.httpCode);
                setConnected(false);
                setConnecting(false);
                return;
            }
            if (m_apiVersion > 1) {
                sendPodCall([&](NetworkManager& network) {
                    return network.showRoutingBanners(displayAddress(), showBanners);
                });
                sendPodCall([&](NetworkManager& network) {
                    return network.enableFrameForwarding(displayAddress(), frameForwarding);
                });
            }
            m_droppedOut = false;
            setConnected(true);
            setConnecting(false);
            emit joined(late);
        });
}

void RoutableBlock::queryDeviceId()
{
    setDeviceId(generateInvalidId());
    sendPodCall([&](NetworkManager& network) { return network.queryDeviceId(displayAddress()); },
        [this](const HttpResponse& response) {
            if (response.httpCode != 200) {
                LOG_WARNING(
                    "Block [{}]: Failed to retrieve deviceId: error=[{}]", blockIndex(), response.error);
                return;
            }
            const QString deviceId = PodReplies::deviceId(response.data);
            if (deviceId.isEmpty()) {
                LOG_WARNING("Block [{}]: Failed to parse deviceId", blockIndex());
                return;
            }
            setDeviceId(deviceId);
        });
}

// Properties

void RoutableBlock::setBlockIndex(int index)
{
    if (assignIfChanged(m_blockIndex, index))
        emit blockIndexChanged();
}

void RoutableBlock::setDisplayName(const QString& name)
{
    Layout::set(this, m_displayName, name, &RoutableBlock::displayNameChanged);
}

void RoutableBlock::setDeviceId(const QString& id)
{
    Layout::set(this, m_deviceId, id, &RoutableBlock::deviceIdChanged);
}

void RoutableBlock::setDisplayColor(const QString& color)
{
    Layout::set(this, m_displayColor, color, &RoutableBlock::displayColorChanged);
}

void RoutableBlock::setDisplayAddress(const QString& address)
{
    Layout::set(this, m_displayAddress, address, &RoutableBlock::displayAddressChanged);
    checkAddress();
}

void RoutableBlock::readAddress(const QString& address)
{
    m_displayAddress = address;
    checkAddress();
}

void RoutableBlock::checkAddress()
{
    const QString problem = PodAddressCheck::formatProblem(m_displayAddress).isEmpty()
        ? QString()
        : tr("The stored pod address is not valid");
    if (!assignIfChanged(m_addressProblem, problem))
        return;
    if (!problem.isEmpty())
        LOG_WARNING("Block [{}]: pod address refused, nothing is sent to it: address=[{}]", blockIndex(),
            PodAddressCheck::loggable(m_displayAddress));
    emit addressProblemChanged();
}

void RoutableBlock::setDisplayIcon(const QString& icon)
{
    Layout::set(this, m_displayIcon, icon, &RoutableBlock::displayIconChanged);
}

void RoutableBlock::setDisplayX(double x)
{
    Layout::set(this, m_displayX, x, &RoutableBlock::displayXChanged);
}
void RoutableBlock::setDisplayY(double y)
{
    Layout::set(this, m_displayY, y, &RoutableBlock::displayYChanged);
}

void RoutableBlock::setDisplayWidth(double width)
{
    Layout::set(this, m_displayWidth, width, &RoutableBlock::displayWidthChanged);
}

void RoutableBlock::setDisplayHeight(double height)
{
    Layout::set(this, m_displayHeight, height, &RoutableBlock::displayHeightChanged);
}

void RoutableBlock::setIsAudioSource(bool isAudioSource)
{
    Layout::set(this, m_isAudioSource, isAudioSource, &RoutableBlock::isAudioSourceChanged);
}
