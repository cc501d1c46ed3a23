#include "LayoutEditingSession.h"

#include "ClassroomLayoutManager.h"
#include "ClassroomLayoutModel.h"
#include "Globals.h"
#include "LayoutIcon.h"
#include "Logger.h"
#include "NetworkManager.h"
#include "RoutableBlock.h"
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
    select(nullptr);
    layout = Globals::getInstance().classroomLayoutManager()->classroomLayout(newClassroomId);
    if (layout && !layout->isOpenable()) {
        LOG_ERROR("Classroom [{}]: too big to edit", newClassroomId);
        layout = nullptr;
    }
    if (layout)
        Globals::getInstance().sessionStatistics()->startEditing(layout);
    emit classroomLayoutChanged();
}

void LayoutEditingSession::endSession()
{
    LOG_INFO("Ending editing session");
    if (layout)
        Globals::getInstance().sessionStatistics()->stopEditing(layout);
    select(nullptr);
    layout = nullptr;
    emit classroomLayoutChanged();
}

void LayoutEditingSession::save()
{
    if (!layout) {
        LOG_WARNING("Not uploading: no classroom is open for editing");
        return;
    }
    if (!layout->hasStoredId()) {
        // Saving under a made-up id would fail at best and overwrite another room at worst.
        LOG_WARNING("Classroom [{}]: not saved: its stored id is not a string", layout->classroomId());
        emit layoutSaveRefused(tr("This room cannot be saved: its id in the cloud service is not valid"));
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

void LayoutEditingSession::select(QObject* item)
{
    if (m_selection == item)
        return;
    m_selection = item;
    emit selectionChanged();
}

bool LayoutEditingSession::keyPressed(int key, int modifiers)
{
    if (!m_selection || !layout || (modifiers & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    const double step = (modifiers & Qt::ShiftModifier) ? 10.0 : 1.0;
    switch (key) {
    case Qt::Key_Left:
        moveSelection(-step, 0);
        return true;
    case Qt::Key_Right:
        moveSelection(step, 0);
        return true;
    case Qt::Key_Up:
        moveSelection(0, -step);
        return true;
    case Qt::Key_Down:
        moveSelection(0, step);
        return true;
    case Qt::Key_Delete:
        removeSelection();
        return true;
    default:
        return false;
    }
}

// Through the same setters a drag ends in, so the layout counts as unsaved.
void LayoutEditingSession::moveSelection(double dx, double dy)
{
    if (auto* block = qobject_cast<RoutableBlock*>(m_selection)) {
        block->setDisplayX(block->displayX() + dx);
        block->setDisplayY(block->displayY() + dy);
    } else if (auto* icon = qobject_cast<LayoutIcon*>(m_selection)) {
        icon->setIconX(icon->iconX() + dx);
        icon->setIconY(icon->iconY() + dy);
    }
}

void LayoutEditingSession::removeSelection()
{
    QObject* removed = m_selection;
    select(nullptr);
    if (auto* block = qobject_cast<RoutableBlock*>(removed)) {
        LOG_INFO("EVENT: Deleting block [{}] by key", block->blockIndex());
        if (block->isPrimaryBlock())
            layout->removePrimaryDisplay();
        else
            layout->removeTeamBlockAt(block->blockIndex());
    } else if (auto* icon = qobject_cast<LayoutIcon*>(removed)) {
        LOG_INFO("EVENT: Deleting furniture [{}] by key", icon->iconIndex());
        layout->removeFurnitureAt(icon->iconIndex());
    }
}
