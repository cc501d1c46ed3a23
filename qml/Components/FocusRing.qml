import QtQuick 2.12
import Common 1.0

// The ring drawn around the item the keys act on: white over a dark edge, seen on any floor.
Rectangle {
    id: ring

    property Item target: null
    readonly property real gap: Common.pixelWidth(6)

    visible: target !== null
    x: target ? target.x - gap : 0
    y: target ? target.y - gap : 0
    width: target ? target.width + 2 * gap : 0
    height: target ? target.height + 2 * gap : 0
    radius: gap
    color: "transparent"
    border.width: 3
    border.color: "white"
    antialiasing: true

    Rectangle {
        anchors.fill: parent
        anchors.margins: -2
        radius: parent.radius + 2
        color: "transparent"
        border.width: 2
        border.color: Common.gBackgroundColor
    }
}
