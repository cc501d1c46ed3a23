import QtQuick 2.12
import Common 1.0
import "../Common/RoomWalls.js" as RoomWalls

// The room's walls: four thick rounded lines where its type puts them, scaled like the blocks and
// moved `shiftX` to the left with them. An open room has no bottom wall, a room without walls none.
Item {
    id: outline

    property string classroomType
    property real shiftX: 0
    readonly property var walls: RoomWalls.wallsFor(classroomType)
    readonly property real lineWidth: 5

    // The framed area in the outline's own coordinates; a room without walls gets the square room's,
    // so what is placed against the walls has a place there too.
    readonly property rect frame: {
        var w = walls || RoomWalls.walls.square
        return Qt.rect(Common.planX(w.left) - shiftX, Common.planY(w.top),
                       (w.right - w.left) * Common.planScale, (w.bottom - w.top) * Common.planScale)
    }

    objectName: "roomOutline"
    visible: walls !== null

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
        visible: outline.walls !== null && outline.walls.closed
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
