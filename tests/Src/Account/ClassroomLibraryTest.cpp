#include "AppFixture.h"
#include "ClassroomLayoutManager.h"
#include "ClassroomLayoutModel.h"
#include "Globals.h"
#include "Layout.h"
#include "LayoutEditingSession.h"
#include "LogFile.h"
#include "NetworkManager.h"
#include "RoutingSession.h"
#include "StateManager.h"
#include "TeamBlock.h"

#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

// The classroom library and the editing session, round-tripping through the simulated cloud store.
class ClassroomLibraryTest : public QObject {
    Q_OBJECT

    AppFixture app;
    ClassroomLayoutManager* library = nullptr;

    static QJsonObject room(const QString& name)
    {
        return { { "name", name }, { "roomnumber", "1" }, { "building", "B" }, { "roomtype", "Lab" },
            { "roomscale", 1.0 }, { "teamblocks", QJsonArray() }, { "furniture", QJsonArray() },
            { "primarydisplay", QJsonObject { { "active", false }, { "id", "Invalid<x>" } } } };
    }

    QStringList names() const
    {
        QStringList result;
        for (QObject* layout : library->classroomsModel())
            result << qobject_cast<ClassroomLayoutModel*>(layout)->classroomName();
        return result;
    }

    ClassroomLayoutModel* named(const QString& name) const
    {
        for (QObject* layout : library->classroomsModel()) {
            auto* model = qobject_cast<ClassroomLayoutModel*>(layout);
            if (model->classroomName() == name)
                return model;
        }
        return nullptr;
    }

    QJsonArray postedRooms() const
    {
        QJsonArray posted;
        for (const QJsonValue& request : app.simulator.requestsTo("cloud")) {
            const QJsonObject entry = request.toObject();
            if (entry["method"] == "POST" && entry["path"] == "/trellion/api/rooms")
                posted.append(QJsonDocument::fromJson(entry["body"].toString().toUtf8()).object());
        }
        return posted;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(app.start(), qPrintable(app.errorString()));
        library = Globals::getInstance().classroomLayoutManager();
        QVERIFY(app.signInAsEditor());
        for (const QString& name : { "beta", "Alpha", "Émile", "alpha2" })
            QVERIFY(!app.createClassroom(room(name)).isEmpty());
    }

    void refreshListsByLowerCasedName()
    {
        QSignalSpy changed(library, &ClassroomLayoutManager::classroomsChanged);
        QVERIFY(app.refreshLibrary());
        QCOMPARE(changed.count(), 2); // emptied while downloading, then filled
        const QStringList listed = names();
        QVERIFY(listed.indexOf("Alpha") < listed.indexOf("alpha2"));
        QVERIFY(listed.indexOf("alpha2") < listed.indexOf("beta"));
        QCOMPARE(listed.last(), QString("Émile"));
        QVERIFY(library->classroomLayout(named("beta")->classroomId()));
        QVERIFY(!library->classroomLayout("no-such-room"));
        QCOMPARE(LogFile::messages().last(), QString("Returning null classroom: classroomId=[no-such-room]"));
    }

    // The station's own room: by id or exact name, and only when exactly one room matches.
    void stationRoomByIdOrExactName()
    {
        for (int twin = 0; twin < 2; ++twin)
            QVERIFY(!app.createClassroom(room("Twin")).isEmpty());
        QVERIFY(app.refreshLibrary());
        const QString beta = named("beta")->classroomId();
        QCOMPARE(library->findClassroom(beta), beta);
        QCOMPARE(library->findClassroom("beta"), beta);
        for (const QString& unmatched : { "Twin", "ALPHA", "Alpha ", "no-such-room" }) {
            QVERIFY(library->findClassroom(unmatched).isEmpty());
            QCOMPARE(LogFile::read().last().level, QString("warning"));
            QVERIFY(LogFile::messages().last().startsWith("Classroom [" + unmatched + "]: "));
        }
    }

