import QtQuick 2.12
import Common 1.0

// A short label laid over the snapshot on a plate so it reads on any picture; an emphasised one
// (a warning) gets a solid framed plate, larger text and an optional second line.
Rectangle {
    id: caption

    property alias text: label.text
    property string detail
    property bool emphasised: false

    width: column.width + Common.pixelWidth(emphasised ? 40 : 20)
    height: column.height + Common.pixelHeight(emphasised ? 24 : 10)
    color: emphasised ? Common.dialogColor : "#99000000"
    border.width: emphasised ? Common.dialogBorderWidth : 0
    border.color: Common.accentColor
    radius: Common.dialogRadius

    Column {
        id: column
        anchors.centerIn: parent
        spacing: Common.pixelHeight(4)

        Text {
            id: label
            anchors.horizontalCenter: parent.horizontalCenter
            color: caption.emphasised ? Common.accentColor : Common.textColor
            font.family: Common.gPrimaryFont
            font.bold: caption.emphasised
            font.pixelSize: Common.pixelFont(caption.emphasised ? 20 : 14)
        }

        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            visible: caption.detail.length > 0
            text: caption.detail
            color: Common.textColor
            font.family: Common.gPrimaryFont
            font.pixelSize: Common.pixelFont(13)
        }
    }
}
