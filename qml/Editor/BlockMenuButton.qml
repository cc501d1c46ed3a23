import QtQuick 2.12
import Common 1.0

// The round button on a block that opens its menu; reports the click point in window coordinates.
Rectangle {
    id: button

    signal menuRequested(real windowX, real windowY)

    objectName: "blockMenuButton"
    width: 30
    height: 30
    radius: width / 2
    color: Common.cardColor
    Accessible.role: Accessible.ButtonMenu
    Accessible.name: qsTr("Block menu")
    Accessible.onPressAction: {
        var p = mapToItem(null, width / 2, height / 2)
        button.menuRequested(p.x, p.y)
    }

    Image {
        anchors.centerIn: parent
        scale: 0.9
        source: "qrc:///images/icons/Kabab2.png"
    }

    MouseArea {
        anchors.fill: parent
        cursorShape: Qt.PointingHandCursor
        onClicked: {
            var p = mapToItem(null, mouse.x, mouse.y)
            button.menuRequested(p.x, p.y)
        }
    }
}
