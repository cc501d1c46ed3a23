import QtQuick 2.12
import Common 1.0
import "../Components"

// Asked before leaving with unsaved changes.
ConfirmDialog {
    title: qsTr("Leave without saving?")
    objectName: "leaveDialog"
    width: Common.pixelWidth(400)
    height: Common.pixelHeight(375)
    iconSource: "qrc:///images/SaveCreateDialogIcon.png"
    text: qsTr("Are you sure you want to leave?<br><b>Your changes won't be saved.</b>")
    textPixelSize: 20
    confirmText: qsTr("EXIT")
    cancelText: qsTr("CANCEL")
}
