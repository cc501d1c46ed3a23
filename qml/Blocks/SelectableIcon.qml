import QtQuick 2.12
import "../Common/BlockLogic.js" as BlockLogic

// An item inside a team block (its table or a piece of its furniture) that can be picked and,
// when `draggable`, moved within the block.
ScaledIcon {
    id: icon

    property bool selected: false
    property bool interactive: false
    property bool draggable: false
    readonly property bool dragging: mouse.drag.active
    signal picked

    // Built only while selected: a classroom holds hundreds of these icons, few ever picked.
    Loader {
        anchors.fill: parent
        active: icon.selected
        sourceComponent: SelectionCorners {}
    }

    MouseArea {
        id: mouse
        anchors.fill: parent
        enabled: icon.interactive
        drag.target: icon.draggable ? icon : null
        drag.minimumX: BlockLogic.minFurnitureOffset
        drag.minimumY: BlockLogic.minFurnitureOffset
        drag.maximumX: Math.max(drag.minimumX, icon.parent.width - icon.width)
        drag.maximumY: Math.max(drag.minimumY, icon.parent.height - icon.height)
        onPressed: icon.picked()
    }
}
