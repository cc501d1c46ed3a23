#include "RouteLine.h"

#include "ClassroomPrimaryDisplay.h"
#include "ModelTestSupport.h"
#include "Settings/Settings.h"
#include "TeamBlock.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QScopeGuard>

using ModelTest::LogMark;
using ModelTest::Pod;

namespace {
const QString connections = ModelTest::podApi + "/connections";

// Both blocks joined to the session, so the source drops a line that gives up.
struct Route {
    Pod sourcePod;
    Pod sinkPod;
    QObject session;
    TeamBlock team { 0 };
    TeamBlock sink { 1 };
    ClassroomPrimaryDisplay primary;

    Route()
    {
        team.setDisplayName("Team A");
        team.setDisplayColor("#112233");
        for (RoutableBlock* block :
            { static_cast<RoutableBlock*>(&team), static_cast<RoutableBlock*>(&primary) })
            block->setDisplayAddress(sourcePod.address());
        sink.setDisplayAddress(sinkPod.address());
    }

    RouteLine* draw(RoutableBlock& source)
    {
        auto* line = new RouteLine(&source, &sink, &session);
        source.addOutgoingRoute(line);
        sink.addIncomingRoute(line);
        return line;
    }
};

void joinSession(RoutableBlock& block)
{
    QSignalSpy connected(&block, &RoutableBlock::isConnectedChanged);
    block.beginSession(true, false);
    QVERIFY(connected.wait(3000));
}
} // namespace

