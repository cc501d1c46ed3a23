#include "ClassroomPrimaryDisplay.h"
#include "ModelTestSupport.h"
#include "NetworkManager.h"
#include "RouteLine.h"
#include "TeamBlock.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

using ModelTest::LogMark;
using ModelTest::Pod;

namespace {
const QString api = ModelTest::podApi;

int podCallsBuilt()
{
    return Globals::getInstance().networkManager()->findChildren<HttpRequest*>().size();
}

bool isInvalidId(const QString& id)
{
    static const QRegularExpression form(
        "^Invalid<[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}>$");
    return form.match(id).hasMatch();
}
} // namespace

// A block's routing state, its route tables and the pod calls it makes.
class RoutableBlockTest : public QObject {
    Q_OBJECT

    // Version first, then the session, as the routing session orders them.
    static void open(RoutableBlock& block, Pod& pod, const QByteArray& version = R"({"version": "2"})")
    {
        block.setDisplayAddress(pod.address());
        pod.setReply("GET", api + "/version", { 200, version });
        block.requestVersion();
        QTRY_VERIFY(block.apiVersion() != -1);
        QSignalSpy connected(&block, &RoutableBlock::isConnectedChanged);
        block.beginSession(true, false);
        QVERIFY(connected.wait(3000));
        QVERIFY(block.isConnected());
    }

    // Registers a line with both blocks, as the routing session does.
    static RouteLine* route(RoutableBlock& source, RoutableBlock& sink, QObject* owner)
    {
        auto* line = new RouteLine(&source, &sink, owner);
        source.addOutgoingRoute(line);
        sink.addIncomingRoute(line);
        return line;
    }

private slots:
    void initTestCase() { ModelTest::startApplication(); }

    void settersCompareExactly()
    {
        TeamBlock team(0);
        ModelTest::checkSetters(&team, { "blockIndex" });
        ClassroomPrimaryDisplay primary;
        ModelTest::checkSetters(&primary, { "blockIndex" });
    }

    void identityOfTheTwoKinds()
    {
        TeamBlock team(4);
        QCOMPARE(team.blockIndex(), 4);
        QCOMPARE(team.displayColor(), QString("#b8bdbf"));
        QCOMPARE(team.displayWidth(), 150.0);
        QCOMPARE(team.displayHeight(), 177.0);
        QCOMPARE(team.teamTableIconScale(), 2.0);
        QVERIFY(team.teamTableIcon().isEmpty());
        QVERIFY(!team.isPrimaryBlock());
        QCOMPARE(team.apiVersion(), -1);

        ClassroomPrimaryDisplay primary;
        QCOMPARE(primary.blockIndex(), -1);
        QCOMPARE(primary.displayName(), QString("Primary Display"));
        QCOMPARE(primary.displayIcon(), QString("PrimaryFlatScreen"));
        QCOMPARE(primary.displayColor(), QString("#FE4062"));
        QVERIFY(primary.isPrimaryBlock());
    }

    void routability_data()
    {
        QTest::addColumn<bool>("primary");
        QTest::addColumn<bool>("connected");
        QTest::addColumn<int>("outgoing");
        QTest::addColumn<int>("incoming");
        QTest::addColumn<bool>("canOut");
        QTest::addColumn<bool>("canIn");
        QTest::newRow("team, not connected") << false << false << 0 << 0 << false << false;
        QTest::newRow("team, idle") << false << true << 0 << 0 << true << true;
        QTest::newRow("team, sharing") << false << true << 2 << 0 << true << false;
        QTest::newRow("team, receiving") << false << true << 0 << 1 << false << false;
        QTest::newRow("primary, not connected") << true << false << 0 << 0 << false << false;
        QTest::newRow("primary, idle") << true << true << 0 << 0 << true << true;
        QTest::newRow("primary, sharing") << true << true << 1 << 0 << true << false;
        QTest::newRow("primary, receiving two") << true << true << 0 << 2 << false << true;
    }