    void failedOrOddDownloads()
    {
        QVERIFY(app.simulator.setFault({ { "target", "cloud" }, { "method", "GET" },
            { "path", "/trellion/api/rooms" }, { "status", 500 } }));
        QSignalSpy changed(library, &ClassroomLayoutManager::classroomsChanged);
        QVERIFY(!app.refreshLibrary());
        QCOMPARE(changed.count(), 1);
        QVERIFY(names().isEmpty());
        QCOMPARE(LogFile::messages().last(),
            QString("Orbeth call to fetch classrooms failed (httpCode 500, error 401)"));
        QVERIFY(app.simulator.clearFaults());

        QVERIFY(library->failureText().isEmpty()); // the network's fault: the usual retry text

        // A reply that does not read is a failure the library names, never an empty library.
        QVERIFY(app.simulator.setFault({ { "target", "cloud" }, { "method", "GET" },
            { "path", "/trellion/api/rooms" }, { "action", "garbage" } }));
        QVERIFY(!app.refreshLibrary());
        QVERIFY(names().isEmpty());
        QCOMPARE(library->failureText(), QString("The classroom list could not be read"));
        QVERIFY(app.simulator.clearFaults());
        QVERIFY(app.refreshLibrary());
        QVERIFY(!names().isEmpty());
        QVERIFY(library->failureText().isEmpty());
    }

