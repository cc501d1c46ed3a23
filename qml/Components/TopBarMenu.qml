import QtQuick 2.12
import Common 1.0

// The user menu's frame; its items go into the centred column.
Rectangle {
    default property alias items: column.data

    width: column.width + Common.pixelWidth(10)
    height: column.height + Common.pixelHeight(15)
    color: Common.dialogColor
    radius: Common.dialogRadius
    border.width: Common.dialogBorderWidth
    border.color: Common.dialogBorderColor

    MouseArea {
        anchors.fill: parent
    }

    Column {
        id: column
        anchors.centerIn: parent
        width: Common.pixelWidth(110)
        spacing: 2
    }
}
