import QtQuick 2.12
import QtQuick.Controls 2.12
import QtQuick.Shapes 1.12
import Common 1.0

// The eye on a block's corner that opens the live view of that block's pod; works from the keyboard too.
Rectangle {
    id: button

    property string podName
    // `byKeyboard`: the viewer hands the focus back when it closes.
    signal activated(bool byKeyboard)

    objectName: "previewButton"
    width: 26 * Common.pixelScale()
    height: width
    radius: width / 2
    color: area.containsMouse || activeFocus ? Common.positiveColor : Common.gToolbarColor
    border.width: activeFocus ? 2 : 1
    border.color: activeFocus ? "white" : Common.dialogBorderColor
    activeFocusOnTab: true

    Accessible.role: Accessible.Button
    Accessible.name: "Show live view of " + podName
    Accessible.onPressAction: activated(true)

    ToolTip.visible: area.containsMouse
    ToolTip.delay: 500
    ToolTip.text: "Live view"

    Keys.onSpacePressed: activated(true)
    Keys.onReturnPressed: activated(true)
    Keys.onEnterPressed: activated(true)

    // An eye: two arcs meeting at the corners, and a pupil.
    Shape {
        id: eye
        readonly property real w: button.width * 0.62
        readonly property real h: w * 0.6
        anchors.centerIn: parent
        width: w
        height: h
        layer.enabled: true
        layer.samples: 4

        ShapePath {
            strokeColor: "white"
            strokeWidth: 1.5
            fillColor: "transparent"
            startX: 0
            startY: eye.h / 2
            PathQuad { x: eye.w; y: eye.h / 2; controlX: eye.w / 2; controlY: -eye.h / 2 }
            PathQuad { x: 0; y: eye.h / 2; controlX: eye.w / 2; controlY: eye.h * 1.5 }
        }
    }

    Rectangle {
        anchors.centerIn: parent
        width: eye.h * 0.55
        height: width
        radius: width / 2
        color: "white"
    }

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: button.activated(false)
    }
}
