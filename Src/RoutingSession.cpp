#include "RoutingSession.h"

#include "ClassroomLayoutManager.h"
#include "ClassroomLayoutModel.h"
#include "ClassroomPrimaryDisplay.h"
#include "Globals.h"
#include "Logger.h"
#include "NetworkManager.h"
#include "OverlayMessageManager.h"
#include "PodHealthMonitor.h"
#include "RouteLine.h"
#include "SessionStatistics.h"
#include "Settings/Settings.h"
#include "TeamBlock.h"

namespace {

constexpr int primaryIndex = -1;

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
    , m_healthMonitor(new PodHealthMonitor(this))
    , m_keyboard(new KeyboardRouting(this))
{
    connect(m_healthMonitor, &PodHealthMonitor::podSilent, this, &RoutingSession::blockFellSilent);
    connect(m_healthMonitor, &PodHealthMonitor::podAnswering, this, &RoutingSession::blockAnswering);
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

void RoutingSession::followBlocks(bool follow)
{
    for (RoutableBlock* block : blocks()) {
        disconnect(block, &RoutableBlock::outgoingRoutesChanged, this, &RoutingSession::routingLinesChanged);
        disconnect(block, &RoutableBlock::joined, this, nullptr);
        if (!follow)
            continue;
        connect(block, &RoutableBlock::outgoingRoutesChanged, this, &RoutingSession::routingLinesChanged);
        connect(block, &RoutableBlock::joined, this, [this, block](bool late) { restoreBlock(block, late); });
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
    if (!found->isOpenable()) {
        LOG_ERROR("Classroom [{}]: too big to route", newClassroomId);
        return;
    }
    followBlocks(false);
    m_keyboard->reset();
    layout = found;
    overlayText.clear();
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
    followBlocks(true);
    network()->queueFlushRequest();
    m_healthMonitor->start(blocks());
    m_overlayMessageManager->retrieveMessagesFromOrbeth();
}

void RoutingSession::endSession()
{
    LOG_INFO("Ending routing session");
    if (!layout) {
        LOG_WARNING("No active session, cannot be ended");
        return;
    }
    m_healthMonitor->stop();
    network()->abortAllPodConnections();
    if (!routingLinesModel().isEmpty())
        removeAllRoutes(true, false);
    resetOverlay();
    network()->queueFlushRequest();
    followBlocks(false);
    m_keyboard->reset();
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
    connect(line, &RouteLine::connectionFailed, this, [this, line] { routeGivenUp(line); });
    source->addOutgoingRoute(line);
    sink->addIncomingRoute(line);
    statistics()->connectPod(source, sink);
    emit routingLinesChanged();
}

void RoutingSession::explainRefusedRoute(int sinkIndex, int sourceIndex)
{
    RoutableBlock* sink = block(sinkIndex);
    RoutableBlock* source = block(sourceIndex);
    if (!sink || !source || sink->isPrimaryBlock())
        return;
    const QList<QObject*> incoming = sink->incomingRoutes();
    if (incoming.isEmpty())
        return;
    const auto* shown = qobject_cast<RouteLine*>(incoming.first());
    RoutableBlock* shownSource = shown ? block(shown->sourceIndex()) : nullptr;
    if (!shownSource || shownSource == source)
        return;
    emit notice(tr("%1 already shows %2").arg(sink->displayName(), shownSource->displayName()));
}

bool RoutingSession::mayRouteFrom(int sourceIndex) const
{
    RoutableBlock* source = block(sourceIndex);
    if (source && source->canAddOutgoingRoute())
        return true;
    LOG_WARNING("Line creation skipped: Block [{}] rejected it", sourceIndex);
    return false;
}

void RoutingSession::releaseRoute(int hit, int sourceIndex)
{
    RoutableBlock* sink = hit == RoutingRules::NoBlock ? nullptr : block(hit);
    switch (RoutingRules::releaseOutcome(
        hit, block(sourceIndex) != nullptr, sourceIndex, sink && sink->canAddIncomingRoute())) {
    case RoutingRules::Missed:
        LOG_INFO("Mouse dropped on non-block.");
        break;
    case RoutingRules::NoSource:
        LOG_ERROR("Couldn't find source block for index=[{}]", sourceIndex);
        break;
    case RoutingRules::SameBlock:
        LOG_INFO("Skipping creation of routing line because dropped on same block [{}]", hit);
        break;
    case RoutingRules::Refused:
        LOG_WARNING("Line creation skipped: Block [{}] rejected it", hit);
        explainRefusedRoute(hit, sourceIndex);
        break;
    case RoutingRules::AddRoute:
        addRouteLine(hit, sourceIndex);
        break;
    }
}

void RoutingSession::holdBlock(int hit, int sourceIndex)
{
    const RoutableBlock* held = hit == RoutingRules::NoBlock ? nullptr : block(hit);
    if (!held)
        return;
    // The primary display counts as routed also while it receives.
    const bool routed = held->isActingAsSource() || (held->isPrimaryBlock() && held->isBeingSinkedInto());
    perform(RoutingRules::holdAction(hit, sourceIndex, routed), hit);
}

void RoutingSession::perform(RoutingRules::HoldAction action, int blockIndex)
{
    switch (action) {
    case RoutingRules::NoAction:
        break;
    case RoutingRules::RemoveAll:
        removeAllRoutes(true, false);
        break;
    case RoutingRules::PrimaryToAll:
        routePrimaryToAll();
        break;
    case RoutingRules::RemoveFromBlock:
        removeAllRoutesFromBlock(blockIndex);
        break;
    case RoutingRules::BlockToAll:
        routeBlockToAll(blockIndex);
        break;
    }
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
    RoutableBlock* source = block(sourceIndex);
    const bool mayShare = source && source->canAddOutgoingRoute();
    for (RoutableBlock* sink : blocks())
        addRouteLine(sink->blockIndex(), sourceIndex);
    emit routingLinesChanged();
    if (!mayShare)
        return;
    // Displays already in another route keep it; the user should not have to spot which.
    QStringList kept;
    for (RoutableBlock* sink : blocks()) {
        if (sink != source && sink->isConnected() && !source->hasOutgoingRoute(sink->blockIndex())
            && (sink->isActingAsSource() || sink->isBeingSinkedInto()))
            kept << sink->displayName();
    }
    if (kept.isEmpty())
        return;
    LOG_INFO("Block [{}]: shared to all but {} kept their routes", sourceIndex, kept.join(", "));
    emit notice(tr("Not shared to %1: already in another route").arg(RoutableBlock::listOfNames(kept)));
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
    overlayText = overlayMessage;
    for (RoutableBlock* teamBlock : blocks(false))
        teamBlock->showOverlay(overlayMessage);
    if (fromReset)
        return;
    if (overlayMessage.isEmpty())
        statistics()->hideOverlay();
    else if (overlayMessage == OverlayMessageManager::builtInText())
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
        if (!routable->isAddressValid())
            continue;
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

// Displays that drop out and come back

void RoutingSession::blockFellSilent(RoutableBlock* block)
{
    if (!layout || !block->dropOut())
        return;
    LOG_WARNING("Block [{}]: dropped out of the session", block->blockIndex());
    emit notice(tr("%1's display is not answering").arg(block->displayName()));
}

void RoutingSession::blockAnswering(RoutableBlock* block)
{
    if (!layout)
        return;
    LOG_INFO("Block [{}]: rejoining the session", block->blockIndex());
    block->rejoin(showBanners, Globals::getInstance().settings()->doesFrameForwarding());
}

void RoutingSession::restoreBlock(RoutableBlock* block, bool late)
{
    // A block joining with the session's start shows only an overlay set meanwhile.
    if (!block->isPrimaryBlock() && (late || !overlayText.isEmpty()))
        block->showOverlay(overlayText);
    if (!late)
        return;
    LOG_INFO("Block [{}]: back in the session", block->blockIndex());
    QList<QObject*> touching = block->outgoingRoutes();
    touching.append(block->incomingRoutes());
    for (QObject* object : qAsConst(touching)) {
        auto* line = qobject_cast<RouteLine*>(object);
        if (line && !line->isInterrupted())
            line->resend();
    }
    emit notice(tr("%1's display is back").arg(block->displayName()));
}

void RoutingSession::routeGivenUp(const RouteLine* line)
{
    RoutableBlock* source = block(line->sourceIndex());
    RoutableBlock* sink = block(line->sinkIndex());
    if (!source || !sink)
        return;
    emit notice(tr("%1's display did not answer: %2 is not shown on %3")
                    .arg(source->displayName(), source->displayName(), sink->displayName()));
}
