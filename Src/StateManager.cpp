#include "StateManager.h"

#include "AccessibleAlert.h"
#include "ClassroomLayoutManager.h"
#include "ClassroomLayoutModel.h"
#include "ClassroomPrimaryDisplay.h"
#include "Deployment.h"
#include "Globals.h"
#include "LayoutEditingSession.h"
#include "LayoutIcon.h"
#include "Logger.h"
#include "LookinImage.h"
#include "NetworkManager.h"
#include "PodAddressCheck.h"
#include "PropertyHelpers.h"
#include "RoomDisplayCheck.h"
#include "RoutableBlock.h"
#include "RoutingRules.h"
#include "RoutingSession.h"
#include "SessionStatistics.h"
#include "Settings/Settings.h"
#include "TeamBlock.h"
#include "WindowGeometry.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkReply>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QUuid>

namespace {

QString invalidPermissions()
{
    return StateManager::tr("Invalid Account Permissions, please contact your Trellion Admin.");
}

// A refused certificate is no network fault the user can mend: the service, or someone
// between, presents one this machine does not trust.
QString unreachedServiceReason(const HttpResponse& response)
{
    if (response.error == QNetworkReply::SslHandshakeFailedError)
        return StateManager::tr(
            "The service's certificate is not trusted.\nPlease contact your Trellion Admin.");
    return StateManager::tr(
        "There was a problem logging in.\nPlease check your network connection and try again.");
}

// A failed answer's body, as much of it as a log line needs.
QString excerpt(const QByteArray& body)
{
    constexpr int longest = 200;
    return QString::fromUtf8(body.left(longest)) + (body.size() > longest ? "…" : "");
}

// The service refuses a wrong password with 403; anything else means it could not be asked.
bool passwordRefused(const HttpResponse& response)
{
    return response.httpCode == 403;
}

QString signInFailureReason(const HttpResponse& response)
{
    return passwordRefused(response) ? StateManager::tr(
               "Invalid email or password.\nTo reset your password, please contact your Trellion Admin.")
                                     : unreachedServiceReason(response);
}

QString accessTokenOf(const HttpResponse& response)
{
    return response.json.object().value("access_token").toString();
}

NetworkManager* network()
{
    return Globals::getInstance().networkManager();
}

// The payload is Base64url (the only alphabet a token may hold), read with Qt's Base64 decoder.
QJsonObject tokenPayload(const QString& piece)
{
    QByteArray base64 = piece.toLatin1();
    base64.replace('-', '+').replace('_', '/');
    return QJsonDocument::fromJson(QByteArray::fromBase64(base64)).object();
}

bool hasPermission(const QJsonArray& permissions, const QString& wanted)
{
    return std::any_of(
        permissions.begin(), permissions.end(), [&](const QJsonValue& p) { return p.toString() == wanted; });
}

// What a token grants, read from its payload; `refusal` is set (and logged) when it grants no sign-in.
struct AccessToken {
    QJsonArray permissions;
    QDateTime expiry; // invalid when the token names none
    QString refusal;
};

// A token travels in a header of every cloud call: anything but Base64url and dots could add headers.
bool isWellFormedToken(const QString& token)
{
    constexpr int longestToken = 16 * 1024;
    static const QRegularExpression form(QStringLiteral("^[A-Za-z0-9_.-]*$"));
    return token.size() <= longestToken && form.match(token).hasMatch();
}

// Seconds since the epoch as a time, without overflow: a far-future expiry is the latest time
// there is, a past or negative one the epoch.
QDateTime expiryAt(double seconds)
{
    static const QDateTime latest(QDate(9999, 12, 31), QTime(23, 59, 59), Qt::UTC);
    const double clamped = std::clamp(seconds, 0.0, double(latest.toSecsSinceEpoch()));
    return QDateTime::fromSecsSinceEpoch(qint64(clamped), Qt::UTC);
}

AccessToken readAccessToken(const QString& token)
{
    AccessToken read;
    if (!isWellFormedToken(token)) {
        LOG_ERROR("Login failure: Token refused: length=[{}]", token.size());
        read.refusal = invalidPermissions();
        return read;
    }
    const QStringList pieces = token.split('.');
    if (pieces.size() < 2) {
        LOG_ERROR("Login failure: Token missing parts: size=[{}]", pieces.size());
        read.refusal = invalidPermissions();
        return read;
    }
    const QJsonObject payload = tokenPayload(pieces[1]);
    read.permissions
        = payload.value(Deployment::current().authClaim).toObject().value("permissions").toArray();
    if (payload.value("exp").isDouble())
        read.expiry = expiryAt(payload.value("exp").toDouble());
    if (!hasPermission(read.permissions, "read:trellion:rooms")) {
        LOG_ERROR("Login failure: missing read permissions on account");
        read.refusal = invalidPermissions();
    }
    return read;
}

} // namespace

