import QtQuick 2.12
import Common 1.0

Text {
    id: item

    property string textToShow
    signal itemClicked

    text: textToShow
    width: parent ? parent.width : implicitWidth
    horizontalAlignment: Text.AlignHCenter
    color: Common.textColor
    font.family: Common.gPrimaryFont
    font.bold: true
    font.pixelSize: Common.pixelFont(16)
    Accessible.role: Accessible.MenuItem
    Accessible.name: textToShow
    Accessible.onPressAction: itemClicked()

    MouseArea {
        anchors.fill: parent
        cursorShape: Qt.PointingHandCursor
        onClicked: {
            console.debug("EVENT: Clicked " + item.textToShow)
            item.itemClicked()
        }
    }
}
