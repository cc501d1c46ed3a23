#include "RoutingSession.h"

#include "ClassroomLayoutManager.h"
#include "ClassroomLayoutModel.h"
#include "ClassroomPrimaryDisplay.h"
#include "Globals.h"
#include "Logger.h"
#include "NetworkManager.h"
#include "OverlayMessageManager.h"
#include "RouteLine.h"
#include "SessionStatistics.h"
#include "Settings/Settings.h"
#include "TeamBlock.h"

namespace {

constexpr int primaryIndex = -1;
const QString eyesUpFront = QStringLiteral("Eyes Up Front");

NetworkManager* network()
{
    return Globals::getInstance().networkManager();
}
SessionStatistics* statistics()
{
    return Globals::getInstance().sessionStatistics();
}

} // namespace

RoutingSession::RoutingSession(QObject* parent)
    : QObject(parent)
    , placeholderLayout(new ClassroomLayoutModel(this))
    , m_overlayMessageManager(new OverlayMessageManager(this))
{
}

ClassroomLayoutModel* RoutingSession::currentLayout() const
{
    return layout ? layout.data() : placeholderLayout;
}

QList<RoutableBlock*> RoutingSession::blocks(bool withPrimary) const
{
    QList<RoutableBlock*> result;
    if (!layout)
        return result;
    for (TeamBlock* teamBlock : layout->teamBlocks())
        result.append(teamBlock);
    if (withPrimary && layout->primaryDisplay())
        result.append(layout->primaryDisplay());
    return result;
}

RoutableBlock* RoutingSession::block(int index) const
{
    return layout ? layout->routableBlock(index) : nullptr;
}

QList<QObject*> RoutingSession::routingLinesModel() const
{
    QList<QObject*> lines;
    for (RoutableBlock* source : blocks())
        lines.append(source->outgoingRoutes());
    return lines;
}

bool RoutingSession::isSessionActive() const
{
    return layout && !routingLinesModel().isEmpty();
}

void RoutingSession::followRoutes(bool follow)
{
    for (RoutableBlock* source : blocks()) {
        if (follow)
            connect(source, &RoutableBlock::outgoingRoutesChanged, this, &RoutingSession::routingLinesChanged,
                Qt::UniqueConnection);
        else
            disconnect(
                source, &RoutableBlock::outgoingRoutesChanged, this, &RoutingSession::routingLinesChanged);
    }
}

void RoutingSession::flushIfIssuedSince(int since)
{
    if (network()->podRequestsQueued() != since)
        network()->queueFlushRequest();
}

void RoutingSession::startSession(const QString& newClassroomId, bool resetBanners, bool fromReset)
{
    LOG_INFO("Starting routing session: newClassroomId=[{}]", newClassroomId);
    ClassroomLayoutModel* found
        = Globals::getInstance().classroomLayoutManager()->classroomLayout(newClassroomId);
    if (!found) {
        LOG_ERROR("No classroom to route: newClassroomId=[{}]", newClassroomId);
        return;
    }
    followRoutes(false);
    layout = found;
    if (resetBanners)
        showBanners = layout->isShowRoutingBanners();
    if (!fromReset)
        statistics()->startRouting(layout, m_overlayMessageManager->getNumberMessages());

    // Versions first: the configure replies read them, so a barrier keeps the rounds apart.
    for (RoutableBlock* routable : blocks())
        routable->requestVersion();
    network()->queueFlushRequest();
    const bool frameForwarding = Globals::getInstance().settings()->doesFrameForwarding();
    for (RoutableBlock* routable : blocks())
        routable->beginSession(showBanners, frameForwarding);
    followRoutes(true);
    network()->queueFlushRequest();
    m_overlayMessageManager->retrieveMessagesFromOrbeth();
}

void RoutingSession::endSession()
{
    LOG_INFO("Ending routing session");
    if (!layout) {
        LOG_WARNING("No active session, cannot be ended");
        return;
    }
    network()->abortAllPodConnections();
    if (!routingLinesModel().isEmpty())
        removeAllRoutes(true, false);
    resetOverlay();
    network()->queueFlushRequest();
    followRoutes(false);
    layout = nullptr;
    statistics()->stopRouting();
}

void RoutingSession::addRouteLine(int sinkIndex, int sourceIndex)
{
    if (sinkIndex == sourceIndex || !layout)
        return;
    RoutableBlock* source = block(sourceIndex);
    RoutableBlock* sink = block(sinkIndex);
    if (!source || !sink) {
        LOG_ERROR(
            "Could not create a new line. One of the blocks does not exist: sourceIndex=[{}] sinkIndex=[{}]",
            sourceIndex, sinkIndex);
        return;
    }
    if (source->hasOutgoingRoute(sinkIndex) && sink->hasIncomingRoute(sourceIndex)) {
        LOG_ERROR("Route already exists, no connection needed!");
        return;
    }
    if (!source->canAddOutgoingRoute() || !sink->canAddIncomingRoute())
        return;
    auto* line = new RouteLine(source, sink, this);
    source->addOutgoingRoute(line);
    sink->addIncomingRoute(line);
    statistics()->connectPod(source, sink);
    emit routingLinesChanged();
}

void RoutingSession::removeRouteLine(int sourceIndex, int sinkIndex, const QString& lineIndex)
{
    if (!layout)
        return;
    RoutableBlock* source = block(sourceIndex);
    if (!source) {
        LOG_ERROR(
            "No source block found to remove line: sourceIndex=[{}] lineIndex=[{}]", sourceIndex, lineIndex);
        return;
    }
    RoutableBlock* sink = block(sinkIndex);
    if (!sink) {
        LOG_ERROR("No sink block found to remove line: sinkIndex=[{}] lineIndex=[{}]", sinkIndex, lineIndex);
        return;
    }
    source->removeOutgoingRoute(lineIndex);
    statistics()->disconnectPod(source, sink);
    emit routingLinesChanged();
}

