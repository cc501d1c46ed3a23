import QtQuick 2.12
import Common 1.0

// Stands in for a room picture when the room has no shape.
Rectangle {
    height: Common.pixelHeight(33)
    radius: Common.dialogRadius
    color: Common.noneBoxColor

    Text {
        anchors.centerIn: parent
        text: qsTr("NONE")
        color: Common.textColor
        font.family: Common.gPrimaryFont
        font.pixelSize: Common.pixelFont(12)
    }
}
