import QtQuick 2.12
import Common 1.0
import "../Blocks"
import "../Common/EditorLogic.js" as EditorLogic

// One piece of the room's loose furniture, dragged freely. Its position is kept on the design grid,
// like the blocks', so the room keeps its shape in any window size.
ScaledIcon {
    id: furniture

    property QtObject icon
    property real roomScale: 1.0
    signal pressed

    function followIcon() {
        x = Qt.binding(function() { return Common.planX(furniture.icon.iconX) })
        y = Qt.binding(function() { return Common.planY(furniture.icon.iconY) })
    }

    source: "qrc:///images/icons/" + icon.iconName + ".svg"
    factor: EditorLogic.furnitureScale(icon.iconScale) * roomScale * Common.planScale
    rotation: icon.iconRotation
    Component.onCompleted: followIcon()

    MouseArea {
        anchors.fill: parent
        cursorShape: Qt.SizeAllCursor
        drag.target: furniture
        drag.minimumX: EditorLogic.furnitureMinimumPosition
        drag.minimumY: EditorLogic.furnitureMinimumPosition
        drag.maximumX: Math.max(drag.minimumX, furniture.parent.width - furniture.width)
        drag.maximumY: Math.max(drag.minimumY, furniture.parent.height - furniture.height)
        onPressed: furniture.pressed()
        onReleased: {
            if (!drag.active)
                return
            furniture.icon.iconX = Common.planXReverse(furniture.x)
            furniture.icon.iconY = Common.planYReverse(furniture.y)
            furniture.followIcon()
        }
    }
}
