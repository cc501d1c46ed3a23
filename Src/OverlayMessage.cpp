#include "OverlayMessage.h"

#include "PropertyHelpers.h"

OverlayMessage::OverlayMessage(QObject* parent)
    : QObject(parent)
{
}

OverlayMessage* OverlayMessage::fromJson(const QJsonObject& object, QObject* parent)
{
    auto* message = new OverlayMessage(parent);
    message->m_message = object.value("message").toString();
    message->m_iconName = object.value("icon").toString();
    message->m_iconType = object.value("type").toBool(true);
    message->m_iconText = object.value("text").toString();
    message->m_messageId = object.value("id").toString();
    message->m_canBeDeleted = true;
    return message;
}

QJsonObject OverlayMessage::toJson() const
{
    return { { "message", m_message }, { "icon", m_iconName }, { "type", m_iconType }, { "text", m_iconText },
        { "id", m_messageId } };
}

void OverlayMessage::setMessage(const QString& message)
{
    if (assignIfChanged(m_message, message))
        emit messageChanged();
}

void OverlayMessage::setIconName(const QString& iconName)
{
    if (assignIfChanged(m_iconName, iconName))
        emit iconNameChanged();
}

void OverlayMessage::setIconType(bool iconType)
{
    if (assignIfChanged(m_iconType, iconType))
        emit iconTypeChanged();
}

void OverlayMessage::setIconText(const QString& iconText)
{
    if (assignIfChanged(m_iconText, iconText))
        emit iconTextChanged();
}

void OverlayMessage::setMessageId(const QString& messageId)
{
    if (assignIfChanged(m_messageId, messageId))
        emit messageIdChanged();
}
