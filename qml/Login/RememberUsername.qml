import QtQuick 2.12
import Common 1.0
import "../Components"

// The "Remember Username" check box; its text toggles it too.
Item {
    property alias isChecked: checkbox.isChecked

    width: parent.width
    height: Common.pixelHeight(40)

    Checkbox {
        id: checkbox
        objectName: "rememberCheckbox"
        Accessible.name: rememberLabel.text
        anchors.verticalCenter: parent.verticalCenter
    }

    Text {
        id: rememberLabel
        anchors.left: checkbox.right
        anchors.verticalCenter: parent.verticalCenter
        leftPadding: Common.pixelWidth(16)
        text: qsTr("Remember Username")
        color: Common.textColor
        font.family: Common.gPrimaryFont
        font.pixelSize: Common.pixelFont(16)

        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.LeftButton
            onClicked: checkbox.isChecked = !checkbox.isChecked
        }
    }
}
