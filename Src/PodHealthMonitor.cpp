#include "PodHealthMonitor.h"

#include "Globals.h"
#include "HttpRequest.h"
#include "Logger.h"
#include "NetworkManager.h"
#include "RoutableBlock.h"

#include <algorithm>

PodHealthMonitor::PodHealthMonitor(QObject* parent)
    : QObject(parent)
{
    connect(&m_timer, &QTimer::timeout, this, &PodHealthMonitor::checkNext);
}

void PodHealthMonitor::start(const QList<RoutableBlock*>& blocks)
{
    stop();
    NetworkManager* network = Globals::getInstance().networkManager();
    if (!network)
        return;
    for (RoutableBlock* block : blocks) {
        if (block->displayAddress().isEmpty() || !block->isAddressValid())
            continue; // nothing to ask, or nothing we may ask
        m_podOfAddress.insert(block->displayAddress(), m_pods.size());
        m_pods.append({ block });
    }
    if (m_pods.isEmpty())
        return;
    connect(network, &NetworkManager::podCallFinished, this, &PodHealthMonitor::podCallFinished);
    // One pod per tick: a room of any size spreads its checks over the whole period.
    m_timer.start(std::max(1, periodMs / static_cast<int>(m_pods.size())));
}

void PodHealthMonitor::stop()
{
    m_timer.stop();
    if (NetworkManager* network = Globals::getInstance().networkManager())
        disconnect(network, &NetworkManager::podCallFinished, this, &PodHealthMonitor::podCallFinished);
    m_pods.clear();
    m_podOfAddress.clear();
    m_next = 0;
}

void PodHealthMonitor::checkNext()
{
    Health& health = m_pods[m_next];
    m_next = (m_next + 1) % m_pods.size();
    if (health.checking || !health.block)
        return;
    health.checking = true;
    ++m_checksSent;
    HttpRequest* request = Globals::getInstance().networkManager()->checkPod(health.block->displayAddress());
    const QPointer<RoutableBlock> block = health.block;
    whenFinished(request, this, [this, block](const HttpResponse& response) {
        if (!block)
            return;
        const int pod = m_podOfAddress.value(block->displayAddress(), -1);
        if (pod >= 0)
            m_pods[pod].checking = false;
        // The answer doubles as the version a joining block needs.
        if (response.httpCode == 200 && !block->isConnected())
            block->readVersion(response);
    });
}

void PodHealthMonitor::podCallFinished(const QString& address, bool answered)
{
    const auto pod = m_podOfAddress.constFind(address);
    if (pod != m_podOfAddress.constEnd() && m_pods[*pod].block)
        noteAnswer(m_pods[*pod], answered);
}

void PodHealthMonitor::noteAnswer(Health& health, bool answered)
{
    RoutableBlock* block = health.block;
    if (!answered) {
        // A call that waited its whole time out may have been sent before the pod's last answer.
        if (health.sinceAnswer.isValid()
            && health.sinceAnswer.elapsed() < NetworkManager::podRequestTimeoutMs)
            return;
        if (++health.misses == missesToFallSilent) {
            LOG_WARNING(
                "Block [{}]: pod not answering: address=[{}]", block->blockIndex(), block->displayAddress());
            emit podSilent(block);
        }
        return;
    }
    const bool wasSilent = health.misses >= missesToFallSilent;
    health.misses = 0;
    health.sinceAnswer.start();
    if (wasSilent)
        LOG_INFO("Block [{}]: pod answering again", block->blockIndex());
    if (block->isConnected())
        return;
    if (wasSilent || ++health.answersSinceJoinAttempt >= answersBetweenJoinAttempts) {
        health.answersSinceJoinAttempt = 0;
        emit podAnswering(block);
    }
}