    void unreadableListsAddNothing_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("logged");
        QTest::newRow("not JSON") << QByteArray("[{\"id\": \"a\"") << QString("Classroom list is not JSON");
        QTest::newRow("not an array")
            << QByteArray("{\"id\": \"a\"}") << QString("Classroom list is not an array");
        QTest::newRow("an element not an object")
            << QByteArray("[{\"id\": \"a\"}, 3]") << QString("Classroom list element [1] is not an object");
    }

    void unreadableListsAddNothing()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, logged);
        library->clearClassroomsList();
        QVERIFY(!library->readClassroomList(QJsonDocument::fromJson(body)));
        QVERIFY(names().isEmpty());
        QVERIFY(LogFile::messages().last().startsWith(logged));
    }

    // Rooms whose id is not a string: each listed on its own, none saved or deleted under a made-up id.
    void roomsWithoutAStringIdAreNeverSaved()
    {
        const auto hostile = [](const QString& name) {
            QFile file(QString(HOSTILE_ROOMS_DIR) + '/' + name);
            file.open(QIODevice::ReadOnly);
            return QJsonDocument::fromJson(file.readAll()).object();
        };
        library->clearClassroomsList();
        const QJsonArray rooms { hostile("non-string-id.json"), hostile("object-id.json"),
            QJsonObject { { "id", QJsonValue::Null }, { "name", "Null Id" } } };
        QVERIFY(library->readClassroomList(QJsonDocument(rooms)));
        QCOMPARE(names().size(), 3);

        LayoutEditingSession session;
        session.startSession(named("Numbered Id")->classroomId());
        QVERIFY(session.isSessionActive());
        session.currentLayout()->setClassroomName("Numbered Id edited");
        QSignalSpy refused(&session, &LayoutEditingSession::layoutSaveRefused);
        QSignalSpy failed(&session, &LayoutEditingSession::layoutSaveFailure);
        const int requestsBefore = app.simulator.requests().size();
        session.save();
        QCOMPARE(refused.count(), 1);
        QCOMPARE(refused.first().first().toString(),
            QString("This room cannot be saved: its id in the cloud service is not valid"));
        QVERIFY(LogFile::messages().last().endsWith("not saved: its stored id is not a string"));
        library->deleteClassroomLayout(named("Object Id")->classroomId());
        QVERIFY(LogFile::messages().last().endsWith("not deleted: its stored id is not a string"));
        QCOMPARE(app.simulator.requests().size(), requestsBefore + 0);
        QCOMPARE(failed.count(), 0);
        QCOMPARE(names().size(), 3);
    }

    void oversizedRoomsDoNotOpen()
    {
        library->clearClassroomsList();
        QJsonArray blocks;
        for (int i = 0; i <= Layout::maxTeamBlocks; ++i)
            blocks.append(QJsonObject { { "address", "127.0.0.1:9" } });
        QJsonObject big = room("Arena");
        big.insert("id", "arena");
        big.insert("teamblocks", blocks);
        QVERIFY(library->readClassroomList(QJsonDocument(QJsonArray { big })));
        QVERIFY(!library->classroomLayout("arena")->loadProblem().isEmpty());

        LayoutEditingSession editing;
        editing.startSession("arena");
        QVERIFY(!editing.isSessionActive());
        RoutingSession routing;
        const int podCalls = Globals::getInstance().networkManager()->podRequestsQueued();
        routing.startSession("arena", true, false);
        QVERIFY(routing.currentLayout() != library->classroomLayout("arena"));
        QCOMPARE(Globals::getInstance().networkManager()->podRequestsQueued(), podCalls);
        QCOMPARE(LogFile::messages().last(), QString("Classroom [arena]: too big to route"));
    }

    void createdRoomIsAnnouncedAndListed()
    {
        QSignalSpy created(library, &ClassroomLayoutManager::newRoomCreated);
        library->createClassroom("New Room", "Main", "101", "Lecture");
        QVERIFY(created.wait(20000));
        const QString id = created.first().first().toString();
        QVERIFY(!id.isEmpty());
        QCOMPARE(library->classroomLayout(id)->classroomName(), QString("New Room"));

        const QJsonObject sent = postedRooms().last().toObject();
        QVERIFY(!sent.contains("id"));
        QCOMPARE(sent["roomscale"].toDouble(), 1.0);
        QVERIFY(sent["primarydisplay"].toObject()["id"].toString().startsWith("Invalid<"));
        QCOMPARE(sent["primarydisplay"].toObject()["active"].toBool(true), false);
    }

    void duplicateIsACopyWithoutId()
    {
        QVERIFY(app.refreshLibrary());
        QSignalSpy changed(library, &ClassroomLayoutManager::classroomsChanged);
        QSignalSpy created(library, &ClassroomLayoutManager::newRoomCreated);
        library->duplicateClassroom(named("beta")->classroomId());
        QVERIFY(changed.wait(20000));
        QCOMPARE(created.count(), 0);
        QVERIFY(named("Copy of beta"));
        const QJsonObject sent = postedRooms().last().toObject();
        QVERIFY(!sent.contains("id"));
        QCOMPARE(sent["name"].toString(), QString("Copy of beta"));

        library->duplicateClassroom(named("Copy of beta")->classroomId());
        QVERIFY(changed.wait(20000));
        QVERIFY(named("Copy of Copy of beta"));

        library->duplicateClassroom("missing");
        QCOMPARE(LogFile::messages().last(), QString("ID not found: missing"));
    }

    void deleteRemovesOnlyAfterTheServiceAgrees()
    {
        QVERIFY(app.refreshLibrary());
        const QString id = named("Alpha")->classroomId();
        QSignalSpy changed(library, &ClassroomLayoutManager::classroomsChanged);

        QVERIFY(app.simulator.setFault({ { "target", "cloud" }, { "method", "DELETE" }, { "status", 500 } }));
        library->deleteClassroomLayout(id);
        QVERIFY(library->classroomLayout(id)); // listed while the request runs
        QTRY_COMPARE_WITH_TIMEOUT(LogFile::messages().last(), QString("Failed to delete classroom!"), 20000);
        QVERIFY(library->classroomLayout(id));
        QCOMPARE(changed.count(), 0);
        QVERIFY(app.simulator.clearFaults());

        library->deleteClassroomLayout(id);
        QVERIFY(changed.wait(20000));
        QVERIFY(!named("Alpha"));

        const int requestsBefore = app.simulator.requests().size();
        library->deleteClassroomLayout(id);
        QCOMPARE(LogFile::messages().last(), QString("No classroom found to delete."));
        QCOMPARE(app.simulator.requests().size(), requestsBefore + 0);
    }

    void editedLayoutSurvivesTheRoundTrip()
    {
        QVERIFY(app.refreshLibrary());
        const QString id = named("beta")->classroomId();
        LayoutEditingSession session;
        QVERIFY(session.currentLayout()); // the placeholder, never null
        QVERIFY(!session.isSessionActive());
        session.startSession(id);
        QVERIFY(session.isSessionActive());

        ClassroomLayoutModel* layout = session.currentLayout();
        const int index = layout->addTeamBlock(120.5, 80.25, "Display");
        layout->routableBlock(index)->setDisplayName("Table Ü");
        layout->routableBlock(index)->setDisplayAddress("127.0.0.1:9");
        layout->addFurniture(10, 20, "Plant", 1.5);
        StateManager* state = Globals::getInstance().stateManager();
        QVERIFY(state->saveRequired());

        QSignalSpy saved(&session, &LayoutEditingSession::layoutSaveSuccess);
        QSignalSpy failed(&session, &LayoutEditingSession::layoutSaveFailure);
        session.save();
        QVERIFY(saved.wait(20000));
        QCOMPARE(failed.count(), 0);
        QVERIFY(!state->saveRequired());
        const QJsonObject edited = layout->toJson();
        session.endSession();
        QVERIFY(!session.isSessionActive());

        QVERIFY(app.refreshLibrary());
        // Unknown device ids are stand-ins, made fresh on every read.
        const auto comparable = [](const QJsonObject& document) {
            return QString::fromUtf8(QJsonDocument(document).toJson())
                .replace(QRegularExpression("Invalid<[^>]*>"), "Invalid<>");
        };
        QCOMPARE(comparable(library->classroomLayout(id)->toJson()), comparable(edited));
    }

    void failedSaveKeepsTheUnsavedMark()
    {
        QVERIFY(app.refreshLibrary());
        LayoutEditingSession session;
        session.startSession(named("beta")->classroomId());
        session.currentLayout()->setClassroomName("beta renamed");
        QVERIFY(app.simulator.setFault({ { "target", "cloud" }, { "method", "PUT" }, { "status", 500 } }));
        QSignalSpy saved(&session, &LayoutEditingSession::layoutSaveSuccess);
        QSignalSpy failed(&session, &LayoutEditingSession::layoutSaveFailure);
        session.save();
        QVERIFY(failed.wait(20000));
        QCOMPARE(saved.count(), 0);
        QVERIFY(Globals::getInstance().stateManager()->saveRequired());
        QCOMPARE(LogFile::messages().last(), QString("Failed to update room"));
        QVERIFY(app.simulator.clearFaults());

        // Without an open classroom nothing is sent.
        session.endSession();
        const int requestsBefore = app.simulator.requests().size();
        session.save();
        QTest::qWait(100);
        QCOMPARE(app.simulator.requests().size(), requestsBefore + 0);
        QCOMPARE(failed.count(), 1);
    }

    void unknownClassroomOpensNothing()
    {
        LayoutEditingSession session;
        session.startSession("nowhere");
        QVERIFY(!session.isSessionActive());
        QVERIFY(session.currentLayout());
    }

    void lateDownloadsChangeNothing()
    {
        QVERIFY(app.simulator.setFault({ { "target", "cloud" }, { "method", "GET" },
            { "path", "/trellion/api/rooms" }, { "latencyMs", 300 } }));
        QSignalSpy succeeded(library, &ClassroomLayoutManager::orbethRequestSuccess);
        library->refreshClassroomList();
        library->refreshClassroomList();
        QTRY_COMPARE_WITH_TIMEOUT(succeeded.count(), 1, 5000);
        QTest::qWait(400);
        QCOMPARE(succeeded.count(), 1); // the first answer was already stale

        library->refreshClassroomList();
        app.signOut();
        QTest::qWait(600);
        QVERIFY(names().isEmpty());
        QCOMPARE(succeeded.count(), 1);
        QVERIFY(app.simulator.clearFaults());
        QVERIFY(app.signInAsEditor());
    }

    void signedOutRefreshEmptiesWithoutAnswer()
    {
        app.signOut();
        QVERIFY(names().isEmpty());
        QSignalSpy succeeded(library, &ClassroomLayoutManager::orbethRequestSuccess);
        QSignalSpy failed(library, &ClassroomLayoutManager::orbethRequestFailure);
        library->refreshClassroomList();
        QTest::qWait(200);
        QCOMPARE(succeeded.count() + failed.count(), 0);
        QVERIFY(app.signInAsEditor());
    }
};

QTEST_MAIN(ClassroomLibraryTest)
#include "ClassroomLibraryTest.moc"
