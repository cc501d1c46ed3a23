import QtQuick 2.12
import Common 1.0
import "../Common/HomeLogic.js" as HomeLogic

// One room shape to choose from: its picture and caption, or the "NONE" box.
Rectangle {
    id: tile

    property string shape
    property string caption
    property bool selected: false
    signal picked

    objectName: "shapeTile_" + shape
    color: Common.cardColor
    radius: Common.dialogRadius
    border.width: selected ? 2 : 0
    border.color: Common.cardBorderColor
    Accessible.role: Accessible.RadioButton
    Accessible.name: caption.length > 0 ? caption : qsTr("No shape")
    Accessible.checkable: true
    Accessible.checked: selected
    Accessible.onPressAction: picked()

    Column {
        anchors.centerIn: parent
        visible: tile.shape !== "none"
        spacing: Common.pixelHeight(8)

        Image {
            width: Common.pixelWidth(120)
            height: Common.pixelHeight(100)
            sourceSize: Qt.size(width, height)
            fillMode: Image.PreserveAspectFit
            source: HomeLogic.roomPicture(tile.shape)
        }

        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: tile.caption
            color: Common.textColor
            font.family: Common.gPrimaryFont
            font.bold: tile.selected
            font.pixelSize: Common.pixelFont(14)
        }
    }

    NoneBox {
        anchors.centerIn: parent
        width: Common.pixelWidth(112)
        visible: tile.shape === "none"
    }

    MouseArea {
        anchors.fill: parent
        cursorShape: Qt.PointingHandCursor
        onClicked: tile.picked()
    }
}
