#include "LayoutEditingSession.h"

#include "ClassroomLayoutManager.h"
#include "ClassroomLayoutModel.h"
#include "Globals.h"
#include "Logger.h"
#include "NetworkManager.h"
#include "SessionStatistics.h"
#include "StateManager.h"

#include <QJsonDocument>

LayoutEditingSession::LayoutEditingSession(QObject* parent)
    : QObject(parent)
    , placeholderLayout(new ClassroomLayoutModel(this))
{
}

ClassroomLayoutModel* LayoutEditingSession::currentLayout() const
{
    return layout ? layout.data() : placeholderLayout;
}

void LayoutEditingSession::startSession(const QString& newClassroomId)
{
    LOG_INFO("Starting editing session: newClassroomId=[{}]", newClassroomId);
    layout = Globals::getInstance().classroomLayoutManager()->classroomLayout(newClassroomId);
    if (layout)
        Globals::getInstance().sessionStatistics()->startEditing(layout);
    emit classroomLayoutChanged();
}

void LayoutEditingSession::endSession()
{
    LOG_INFO("Ending editing session");
    if (layout)
        Globals::getInstance().sessionStatistics()->stopEditing(layout);
    layout = nullptr;
    emit classroomLayoutChanged();
}

void LayoutEditingSession::save()
{
    if (!layout) {
        LOG_WARNING("Not uploading: no classroom is open for editing");
        return;
    }
    LOG_INFO("Uploading classroom layout: id=[{}]", layout->classroomId());
    const QString body = QString::fromUtf8(QJsonDocument(layout->toJson()).toJson(QJsonDocument::Compact));
    HttpRequest* request
        = Globals::getInstance().networkManager()->orbethPutUpdateClassroom(layout->classroomId(), body);
    whenFinished(request, this, [this](const HttpResponse& response) {
        if (response.httpCode != 200) {
            LOG_ERROR("Failed to update room");
            emit layoutSaveFailure();
            return;
        }
        emit layoutSaveSuccess();
        Globals::getInstance().stateManager()->requireSave(false);
    });
}
