#pragma once

#include <QJsonArray>
#include <QObject>
#include <QUuid>
#include <QVariantMap>

class QNetworkAccessManager;
class QNetworkReply;

// Sends batches of usage events to the analytics track endpoint, fire and forget.
// After more than `errorLimit` failures in a row it stays off for the process's life.
class MixpanelManager : public QObject {
    Q_OBJECT
public:
    static constexpr int errorLimit = 10;

    explicit MixpanelManager(QObject* parent = nullptr);

    // Without a configured endpoint nothing is ever sent.
    bool isConfigured() const { return !mEventUrl.isEmpty(); }
    void postEvent(const QString& event, const QUuid& distinctId, const QJsonArray& events);

private slots:
    void replyFinished(QNetworkReply* reply);

private:
    QVariantMap superProperties;
    QNetworkAccessManager* accessManager;
    const QString mProdToken;
    const QString mEventUrl;
    bool enabled;
    int errorCount = 0;
};
