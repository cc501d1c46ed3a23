import QtQuick 2.12

// An icon drawn at `factor` times its natural size, rendered at that size so vector art stays sharp.
Item {
    property alias source: natural.source
    property real factor: 1

    width: natural.implicitWidth * factor
    height: natural.implicitHeight * factor

    // Loaded only to learn the natural size.
    Image {
        id: natural
        visible: false
    }

    Image {
        anchors.fill: parent
        source: natural.source
        sourceSize: Qt.size(width, height)
    }
}
