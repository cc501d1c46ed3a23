#include "RoomDisplayCheck.h"

#include "ClassroomLayoutManager.h"
#include "ClassroomLayoutModel.h"
#include "ClassroomPrimaryDisplay.h"
#include "Globals.h"
#include "HttpRequest.h"
#include "Logger.h"
#include "NetworkManager.h"
#include "TeamBlock.h"

#include <memory>

RoomDisplayCheck::RoomDisplayCheck(QObject* parent)
    : QObject(parent)
{
}

void RoomDisplayCheck::check(const QString& classroomId)
{
    ClassroomLayoutManager* library = Globals::getInstance().classroomLayoutManager();
    NetworkManager* network = Globals::getInstance().networkManager();
    ClassroomLayoutModel* layout = library ? library->classroomLayout(classroomId) : nullptr;
    if (!layout || !network)
        return;
    QList<RoutableBlock*> blocks;
    for (TeamBlock* block : layout->teamBlocks())
        blocks.append(block);
    if (layout->primaryDisplay())
        blocks.append(layout->primaryDisplay());
    LOG_INFO("EVENT: Checking displays: classroomId=[{}] displays=[{}]", classroomId, blocks.size());

    struct Round {
        int number;
        int pending;
        int answering = 0;
        QStringList silent;
    };
    auto round = std::make_shared<Round>(Round { ++m_rounds[classroomId], static_cast<int>(blocks.size()) });
    const auto finish = [this, classroomId, round, total = blocks.size()] {
        if (round->pending > 0 || round->number != m_rounds.value(classroomId))
            return;
        LOG_INFO("Displays answering: classroomId=[{}] {} of {}", classroomId, round->answering, total);
        store(classroomId,
            { { "checking", false }, { "answering", round->answering }, { "total", total },
                { "silent", round->silent } });
    };
    store(classroomId, { { "checking", true } });
    for (RoutableBlock* block : blocks) {
        const QString name = block->displayName();
        HttpRequest* request = block->displayAddress().isEmpty() || !block->isAddressValid()
            ? nullptr
            : network->checkPod(block->displayAddress());
        if (!request) {
            --round->pending;
            round->silent.append(name);
            continue;
        }
        whenFinished(request, this, [round, name, finish](const HttpResponse& response) {
            --round->pending;
            if (response.httpCode == 200)
                ++round->answering;
            else
                round->silent.append(name);
            finish();
        });
    }
    finish(); // a room with no pod to ask
}

void RoomDisplayCheck::store(const QString& classroomId, const QVariantMap& result)
{
    m_results.insert(classroomId, result);
    emit resultsChanged();
}
