import QtQuick 2.12
import Common 1.0
import "../Blocks"
import "../Common/EditorLogic.js" as EditorLogic

// One catalogue entry: the icon in a rounded frame with its caption. Pressing and moving drags it out;
// positions are reported in window coordinates.
Column {
    id: tile

    property var entry: ({ caption: "", iconName: "", iconScale: 1 })
    signal dragMoved(var entry, real windowX, real windowY)
    signal dragReleased(var entry, real windowX, real windowY)

    objectName: "catalogueTile_" + entry.iconName
    spacing: Common.pixelHeight(4)
    opacity: enabled ? 1.0 : 0.4
    // Placed by dragging it onto the room.
    Accessible.role: Accessible.Button
    Accessible.name: entry.caption

    Rectangle {
        id: frame
        anchors.horizontalCenter: parent.horizontalCenter
        width: Common.pixelWidth(60)
        height: Common.pixelHeight(60)
        color: "transparent"
        border.color: "white"
        border.width: 2
        radius: 10

        // Loaded only to learn the natural size.
        Image {
            id: natural
            visible: false
            source: "qrc:///images/icons/" + tile.entry.iconName + ".svg"
        }

        ScaledIcon {
            anchors.centerIn: parent
            source: natural.source
            factor: EditorLogic.tileIconFactor(natural.implicitWidth, natural.implicitHeight,
                                               tile.entry.iconScale, frame.width - 8, frame.height - 8)
        }

        MouseArea {
            property bool dragging: false

            function windowPoint(mouse) { return mapToItem(null, mouse.x, mouse.y) }

            anchors.fill: parent
            preventStealing: true
            cursorShape: Qt.OpenHandCursor
            onPressed: dragging = false
            onPositionChanged: {
                dragging = true
                var p = windowPoint(mouse)
                tile.dragMoved(tile.entry, p.x, p.y)
            }
            onReleased: {
                if (!dragging)
                    return
                dragging = false
                var p = windowPoint(mouse)
                tile.dragReleased(tile.entry, p.x, p.y)
            }
        }
    }

    Text {
        anchors.horizontalCenter: parent.horizontalCenter
        text: qsTranslate("EditorLogic", tile.entry.caption)
        color: "white"
        font.family: Common.gPrimaryFont
        font.pixelSize: 12
    }
}
