#include "StateManager.h"

#include "AppFixture.h"
#include "Deployment.h"
#include "Globals.h"
#include "HttpRequest.h"
#include "LogFile.h"
#include "NetworkManager.h"
#include "Settings/Settings.h"

#include <QNetworkReply>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>

// Sign-in, the token's permissions, re-verification and sign-out against the simulated cloud.
class StateManagerTest : public QObject {
    Q_OBJECT

    AppFixture app;
    StateManager* state = nullptr;

    QString token(const QJsonValue& permissions, const QJsonObject& claims = {})
    {
        QJsonObject payload(claims);
        payload.insert(Deployment::current().authClaim, QJsonObject { { "permissions", permissions } });
        return "header."
            + QJsonDocument(payload).toJson().toBase64(
                QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals)
            + ".sig";
    }

    QString failureOf(const std::function<void()>& attempt)
    {
        QSignalSpy failed(state, &StateManager::loginFailure);
        attempt();
        [&] { QVERIFY(QTest::qWaitFor([&] { return !failed.isEmpty(); }, 20000)); }();
        return failed.value(0).value(0).toString();
    }

    // Answers the sign-in just sent in place of the service; its real answer then reaches nobody.
    void answerSignIn(const HttpResponse& response)
    {
        const QList<HttpRequest*> requests
            = Globals::getInstance().networkManager()->findChildren<HttpRequest*>();
        const auto signIn = std::find_if(requests.rbegin(), requests.rend(), [](const HttpRequest* request) {
            return request->networkRequest.url().path() == "/v1/auth/token";
        });
        QVERIFY(signIn != requests.rend());
        emit(*signIn)->finished(response);
        QObject::disconnect(*signIn, nullptr, state, nullptr);
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(app.start(), qPrintable(app.errorString()));
        state = Globals::getInstance().stateManager();
    }

    void cleanup() { app.signOut(); }

    void editorMayEditViewerMayNot()
    {
        QVERIFY(app.signInAsEditor());
        QVERIFY(state->canUserEdit());
        QVERIFY(!state->isScreenkeyEnabled());
        QVERIFY(Globals::getInstance().networkManager()->isLoggedIn());
        app.signOut();

        QSignalSpy editChanged(state, &StateManager::canUserEditChanged);
        QVERIFY(app.signInAsViewer());
        QVERIFY(!state->canUserEdit());
        QVERIFY(state->isScreenkeyEnabled());
        QCOMPARE(editChanged.count(), 0);
    }

    void refusedSignInsExplainThemselves()
    {
        QCOMPARE(failureOf([&] { state->performLogin(AppFixture::editorEmail, "wrong", false); }),
            QString(
                "Invalid email or password.\nTo reset your password, please contact your Trellion Admin."));
        QVERIFY(LogFile::messages().last().startsWith("Login failure: httpCode=[403]"));

        const QString networkProblem
            = "There was a problem logging in.\nPlease check your network connection and try again.";
        QVERIFY(app.simulator.setFault(
            { { "target", "cloud" }, { "path", "/v1/auth/token" }, { "status", 500 } }));
        QCOMPARE(failureOf([&] {
            state->performLogin(AppFixture::editorEmail, AppFixture::editorPassword, false);
        }),
            networkProblem);
        QVERIFY(app.simulator.clearFaults());
        QVERIFY(app.simulator.setFault(
            { { "target", "cloud" }, { "path", "/v1/auth/token" }, { "action", "close" } }));
        QCOMPARE(failureOf([&] {
            state->performLogin(AppFixture::editorEmail, AppFixture::editorPassword, false);
        }),
            networkProblem);
        QVERIFY(app.simulator.clearFaults());
        QVERIFY(!Globals::getInstance().networkManager()->isLoggedIn());

        // The engine ends a call whose certificate was refused with the handshake error.
        QCOMPARE(failureOf([&] {
            state->performLogin(AppFixture::editorEmail, AppFixture::editorPassword, false);
            answerSignIn({ QNetworkReply::SslHandshakeFailedError, 0, {} });
        }),
            QString("The service's certificate is not trusted.\nPlease contact your Trellion Admin."));
        QVERIFY(!Globals::getInstance().networkManager()->isLoggedIn());

        // An address refused as insecure is never tried: the credentials stay here.
        Deployment::current().refusals.insert("TRELLION_AUTH_URL", "refused");
        QCOMPARE(failureOf([&] {
            state->performLogin(AppFixture::editorEmail, AppFixture::editorPassword, false);
        }),
            QString("The service address is not secure.\nPlease contact your Trellion Admin."));
        Deployment::current().refusals.clear();
        QVERIFY(!Globals::getInstance().networkManager()->isLoggedIn());

        // The password never reaches the log.
        for (const QString& line : LogFile::messages())
            QVERIFY(!line.contains(AppFixture::editorPassword) && !line.contains("wrong"));
    }

