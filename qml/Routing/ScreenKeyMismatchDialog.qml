import QtQuick 2.12
import Common 1.0
import "../Components"

// Says that the typed screen key matches none of the room's displays.
ConfirmDialog {
    property string classroomName

    title: qsTr("Screen key does not match")
    width: Common.pixelWidth(400)
    height: Common.pixelHeight(375)
    iconSource: "qrc:///images/SaveCreateDialogIcon.png"
    text: qsTr("That key doesn't match any of the screen keys displayed in %1.").arg(classroomName)
    textPixelSize: 20
    confirmText: qsTr("CONFIRM")
    cancelText: ""
}
