import QtQuick 2.12
import Common 1.0

Rectangle {
    id: checkbox

    property bool isChecked: false

    // Square at any window shape: a stretched box no longer reads as a check box.
    width: height
    height: Common.pixelHeight(16)
    color: "white"
    border.color: "black"
    border.width: 1
    // Named where it is used, after the label beside it.
    Accessible.role: Accessible.CheckBox
    Accessible.checkable: true
    Accessible.checked: isChecked
    Accessible.onToggleAction: isChecked = !isChecked
    Accessible.onPressAction: isChecked = !isChecked

    Image {
        anchors.fill: parent
        anchors.margins: 1
        source: "qrc:///images/components/checkmark.svg"
        sourceSize: Qt.size(64, 64)
        visible: checkbox.isChecked
    }

    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.LeftButton
        onClicked: checkbox.isChecked = !checkbox.isChecked
    }
}
