#include "SessionStatistics.h"

#include "ClassroomLayoutModel.h"
#include "Deployment.h"
#include "Globals.h"
#include "LogFile.h"
#include "LoopbackServer.h"
#include "MixpanelManager.h"
#include "Settings/Settings.h"
#include "TrackPayload.h"

#include <QDir>
#include <QJsonArray>
#include <QNetworkAccessManager>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Events = QList<QJsonObject>;

// The events file parsed on its own terms: indented objects that open and close on
// lines of their own. Each timestamp is checked and taken out.
Events storedEvents()
{
    QFile file(SessionStatistics::logFilePath());
    file.open(QIODevice::ReadOnly);
    QByteArray text = file.readAll();
    Events events;
    for (const QJsonValue& value :
        QJsonDocument::fromJson("[" + text.replace("\n}\n{\n", "},{") + "]").array()) {
        QJsonObject event = value.toObject();
        QDateTime time = QDateTime::fromString(event.take("timestamp").toString(), "yyyy-MM-ddThh:mm:ss");
        time.setTimeSpec(Qt::UTC);
        if (!time.isValid() || qAbs(time.secsTo(QDateTime::currentDateTimeUtc())) > 60)
            event["timestamp"] = "not the UTC time of writing";
        events << event;
    }
    return events;
}

void writeEventsFile(const QByteArray& text)
{
    QFile file(SessionStatistics::logFilePath());
    file.open(QIODevice::WriteOnly);
    file.write(text);
}

void ageEventsFile(qint64 seconds)
{
    QFile file(SessionStatistics::logFilePath());
    file.open(QIODevice::Append);
    file.setFileTime(QDateTime::currentDateTime().addSecs(-seconds), QFileDevice::FileModificationTime);
}

// "ana@school.example" as the sign-in passes it, and the id that text stands for.
const QString ana = "{fca9aba5-42f0-34a1-ad89-5fdd31b9986c}";
const QString anaId = "5d662390-90c1-34a1-85df-e239fda8fa2d";

} // namespace

// The usage event log as the running app has it: every event's keys, the reader,
// and the uploads at sign-in, sign-out and when stale, to a track endpoint on loopback.
class SessionStatisticsTest : public QObject {
    Q_OBJECT

    LoopbackServer endpoint;

    QJsonObject uploaded() { return trackPayload(endpoint.requests().last()).value("properties").toObject(); }

private slots:
    void initTestCase()
    {
        LogFile::removeToday();
        QSettings().clear();
        Deployment::current().analyticsUrl = endpoint.url() + "/track/?data=";
        Globals::getInstance().initialize();
    }

    void init() { QFile::remove(SessionStatistics::logFilePath()); }

    // The uploader lives on with the process; its idle keep-alive connection would
    // hold the endpoint's shutdown until the server times it out.
    void cleanupTestCase()
    {
        Globals::getInstance().mixpanelManager()->findChild<QNetworkAccessManager*>()->clearConnectionCache();
    }

