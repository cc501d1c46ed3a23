import QtQuick 2.12

// Covers a block whose pod did not join the routing session and writes "(Disconnected)" along its
// bottom edge, inside the block, so it never runs over the room's walls.
Image {
    anchors.fill: parent
    source: "qrc:///images/teamblock/ConnectionError.png"

    BlockLabel {
        anchors.bottom: parent.bottom
        width: parent.width
        text: qsTr("(Disconnected)")
    }
}
