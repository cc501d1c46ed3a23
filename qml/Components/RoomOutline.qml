import QtQuick 2.12
import Common 1.0

// The room's walls: four thick rounded lines inset from the item's edges by fixed pixel margins.
// An open room has no bottom wall.
Item {
    id: outline

    property real topMargin: 0
    property real leftMargin: 0
    property real rightMargin: 0
    property real bottomMargin: 0
    property bool showBottomLine: true
    readonly property real lineWidth: 5

    // The framed area, in the outline's own coordinates.
    readonly property rect frame: Qt.rect(leftMargin, topMargin,
                                          width - leftMargin - rightMargin,
                                          height - topMargin - bottomMargin)

    component Wall: Rectangle {
        color: Common.roomOutlineColor
        radius: 5
    }

    Wall {
        x: outline.frame.x
        y: outline.frame.y
        width: outline.frame.width
        height: outline.lineWidth
    }
    Wall {
        visible: outline.showBottomLine
        x: outline.frame.x
        y: outline.frame.y + outline.frame.height - outline.lineWidth
        width: outline.frame.width
        height: outline.lineWidth
    }
    Wall {
        x: outline.frame.x
        y: outline.frame.y
        width: outline.lineWidth
        height: outline.frame.height
    }
    Wall {
        x: outline.frame.x + outline.frame.width - outline.lineWidth
        y: outline.frame.y
        width: outline.lineWidth
        height: outline.frame.height
    }
}
