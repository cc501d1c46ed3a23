#include "KeyboardRouting.h"

#include "ClassroomLayoutModel.h"
#include "Logger.h"
#include "PropertyHelpers.h"
#include "RoutingRules.h"
#include "RoutingSession.h"
#include "TeamBlock.h"

KeyboardRouting::KeyboardRouting(RoutingSession* session)
    : QObject(session)
    , session(session)
    , m_focusedBlock(RoutingRules::NoBlock)
    , m_pickedBlock(RoutingRules::NoBlock)
{
}

bool KeyboardRouting::keyPressed(int key, int modifiers)
{
    // Shortcuts with Ctrl or Alt belong to the menu.
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        moveFocus(key == Qt::Key_Tab ? 1 : -1);
        return true;
    }
    if (key == Qt::Key_Escape && m_pickedBlock != RoutingRules::NoBlock) {
        LOG_INFO("EVENT: Keyboard route from block [{}] cancelled", m_pickedBlock);
        setPickedBlock(RoutingRules::NoBlock);
        return true;
    }
    if (m_focusedBlock == RoutingRules::NoBlock)
        return false;
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (enter && (modifiers & Qt::ShiftModifier)) {
        setPickedBlock(RoutingRules::NoBlock);
        session->perform(RoutingRules::shareAction(m_focusedBlock), m_focusedBlock);
        return true;
    }
    if (enter || key == Qt::Key_Space) {
        activate();
        return true;
    }
    if (key == Qt::Key_L) {
        emit liveViewRequested(m_focusedBlock);
        return true;
    }
    if (key == Qt::Key_Delete) {
        setPickedBlock(RoutingRules::NoBlock);
        session->perform(RoutingRules::removeAction(m_focusedBlock), m_focusedBlock);
        return true;
    }
    return false;
}

void KeyboardRouting::reset()
{
    setFocusedBlock(RoutingRules::NoBlock);
    setPickedBlock(RoutingRules::NoBlock);
}

QList<int> KeyboardRouting::tabOrder() const
{
    const ClassroomLayoutModel* layout = session->currentLayout();
    QList<QRectF> teams;
    for (const TeamBlock* team : layout->teamBlocks())
        teams.append(QRectF(team->displayX(), team->displayY(), team->displayWidth(), team->displayHeight()));
    QList<int> order = RoutingRules::readingOrder(teams);
    if (layout->primaryDisplay())
        order.prepend(RoutingRules::PrimaryBlock);
    return order;
}

void KeyboardRouting::moveFocus(int step)
{
    const QList<int> order = tabOrder();
    if (order.isEmpty())
        return;
    const int at = order.indexOf(m_focusedBlock);
    if (at < 0)
        setFocusedBlock(step > 0 ? order.first() : order.last());
    else
        setFocusedBlock(order[(at + step + order.size()) % order.size()]);
}

void KeyboardRouting::activate()
{
    if (m_pickedBlock == RoutingRules::NoBlock) {
        if (session->mayRouteFrom(m_focusedBlock)) {
            LOG_INFO("EVENT: Keyboard route from block [{}]", m_focusedBlock);
            setPickedBlock(m_focusedBlock);
        }
        return;
    }
    const int source = m_pickedBlock;
    setPickedBlock(RoutingRules::NoBlock);
    session->releaseRoute(m_focusedBlock, source);
}

void KeyboardRouting::setFocusedBlock(int block)
{
    if (assignIfChanged(m_focusedBlock, block))
        emit focusedBlockChanged();
}

void KeyboardRouting::setPickedBlock(int block)
{
    if (assignIfChanged(m_pickedBlock, block))
        emit pickedBlockChanged();
}