    void routability()
    {
        QFETCH(bool, primary);
        QFETCH(bool, connected);
        QFETCH(int, outgoing);
        QFETCH(int, incoming);
        QObject session;
        Pod pod;
        TeamBlock team(0);
        ClassroomPrimaryDisplay display;
        RoutableBlock& block = primary ? static_cast<RoutableBlock&>(display) : team;
        block.setDisplayAddress(pod.address());
        if (connected)
            open(block, pod);
        TeamBlock other(5);
        other.setDisplayAddress(pod.address());
        for (int i = 0; i < outgoing; ++i)
            route(block, other, &session);
        for (int i = 0; i < incoming; ++i)
            route(other, block, &session);

        QTEST(block.canAddOutgoingRoute(), "canOut");
        QTEST(block.canAddIncomingRoute(), "canIn");
        QCOMPARE(block.property("canAddOutgoingRoute").toBool(), block.canAddOutgoingRoute());
        QCOMPARE(block.isActingAsSource(), outgoing > 0);
        QCOMPARE(block.isBeingSinkedInto(), incoming > 0);
    }

    void linesAreRegisteredInLineIndexOrder()
    {
        Pod pod;
        QObject session;
        TeamBlock source(1), sink(2), third(3);
        source.setDisplayAddress(pod.address());
        QSignalSpy outgoing(&source, &RoutableBlock::outgoingRoutesChanged);
        QSignalSpy routability(&source, &RoutableBlock::routabilityChanged);
        QSignalSpy colour(&sink, &TeamBlock::colorOfRoutingSourceChanged);
        QCOMPARE(sink.colorOfRoutingSource(), QString("black"));

        source.setDisplayColor("#123456");
        QList<RouteLine*> lines { route(source, sink, &session), route(source, third, &session),
            route(source, third, &session) };
        QCOMPARE(outgoing.size(), 3);
        QCOMPARE(routability.size(), 3);
        QCOMPARE(colour.size(), 1);
        QCOMPARE(sink.colorOfRoutingSource(), QString("#123456"));

        std::sort(lines.begin(), lines.end(),
            [](RouteLine* a, RouteLine* b) { return a->lineIndex() < b->lineIndex(); });
        QCOMPARE(source.outgoingRoutes(), QList<QObject*>(lines.cbegin(), lines.cend()));
        QVERIFY(source.hasOutgoingRoute(2) && source.hasOutgoingRoute(3) && !source.hasOutgoingRoute(1));
        QVERIFY(sink.hasIncomingRoute(1) && !sink.hasIncomingRoute(3));
        third.setBlockIndex(7);
        QVERIFY(source.hasOutgoingRoute(7) && !source.hasOutgoingRoute(3));
    }

    void aRemovedLineLeavesTheSink()
    {
        Pod pod;
        QObject session;
        TeamBlock source(0), sink(1);
        open(source, pod);
        RouteLine* line = route(source, sink, &session);
        QSignalSpy colour(&sink, &TeamBlock::colorOfRoutingSourceChanged);
        QSignalSpy removed(line, &RouteLine::connectionRemoved);

        source.removeOutgoingRoute(line->lineIndex());
        QCOMPARE(removed.size(), 1);
        QVERIFY(!source.hasOutgoingRoutes());
        QVERIFY(!sink.hasIncomingRoutes());
        QCOMPARE(colour.size(), 1);
        QCOMPARE(sink.colorOfRoutingSource(), QString("black"));
        QPointer<RouteLine> gone(line);
        QTRY_VERIFY(gone.isNull());
    }

    void aLineDeletedUnannouncedIsForgotten()
    {
        Pod pod;
        TeamBlock source(0), sink(1);
        source.setDisplayAddress(pod.address());
        auto* line = route(source, sink, nullptr);
        QSignalSpy outgoing(&source, &RoutableBlock::outgoingRoutesChanged);
        delete line;
        QVERIFY(source.outgoingRoutes().isEmpty() && sink.incomingRoutes().isEmpty());
        QCOMPARE(outgoing.size(), 1);
    }

