import QtQuick 2.12
import Common 1.0
import "../Components"

// Asked when the window is closed with unsaved changes in the editor.
ConfirmDialog {
    title: qsTr("Save your changes before closing?")
    objectName: "closeDialog"
    width: Common.pixelWidth(460)
    height: Common.pixelHeight(375)
    buttonWidth: width * 0.26
    buttonRightMargin: width * 0.06
    iconSource: "qrc:///images/SaveCreateDialogIcon.png"
    text: qsTr("Save your changes before closing?<br><b>Unsaved changes will be lost.</b>")
    textPixelSize: 20
    confirmText: qsTr("SAVE")
    alternativeText: qsTr("DON'T SAVE")
    cancelText: qsTr("CANCEL")
}
