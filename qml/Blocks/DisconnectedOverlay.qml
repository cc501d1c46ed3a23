import QtQuick 2.12

// Covers a block whose pod did not join the routing session and writes "(Disconnected)" along its
// bottom edge, inside the block, so it never runs over the room's walls. A block whose stored address
// was refused says so instead: nothing is ever sent to it.
Image {
    property bool addressRefused: false

    anchors.fill: parent
    source: "qrc:///images/teamblock/ConnectionError.png"

    BlockLabel {
        objectName: "disconnectedLabel"
        anchors.bottom: parent.bottom
        width: parent.width
        text: parent.addressRefused ? qsTr("(Address not valid)") : qsTr("(Disconnected)")
    }
}
