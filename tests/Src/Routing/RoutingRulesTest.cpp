#include "RoutingRules.h"

#include <QTest>

namespace {

const QRectF primary(400, 40, 120, 104);
// The first two overlap.
const QList<QRectF> teams { { 0, 200, 150, 177 }, { 100, 250, 150, 177 }, { 300, 200, 150, 177 } };

} // namespace

// The decisions that dragging and the keyboard share, case by case.
class RoutingRulesTest : public QObject {
    Q_OBJECT

private slots:
    void hitTest_data()
    {
        QTest::addColumn<bool>("withPrimary");
        QTest::addColumn<QPointF>("point");
        QTest::addColumn<int>("hit");
        QTest::addColumn<QString>("log");
        const auto add = [](const char* tag, bool withPrimary, QPointF point, int hit, const char* log) {
            QTest::newRow(tag) << withPrimary << point << hit << QString(log);
        };
        add("inside the primary display", true, { 450, 90 }, RoutingRules::PrimaryBlock,
            "Point is in Primary Block");
        add("primary display edge counts", true, { 520, 144 }, RoutingRules::PrimaryBlock,
            "Point is in Primary Block");
        add("team block corner counts", true, { 450, 377 }, 2, "Point is in Team Block [2]");
        add("overlap: lowest index wins", true, { 120, 300 }, 0, "Point is in Team Block [0]");
        add("only the second block", true, { 200, 420 }, 1, "Point is in Team Block [1]");
        add("just outside", true, { 521, 90 }, RoutingRules::NoBlock, "Point is not in a block");
        add("empty floor", true, { 900, 700 }, RoutingRules::NoBlock, "Point is not in a block");
        add("no primary display", false, { 450, 90 }, RoutingRules::NoBlock, "Point is not in a block");
        add("no primary display, a team", false, { 10, 210 }, 0, "Point is in Team Block [0]");
    }

    void hitTest()
    {
        QFETCH(bool, withPrimary);
        QFETCH(QPointF, point);
        QFETCH(int, hit);
        QFETCH(QString, log);
        QCOMPARE(RoutingRules::hitTest(withPrimary ? primary : QRectF(), teams, point), hit);
        QCOMPARE(RoutingRules::describeHit(hit), log);
    }

    // What QML hands over: rects in variants, and null for a missing primary display.
    void blockAtReadsThePlansRects()
    {
        RoutingRules rules;
        const QVariantList teamRects { teams[0], teams[1], teams[2] };
        QCOMPARE(rules.blockAt(primary, teamRects, { 450, 90 }), int(RoutingRules::PrimaryBlock));
        QCOMPARE(rules.blockAt(QVariant(), teamRects, { 450, 90 }), int(RoutingRules::NoBlock));
        QCOMPARE(rules.blockAt(QVariant(), teamRects, { 440, 300 }), 2);
        // A team block lying over the primary display does not take its presses.
        QCOMPARE(rules.blockAt(primary, { QRectF(380, 20, 200, 200) }, { 450, 90 }),
            int(RoutingRules::PrimaryBlock));
    }

    void releaseOutcome_data()
    {
        QTest::addColumn<int>("hit");
        QTest::addColumn<bool>("sourceFound");
        QTest::addColumn<int>("source");
        QTest::addColumn<bool>("sinkAccepts");
        QTest::addColumn<int>("outcome");
        QTest::newRow("empty spot") << int(RoutingRules::NoBlock) << true << 1 << false
                                    << int(RoutingRules::Missed);
        QTest::newRow("source gone") << 2 << false << 1 << true << int(RoutingRules::NoSource);
        QTest::newRow("same team") << 2 << true << 2 << true << int(RoutingRules::SameBlock);
        QTest::newRow("same primary")
            << int(RoutingRules::PrimaryBlock) << true << -1 << true << int(RoutingRules::SameBlock);
        QTest::newRow("sink refuses") << 2 << true << 1 << false << int(RoutingRules::Refused);
        QTest::newRow("team to team") << 2 << true << 1 << true << int(RoutingRules::AddRoute);
        QTest::newRow("team to primary")
            << int(RoutingRules::PrimaryBlock) << true << 0 << true << int(RoutingRules::AddRoute);
    }

    void releaseOutcome()
    {
        QFETCH(int, hit);
        QFETCH(bool, sourceFound);
        QFETCH(int, source);
        QFETCH(bool, sinkAccepts);
        QFETCH(int, outcome);
        QCOMPARE(int(RoutingRules::releaseOutcome(hit, sourceFound, source, sinkAccepts)), outcome);
    }

    void holdAction_data()
    {
        QTest::addColumn<int>("hit");
        QTest::addColumn<int>("source");
        QTest::addColumn<bool>("routed");
        QTest::addColumn<int>("action");
        const int primaryBlock = RoutingRules::PrimaryBlock;
        QTest::newRow("idle primary")
            << primaryBlock << primaryBlock << false << int(RoutingRules::PrimaryToAll);
        QTest::newRow("routed primary")
            << primaryBlock << primaryBlock << true << int(RoutingRules::RemoveAll);
        QTest::newRow("primary, press elsewhere")
            << primaryBlock << 2 << false << int(RoutingRules::NoAction);
        QTest::newRow("idle team") << 3 << 3 << false << int(RoutingRules::BlockToAll);
        QTest::newRow("sending team") << 3 << 3 << true << int(RoutingRules::RemoveFromBlock);
        QTest::newRow("team, press elsewhere") << 3 << 1 << true << int(RoutingRules::NoAction);
        QTest::newRow("team, press on primary") << 3 << primaryBlock << false << int(RoutingRules::NoAction);
        QTest::newRow("empty spot") << int(RoutingRules::NoBlock) << int(RoutingRules::NoBlock) << false
                                    << int(RoutingRules::NoAction);
    }

    void holdAction()
    {
        QFETCH(int, hit);
        QFETCH(int, source);
        QFETCH(bool, routed);
        QFETCH(int, action);
        QCOMPARE(int(RoutingRules::holdAction(hit, source, routed)), action);
    }

    void readingOrder_data()
    {
        QTest::addColumn<QList<QRectF>>("blocks");
        QTest::addColumn<QList<int>>("order");
        QTest::newRow("none") << QList<QRectF> {} << QList<int> {};
        QTest::newRow("one row, listed right to left")
            << QList<QRectF> { { 500, 100, 100, 80 }, { 300, 100, 100, 80 }, { 100, 100, 100, 80 } }
            << QList<int> { 2, 1, 0 };
        QTest::newRow("two rows, slightly uneven") << QList<QRectF> { { 300, 330, 100, 80 },
            { 100, 100, 100, 80 }, { 300, 95, 100, 80 }, { 100, 320, 100, 80 } }
                                                   << QList<int> { 1, 2, 3, 0 };
        QTest::newRow("stacked in a column") << QList<QRectF> { { 100, 300, 100, 80 }, { 100, 200, 100, 80 },
            { 100, 100, 100, 80 } } << QList<int> { 2, 1, 0 };
        QTest::newRow("no stored height")
            << QList<QRectF> { { 300, 100, 0, 0 }, { 100, 100, 0, 0 } } << QList<int> { 1, 0 };
    }

    void readingOrder()
    {
        QFETCH(QList<QRectF>, blocks);
        QFETCH(QList<int>, order);
        QCOMPARE(RoutingRules::readingOrder(blocks), order);
    }
};

QTEST_GUILESS_MAIN(RoutingRulesTest)
#include "RoutingRulesTest.moc"
