#pragma once

#include <QJsonObject>
#include <QObject>

// One text that can be laid over every team display, with its icon.
class OverlayMessage : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString message READ message WRITE setMessage NOTIFY messageChanged)
    Q_PROPERTY(QString iconName READ iconName WRITE setIconName NOTIFY iconNameChanged)
    Q_PROPERTY(bool iconType READ iconType WRITE setIconType NOTIFY iconTypeChanged)
    Q_PROPERTY(QString iconText READ iconText WRITE setIconText NOTIFY iconTextChanged)
    Q_PROPERTY(QString messageId READ messageId WRITE setMessageId NOTIFY messageIdChanged)
    Q_PROPERTY(bool canBeDeleted READ canBeDeleted CONSTANT)
public:
    explicit OverlayMessage(QObject* parent);

    static OverlayMessage* fromJson(const QJsonObject& object, QObject* parent);
    QJsonObject toJson() const;

    QString message() const { return m_message; }
    void setMessage(const QString& message);
    QString iconName() const { return m_iconName; }
    void setIconName(const QString& iconName);
    bool iconType() const { return m_iconType; }
    void setIconType(bool iconType);
    QString iconText() const { return m_iconText; }
    void setIconText(const QString& iconText);
    QString messageId() const { return m_messageId; }
    void setMessageId(const QString& messageId);
    bool canBeDeleted() const { return m_canBeDeleted; }

signals:
    void messageChanged();
    void iconNameChanged();
    void iconTypeChanged();
    void iconTextChanged();
    void messageIdChanged();

private:
    QString m_message;
    QString m_iconName;
    bool m_iconType = false;
    QString m_iconText;
    QString m_messageId;
    bool m_canBeDeleted = false;
};
