import QtQuick 2.12

// Covers a block whose pod did not join the routing session and writes "(Disconnected)" under it.
Image {
    anchors.fill: parent
    source: "qrc:///images/teamblock/ConnectionError.png"

    BlockLabel {
        anchors.top: parent.bottom
        width: parent.width
        text: "(Disconnected)"
    }
}
