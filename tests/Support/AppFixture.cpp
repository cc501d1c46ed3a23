#include "AppFixture.h"

#include "ClassroomLayoutManager.h"
#include "ClassroomLayoutModel.h"
#include "ClassroomPrimaryDisplay.h"
#include "Deployment.h"
#include "Globals.h"
#include "NetworkManager.h"
#include "RoutableBlock.h"
#include "StateManager.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTest>

AppFixture::AppFixture(QStringList simulatorArguments)
    : simulator(std::move(simulatorArguments))
{
}

bool AppFixture::start()
{
    if (!simulator.start())
        return false;
    Deployment& deployment = Deployment::current();
    deployment.authUrl = simulator.authUrl();
    deployment.backendUrl = simulator.backendUrl();
    deployment.authClaim = simulator.authClaim();
    deployment.analyticsUrl = simulator.analyticsUrl();
    Globals::getInstance().initialize();
    return Globals::getInstance().stateManager()->isInterfaceLoaded();
}

bool AppFixture::signIn(const QString& email, const QString& password, bool remember)
{
    StateManager* state = Globals::getInstance().stateManager();
    QSignalSpy succeeded(state, &StateManager::loginSuccess);
    QSignalSpy failed(state, &StateManager::loginFailure);
    QSignalSpy screenkeyKnown(state, &StateManager::isScreenkeyEnabledChanged);
    state->performLogin(email, password, remember);
    if (!QTest::qWaitFor([&] { return !succeeded.isEmpty() || !failed.isEmpty(); }, 20000)
        || succeeded.isEmpty())
        return false;
    // Signed in once the feature flag has answered too.
    return QTest::qWaitFor([&] { return !screenkeyKnown.isEmpty(); }, 20000);
}

void AppFixture::signOut()
{
    if (Globals::getInstance().networkManager()->isLoggedIn())
        Globals::getInstance().stateManager()->performLogout();
}

bool AppFixture::refreshLibrary()
{
    ClassroomLayoutManager* library = Globals::getInstance().classroomLayoutManager();
    QSignalSpy succeeded(library, &ClassroomLayoutManager::orbethRequestSuccess);
    QSignalSpy failed(library, &ClassroomLayoutManager::orbethRequestFailure);
    library->refreshClassroomList();
    return QTest::qWaitFor([&] { return !succeeded.isEmpty() || !failed.isEmpty(); }, 20000)
        && !succeeded.isEmpty();
}

QString AppFixture::createClassroom(const QJsonObject& document)
{
    NetworkManager* network = Globals::getInstance().networkManager();
    HttpRequest* request
        = network->orbethPostNewClassroom(QString::fromUtf8(QJsonDocument(document).toJson()));
    if (!request)
        return {};
    QSignalSpy done(request, &HttpRequest::finished);
    if (!done.wait(20000))
        return {};
    return QJsonDocument::fromJson(done.first().first().value<HttpResponse>().data)
        .object()
        .value("id")
        .toString();
}

namespace {

QJsonDocument answerOf(QNetworkReply* reply)
{
    QSignalSpy finished(reply, &QNetworkReply::finished);
    finished.wait(20000);
    reply->deleteLater();
    return QJsonDocument::fromJson(reply->readAll());
}

} // namespace

QJsonArray AppFixture::storedRooms() const
{
    QNetworkAccessManager network;
    QNetworkRequest signIn(QUrl(simulator.authUrl() + "/v1/auth/token"));
    signIn.setHeader(QNetworkRequest::ContentTypeHeader, "application/json");
    const QJsonObject credentials { { "email", editorEmail }, { "password", editorPassword } };
    const QString token = answerOf(network.post(signIn, QJsonDocument(credentials).toJson()))
                              .object()["access_token"]
                              .toString();
    QNetworkRequest rooms(QUrl(simulator.backendUrl() + "/trellion/api/rooms"));
    rooms.setRawHeader("Authorization", "Bearer " + token.toUtf8());
    return answerOf(network.get(rooms)).array();
}

QString AppFixture::createFleet(const QString& name, int tables)
{
    ClassroomLayoutModel room;
    room.setClassroomName(name);
    for (int pod = 0; pod < tables; ++pod) {
        const int index = room.addTeamBlock(60 * (pod % 10), 120 * (pod / 10), "Display");
        room.routableBlock(index)->setDisplayName(QString("Table %1").arg(pod + 1));
        room.routableBlock(index)->setDisplayAddress(simulator.podAddress(pod));
    }
    room.addPrimaryDisplay(300, 700);
    room.primaryDisplay()->setDisplayName("Front");
    room.primaryDisplay()->setDisplayAddress(simulator.podAddress(tables));
    const QString id = createClassroom(room.toJson());
    return refreshLibrary() ? id : QString();
}
