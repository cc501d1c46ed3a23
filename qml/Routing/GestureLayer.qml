import QtQuick 2.12
import RoutingRules 1.0
import "../Common/RoutingLogic.js" as RoutingLogic

// Sees every press on the plan before the blocks: drags from a block draw a route, holding still on
// a block shares it to all. Presses beside the blocks go through to what lies beneath.
MouseArea {
    id: layer

    property var plan
    property var routingSession
    property var rubberBand
    property var pulse

    property int sourceIndex: RoutingRules.NoBlock
    property bool dragging: false
    property point pressPoint

    function blockAt(px, py) {
        console.debug("Searching for block which contains point=[" + px + "," + py + "]")
        var teams = []
        for (var i = 0; i < plan.teamCount; ++i)
            teams.push(plan.rectOf(plan.teamView(i)))
        var hit = RoutingRules.blockAt(plan.rectOf(plan.primaryView), teams, Qt.point(px, py))
        console.debug(RoutingRules.describeHit(hit))
        return hit
    }

    function endDrag() {
        dragging = false
        holdTimer.stop()
        rubberBand.visible = false
        pulse.stop()
    }

    objectName: "gestureLayer"
    preventStealing: true

    onPressed: {
        var hit = blockAt(mouse.x, mouse.y)
        var view = hit === RoutingRules.NoBlock ? null : plan.viewFor(hit)
        if (!view) {
            mouse.accepted = false
            return
        }
        sourceIndex = hit
        pressPoint = Qt.point(mouse.x, mouse.y)
        holdTimer.restart()
        // A block that may not send still takes press-and-hold (a sink can take its routes back).
        if (!routingSession.mayRouteFrom(hit))
            return
        dragging = true
        rubberBand.color = view.displayColor
        rubberBand.from = view.getOrigin()
        rubberBand.to = pressPoint
        rubberBand.visible = true
        pulse.blockColor = view.displayColor
        pulse.start(mouse.x, mouse.y)
    }

    onPositionChanged: {
        if (RoutingLogic.lineLength(pressPoint.x, pressPoint.y, mouse.x, mouse.y) > Qt.styleHints.startDragDistance)
            holdTimer.stop()
        if (!dragging)
            return
        rubberBand.to = Qt.point(mouse.x, mouse.y)
        pulse.moveTo(mouse.x, mouse.y)
    }

    onReleased: {
        holdTimer.stop()
        if (!dragging)
            return
        endDrag()
        routingSession.releaseRoute(blockAt(mouse.x, mouse.y), sourceIndex)
    }

    onCanceled: endDrag()

    // Holding still on the block a drag started from shares it to all (or takes its routes back).
    Timer {
        id: holdTimer
        interval: Qt.styleHints.mousePressAndHoldInterval
        onTriggered: layer.routingSession.holdBlock(layer.blockAt(layer.pressPoint.x, layer.pressPoint.y),
                                                    layer.sourceIndex)
    }
}