    void everyEventCarriesItsKeys()
    {
        ClassroomLayoutModel model;
        model.setClassroomName("Room 101");
        for (int i = 0; i < 3; ++i)
            model.addTeamBlock(10 * i, 10, "icon");
        model.addPrimaryDisplay(0, 0);
        model.setAudioSource(1, true);
        model.setAudioSource(-1, true);
        model.setPasswordRequiredOnExit(true, false);
        model.setShowRoutingBanners(false, false);
        RoutableBlock* primary = model.routableBlock(-1);
        RoutableBlock* team1 = model.routableBlock(1);
        RoutableBlock* team2 = model.routableBlock(2);

        SessionStatistics statistics;
        statistics.orbethClassrooms(true, 4);
        statistics.orbethClassrooms(false, 0);
        statistics.startRouting(&model, 2);
        statistics.stopRouting();
        statistics.startEditing(&model);
        statistics.stopEditing(&model);
        statistics.connectPod(primary, model.routableBlock(0));
        statistics.connectPod(team2, team1);
        statistics.disconnectPod(team2, team1);
        statistics.reset();
        statistics.removeAllRoutes(true);
        statistics.primaryToAll();
        statistics.toggleBanners(false);
        statistics.eyesUpFront();
        statistics.showCustom();
        statistics.hideOverlay();
        statistics.createCustom();
        statistics.removeCustom();
        statistics.passwordOnClassroomExit(true);
        statistics.showRoutingBanners(false);
        statistics.passwordOnApplicationExit(true);
        statistics.fullscreenSharesFromPrimary(false);

        const QString room = "{f4e1f9a2-3fad-338a-8298-678efc33f266}"; // "Room 101"
        const auto classroom = [&](const QString& event) {
            return QJsonObject { { "event", event }, { "classroom name", room }, { "number of pods", 4 },
                { "audio enabled pods", 2 } };
        };
        const Events expected {
            { { "event", "successful download from orbeth" }, { "number of classrooms", 4 } },
            { { "event", "failed download from orbeth!" }, { "number of classrooms", 0 } },
            { { "event", "start routing session" }, { "classroom name", room }, { "number of pods", 4 },
                { "audio enabled pods", 2 }, { "number of custom messages", 2 },
                { "password on classroom exit", true }, { "show routing banners", false } },
            { { "event", "stop routing session" } },
            classroom("start editing session"),
            classroom("stop editing session"),
            { { "event", "routing connect" }, { "source", "Primary" }, { "sink", "TeamBlock[0]" },
                { "audio", false }, { "post type", "fullscreen" } },
            { { "event", "routing connect" }, { "source", "TeamBlock[2]" }, { "sink", "TeamBlock[1]" },
                { "audio", true }, { "post type", "normal" } },
            { { "event", "routing disconnect" }, { "source", "TeamBlock[2]" }, { "sink", "TeamBlock[1]" } },
            { { "event", "user pressed reset" } },
            { { "event", "terminate all routing" }, { "including from primary", true } },
            { { "event", "share primary to all" } },
            { { "event", "toggle banners" }, { "show", false } },
            { { "event", "show eyes up front" } },
            { { "event", "show custom message" } },
            { { "event", "hide overlay message" } },
            { { "event", "created custom message" } },
            { { "event", "deleted custom message" } },
            { { "event", "toggle password on classroom exit setting" }, { "enable", true } },
            { { "event", "toggle show routing banners setting" }, { "enable", false } },
            { { "event", "toggle password on application exit setting" }, { "enable", true } },
            { { "event", "toggle fullscreen shares from primary setting" }, { "enable", false } },
        };
        QCOMPARE(storedEvents(), expected);
    }

    void userSettingChangesShapeTheEvents()
    {
        ClassroomLayoutModel model;
        model.addTeamBlock(0, 0, "icon");
        model.addPrimaryDisplay(0, 0);
        Settings& settings = *Globals::getInstance().settings();
        settings.setDoesFrameForwarding(true); // not a usage event
        settings.setShouldFullscreenPrimaryPosts(false);
        settings.setDoesRequirePasswordLogout(true);
        Globals::getInstance().sessionStatistics()->connectPod(
            model.routableBlock(-1), model.routableBlock(0));
        settings.setShouldFullscreenPrimaryPosts(true);
        settings.setDoesRequirePasswordLogout(false);

        QCOMPARE(storedEvents(),
            Events({ { { "event", "toggle fullscreen shares from primary setting" }, { "enable", false } },
                { { "event", "toggle password on application exit setting" }, { "enable", true } },
                { { "event", "routing connect" }, { "source", "Primary" }, { "sink", "TeamBlock[0]" },
                    { "audio", false }, { "post type", "normal" } },
                { { "event", "toggle fullscreen shares from primary setting" }, { "enable", true } },
                { { "event", "toggle password on application exit setting" }, { "enable", false } } }));
    }

    void signInAndOutUploadUnderTheSessionUser()
    {
        SessionStatistics statistics;
        const int requests = endpoint.requestCount();

        // Before anyone signs in, a batch goes out under the null id.
        statistics.stopRouting();
        statistics.sendMixpanel();
        QTRY_COMPARE(endpoint.requestCount(), requests + 1);
        QCOMPARE(uploaded().value("distinct_id").toString(), QString("00000000-0000-0000-0000-000000000000"));

        // Nothing left to upload at this sign-in.
        statistics.login(ana);
        QCOMPARE(LogFile::read().last().level, QString("error"));
        QCOMPARE(LogFile::read().last().message, QString("cannot read events logging file!"));
        QCOMPARE(storedEvents(),
            Events({ { { "event", "application login" }, { "username", "{" + anaId + "}" },
                { "password on application exit setting", false },
                { "fullscreen shares from primary setting", true } } }));

        statistics.eyesUpFront();
        statistics.logout();
        QTRY_COMPARE(endpoint.requestCount(), requests + 2);
        QVERIFY(!QFile::exists(SessionStatistics::logFilePath()));
        QCOMPARE(uploaded().value("distinct_id").toString(), anaId);
        QJsonArray events = uploaded().value("routing events").toArray();
        QCOMPARE(events.size(), 3);
        QCOMPARE(events.last()["event"].toString(), QString("application logout"));

        // The next sign-in sends what was left under the id still in force.
        statistics.hideOverlay();
        statistics.login("{6b14be38-da1c-3c4c-95ae-4230e456c64e}");
        QTRY_COMPARE(endpoint.requestCount(), requests + 3);
        QCOMPARE(uploaded().value("distinct_id").toString(), anaId);
        QCOMPARE(uploaded().value("routing events").toArray().size(), 1);
        QCOMPARE(storedEvents().value(0).value("username").toString(),
            QString("{b66106ba-fca4-3632-ab9b-f8c88c9256f8}"));
    }

