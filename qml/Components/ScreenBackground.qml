import QtQuick 2.12

// The common screen background: a stretched gradient under a tiled pattern.
Image {
    anchors.fill: parent
    source: "qrc:///images/Background.png"

    Image {
        anchors.centerIn: parent
        width: parent.width
        height: parent.height
        scale: 0.98
        fillMode: Image.Tile
        source: "qrc:///images/BackgroundPattern.png"
    }
}