void StateManager::registerQmlTypes()
{
    qmlRegisterType<StateManager>("StateManager", 1, 0, "StateManager");
    qmlRegisterType<RoutingSession>("RoutingSession", 1, 0, "RoutingSession");
    qmlRegisterType<PodAddressCheck>("PodAddressCheck", 1, 0, "PodAddressCheck");
    qmlRegisterType<RoomDisplayCheck>("RoomDisplayCheck", 1, 0, "RoomDisplayCheck");
    qmlRegisterType<LayoutEditingSession>("LayoutEditingSession", 1, 0, "LayoutEditingSession");
    qmlRegisterSingletonType<RoutingRules>("RoutingRules", 1, 0, "RoutingRules",
        [](QQmlEngine*, QJSEngine*) -> QObject* { return new RoutingRules; });
    qmlRegisterType<AccessibleAlert>("AccessibleAlert", 1, 0, "AccessibleAlert");
    qmlRegisterInterface<LayoutIcon>("LayoutIcon", 1);
    qmlRegisterInterface<RoutableBlock>("RoutableBlock", 1);
    qmlRegisterInterface<TeamBlock>("TeamBlock", 1);
    qmlRegisterInterface<ClassroomPrimaryDisplay>("ClassroomPrimaryDisplay", 1);
    qmlRegisterInterface<ClassroomLayoutModel>("ClassroomLayoutModel", 1);
}

StateManager::StateManager(QObject* parent)
    : QObject(parent)
{
}

void StateManager::initialize()
{
    if (initialized) {
        engine->deleteLater();
        engine = nullptr;
        initialized = false;
    }
    engine = new QQmlApplicationEngine();
    engine->addImportPath(QStringLiteral("qrc:/qml")); // the Common singleton's module
    registerQmlTypes();

    Globals& globals = Globals::getInstance();
    QQmlContext* context = engine->rootContext();
    context->setContextProperty("networkManager", globals.networkManager());
    context->setContextProperty("classroomLayoutManager", globals.classroomLayoutManager());
    context->setContextProperty("stateManager", this);
    context->setContextProperty("settingsManager", globals.settings());
    context->setContextProperty("IS_QT_DEBUG", false);
    engine->addImageProvider("RuvoruVadudo", globals.lookinImage());
    engine->load(QUrl("qrc:/qml/Main.qml"));
    if (auto* window = qobject_cast<QQuickWindow*>(engine->rootObjects().value(0));
        window && globals.settings())
        new WindowGeometry(window, globals.settings());
    initialized = true;
}

void StateManager::shutdown()
{
    if (!engine)
        return;
    engine->deleteLater();
    engine = nullptr;
    initialized = false;
}

void StateManager::requireSave(bool require)
{
    if (assignIfChanged(m_saveRequired, require))
        emit saveRequiredChanged();
}

bool StateManager::isInterfaceLoaded() const
{
    return engine && !engine->rootObjects().isEmpty();
}

QString StateManager::appVersion() const
{
    return QCoreApplication::applicationVersion();
}

void StateManager::setCanUserEdit(bool newValue)
{
    if (m_canUserEdit == newValue)
        return;
    m_canUserEdit = newValue;
    emit canUserEditChanged();
}

