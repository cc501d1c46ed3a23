#include "RouteLine.h"

#include "Globals.h"
#include "HttpRequest.h"
#include "Logger.h"
#include "NetworkManager.h"
#include "PodReplies.h"
#include "PropertyHelpers.h"
#include "RoutableBlock.h"
#include "Settings/Settings.h"

#include <QUuid>

namespace {

bool fullscreenPrimaryPosts()
{
    Settings* settings = Globals::getInstance().settings();
    return !settings || settings->shouldFullscreenPrimaryPosts();
}

int indexOf(const RoutableBlock* block)
{
    return block ? block->blockIndex() : RouteLine::missingBlockIndex;
}

QString guidOf(const HttpResponse& response)
{
    return response.httpCode == 200 ? PodReplies::connectionGuid(response.data) : QString();
}

// Without a status the pod may have acted before its answer was lost; a refusal never does.
bool mayHaveConnected(const HttpResponse& response)
{
    return response.httpCode == 0 || response.httpCode == 200;
}

} // namespace

RouteLine::RouteLine(RoutableBlock* source, RoutableBlock* sink, QObject* parent)
    : QObject(parent)
    , m_lineIndex(QUuid::createUuid().toString())
    , m_source(source)
    , m_sink(sink)
    , m_sourceIsPrimary(source && source->isPrimaryBlock())
    , m_sinkIsPrimary(sink && sink->isPrimaryBlock())
    , m_color(source ? source->displayColor() : QString())
{
    m_retry.setSingleShot(true);
    m_retry.setInterval(retryDelayMs);
    connect(&m_retry, &QTimer::timeout, this, &RouteLine::createConnection);
    for (RoutableBlock* end : { source, sink })
        if (end)
            connect(end, &RoutableBlock::isConnectedChanged, this, &RouteLine::isInterruptedChanged);
    createConnection();
}

bool RouteLine::isInterrupted() const
{
    return (m_source && m_source->isDroppedOut()) || (m_sink && m_sink->isDroppedOut());
}

void RouteLine::setApiGuid(const QString& guid)
{
    if (assignIfChanged(m_apiGuid, guid))
        emit isConnectionAliveChanged();
}

int RouteLine::sourceIndex() const
{
    return indexOf(m_source);
}
int RouteLine::sinkIndex() const
{
    return indexOf(m_sink);
}

void RouteLine::createConnection()
{
    NetworkManager* network = Globals::getInstance().networkManager();
    // Neither end's address goes out unless it passed the check.
    if (!network || !m_source || !m_sink || !m_source->isAddressValid() || !m_sink->isAddressValid())
        return;
    const bool fullscreen = m_source->isPrimaryBlock() && fullscreenPrimaryPosts();
    HttpRequest* request = network->connectPods(m_source->displayAddress(), m_sink->displayAddress(),
        tr("Shared from %1").arg(m_source->displayName()), "#FFFFFF", m_source->displayColor(), fullscreen,
        m_sink->isAudioSource());
    m_pendingConnect = request;
    // The line is the context: once it is gone, neither the reply nor a retry reaches it.
    connect(request, &HttpRequest::finished, this, &RouteLine::handleConnectReply);
}

void RouteLine::noteUnnamedConnection()
{
    if (m_source)
        m_source->noteUnnamedConnection();
}

void RouteLine::handleConnectReply(const HttpResponse& response)
{
    m_pendingConnect = nullptr;
    if (response.httpCode == 200) {
        m_apiGuid = guidOf(response);
        if (m_apiGuid.isEmpty())
            noteUnnamedConnection();
        emit isConnectionAliveChanged();
        m_connectFailures = 0;
        return;
    }
    if (mayHaveConnected(response))
        noteUnnamedConnection();
    if (isInterrupted()) {
        // Sent again when the pod that dropped out comes back.
        LOG_WARNING("Line [{}]: Connect failed while a display is away; waiting for it", m_lineIndex);
        m_connectFailures = 0;
        return;
    }
    if (++m_connectFailures >= maxConnectAttempts) {
        LOG_ERROR("Line [{}]: Connect failed. Timing out.", m_lineIndex);
        emit connectionFailed(m_lineIndex);
        return;
    }
    LOG_ERROR(
        "Line [{}]: Connect failed, will retry: [{}/{}]", m_lineIndex, m_connectFailures, maxConnectAttempts);
    m_retry.start();
}

void RouteLine::resend()
{
    if (m_removed || m_pendingConnect || !m_source)
        return; // a connect on the way settles it
    NetworkManager* network = Globals::getInstance().networkManager();
    if (isConnectionAlive() && network)
        network->disconnectPod(m_source->displayAddress(), m_apiGuid);
    setApiGuid(QString());
    m_connectFailures = 0;
    m_retry.stop();
    createConnection();
}

void RouteLine::forgetConnection()
{
    setApiGuid(QString());
}

void RouteLine::destroyConnection()
{
    if (m_removed)
        return;
    m_removed = true;
    if (m_pendingConnect && m_source) {
        // Removed while its connect is on the way: undo the connection once the pod answers.
        const QPointer<RoutableBlock> source = m_source;
        const QString address = source->displayAddress();
        connect(m_pendingConnect, &HttpRequest::finished, m_pendingConnect,
            [source, address](const HttpResponse& reply) {
                const QString guid = guidOf(reply);
                NetworkManager* network = Globals::getInstance().networkManager();
                if (!guid.isEmpty() && network)
                    network->disconnectPod(address, guid);
                else if (source && mayHaveConnected(reply))
                    source->noteUnnamedConnection();
            });
    }
    emit connectionRemoved(m_lineIndex);
    deleteLater();
}
