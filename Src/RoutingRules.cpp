#include "RoutingRules.h"

#include <algorithm>

RoutingRules::RoutingRules(QObject* parent)
    : QObject(parent)
{
}

int RoutingRules::hitTest(const QRectF& primary, const QList<QRectF>& teams, const QPointF& point)
{
    if (primary.contains(point))
        return PrimaryBlock;
    for (int index = 0; index < teams.size(); ++index) {
        if (teams[index].contains(point))
            return index;
    }
    return NoBlock;
}

int RoutingRules::blockAt(const QVariant& primary, const QVariantList& teams, const QPointF& point) const
{
    QList<QRectF> teamRects;
    for (const QVariant& team : teams)
        teamRects.append(team.toRectF());
    return hitTest(primary.toRectF(), teamRects, point);
}

QString RoutingRules::describeHit(int hit)
{
    if (hit == NoBlock)
        return QStringLiteral("Point is not in a block");
    if (hit == PrimaryBlock)
        return QStringLiteral("Point is in Primary Block");
    return QStringLiteral("Point is in Team Block [%1]").arg(hit);
}

RoutingRules::ReleaseOutcome RoutingRules::releaseOutcome(
    int hit, bool sourceFound, int source, bool sinkAcceptsIncoming)
{
    if (hit == NoBlock)
        return Missed;
    if (!sourceFound)
        return NoSource;
    if (hit == source)
        return SameBlock;
    if (!sinkAcceptsIncoming)
        return Refused;
    return AddRoute;
}

RoutingRules::HoldAction RoutingRules::holdAction(int hit, int source, bool routed)
{
    // Only a hold where the press began counts: a drag that moved on is no hold.
    if (hit == NoBlock || hit != source)
        return NoAction;
    return routed ? removeAction(hit) : shareAction(hit);
}

RoutingRules::HoldAction RoutingRules::removeAction(int block)
{
    return block == PrimaryBlock ? RemoveAll : RemoveFromBlock;
}

RoutingRules::HoldAction RoutingRules::shareAction(int block)
{
    return block == PrimaryBlock ? PrimaryToAll : BlockToAll;
}

QList<int> RoutingRules::readingOrder(const QList<QRectF>& teams)
{
    QList<int> byTop;
    for (int index = 0; index < teams.size(); ++index)
        byTop.append(index);
    std::stable_sort(byTop.begin(), byTop.end(), [&](int a, int b) { return teams[a].y() < teams[b].y(); });

    QList<int> order;
    auto rowStart = byTop.begin();
    while (rowStart != byTop.end()) {
        const QRectF& first = teams[*rowStart];
        const qreal rowMiddle = first.y() + first.height() / 2;
        auto rowEnd = std::find_if(rowStart, byTop.end(),
            [&](int i) { return teams[i].y() > first.y() && teams[i].y() >= rowMiddle; });
        std::stable_sort(rowStart, rowEnd, [&](int a, int b) { return teams[a].x() < teams[b].x(); });
        order.append(QList<int>(rowStart, rowEnd));
        rowStart = rowEnd;
    }
    return order;
}
