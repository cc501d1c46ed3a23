import QtQuick 2.12
import "../Common/RoutingLogic.js" as RoutingLogic

// The ring that blooms under the pointer when a drag starts and then follows it.
Item {
    id: pulse

    property string blockColor

    function start(cx, cy) {
        moveTo(cx, cy)
        visible = true
        grow.restart()
    }
    function moveTo(cx, cy) {
        x = cx - width / 2
        y = cy - height / 2
    }
    function stop() {
        grow.stop()
        visible = false
    }

    readonly property bool grown: visible && !grow.running

    objectName: "sourcePulse"
    width: 66
    height: 66
    visible: false

    Rectangle {
        id: circle
        width: 0
        height: width
        radius: width / 2
        border.width: 1
        border.color: pulse.blockColor
        color: RoutingLogic.pulseColor(pulse.blockColor)
        antialiasing: true
    }

    NumberAnimation {
        id: grow
        target: circle
        property: "width"
        from: 0
        to: pulse.width
        duration: 300
        easing.type: Easing.InOutQuad
    }
}
