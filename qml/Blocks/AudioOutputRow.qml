import QtQuick 2.12
import QtQuick.Controls 2.12
import Common 1.0
import "../Components"

// "Activate audio output" with its explanation on hover and the switch; the owner writes the value.
Item {
    id: row

    property bool checked: false
    signal toggled

    width: audioSwitch.x + audioSwitch.width
    height: Common.pixelHeight(55)

    Text {
        id: caption
        x: Common.pixelWidth(20)
        // Never narrower than the caption: the switch moves aside rather than cover it.
        width: Math.max(Common.pixelWidth(200), implicitWidth)
        height: parent.height
        verticalAlignment: Text.AlignVCenter
        // The app's font has no "ⓘ"; the same sign is drawn from the icon set.
        textFormat: Text.StyledText
        text: qsTr("Activate audio output") + "&nbsp;&nbsp;<img src=\"qrc:///images/icons/Info.svg\" width=\"15\" height=\"15\" align=\"middle\">"
        color: Common.textColor
        font.family: Common.gPrimaryFont
        font.bold: true
        font.pixelSize: Common.pixelFont(15)

        MouseArea {
            id: hover
            anchors.fill: parent
            acceptedButtons: Qt.NoButton
            hoverEnabled: true
        }

        ToolTip {
            y: 50
            visible: hover.containsMouse
            text: qsTr("Choose which Pods will output audio when routing content to them.")
            font.family: Common.gPrimaryFont
        }
    }

    ToggleSwitch {
        id: audioSwitch
        objectName: "audioSwitch"
        anchors.left: caption.right
        anchors.leftMargin: Common.pixelWidth(10)
        anchors.verticalCenter: parent.verticalCenter
        checked: row.checked
        Accessible.name: qsTr("Activate audio output")
        knobPressedColor: "#cccccc"
        knobBorderColor: checked ? (pressed ? "#17a81a" : "#21be2b") : "#999999"
        onToggled: row.toggled()
    }
}