void RoutingSession::routeBlockToAll(int sourceIndex)
{
    if (!layout)
        return;
    LOG_INFO("EVENT: Routing block [{}] to all", sourceIndex);
    for (RoutableBlock* sink : blocks())
        addRouteLine(sink->blockIndex(), sourceIndex);
    emit routingLinesChanged();
}

void RoutingSession::routePrimaryToAll()
{
    if (!layout)
        return;
    if (!layout->primaryDisplay()) {
        LOG_WARNING("Primary to all refused: the classroom has no primary display");
        return;
    }
    LOG_INFO("EVENT: Primary to all");
    statistics()->primaryToAll();
    const QList<RoutableBlock*> teamBlocks = blocks(false);
    if (std::any_of(
            teamBlocks.begin(), teamBlocks.end(), [](RoutableBlock* b) { return b->hasOutgoingRoutes(); })) {
        removeAllRoutes(false, false);
        LOG_INFO("Sleeping to allow disconnects to complete before making new connections!");
        network()->sleep(1);
        if (!layout)
            return; // the session ended while we waited
    }
    const int issued = network()->podRequestsQueued();
    for (RoutableBlock* sink : blocks(false))
        addRouteLine(sink->blockIndex(), primaryIndex);
    flushIfIssuedSince(issued);
    emit routingLinesChanged();
}

void RoutingSession::removeAllRoutes(bool alsoPrimary, bool fromReset)
{
    if (!layout)
        return;
    LOG_INFO("EVENT: Removing all routes");
    const int issued = network()->podRequestsQueued();
    for (RoutableBlock* source : blocks(alsoPrimary))
        source->removeAllRoutes();
    flushIfIssuedSince(issued);
    if (fromReset)
        statistics()->reset();
    statistics()->removeAllRoutes(alsoPrimary);
    emit routingLinesChanged();
}

void RoutingSession::removeAllRoutesFromBlock(int blockIndex)
{
    if (!layout)
        return;
    LOG_INFO("EVENT: Removing all routes from block [{}]", blockIndex);
    RoutableBlock* source = block(blockIndex);
    if (!source) {
        LOG_ERROR("No source block found to remove all lines: blockIndex=[{}]", blockIndex);
        return;
    }
    source->removeAllRoutes();
    emit routingLinesChanged();
}

void RoutingSession::reset()
{
    if (!layout)
        return;
    removeAllRoutes(true, true);
    resetOverlay();
    startSession(layout->classroomId(), false, true);
}

void RoutingSession::showOverlay(const QString& overlayMessage, bool fromReset)
{
    if (!layout)
        return;
    LOG_INFO("EVENT: Showing overlay: message=[{}]", overlayMessage);
    for (RoutableBlock* teamBlock : blocks(false))
        teamBlock->showOverlay(overlayMessage);
    if (fromReset)
        return;
    if (overlayMessage.isEmpty())
        statistics()->hideOverlay();
    else if (overlayMessage == eyesUpFront)
        statistics()->eyesUpFront();
    else
        statistics()->showCustom();
}

void RoutingSession::resetOverlay()
{
    if (!layout)
        return;
    LOG_INFO("EVENT: Reset overlay");
    showOverlay(QString(), true);
    if (ClassroomPrimaryDisplay* primary = layout->primaryDisplay())
        primary->showOverlay(QString());
}

void RoutingSession::toggleRoutingBanners()
{
    if (!layout)
        return;
    showBanners = !showBanners;
    LOG_INFO("EVENT: Toggled show routing banners to {}", showBanners);
    if (ClassroomPrimaryDisplay* primary = layout->primaryDisplay())
        primary->showRoutingBanners(showBanners);
    for (RoutableBlock* teamBlock : blocks(false))
        teamBlock->showRoutingBanners(showBanners);
    statistics()->toggleBanners(showBanners);
}

bool RoutingSession::isShowRoutingBanners() const
{
    return !layout || showBanners;
}

bool RoutingSession::isPasswordRequiredOnExit() const
{
    return layout && layout->isPasswordRequiredOnExit();
}

void RoutingSession::verifyScreenkeyOnPods(const QString& enteredScreenkey)
{
    if (!layout)
        return;
    screenkeyChecksSent = 0;
    screenkeyAnswers = 0;
    screenkeyAcceptedFlag = false; // each key is judged on its own
    const int round = ++screenkeyRound;
    for (RoutableBlock* routable : blocks()) {
        ++screenkeyChecksSent;
        HttpRequest* request = network()->podCheckScreenKey(routable->displayAddress(), enteredScreenkey);
        whenFinished(request, this, [this, round](const HttpResponse& response) {
            if (round == screenkeyRound)
                screenkeyResponse(response);
        });
    }
    if (screenkeyChecksSent == 0) {
        // No pod to ask: waiting would never end.
        LOG_INFO("Screen key possibilities exhausted.");
        emit screenkeyRejected();
    }
}

void RoutingSession::screenkeyResponse(HttpResponse response)
{
    if (!layout)
        return;
    ++screenkeyAnswers;
    if (response.httpCode == 200) {
        LOG_INFO("Screenkey accepted.");
        screenkeyAcceptedFlag = true;
        emit screenkeyAccepted();
    } else if (screenkeyAnswers >= screenkeyChecksSent && !screenkeyAcceptedFlag) {
        LOG_INFO("Screen key possibilities exhausted.");
        emit screenkeyRejected();
    }
}
