#include "AppFixture.h"
#include "ClassroomLayoutModel.h"
#include "ClassroomPrimaryDisplay.h"
#include "PodAddressCheck.h"
#include "RoomDisplayCheck.h"
#include "TeamBlock.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>

// Asking pods whether they answer outside a session: the address typed in the block dialogs, its
// form and its pod, and every display of a classroom before class.
class DisplayCheckTest : public QObject {
    Q_OBJECT

    AppFixture app { { "--pods", "3" } };

private slots:
    void initTestCase()
    {
        QVERIFY2(app.start(), qPrintable(app.errorString()));
        QVERIFY(app.signInAsEditor());
    }

    void form_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("wellFormed");
        for (const char* good : { "127.0.0.1", "127.0.0.1:8080", "pod-7.school.example", "pod7:80", "[::1]",
                 "[fe80::1]:8443", "localhost" })
            QTest::newRow(good) << QString(good) << true;
        for (const char* bad :
            { "http://127.0.0.1", "127.0.0.1/api", "127.0.0 .1", "256.1.1.1", "1.2.3", "::1", "[::1",
                "[not:v6]", "-pod", "pod_7", "127.0.0.1:0", "127.0.0.1:70000", "127.0.0.1:", "a:b:c",
                // What a stored room may hold to reach other paths or send credentials.
                "127.0.0.1:9/test/id#", "127.0.0.1:9?x=1", "127.0.0.1:9#top", "user:pass@127.0.0.1:9",
                "user@127.0.0.1", "127.0.0.1:9\r\nX-Injected: 1", "127.0.0.1%2f..%2fapi" })
            QTest::newRow(bad) << QString(bad) << false;
    }
    void form()
    {
        QFETCH(QString, address);
        QFETCH(bool, wellFormed);
        QCOMPARE(PodAddressCheck::formatProblem(address).isEmpty(), wellFormed);
    }

    // Only a pod that answers the version call turns the mark green; a silent address is noted.
    void answeringOnlyWhenAPodAnswers()
    {
        PodAddressCheck check;
        QSignalSpy checking(&check, &PodAddressCheck::isCheckingChanged);
        check.setAddress(app.simulator.podAddress(0));
        QVERIFY(check.isChecking());
        QTRY_VERIFY_WITH_TIMEOUT(!check.isChecking(), 10000);
        QVERIFY(check.isAnswering());

        QTcpServer silent; // accepts, never answers
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        check.setAddress(QString("127.0.0.1:%1").arg(silent.serverPort()));
        QVERIFY(!check.isAnswering());
        QTRY_VERIFY_WITH_TIMEOUT(!check.isChecking(), 10000);
        QVERIFY(!check.isAnswering());
        QVERIFY(check.isWellFormed());

        check.setAddress("http://" + app.simulator.podAddress(0));
        QVERIFY(!check.isWellFormed() && !check.isChecking());
        QVERIFY(!check.problem().isEmpty());
    }

    void aRoomSaysHowManyOfItsDisplaysAnswer()
    {
        ClassroomLayoutModel room;
        room.setClassroomName("Before Class");
        for (const QString& address :
            { app.simulator.podAddress(0), app.simulator.podAddress(1), QString() }) {
            const int index = room.addTeamBlock(0, 0, "Display");
            room.routableBlock(index)->setDisplayName(QString("Team %1").arg(index + 1));
            room.routableBlock(index)->setDisplayAddress(address);
        }
        room.addPrimaryDisplay(0, 100);
        room.primaryDisplay()->setDisplayAddress(app.simulator.podAddress(2));
        const QString classroomId = app.createClassroom(room.toJson());
        QVERIFY(app.refreshLibrary());
        QVERIFY(app.simulator.setFault({ { "target", "pod:1" }, { "action", "hold" } }));

        RoomDisplayCheck check;
        check.check(classroomId);
        QVERIFY(check.results().value(classroomId).toMap().value("checking").toBool());
        QTRY_VERIFY_WITH_TIMEOUT(
            !check.results().value(classroomId).toMap().value("checking").toBool(), 10000);
        const QVariantMap result = check.results().value(classroomId).toMap();
        QCOMPARE(result.value("answering").toInt(), 2);
        QCOMPARE(result.value("total").toInt(), 4);
        QCOMPARE(result.value("silent").toStringList(), (QStringList { "Team 3", "Team 2" }));
    }
};

QTEST_MAIN(DisplayCheckTest)
#include "DisplayCheckTest.moc"
