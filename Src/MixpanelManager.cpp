#include "MixpanelManager.h"

#include "Deployment.h"
#include "Logger.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSysInfo>

MixpanelManager::MixpanelManager(QObject* parent)
    : QObject(parent)
    , superProperties { { "Platform", QSysInfo::productType() },
        { "Platform Version", QSysInfo::productVersion() },
        { "System Language", QLocale::languageToString(QLocale::system().language()) },
        { "Client Version", QCoreApplication::applicationVersion() } }
    , accessManager(new QNetworkAccessManager(this))
    , mProdToken(Deployment::current().analyticsToken)
    , mEventUrl(Deployment::current().analyticsUrl)
    , enabled(isConfigured())
{
    connect(accessManager, &QNetworkAccessManager::finished, this, &MixpanelManager::replyFinished);
    if (!enabled)
        LOG_INFO("Mixpanel: no analytics URL configured; uploads are off");
}

void MixpanelManager::postEvent(const QString& event, const QUuid& distinctId, const QJsonArray& events)
{
    if (!enabled)
        return;
    LOG_INFO("Mixpanel: sending {} events", events.size());

    QJsonObject properties = QJsonObject::fromVariantMap(superProperties);
    properties["token"] = mProdToken;
    properties["distinct_id"] = distinctId.toString(QUuid::WithoutBraces);
    properties["routing events"] = events;
    const QJsonObject payload { { "event", event }, { "properties", properties } };

    // The endpoint ends in "?data=": the Base64 text goes on as it is, '+', '/' and '=' included.
    const QByteArray data = QJsonDocument(payload).toJson().toBase64();
    accessManager->get(QNetworkRequest(QUrl(mEventUrl + QString::fromLatin1(data), QUrl::TolerantMode)));
}

void MixpanelManager::replyFinished(QNetworkReply* reply)
{
    reply->deleteLater();
    if (reply->error() == QNetworkReply::NoError) {
        errorCount = 0;
        return;
    }
    LOG_INFO("Error response from Mixpanel [{}]", reply->errorString());
    if (errorCount++ >= errorLimit) {
        enabled = false;
        LOG_INFO("Mixpanel disabled, error limit exceeded!");
    }
}