    void answerWithoutTokenIsRefused()
    {
        QVERIFY(app.simulator.setFault(
            { { "target", "cloud" }, { "path", "/v1/auth/token" }, { "action", "garbage" } }));
        QCOMPARE(failureOf([&] {
            state->performLogin(AppFixture::editorEmail, AppFixture::editorPassword, false);
        }),
            QString("Invalid Account Permissions, please contact your Trellion Admin."));
        QCOMPARE(LogFile::messages().last(), QString("Login failure: Token missing parts: size=[1]"));
        QVERIFY(app.simulator.clearFaults());
        QVERIFY(!Globals::getInstance().networkManager()->isLoggedIn());
    }

    void accountWithoutReadPermissionIsRefusedButRemembered()
    {
        Globals::getInstance().settings()->setSavedUsername("earlier@trellion.example");
        QCOMPARE(failureOf([&] { state->performLogin("noaccess@trellion.example", "noaccess-pass", false); }),
            QString("Invalid Account Permissions, please contact your Trellion Admin."));
        QCOMPARE(LogFile::messages().last(), QString("Login failure: missing read permissions on account"));
        // The answer was 200, so the remembered name is already cleared.
        QCOMPARE(Globals::getInstance().settings()->savedUsername(), QString());
        QVERIFY(!Globals::getInstance().networkManager()->isLoggedIn());

        QVERIFY(app.signIn(AppFixture::viewerEmail, AppFixture::viewerPassword, true));
        QCOMPARE(Globals::getInstance().settings()->savedUsername(), AppFixture::viewerEmail);
    }

