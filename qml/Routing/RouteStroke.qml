import QtQuick 2.12
import Common 1.0
import "../Common/RoutingLogic.js" as RoutingLogic

// An antialiased straight line between two points, 2 px at the design size and thicker on larger windows.
Rectangle {
    property point from
    property point to

    x: from.x
    y: from.y - height / 2
    width: RoutingLogic.lineLength(from.x, from.y, to.x, to.y)
    height: Common.readablePixels(2)
    antialiasing: true
    transformOrigin: Item.Left
    rotation: RoutingLogic.lineAngle(from.x, from.y, to.x, to.y)
}
