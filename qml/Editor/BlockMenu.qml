import QtQuick 2.12
import Common 1.0
import "../Components"

// Edit, duplicate or delete one block; a primary display cannot be duplicated.
ActionMenu {
    id: menu

    property QtObject layout
    property QtObject block: null
    signal editRequested(QtObject block)

    function open(forBlock, px, py) {
        block = forBlock
        openAt(px, py)
    }

    objectName: "blockMenu"
    width: Math.max(Common.pixelWidth(97), rowsWidth)
    height: Common.pixelHeight(126)
    inertRows: block && block.isPrimaryBlock() ? [QT_TRANSLATE_NOOP("ActionMenu", "Duplicate")] : []

    onRowClicked: {
        var isPrimary = block.isPrimaryBlock()
        if (row === "Edit") {
            console.log("EVENT: Clicked edit block")
            editRequested(block)
        } else if (row === "Duplicate") {
            console.log("EVENT: Clicked duplicate block")
            layout.duplicateTeamBlock(block.blockIndex)
        } else if (row === "Delete") {
            console.log("EVENT: Clicked delete block")
            if (isPrimary)
                layout.removePrimaryDisplay()
            else
                layout.removeTeamBlockAt(block.blockIndex)
        }
    }
}
