import QtQuick 2.12
import Common 1.0
import "../Common/EditorLogic.js" as EditorLogic

// Lets a block view be dragged anywhere on the canvas (right of the catalogue, inside the screen)
// and stores where it was left as design-grid values.
MouseArea {
    id: area

    property Item view: parent
    property real canvasLeft: 0
    // A team block is written back only after a real drag; the primary display on every release.
    property bool writeOnlyAfterDrag: true
    readonly property var bounds: EditorLogic.dragBounds(canvasLeft, view.parent.width, view.parent.height,
                                                         view.width, view.height)
    signal blockPressed

    anchors.fill: parent
    cursorShape: Qt.SizeAllCursor
    drag.target: view
    drag.minimumX: bounds.minX
    drag.maximumX: bounds.maxX
    drag.minimumY: bounds.minY
    drag.maximumY: bounds.maxY
    onPressed: blockPressed()
    onReleased: {
        if (writeOnlyAfterDrag && !drag.active)
            return
        view.routingBlockObject.displayX = Common.planXReverse(view.x)
        view.routingBlockObject.displayY = Common.planYReverse(view.y)
        // Back to following the stored position, so resizing the window moves the block along.
        view.x = Qt.binding(function() { return Common.planX(area.view.displayX) })
        view.y = Qt.binding(function() { return Common.planY(area.view.displayY) })
    }
}
