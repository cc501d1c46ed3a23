import QtQuick 2.12
import QtQuick.Controls 2.12
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
    Accessible.name: qsTr("Show live view of %1").arg(podName)
    Accessible.onPressAction: activated(true)

    ToolTip.visible: area.containsMouse
    ToolTip.delay: 500
    ToolTip.text: qsTr("Live view")

    Keys.onSpacePressed: activated(true)
    Keys.onReturnPressed: activated(true)
    Keys.onEnterPressed: activated(true)

    Image {
        anchors.centerIn: parent
        width: button.width * 0.7
        height: width
        sourceSize: Qt.size(width, height)
        source: "qrc:///images/LiveView.svg"
    }

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: button.activated(false)
    }
}
