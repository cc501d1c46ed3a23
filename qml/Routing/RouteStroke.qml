import QtQuick 2.12
import "../Common/RoutingLogic.js" as RoutingLogic

// A 2 px antialiased straight line between two points.
Rectangle {
    property point from
    property point to

    x: from.x
    y: from.y - height / 2
    width: RoutingLogic.lineLength(from.x, from.y, to.x, to.y)
    height: 2
    antialiasing: true
    transformOrigin: Item.Left
    rotation: RoutingLogic.lineAngle(from.x, from.y, to.x, to.y)
}