    // What a screen reader says of a block follows its routes and its pod.
    void accessibleNameFollowsRoutesAndConnection()
    {
        Pod pod;
        QObject session;
        TeamBlock team1(0), team2(1), team3(2), team4(3);
        ClassroomPrimaryDisplay primary;
        int number = 1;
        for (TeamBlock* team : { &team1, &team2, &team3, &team4 })
            team->setDisplayName(QString("Team %1").arg(number++));
        QCOMPARE(team2.accessibleName(), QString("Team 2, disconnected"));
        for (RoutableBlock* block :
            std::initializer_list<RoutableBlock*> { &team1, &team2, &team3, &team4, &primary })
            open(*block, pod);
        QCOMPARE(team2.accessibleName(), QString("Team 2"));

        QSignalSpy renamed(&team2, &RoutableBlock::accessibleNameChanged);
        route(team1, team4, &session);
        route(team1, team2, &session);
        route(team3, primary, &session);
        QCOMPARE(renamed.size(), 1);
        QCOMPARE(team2.accessibleName(), QString("Team 2, display, receives Team 1"));
        QCOMPARE(team1.accessibleName(), QString("Team 1, sends to Team 2 and Team 4"));
        QCOMPARE(team3.accessibleName(), QString("Team 3, sends to Primary Display"));
        QCOMPARE(primary.accessibleName(), QString("Primary Display, shows Team 3"));
        route(team1, primary, &session);
        QCOMPARE(team1.accessibleName(), QString("Team 1, sends to Primary Display, Team 2 and Team 4"));
        QCOMPARE(primary.accessibleName(), QString("Primary Display, shows Team 1 and Team 3"));

        QVERIFY(team2.dropOut());
        QCOMPARE(renamed.size(), 2);
        QCOMPARE(team2.accessibleName(), QString("Team 2, disconnected"));
    }

    void withoutSessionTeamBlocksSendNothing()
    {
        Pod pod;
        QObject session;
        TeamBlock source(0), sink(1);
        source.setDisplayAddress(pod.address());
        RouteLine* line = route(source, sink, &session);
        const int built = podCallsBuilt();
        LogMark log;
        source.removeOutgoingRoute(line->lineIndex());
        source.removeOutgoingRoute("{not-a-line}");
        source.removeAllRoutes();
        source.showRoutingBanners(true);
        source.showOverlay("hello");
        QCOMPARE(source.outgoingRoutes().size(), 1);
        QCOMPARE(sink.incomingRoutes().size(), 1);
        QCOMPARE(podCallsBuilt(), built);
        QVERIFY(log.isEmpty());
    }

    // A connect answered without a guid left a connection no disconnect can name: the source's
    // last route ends it with a terminate instead.
    void unnamedConnectionEndsWithTheLastRoute()
    {
        Pod pod;
        QObject session;
        TeamBlock source(0), sink(1), other(2);
        open(source, pod);
        pod.setReply("POST", api + "/connections", { 200, "{}" });
        RouteLine* unnamed = route(source, sink, &session);
        QVERIFY(QSignalSpy(unnamed, &RouteLine::isConnectionAliveChanged).wait(3000));
        pod.setReply("POST", api + "/connections", { 200, R"({"guid": "g-7"})" });
        RouteLine* alive = route(source, other, &session);
        QTRY_VERIFY(alive->isConnectionAlive());

        source.removeOutgoingRoute(unnamed->lineIndex());
        source.removeOutgoingRoute(alive->lineIndex());
        QTRY_COMPARE(pod.calls().filter("DELETE"), QStringList { "DELETE " + api + "/connections" });
    }

    void disconnectOnlyAliveLines()
    {
        Pod pod;
        QObject session;
        TeamBlock source(0), sink(1), other(2);
        open(source, pod);
        pod.setReply("POST", api + "/connections", { 503, "{}" });
        LogMark log;
        RouteLine* refused = route(source, other, &session);
        QTRY_COMPARE(log.count("error",
                         QString("Line [%1]: Connect failed, will retry: [1/3]").arg(refused->lineIndex())),
            1);
        source.removeOutgoingRoute(refused->lineIndex());
        pod.setReply("POST", api + "/connections", { 200, R"({"guid": "g-42"})" });
        RouteLine* alive = route(source, sink, &session);
        QTRY_VERIFY(alive->isConnectionAlive());

        pod.setReply("DELETE", api + "/connections/g-42", { 500, "{}" });
        const QString aliveIndex = alive->lineIndex();
        source.removeOutgoingRoute(aliveIndex);
        QVERIFY(source.outgoingRoutes().isEmpty() && sink.incomingRoutes().isEmpty());
        QTRY_COMPARE(log.count("error", "Error removing connection"), 1);
        QCOMPARE(pod.calls().filter("DELETE"), QStringList { "DELETE " + api + "/connections/g-42" });

        source.removeOutgoingRoute(aliveIndex);
        QCOMPARE(
            log.count("error", QString("Block [0]: No line found to remove: lineIndex=[%1]").arg(aliveIndex)),
            1);
    }

