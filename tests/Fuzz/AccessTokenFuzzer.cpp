#include "Deployment.h"
#include "FuzzEnvironment.h"
#include "Globals.h"
#include "NetworkManager.h"
#include "StateManager.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <spdlog/spdlog.h>

// The access token comes from the sign-in answer; the parser must take any string.
// The whole StateManager::parseAccessToken runs, with the app context it uses on
// success (request engine, state manager). The interface is not linked in, so no
// QML reacts to a sign-in; no service URL is set, so the feature query it starts
// is refused locally and nothing leaves the machine.

namespace {

const QString claim = QStringLiteral("https://trellion.norvane.example/authorization");
const QString user = QStringLiteral("fuzz@example.invalid");

void parse(const QString& token)
{
    Globals& globals = Globals::getInstance();
    globals.stateManager()->parseAccessToken(user, token);
    // Back to signed out, so every input starts from the same state.
    globals.networkManager()->setFullAccessToken(QString());
    globals.stateManager()->setCanUserEdit(false);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    makePrivateHome();
    static int qtArgc = 1;
    static QGuiApplication app(qtArgc, qtArguments((*argv)[0]));
    Deployment& deployment = Deployment::current();
    deployment.authUrl.clear();
    deployment.backendUrl.clear();
    deployment.analyticsUrl.clear();
    deployment.authClaim = claim;
    Globals::getInstance().initialize();
    spdlog::set_level(spdlog::level::off);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char*>(data), int(size));
    // The token as the sign-in answer carries it.
    parse(QString::fromUtf8(input));
    // The input as the payload of a well-formed token, so the claim reading is reached
    // without the fuzzer having to find Base64 first.
    parse(QStringLiteral("eyJhbGciOiJSUzI1NiJ9.")
        + QString::fromLatin1(input.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals))
        + QStringLiteral(".c2lnbmF0dXJl"));
    return 0;
}
