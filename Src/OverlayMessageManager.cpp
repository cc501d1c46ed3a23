#include "OverlayMessageManager.h"

#include "Globals.h"
#include "Logger.h"
#include "NetworkManager.h"
#include "OverlayMessage.h"
#include "SessionStatistics.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <algorithm>

namespace {

QString compact(const QJsonObject& object)
{
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

NetworkManager* network()
{
    return Globals::getInstance().networkManager();
}

} // namespace

OverlayMessageManager::OverlayMessageManager(QObject* parent)
    : QObject(parent)
    , builtInMessage(new OverlayMessage(this))
{
    builtInMessage->setMessage(builtInText());
    builtInMessage->setIconName("EyesFront");
    builtInMessage->setIconType(true);
}

QList<QObject*> OverlayMessageManager::messagesModel() const
{
    QList<QObject*> messages;
    for (OverlayMessage* message : customMessages)
        messages.append(message);
    messages.append(builtInMessage);
    return messages;
}

void OverlayMessageManager::retrieveMessagesFromOrbeth()
{
    whenFinished(network()->orbethGetOverlayMessages(), this, [this](const HttpResponse& response) {
        if (!network()->isLoggedIn())
            return; // signed out meanwhile
        if (response.httpCode != 200) {
            LOG_ERROR("Failed to retrieve overlay messages!");
            return;
        }
        for (OverlayMessage* message : qAsConst(customMessages))
            message->deleteLater();
        customMessages.clear();
        const QJsonArray elements = response.json.array();
        if (elements.size() > mostMessagesRead)
            LOG_WARNING("Overlay messages: reading the first {} of {}", mostMessagesRead, elements.size());
        for (int read = 0; read < std::min(elements.size(), mostMessagesRead); ++read) {
            OverlayMessage* message = OverlayMessage::fromJson(elements[read].toObject(), this);
            if (OverlayMessage* replaced = customMessages.value(message->messageId()))
                replaced->deleteLater();
            customMessages.insert(message->messageId(), message);
        }
        emit messagesChanged();
    });
}

void OverlayMessageManager::addMessage(
    const QString& message, const QString& iconName, bool iconType, const QString& iconText)
{
    if (message.isEmpty() || customMessages.size() >= maximumCustomMessages)
        return;
    const QJsonObject body { { "message", message }, { "icon", iconName }, { "type", iconType },
        { "text", iconText } };
    whenFinished(
        network()->orbethPostOverlayMessage(compact(body)), this, [this](const HttpResponse& response) {
            if (response.httpCode != 201) {
                LOG_ERROR("Failed to create overlay message!");
                retrieveIfUnanswered(response);
                return;
            }
            Globals::getInstance().sessionStatistics()->createCustom();
            retrieveMessagesFromOrbeth();
        });
}

void OverlayMessageManager::removeMessage(const QString& messageId)
{
    if (!customMessages.contains(messageId)) {
        LOG_ERROR("Could not find message to delete: id=[{}]", messageId);
        return;
    }
    whenFinished(
        network()->orbethDeleteOverlayMessage(messageId), this, [this](const HttpResponse& response) {
            if (response.httpCode != 204) {
                LOG_ERROR("Failed to delete overlay message!");
                retrieveIfUnanswered(response);
                return;
            }
            Globals::getInstance().sessionStatistics()->removeCustom();
            retrieveMessagesFromOrbeth();
        });
}

void OverlayMessageManager::retrieveIfUnanswered(const HttpResponse& response)
{
    // Without an answer the service may have acted all the same: ask it what it holds now.
    if (response.httpCode == 0)
        retrieveMessagesFromOrbeth();
}

void OverlayMessageManager::saveMessages()
{
    for (OverlayMessage* message : qAsConst(customMessages)) {
        whenFinished(network()->orbethPutOverlayMessage(message->messageId(), compact(message->toJson())),
            this, [](const HttpResponse& response) {
                if (response.httpCode != 200)
                    LOG_ERROR("Failed to update overlay message!");
            });
    }
}