void StateManager::performLogin(const QString& user, const QString& password, bool shouldRememberUser)
{
    LOG_INFO("EVENT: Logging in");
    if (const QString problem = serviceProblem(); !problem.isEmpty()) {
        LOG_ERROR("Login failure: the service addresses are refused or not set");
        emit loginFailure(problem);
        return;
    }
    whenFinished(network()->orbethLogin(user, password), this,
        [this, user, shouldRememberUser](const HttpResponse& response) {
            if (response.httpCode == 200) {
                const QString token = accessTokenOf(response);
                Globals::getInstance().settings()->setSavedUsername(shouldRememberUser ? user : QString());
                Globals::getInstance().sessionStatistics()->login(
                    QUuid::createUuidV3(QUuid(), user.toUtf8()).toString());
                parseAccessToken(user, token);
                return;
            }
            LOG_ERROR("Login failure: httpCode=[{}] data=[{}]", response.httpCode, excerpt(response.data));
            emit loginFailure(signInFailureReason(response));
        });
}

QString StateManager::serviceProblem() const
{
    const Deployment& deployment = Deployment::current();
    if (!deployment.isCloudSecure())
        return tr("The service address is not secure.\nPlease contact your Trellion Admin.");
    if (!deployment.missing().isEmpty())
        return tr("Trellion is not set up to reach its service yet.\nPlease contact your Trellion Admin.");
    return {};
}

void StateManager::parseAccessToken(const QString& user, const QString& accessToken)
{
    const AccessToken read = readAccessToken(accessToken);
    if (!read.refusal.isEmpty()) {
        emit loginFailure(read.refusal);
        return;
    }
    LOG_INFO("EVENT: Logged in");
    network()->setFullAccessToken(accessToken, read.expiry);
    setCanUserEdit(hasPermission(read.permissions, "create:trellion:rooms"));
    m_userName = user;
    emit loginSuccess(user);
    queryScreenkeyFeature();
}

void StateManager::queryScreenkeyFeature()
{
    HttpRequest* request = network()->orbethGetScreenkeyFeature();
    whenFinished(request, request, [this](const HttpResponse& response) {
        if (m_userName.isEmpty())
            return; // signed out meanwhile
        if (response.httpCode != 200 || response.error != 0)
            LOG_ERROR("Failed to determine if screen key is enabled!");
        m_isScreenkeyEnabled = response.data.compare("true", Qt::CaseInsensitive) == 0;
        emit isScreenkeyEnabledChanged();
    });
}

void StateManager::performTestLogout(const QString& password)
{
    LOG_INFO("EVENT: Testing Logout");
    whenFinished(network()->orbethLogin(m_userName, password), this, [this](const HttpResponse& response) {
        if (response.httpCode == 200) {
            emit testLogoutSuccess();
            return;
        }
        LOG_ERROR("Test Logout failure: httpCode=[{}] data=[{}]", response.httpCode, excerpt(response.data));
        emit testLogoutFailure(passwordRefused(response) ? QString() : unreachedServiceReason(response));
    });
}

void StateManager::performReSignIn(const QString& password)
{
    LOG_INFO("EVENT: Signing in again");
    whenFinished(network()->orbethLogin(m_userName, password), this, [this](const HttpResponse& response) {
        if (m_userName.isEmpty())
            return; // signed out meanwhile
        if (response.httpCode != 200) {
            LOG_ERROR(
                "Sign-in again failure: httpCode=[{}] data=[{}]", response.httpCode, excerpt(response.data));
            emit reSignInFailure(signInFailureReason(response));
            return;
        }
        const QString token = accessTokenOf(response);
        const AccessToken read = readAccessToken(token);
        if (!read.refusal.isEmpty()) {
            emit reSignInFailure(read.refusal);
            return;
        }
        LOG_INFO("EVENT: Signed in again");
        // Permissions follow the new token; the held cloud calls go out with it.
        setCanUserEdit(hasPermission(read.permissions, "create:trellion:rooms"));
        network()->setFullAccessToken(token, read.expiry);
        emit reSignInSuccess();
    });
}

void StateManager::performLogout()
{
    LOG_INFO("EVENT: Logging out");
    m_userName.clear();
    network()->setFullAccessToken(QString());
    Globals::getInstance().classroomLayoutManager()->clearClassroomsList();
    setCanUserEdit(false);
    Globals::getInstance().sessionStatistics()->logout();
    emit loggedOut();
}

void StateManager::exitHandler()
{
    if (m_userName.isEmpty())
        return;
    LOG_INFO("logging out from exit handler");
    performLogout();
}
