import QtQuick 2.12
import Common 1.0
import "../Common/RoutingLogic.js" as RoutingLogic

// One route between two block anchors: the line with its end dots and the middle disc that removes
// the route, an arrow on the disc pointing to the sink. When the connection comes alive a dot travels
// along the line a few times, then the route is drawn still: a routed room costs nothing while idle.
Item {
    id: route

    property var routeLine
    property point sourcePoint
    property point sinkPoint
    signal removeRequested

    readonly property color lineColor: routeLine ? routeLine.displayColor : "transparent"
    readonly property bool alive: routeLine ? routeLine.isConnectionAlive && !interrupted : false
    // A display at one end dropped out: drawn dashed in grey until it is back.
    readonly property bool interrupted: routeLine ? routeLine.isInterrupted : false
    readonly property real length: RoutingLogic.lineLength(sourcePoint.x, sourcePoint.y, sinkPoint.x, sinkPoint.y)
    property real progress: 0
    readonly property int travelPasses: 2
    readonly property real dashStep: 16 // a dash and its gap

    // The point a share `t` of the way from source to sink.
    function pointAt(t) {
        return Qt.point(sourcePoint.x + (sinkPoint.x - sourcePoint.x) * t, sourcePoint.y + (sinkPoint.y - sourcePoint.y) * t)
    }
    function travelWhileAlive() {
        if (alive)
            travel.restart()
        else
            travel.stop()
    }

    objectName: "routeLine"
    opacity: alive ? 1.0 : 0.7

    onLengthChanged: if (travel.running) travel.restart()

    // Only a change of the connection starts the dot: views rebuilt for routes that stand already
    // (the list of routes changed elsewhere) stay still.
    Connections {
        target: route.routeLine
        function onIsConnectionAliveChanged() { route.travelWhileAlive() }
        function onIsInterruptedChanged() { route.travelWhileAlive() }
    }

    RouteStroke {
        visible: !route.interrupted
        from: route.sourcePoint
        to: route.sinkPoint
        color: route.lineColor
    }

    Repeater {
        objectName: "interruptedDashes"
        model: route.interrupted ? Math.ceil(route.length / route.dashStep) : 0
        RouteStroke {
            from: route.pointAt(index * route.dashStep / route.length)
            to: route.pointAt(Math.min(1, (index + 0.5) * route.dashStep / route.length))
            color: Common.inertColor
        }
    }

    Dot { center: route.sourcePoint; size: 10; color: route.lineColor }
    Dot { center: route.sinkPoint; size: 10; color: route.lineColor }

    Dot {
        objectName: "travellingDot"
        visible: travel.running
        size: 7
        color: route.lineColor
        center: route.pointAt(route.progress)
    }

    NumberAnimation {
        id: travel
        target: route
        property: "progress"
        from: 0
        to: 1
        duration: 2000
        loops: route.travelPasses
    }

    Dot {
        objectName: "routeLineDisc"
        size: 20
        color: route.lineColor
        center: Qt.point((route.sourcePoint.x + route.sinkPoint.x) / 2, (route.sourcePoint.y + route.sinkPoint.y) / 2)

        // ">" pointing along the line to the sink: which way the route goes, without motion.
        Item {
            visible: !route.interrupted
            anchors.centerIn: parent
            width: parent.size
            height: parent.size
            rotation: RoutingLogic.lineAngle(route.sourcePoint.x, route.sourcePoint.y, route.sinkPoint.x, route.sinkPoint.y)

            Repeater {
                model: [35, -35] // a narrow ">" reads as an arrow at any angle
                Rectangle {
                    readonly property real wing: parent.width * 0.42
                    x: (parent.width + wing * Math.cos(modelData * Math.PI / 180)) / 2 - width
                    y: (parent.height - height) / 2
                    width: wing
                    height: 2
                    color: Common.gToolbarColor
                    antialiasing: true
                    transformOrigin: Item.Right
                    rotation: modelData
                }
            }
        }

        Accessible.role: Accessible.Button
        Accessible.name: route.routeLine && route.routeLine.source && route.routeLine.sink
                         ? qsTr("Remove route from %1 to %2").arg(route.routeLine.source.displayName)
                                                             .arg(route.routeLine.sink.displayName)
                         : qsTr("Remove route")
        Accessible.onPressAction: route.removeRequested()

        MouseArea {
            anchors.fill: parent
            cursorShape: Qt.PointingHandCursor
            onPressed: route.removeRequested()
        }
    }
}
