#include "AppFixture.h"
#include "ClassroomLayoutManager.h"
#include "ClassroomLayoutModel.h"
#include "Globals.h"
#include "LayoutEditingSession.h"
#include "NetworkManager.h"
#include "OverlayMessage.h"
#include "OverlayMessageManager.h"
#include "StateManager.h"

#include <QSignalSpy>
#include <QTest>

namespace {

const QString connectionProblem
    = QStringLiteral("There was a problem logging in.\nPlease check your network connection and try again.");
const QString roomsPath = QStringLiteral("/trellion/api/rooms");
const QString messagesPath = QStringLiteral("/trellion/api/user_messages");
// Past the cloud time-out, so a held call is given up by the app.
constexpr int answerTimeoutMs = NetworkManager::cloudRequestTimeoutMs + 5000;

QJsonObject fault(const QString& method, const QString& path, const QJsonObject& kind)
{
    QJsonObject result = kind;
    result.insert("target", "cloud");
    result.insert("method", method);
    result.insert("path", path);
    result.insert("times", 1);
    return result;
}

QStringList texts(const OverlayMessageManager& manager)
{
    QStringList result;
    for (QObject* message : manager.messagesModel())
        result << qobject_cast<OverlayMessage*>(message)->message();
    result.sort();
    return result;
}

} // namespace

// Sign-in, the library download, a room save and a message call while the cloud service errs,
// never answers, or hangs up halfway through its answer. Each time the user is told what the
// app states for that failure, and afterwards the app and the service agree again.
class CloudFaultTest : public QObject {
    Q_OBJECT

    AppFixture app;
    QString roomId;

    StateManager* state() const { return Globals::getInstance().stateManager(); }
    ClassroomLayoutManager* library() const { return Globals::getInstance().classroomLayoutManager(); }

    // What the service stores, read through a manager of its own.
    QStringList storedMessages()
    {
        OverlayMessageManager reader;
        QSignalSpy changed(&reader, &OverlayMessageManager::messagesChanged);
        reader.retrieveMessagesFromOrbeth();
        return changed.wait(answerTimeoutMs) ? texts(reader) : QStringList { "(no answer)" };
    }
    QString storedRoomName()
    {
        for (const QJsonValue& room : app.storedRooms())
            if (room["id"] == roomId)
                return room["name"].toString();
        return {};
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(app.start(), qPrintable(app.errorString()));
        QVERIFY(app.signInAsEditor());
        ClassroomLayoutModel room;
        room.setClassroomName("Studio 0");
        roomId = app.createClassroom(room.toJson());
        QVERIFY(!roomId.isEmpty());
        app.signOut();
    }

    void faults_data()
    {
        QTest::addColumn<QJsonObject>("kind");
        QTest::newRow("server error") << QJsonObject { { "status", 500 } };
        QTest::newRow("no answer") << QJsonObject { { "action", "hold" } };
        QTest::newRow("cut mid-answer") << QJsonObject { { "action", "cut" } };
    }

    void faults()
    {
        QFETCH(QJsonObject, kind);
        const QString tag = QTest::currentDataTag();

        // Sign-in: the connection message, and nobody signed in.
        QVERIFY(app.simulator.setFault(fault("POST", "/v1/auth/token", kind)));
        QSignalSpy failed(state(), &StateManager::loginFailure);
        state()->performLogin(AppFixture::editorEmail, AppFixture::editorPassword, false);
        QVERIFY(failed.wait(answerTimeoutMs));
        QCOMPARE(failed.first().first().toString(), connectionProblem);
        QVERIFY(!Globals::getInstance().networkManager()->isLoggedIn());
        QVERIFY(app.signInAsEditor());

        QVERIFY(app.refreshLibrary());
        LayoutEditingSession editor;
        editor.startSession(roomId);
        editor.currentLayout()->setClassroomName("Studio " + tag);
        state()->requireSave();
        OverlayMessageManager messages;
        QSignalSpy messagesChanged(&messages, &OverlayMessageManager::messagesChanged);
        messages.retrieveMessagesFromOrbeth();
        QVERIFY(messagesChanged.wait(answerTimeoutMs));

        // The download, a save and a new message fail together.
        QVERIFY(app.simulator.setFault(fault("GET", roomsPath, kind)));
        QVERIFY(app.simulator.setFault(fault("PUT", roomsPath + "/" + roomId, kind)));
        QVERIFY(app.simulator.setFault(fault("POST", messagesPath, kind)));
        QSignalSpy downloadFailed(library(), &ClassroomLayoutManager::orbethRequestFailure);
        QSignalSpy saveFailed(&editor, &LayoutEditingSession::layoutSaveFailure);
        library()->refreshClassroomList();
        editor.save();
        messages.addMessage("Lab " + tag, "Pencil", true, "");
        QVERIFY(QTest::qWaitFor(
            [&] { return !downloadFailed.isEmpty() && !saveFailed.isEmpty(); }, answerTimeoutMs));
        QVERIFY(library()->classroomsModel().isEmpty()); // the home screen offers to try again
        QVERIFY(state()->saveRequired()); // the editor showed "Room Save Failed"

        // A message the service made although its answer was lost shows up; a refused one does not.
        QTRY_COMPARE_WITH_TIMEOUT(texts(messages), storedMessages(), answerTimeoutMs);
        const bool serviceActed = kind["action"] == "cut";
        QCOMPARE(texts(messages).contains("Lab " + tag), serviceActed);
        QCOMPARE(storedRoomName() == "Studio " + tag, serviceActed);

        // Once the service answers again, nothing was lost.
        QVERIFY(app.refreshLibrary());
        LayoutEditingSession retry;
        retry.startSession(roomId);
        retry.currentLayout()->setClassroomName("Studio " + tag + " again");
        QSignalSpy saved(&retry, &LayoutEditingSession::layoutSaveSuccess);
        retry.save();
        QVERIFY(saved.wait(answerTimeoutMs));
        QVERIFY(!state()->saveRequired());
        QCOMPARE(storedRoomName(), "Studio " + tag + " again");
        app.signOut();
    }
};

QTEST_MAIN(CloudFaultTest)
#include "CloudFaultTest.moc"
