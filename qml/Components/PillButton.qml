import QtQuick 2.12
import Common 1.0

// The rounded accent button of the login and home screens.
Rectangle {
    id: pill

    property alias text: label.text
    property real fontSize: Common.pixelFont(17)
    property alias labelVisible: label.visible
    signal clicked

    color: Common.accentColor
    radius: height
    Accessible.role: Accessible.Button
    Accessible.name: text
    Accessible.onPressAction: clicked()

    Text {
        id: label
        anchors.centerIn: parent
        color: Common.textColor
        font.family: Common.gPrimaryFont
        font.bold: true
        font.pixelSize: pill.fontSize
    }

    MouseArea {
        anchors.fill: parent
        cursorShape: Qt.PointingHandCursor
        onClicked: pill.clicked()
    }
}