// Connecting a route: the request, the retries and the give-up.
class RouteLineTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ModelTest::startApplication(); }

    void identity()
    {
        Route route;
        RouteLine* line = route.draw(route.team);
        QVERIFY(QRegularExpression("^\\{[0-9a-f]{8}-([0-9a-f]{4}-){3}[0-9a-f]{12}\\}$")
                    .match(line->lineIndex())
                    .hasMatch());
        QVERIFY(line->lineIndex() != route.draw(route.team)->lineIndex());
        QCOMPARE(line->sourceIndex(), 0);
        QCOMPARE(line->sinkIndex(), 1);
        QVERIFY(!line->sourceIsPrimary() && !line->sinkIsPrimary());
        route.sink.setBlockIndex(4);
        QCOMPARE(line->sinkIndex(), 4);
        QCOMPARE(line->property("displayColor").toString(), QString("#112233"));
        QVERIFY(route.draw(route.primary)->sourceIsPrimary());
    }

    void connectRequest_data()
    {
        QTest::addColumn<bool>("fromPrimary");
        QTest::addColumn<bool>("audio");
        QTest::addColumn<bool>("fullscreenSetting");
        QTest::addColumn<QString>("post");
        QTest::newRow("team") << false << false << true << "NORMAL";
        QTest::newRow("team to audio source") << false << true << true << "NORMAL";
        QTest::newRow("primary") << true << false << true << "FULLSCREEN";
        QTest::newRow("primary, setting off") << true << true << false << "NORMAL";
    }

    void connectRequest()
    {
        QFETCH(bool, fromPrimary);
        QFETCH(bool, audio);
        QFETCH(bool, fullscreenSetting);
        QFETCH(QString, post);
        Settings* settings = Globals::getInstance().settings();
        settings->setShouldFullscreenPrimaryPosts(fullscreenSetting);
        const auto restore = qScopeGuard([settings] { settings->setShouldFullscreenPrimaryPosts(true); });
        Route route;
        route.sink.setIsAudioSource(audio);
        RoutableBlock& source = fromPrimary ? static_cast<RoutableBlock&>(route.primary) : route.team;
        route.draw(source);
        QTRY_COMPARE(route.sourcePod.bodies("POST", connections).size(), 1);
        const QJsonObject expected { { "sink", route.sinkPod.address() }, { "resolution", "1920x1080" },
            { "post", post }, { "audio", audio }, { "message", "Shared from " + source.displayName() },
            { "foreground", "#FFFFFF" }, { "background", source.displayColor() } };
        QCOMPARE(route.sourcePod.bodies("POST", connections).first(), expected);
        QVERIFY(route.sinkPod.calls().isEmpty());
    }

    void answerWithoutGuidStaysNotAlive()
    {
        Route route;
        RouteLine* line = route.draw(route.team);
        QVERIFY(QSignalSpy(line, &RouteLine::isConnectionAliveChanged).wait(3000));
        QTest::qWait(1200);
        QVERIFY(!line->isConnectionAlive());
        QCOMPARE(route.sourcePod.server.requestCount(), 1);
    }

    void retriesASecondApartThenConnects()
    {
        Route route;
        route.sourcePod.setReply("POST", connections, { 500, "{}" });
        LogMark log;
        QElapsedTimer clock;
        clock.start();
        RouteLine* line = route.draw(route.team);
        QTRY_COMPARE(log.count("error",
                         QString("Line [%1]: Connect failed, will retry: [1/3]").arg(line->lineIndex())),
            1);
        route.team.setDisplayColor("#445566"); // the retry reads the block again; the line keeps its colour
        QTRY_COMPARE(route.sourcePod.server.requestCount(), 2);
        QVERIFY(clock.elapsed() >= 950);
        route.sourcePod.setReply("POST", connections, { 200, R"({"guid": "late"})" });
        QTRY_COMPARE_WITH_TIMEOUT(line->apiGuid(), QString("late"), 5000);
        QVERIFY(line->property("isConnectionAlive").toBool());
        QVERIFY(clock.elapsed() >= 1950);

        QCOMPARE(log.count(
                     "error", QString("Line [%1]: Connect failed, will retry: [2/3]").arg(line->lineIndex())),
            1);
        const auto attempts = route.sourcePod.bodies("POST", connections);
        QCOMPARE(attempts.size(), 3);
        QCOMPARE(attempts[0]["background"].toString(), QString("#112233"));
        QCOMPARE(attempts[2]["background"].toString(), QString("#445566"));
        QCOMPARE(line->color(), QString("#112233"));
    }

    void givesUpAfterTheThirdFailure()
    {
        Route route;
        joinSession(route.team);
        route.sourcePod.setReply("POST", connections, { 500, "{}" });
        LogMark log;
        RouteLine* line = route.draw(route.team);
        const QString lineIndex = line->lineIndex();
        QSignalSpy failed(line, &RouteLine::connectionFailed);
        QSignalSpy removed(line, &RouteLine::connectionRemoved);
        QVERIFY(failed.wait(4000));

        QCOMPARE(failed.first().first().toString(), lineIndex);
        QCOMPARE(log.count("error", QString("Line [%1]: Connect failed. Timing out.").arg(lineIndex)), 1);
        QCOMPARE(route.sourcePod.bodies("POST", connections).size(), 3);
        // The source drops the line, which takes itself off the sink.
        QCOMPARE(removed.size(), 1);
        QVERIFY(!route.team.hasOutgoingRoutes());
        QVERIFY(!route.sink.hasIncomingRoutes());
        QPointer<RouteLine> gone(line);
        QTRY_VERIFY(gone.isNull());
        QTest::qWait(1200);
        QCOMPARE(route.sourcePod.bodies("POST", connections).size(), 3);
    }

    void aRemovedLineHearsNothingMore()
    {
        Route route;
        route.sourcePod.setReply("POST", connections, { 500, "{}" });
        LogMark log;
        RouteLine* waiting = route.draw(route.team);
        QTRY_COMPARE(log.count("error",
                         QString("Line [%1]: Connect failed, will retry: [1/3]").arg(waiting->lineIndex())),
            1);
        waiting->destroyConnection(); // during the retry wait

        route.sourcePod.setReply("POST", connections, { 200, R"({"guid": "g"})", 300 });
        RouteLine* answering = route.draw(route.team);
        QTRY_COMPARE(route.sourcePod.server.requestCount(), 2);
        delete answering; // before its reply

        QTest::qWait(1300);
        QCOMPARE(route.sourcePod.server.requestCount(), 2);
        int lineMessages = 0;
        for (const LogLine& written : log.lines())
            lineMessages += written.message.startsWith("Line [");
        QCOMPARE(lineMessages, 1);
    }

    void destroyingAnnouncesOnce()
    {
        Route route;
        RouteLine* line = route.draw(route.team);
        QSignalSpy removed(line, &RouteLine::connectionRemoved);
        line->destroyConnection();
        line->destroyConnection();
        QCOMPARE(removed.size(), 1);
        QCOMPARE(removed.first().first().toString(), line->lineIndex());
        QVERIFY(!route.sink.hasIncomingRoutes());
    }

    void aLineOutlivingItsBlockStaysQuiet()
    {
        Route route;
        auto* source = new TeamBlock(3);
        source->setDisplayAddress(route.sourcePod.address());
        route.sourcePod.setReply("POST", connections, { 500, "{}" });
        auto* line = new RouteLine(source, &route.sink, &route.session);
        QTRY_COMPARE(route.sourcePod.server.requestCount(), 1);
        delete source;
        QCOMPARE(line->sourceIndex(), RouteLine::missingBlockIndex);
        QTest::qWait(1300);
        QCOMPARE(route.sourcePod.server.requestCount(), 1);
    }
};

QTEST_MAIN(RouteLineTest)
#include "RouteLineTest.moc"
