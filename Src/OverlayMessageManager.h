#pragma once

#include <QMap>
#include <QObject>

class OverlayMessage;
struct HttpResponse;

// The user's custom overlay messages, kept in step with the cloud service, plus the built-in one.
class OverlayMessageManager : public QObject {
    Q_OBJECT
    Q_PROPERTY(QList<QObject*> messages READ messagesModel NOTIFY messagesChanged)
public:
    static constexpr int maximumCustomMessages = 4;
    // A list from the service may hold anything; no user has more than this.
    static constexpr int mostMessagesRead = 100;

    explicit OverlayMessageManager(QObject* parent = nullptr);

    // The built-in message, in the interface's language.
    static QString builtInText() { return tr("Eyes Up Front"); }

    Q_INVOKABLE void retrieveMessagesFromOrbeth();
    Q_INVOKABLE void saveMessages();
    Q_INVOKABLE void addMessage(
        const QString& message, const QString& iconName, bool iconType, const QString& iconText);
    Q_INVOKABLE void removeMessage(const QString& messageId);
    int getNumberMessages() const { return customMessages.size(); }
    QList<QObject*> messagesModel() const;

signals:
    void messagesChanged();

private:
    void retrieveIfUnanswered(const HttpResponse& response);

    QMap<QString, OverlayMessage*> customMessages;
    OverlayMessage* builtInMessage;
};
