import QtQuick 2.12
import Common 1.0
import "../Common/EditorLogic.js" as EditorLogic

// Carries a catalogue entry across the screen and turns it into room furniture, a primary display or a
// team block where it is let go. Positions handed to the layout are the drag image's top-left corner.
Item {
    id: drag

    property QtObject layout
    property Item dropZone
    property Item blockDialogs
    property real roomScale: 1.0

    function move(entry, windowX, windowY) {
        var p = mapFromItem(null, windowX, windowY)
        dragImage.entry = entry
        dragImage.follow(p.x, p.y)
    }

    function release(windowX, windowY) {
        var entry = dragImage.entry
        if (!entry)
            return
        var p = mapFromItem(null, windowX, windowY)
        dragImage.follow(p.x, p.y)
        var image = Qt.rect(dragImage.x, dragImage.y, dragImage.width, dragImage.height)
        dragImage.entry = null
        if (dropZone.contains(mapToItem(dropZone, p.x, p.y)))
            drop(entry, image)
    }

    function drop(entry, image) {
        var kind = EditorLogic.dropKind(entry.iconName)
        if (kind === "furniture")
            dropFurniture(entry.iconName, image)
        else if (kind === "primaryDisplay")
            dropPrimaryDisplay(image.x, image.y)
        else
            dropTeamBlock(entry.iconName, image.x, image.y)
    }

    function dropFurniture(iconName, image) {
        console.log("EVENT: Dropping new furntiture")
        if (blockDialogs.teamBlockDialogOpen) {
            var inZone = mapToItem(dropZone, image.x, image.y)
            blockDialogs.dropIcon(inZone.x, inZone.y, image.width, image.height, iconName)
            return
        }
        var position = EditorLogic.furnitureDropPosition(image.x, image.y, image.width, image.height)
        layout.addFurniture(Common.planXReverse(position.x), Common.planYReverse(position.y), iconName,
                            EditorLogic.droppedFurnitureScale)
    }

    function dropPrimaryDisplay(x, y) {
        if (layout.hasPrimaryDisplay()) {
            console.log("Blocking drop of new Primary Display; one already exists")
            return
        }
        console.log("EVENT: Dropping new Primary Display: x=[" + x + "] y=[" + y + "]")
        // Blocks keep design-grid positions, so a drop lands under the pointer at any window size.
        layout.addPrimaryDisplay(Common.planXReverse(x), Common.planYReverse(y))
        blockDialogs.openForNewPrimaryDisplay()
    }

    function dropTeamBlock(displayIcon, x, y) {
        console.log("EVENT: Dropping new Team Block: x=[" + x + "] y=[" + y + "]")
        var blockIndex = layout.addTeamBlock(Common.planXReverse(x), Common.planYReverse(y), displayIcon)
        blockDialogs.openForNewTeamBlock(blockIndex)
    }

    DragImage {
        id: dragImage
        roomScale: drag.roomScale
    }
}
