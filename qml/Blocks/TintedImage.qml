import QtQuick 2.12
import QtGraphicalEffects 1.12

// An image whose opaque pixels are filled with one colour (block borders, display masks).
Item {
    property alias source: image.source
    property alias color: overlay.color

    Image {
        id: image
        anchors.fill: parent
        sourceSize: Qt.size(width, height)
        visible: false
    }

    ColorOverlay {
        id: overlay
        anchors.fill: parent
        source: image
    }
}