    void removeAllRoutesTerminatesAndKeepsIncoming()
    {
        Pod pod;
        QObject session;
        TeamBlock block(2), sink(3), source(4);
        source.setDisplayAddress(pod.address());
        open(block, pod);
        route(block, sink, &session);
        route(block, source, &session);
        route(source, block, &session);
        pod.setReply("DELETE", api + "/connections", { 500, "{}" });
        QSignalSpy outgoing(&block, &RoutableBlock::outgoingRoutesChanged);
        LogMark log;

        block.removeAllRoutes();
        QVERIFY(!block.hasOutgoingRoutes() && !sink.hasIncomingRoutes());
        QVERIFY(block.hasIncomingRoutes());
        QCOMPARE(outgoing.size(), 1);
        QTRY_COMPARE(log.count("error", "Block [2]: Failed to remove all routes"), 1);
        QVERIFY(pod.calls().contains("DELETE " + api + "/connections"));
    }

    void versionParsing_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("version");
        QTest::newRow("text") << 200 << QByteArray(R"({"version": "2"})") << 2;
        QTest::newRow("number") << 200 << QByteArray(R"({"version": 2})") << 0;
        QTest::newRow("not a number") << 200 << QByteArray(R"({"version": "2.1b"})") << 0;
        QTest::newRow("missing") << 200 << QByteArray("{}") << 0;
        QTest::newRow("not json") << 200 << QByteArray("<html/>") << 0;
        QTest::newRow("refused") << 500 << QByteArray(R"({"version": "3"})") << -1;
    }

    void versionParsing()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, reply);
        QFETCH(int, version);
        Pod pod;
        TeamBlock block(8);
        block.setDisplayAddress(pod.address());
        pod.setReply("GET", api + "/version", { status, reply });
        LogMark log;
        block.requestVersion();
        const QString expected = status == 200
            ? QString("Block [8]: API version of server=%1").arg(version)
            : QString("Block [8]: Version failed: httpCode=[%1]").arg(status);
        QTRY_COMPARE(log.count("error", expected), 1);
        QCOMPARE(block.apiVersion(), version);
    }

    void bannersAndForwardingNeedVersionTwo_data()
    {
        QTest::addColumn<QByteArray>("version");
        QTest::addColumn<bool>("sent");
        QTest::newRow("2") << QByteArray(R"({"version": "2"})") << true;
        QTest::newRow("1") << QByteArray(R"({"version": "1"})") << false;
        QTest::newRow("number") << QByteArray(R"({"version": 5})") << false;
    }

    void bannersAndForwardingNeedVersionTwo()
    {
        QFETCH(QByteArray, version);
        QFETCH(bool, sent);
        Pod pod;
        TeamBlock block(0);
        block.setDisplayName("Team A");
        block.setDisplayColor("#00ff00");
        open(block, pod, version);
        block.showRoutingBanners(false);

        // Requests travel on parallel connections, so only the set of bodies is fixed.
        const QJsonObject configure { { "presence", true }, { "message", "Team A is sharing!" },
            { "foreground", "#FFFFFF" }, { "background", "#00ff00" } };
        QList<QJsonObject> expected { configure };
        if (sent)
            expected << QJsonObject { { "banners", true } } << QJsonObject { { "forwarding", false } }
                     << QJsonObject { { "banners", false } };
        QTRY_COMPARE(pod.server.requestCount(), 1 + expected.size());
        QTest::qWait(100);
        const QList<QJsonObject> patches = pod.bodies("PATCH", api);
        QCOMPARE(patches.size(), expected.size());
        for (const QJsonObject& body : expected)
            QVERIFY(patches.contains(body));
    }

    void refusedConfigureEndsTheSession()
    {
        Pod pod;
        TeamBlock block(3);
        open(block, pod);
        pod.setReply("PATCH", api, { 503, "{}" });
        QSignalSpy connected(&block, &RoutableBlock::isConnectedChanged);
        QSignalSpy routability(&block, &RoutableBlock::routabilityChanged);
        LogMark log;
        block.beginSession(true, true);
        QVERIFY(connected.wait(3000));
        QVERIFY(!block.isConnected());
        QCOMPARE(routability.size(), 1);
        QCOMPARE(log.count("error", "Block [3]: Configure failed: httpCode=[503]"), 1);
        block.endSession();
        QVERIFY(!block.isConnected());
    }

    void overlays()
    {
        Pod teamPod, primaryPod;
        TeamBlock team(1);
        ClassroomPrimaryDisplay primary;
        primary.setDisplayAddress(primaryPod.address());
        primaryPod.setReply("POST", api + "/overlaytext", { 500, "{}" });
        LogMark log;

        primary.showOverlay("Eyes Up Front"); // before any session
        QTRY_COMPARE(log.count("error", "Block [-1]: Failed to set primary overlay"), 1);
        const QJsonObject eyesUp { { "text", "Eyes Up Front" }, { "color", "#FFFFFF" } };
        QCOMPARE(primaryPod.bodies("POST", api + "/overlaytext"), QList<QJsonObject> { eyesUp });

        open(team, teamPod);
        teamPod.setReply("POST", api + "/overlaytext", { 500, "{}" });
        team.showOverlay("");
        QTRY_COMPARE(log.count("error", "Block [1]: Failed to display overlay"), 1);
        const QJsonObject clear { { "text", "" }, { "color", "#FFFFFF" } };
        QCOMPARE(teamPod.bodies("POST", api + "/overlaytext"), QList<QJsonObject> { clear });
    }

    void deviceId_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QString>("deviceId");
        QTest::addColumn<QString>("warning");
        QTest::newRow("row") << 200
                             << QByteArray(
                                    "<table><tr><td><b>DeviceId</b></td><td>Pod_12ab</td></tr></table>")
                             << "Pod_12ab" << QString();
        QTest::newRow("no row") << 200 << QByteArray("<table><tr><td>DeviceId</td><td>x</td></tr></table>")
                                << QString() << "Block [2]: Failed to parse deviceId";
        QTest::newRow("not a word") << 200 << QByteArray("<tr><td><b>DeviceId</b></td><td>a-b</td></tr>")
                                    << QString() << "Block [2]: Failed to parse deviceId";
        QTest::newRow("refused") << 404 << QByteArray() << QString()
                                 << "Block [2]: Failed to retrieve deviceId: error=[203]";
    }

    void deviceId()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, page);
        QFETCH(QString, deviceId);
        QFETCH(QString, warning);
        Pod pod;
        pod.setReply("GET", "/test/id", { status, page });
        TeamBlock block(2);
        block.setDisplayAddress(pod.address());
        QSignalSpy changed(&block, &RoutableBlock::deviceIdChanged);
        ModelTest::state()->requireSave(false);
        LogMark log;

        block.queryDeviceId();
        QVERIFY(isInvalidId(block.deviceId()));
        QVERIFY(ModelTest::state()->saveRequired());
        const QString marker = block.deviceId();
        if (warning.isEmpty()) {
            QTRY_COMPARE(block.deviceId(), deviceId);
            return;
        }
        QTRY_COMPARE(log.count("warning", warning), 1);
        QCOMPARE(block.deviceId(), marker);
        block.queryDeviceId();
        QVERIFY(isInvalidId(block.deviceId()) && block.deviceId() != marker);
    }

    void repliesAfterTheBlockIsGoneAreDropped()
    {
        Pod pod;
        pod.setReply("GET", api + "/version", { 200, R"({"version": "2"})", 200 });
        auto* block = new TeamBlock(0);
        block->setDisplayAddress(pod.address());
        block->requestVersion();
        LogMark log;
        delete block;
        QTest::qWait(400);
        QCOMPARE(log.count("error", "Block [0]: API version of server=2"), 0);
    }
};

QTEST_MAIN(RoutableBlockTest)
#include "RoutableBlockTest.moc"
