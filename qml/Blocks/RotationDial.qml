import QtQuick 2.12
import "../Common/BlockLogic.js" as BlockLogic

// A handle circling the block it turns: its angle is the block's rotation (-360..0), reported while dragged.
Item {
    id: dial

    property real value: 0
    property real handleRadius: 0.4 * Math.min(width, height)
    signal moved(real value)

    Accessible.role: Accessible.Dial
    Accessible.name: qsTr("Rotation")
    Accessible.onIncreaseAction: moved(Math.min(0, value + 15))
    Accessible.onDecreaseAction: moved(Math.max(-360, value - 15))

    Image {
        id: handle
        readonly property real angle: dial.value * Math.PI / 180
        x: dial.width / 2 + dial.handleRadius * Math.sin(angle) - width / 2
        y: dial.height / 2 - dial.handleRadius * Math.cos(angle) - height / 2
        rotation: dial.value
        source: "qrc:///images/RotateIcon.png"

        MouseArea {
            anchors.fill: parent
            cursorShape: Qt.OpenHandCursor
            preventStealing: true
            onPositionChanged: {
                var point = mapToItem(dial, mouse.x, mouse.y)
                dial.moved(BlockLogic.dialValue(point.x - dial.width / 2, point.y - dial.height / 2))
            }
        }
    }
}
