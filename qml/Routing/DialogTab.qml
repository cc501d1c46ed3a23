import QtQuick 2.12
import Common 1.0

// A tab title; the current one is underlined in blue, the bar reaching a little past the text.
Item {
    id: tab

    property alias text: label.text
    property bool current: false
    signal clicked

    width: label.implicitWidth
    height: label.implicitHeight + Common.pixelHeight(8)
    Accessible.role: Accessible.PageTab
    Accessible.name: text
    Accessible.selected: current
    Accessible.onPressAction: clicked()

    Text {
        id: label
        color: Common.textColor
        font.family: Common.gPrimaryFont
        font.pixelSize: Common.pixelFont(17)
    }

    Rectangle {
        visible: tab.current
        anchors.bottom: parent.bottom
        x: -Common.pixelWidth(8)
        width: parent.width + 2 * Common.pixelWidth(8)
        height: 3
        color: Common.positiveColor
    }

    MouseArea {
        anchors.fill: parent
        cursorShape: Qt.PointingHandCursor
        onClicked: tab.clicked()
    }
}
