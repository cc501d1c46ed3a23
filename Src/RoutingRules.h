#pragma once

#include <QList>
#include <QObject>
#include <QRectF>
#include <QVariantList>

// What a gesture or a key on the routing screen means, decided in one place so that dragging and
// the keyboard route alike. Blocks are named by index: team blocks 0..n-1, the primary display
// PrimaryBlock; NoBlock stands for an empty spot.
class RoutingRules : public QObject {
    Q_OBJECT
public:
    enum Block { NoBlock = -2, PrimaryBlock = -1 };
    Q_ENUM(Block)
    enum ReleaseOutcome { Missed, NoSource, SameBlock, Refused, AddRoute };
    Q_ENUM(ReleaseOutcome)
    enum HoldAction { NoAction, RemoveAll, PrimaryToAll, RemoveFromBlock, BlockToAll };
    Q_ENUM(HoldAction)

    explicit RoutingRules(QObject* parent = nullptr);

    // The block under `point`: the primary display wins, then team blocks in index order.
    // A null rectangle stands for a block that is not drawn.
    static int hitTest(const QRectF& primary, const QList<QRectF>& teams, const QPointF& point);
    // The same for the plan's views: `primary` a rect or null, `teams` rects in index order.
    Q_INVOKABLE int blockAt(const QVariant& primary, const QVariantList& teams, const QPointF& point) const;
    Q_INVOKABLE static QString describeHit(int hit);

    // What letting go of a route from `source` over `hit` does.
    static ReleaseOutcome releaseOutcome(int hit, bool sourceFound, int source, bool sinkAcceptsIncoming);
    // What holding still on `hit` does after a press on `source`; `routed` says whether the block
    // sends already (for the primary display: sends or receives).
    static HoldAction holdAction(int hit, int source, bool routed);
    // Taking a block's routes back, and sharing it to every display.
    static HoldAction removeAction(int block);
    static HoldAction shareAction(int block);

    // Team blocks in reading order: rows top to bottom, each row left to right. A block joins the
    // row above while its top lies above the middle of that row's first block, or level with it.
    static QList<int> readingOrder(const QList<QRectF>& teams);
};
