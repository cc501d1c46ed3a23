import QtQuick 2.12
import Common 1.0

// The frame every dialog is drawn in; clicks inside it go no further.
Rectangle {
    // What a screen reader announces when the dialog opens.
    property string title

    color: Common.dialogColor
    radius: Common.dialogRadius
    border.width: Common.dialogBorderWidth
    border.color: Common.dialogBorderColor
    Accessible.role: Accessible.Dialog
    Accessible.name: title

    MouseArea {
        anchors.fill: parent
        z: -1
        acceptedButtons: Qt.AllButtons
        onWheel: wheel.accepted = true
    }
}
