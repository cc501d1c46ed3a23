import QtQuick 2.12
import "../Common/RoutingLogic.js" as RoutingLogic

// Sees every press on the plan before the blocks: drags from a block draw a route, holding still on
// a block shares it to all. Presses beside the blocks go through to what lies beneath.
MouseArea {
    id: layer

    property var plan
    property var routingSession
    property var rubberBand
    property var pulse

    property int sourceIndex: -1
    property bool sourceIsPrimary: false
    property bool dragging: false
    property point pressPoint

    function blockAt(px, py) {
        console.debug("Searching for block which contains point=[" + px + "," + py + "]")
        var teams = []
        for (var i = 0; i < plan.teamCount; ++i)
            teams.push(plan.rectOf(plan.teamView(i)))
        var hit = RoutingLogic.hitTest(plan.rectOf(plan.primaryView), teams, px, py)
        console.debug(RoutingLogic.describeHit(hit))
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
        var view = hit.found ? plan.viewFor(hit.index) : null
        if (!view) {
            mouse.accepted = false
            return
        }
        sourceIndex = hit.index
        sourceIsPrimary = hit.isPrimary
        pressPoint = Qt.point(mouse.x, mouse.y)
        holdTimer.restart()
        // A block that may not send still takes press-and-hold (a sink can take its routes back).
        if (!view.canAddOutgoingRoute) {
            console.warn("Line creation skipped: Block [" + hit.index + "] rejected it")
            return
        }
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
        var hit = blockAt(mouse.x, mouse.y)
        var source = plan.viewFor(sourceIndex)
        var sink = hit.found ? plan.viewFor(hit.index) : null
        switch (RoutingLogic.releaseOutcome(hit, source !== null, sourceIndex, sink !== null && sink.canAddIncomingRoute)) {
        case "none":
            console.debug("Mouse dropped on non-block.")
            break
        case "noSource":
            console.error("Couldn't find source block for index=[" + sourceIndex + "]")
            break
        case "same":
            console.debug("Skipping creation of routing line because dropped on same block [" + hit.index + "]")
            break
        case "rejected":
            console.warn("Line creation skipped: Block [" + hit.index + "] rejected it")
            routingSession.explainRefusedRoute(hit.index, sourceIndex)
            break
        case "add":
            routingSession.addRouteLine(hit.index, sourceIndex)
            break
        }
    }

    onCanceled: endDrag()

    // Holding still on the block a drag started from shares it to all (or takes its routes back).
    Timer {
        id: holdTimer
        interval: Qt.styleHints.mousePressAndHoldInterval
        onTriggered: {
            var hit = layer.blockAt(layer.pressPoint.x, layer.pressPoint.y)
            var view = hit.found ? layer.plan.viewFor(hit.index) : null
            if (!view)
                return
            switch (RoutingLogic.holdAction(hit, layer.sourceIsPrimary, layer.sourceIndex,
                                            view.isActingAsSource, view.isBeingSinkedInto)) {
            case "removeAll":
                layer.routingSession.removeAllRoutes(true, false)
                break
            case "primaryToAll":
                layer.routingSession.routePrimaryToAll()
                break
            case "removeFromBlock":
                layer.routingSession.removeAllRoutesFromBlock(hit.index)
                break
            case "blockToAll":
                layer.routingSession.routeBlockToAll(hit.index)
                break
            }
        }
    }
}