    void tokenForms_data()
    {
        QTest::addColumn<QString>("accessToken");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<bool>("mayEdit");
        QTest::addColumn<QString>("logged");
        const QJsonArray both { "read:trellion:rooms", "create:trellion:rooms" };
        const QString missingRead = "Login failure: missing read permissions on account";
        QTest::newRow("both") << token(both) << true << true << "";
        QTest::newRow("read only") << token(QJsonArray { "read:trellion:rooms" }) << true << false << "";
        QTest::newRow("create only") << token(QJsonArray { "create:trellion:rooms" }) << false << false
                                     << missingRead;
        QTest::newRow("other case") << token(QJsonArray { "Read:Trellion:Rooms" }) << false << false
                                    << missingRead;
        QTest::newRow("non-string") << token(QJsonArray { 1, QJsonObject() }) << false << false
                                    << missingRead;
        QTest::newRow("url-safe alphabet")
            << token(QJsonArray { "read:trellion:rooms", "create:trellion:rooms", "?>>?~~" }) << true << true
            << "";
        const auto refused = [](const QString& accessToken) {
            return QString("Login failure: Token refused: length=[%1]").arg(accessToken.size());
        };
        const QString injected = token(both) + "\r\nX-Injected: 1";
        QTest::newRow("header injection") << injected << false << false << refused(injected);
        const QString standardAlphabet = "a." + QByteArray("{\"x\":\"?>>?~~\"}").toBase64() + ".c";
        QTest::newRow("standard alphabet") << standardAlphabet << false << false << refused(standardAlphabet);
        const QString huge = token(both) + QString(16 * 1024, 'a');
        QTest::newRow("longer than 16 KiB") << huge << false << false << refused(huge);
        QTest::newRow("far-future expiry") << token(both, { { "exp", 1e300 } }) << true << true << "";
        QTest::newRow("two parts") << token(both).section('.', 0, 1) << true << true << "";
        QTest::newRow("four parts") << token(both) + ".extra" << true << true << "";
        QTest::newRow("one part") << QString("justonepart") << false << false
                                  << "Login failure: Token missing parts: size=[1]";
        QTest::newRow("empty") << QString() << false << false
                               << "Login failure: Token missing parts: size=[1]";
        QTest::newRow("bad base64") << QString("a.!!!!.c") << false << false
                                    << "Login failure: Token refused: length=[8]";
        QTest::newRow("array payload") << QString("a."
            + QJsonDocument(QJsonArray { both })
                  .toJson()
                  .toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals)
            + ".c") << false << false << missingRead;
    }

    void tokenForms()
    {
        QFETCH(QString, accessToken);
        QFETCH(bool, accepted);
        QFETCH(bool, mayEdit);
        QFETCH(QString, logged);
        QSignalSpy succeeded(state, &StateManager::loginSuccess);
        QSignalSpy failed(state, &StateManager::loginFailure);
        state->parseAccessToken("someone@trellion.example", accessToken);
        QCOMPARE(succeeded.count(), accepted ? 1 : 0);
        QCOMPARE(failed.count(), accepted ? 0 : 1);
        QCOMPARE(state->canUserEdit(), mayEdit);
        QCOMPARE(Globals::getInstance().networkManager()->isLoggedIn(), accepted);
        QVERIFY(!Globals::getInstance().networkManager()->isAccessTokenExpired());
        if (!logged.isEmpty())
            QCOMPARE(LogFile::messages().last(), logged);
        if (accepted) // let the feature-flag query answer before signing out
            QTest::qWait(100);
    }

    void reverificationLeavesTheAccountAlone()
    {
        QVERIFY(app.signInAsEditor());
        QSignalSpy success(state, &StateManager::testLogoutSuccess);
        QSignalSpy failure(state, &StateManager::testLogoutFailure);
        state->performTestLogout("wrong");
        QVERIFY(failure.wait(20000));
        QVERIFY(LogFile::messages().last().startsWith("Test Logout failure: httpCode=[403]"));
        QCOMPARE(failure.last().first().toString(), QString()); // a wrong password, not the network
        QVERIFY(app.simulator.setFault({ { "target", "cloud" }, { "status", 503 } }));
        state->performTestLogout(AppFixture::editorPassword);
        QVERIFY(failure.wait(20000));
        QVERIFY(failure.last().first().toString().contains("check your network connection"));
        QVERIFY(app.simulator.clearFaults());
        state->performTestLogout(AppFixture::editorPassword);
        QVERIFY(success.wait(20000));
        QVERIFY(state->canUserEdit());
        QVERIFY(Globals::getInstance().networkManager()->isLoggedIn());
    }

    // Signing in again keeps the account as it was: no new sign-in is announced.
    void signingInAgainKeepsTheSession()
    {
        QVERIFY(app.signInAsEditor());
        QSignalSpy signedIn(state, &StateManager::loginSuccess);
        QSignalSpy success(state, &StateManager::reSignInSuccess);
        QSignalSpy failure(state, &StateManager::reSignInFailure);
        state->performReSignIn("wrong");
        QVERIFY(failure.wait(20000));
        QVERIFY(failure.last().first().toString().startsWith("Invalid email or password."));
        state->performReSignIn(AppFixture::editorPassword);
        QVERIFY(success.wait(20000));
        QVERIFY(state->canUserEdit());
        QVERIFY(Globals::getInstance().networkManager()->isLoggedIn());
        QCOMPARE(signedIn.count(), 0);
    }

    void signOutWithdrawsEverything()
    {
        QVERIFY(app.signInAsEditor());
        QSignalSpy editChanged(state, &StateManager::canUserEditChanged);
        QSignalSpy loggedOut(state, &StateManager::loggedOut);
        state->performLogout();
        QCOMPARE(editChanged.count(), 1);
        QCOMPARE(loggedOut.count(), 1);
        QVERIFY(!state->canUserEdit());
        QVERIFY(!Globals::getInstance().networkManager()->isLoggedIn());
        QVERIFY(!Globals::getInstance().networkManager()->orbethGetClassrooms());
    }

    void quitSignsOutOnlyASignedInUser()
    {
        QSignalSpy loggedOut(state, &StateManager::loggedOut);
        QMetaObject::invokeMethod(state, "exitHandler");
        QCOMPARE(loggedOut.count(), 0);

        QVERIFY(app.signInAsViewer());
        QMetaObject::invokeMethod(state, "exitHandler");
        QCOMPARE(loggedOut.count(), 1);
        QVERIFY(LogFile::messages().contains("logging out from exit handler"));
    }

    void unsavedMarkIsSilent()
    {
        QSignalSpy anySignal(state, &StateManager::canUserEditChanged);
        state->requireSave(true);
        QVERIFY(state->saveRequired());
        state->requireSave(false);
        QVERIFY(!state->saveRequired());
        state->setCanUserEdit(state->canUserEdit());
        QCOMPARE(anySignal.count(), 0);
    }
};

QTEST_MAIN(StateManagerTest)
#include "StateManagerTest.moc"