    void readerKeepsEveryCompleteObject_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("kept");
        const QByteArray a = "{\n    \"event\": \"a\"\n}\n";
        const QByteArray b = "{\n    \"event\": \"b\",\n    \"n\": 2\n}\n";
        QTest::newRow("truncated") << a + b + "{\n    \"event\": \"cut\",\n    \"n\""
                                   << QStringList { "a", "b" };
        QTest::newRow("nested and spaced braces")
            << QByteArray("{\n    \"event\": \"nested\",\n    \"inner\": {\n        \"k\": 1\n    }\n}\n"
                          "{\n    \"event\": \"spaced\",\n    \"list\": [\n {\n }  \n    ]\n}\n")
            << QStringList { "nested", "spaced" };
        QTest::newRow("braces in strings")
            << QByteArray("{\n    \"event\": \"}\",\n    \"text\": \"{\\n}\\n\"\n}\n") + a
            << QStringList { "}", "a" };
        QTest::newRow("stray lines") << "junk\n}\n}\n" + a + "}\n{\nnot json\n}\n" + b
                                     << QStringList { "a", "b" };
        QTest::newRow("binary") << QByteArray::fromHex("00ff7b0a7d010a") + a << QStringList { "a" };
        QTest::newRow("windows line endings")
            << QByteArray("{\r\n    \"event\": \"crlf\"\r\n}\r\n") + b << QStringList { "crlf", "b" };
        QByteArray many;
        QStringList manyKept;
        for (int i = 0; i < 20000; ++i) {
            many += "{\n    \"event\": \"e" + QByteArray::number(i) + "\"\n}\n";
            manyKept << "e" + QString::number(i);
        }
        QTest::newRow("many events") << many << manyKept;
        // One endless line: what lies past the reading limit is dropped.
        QTest::newRow("huge") << a + QByteArray(9 * 1024 * 1024, 'x') + "\n" + b << QStringList { "a" };
    }

    void readerKeepsEveryCompleteObject()
    {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, kept);
        writeEventsFile(text);
        QJsonArray events { QJsonObject { { "event", "already there" } } };
        QVERIFY(SessionStatistics::readEvents(events));
        QStringList names;
        for (const QJsonValue& event : events)
            names << event["event"].toString();
        QCOMPARE(names, QStringList("already there") + kept);
        QVERIFY(!QFile::exists(SessionStatistics::logFilePath()));
    }

    void missingDirectoryIsCreatedAndUnwritableFileReported()
    {
        const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
        QTemporaryDir fresh;
        qputenv("XDG_DATA_HOME", fresh.filePath("not/yet").toUtf8());
        SessionStatistics statistics;
        const bool written = statistics.logEvent({ { "event", "first ever" } })
            && QFile::exists(fresh.filePath("not/yet/Norvane/Trellion/mixpanel.json"));
        qputenv("XDG_DATA_HOME", fresh.filePath("blocked").toUtf8());
        QDir().mkpath(SessionStatistics::logFilePath()); // a directory where the file should be
        const bool refused = !statistics.logEvent({ { "event", "lost" } });
        qputenv("XDG_DATA_HOME", dataHome);

        QVERIFY(written);
        QVERIFY(refused);
        QCOMPARE(LogFile::messages().last(), QString("cannot open events logging file!"));
    }

    void staleFileIsUploadedAfterThirtyTwoAndAHalfDays()
    {
        SessionStatistics statistics;
        const int requests = endpoint.requestCount();
        statistics.eyesUpFront();
        ageEventsFile(32 * 24 * 3600);
        statistics.periodicReport();
        QVERIFY(QFile::exists(SessionStatistics::logFilePath()));

        ageEventsFile(SessionStatistics::staleAfterSeconds + 60);
        statistics.periodicReport();
        QVERIFY(LogFile::messages().contains("event: periodic reporting of statistics!"));
        QVERIFY(!QFile::exists(SessionStatistics::logFilePath()));
        QTRY_COMPARE(endpoint.requestCount(), requests + 1);
    }
};

QTEST_MAIN(SessionStatisticsTest)
#include "SessionStatisticsTest.moc"
