import QtQuick 2.12
import Common 1.0
import "../Blocks"

// The room's floor plan: the primary display, the team blocks and the loose furniture.
// Positions are screen positions; the catalogue covers the left strip.
Item {
    id: canvas

    property QtObject layout
    property real roomScale: 1.0
    property real canvasLeft: 0
    signal itemPressed
    signal furniturePressed(Item furniture)
    signal blockMenuRequested(QtObject block, real windowX, real windowY)

    // -1 gives the primary display's view, 0..n-1 the team blocks' views.
    function blockView(index) {
        if (index === -1)
            return primaryRepeater.count > 0 ? primaryRepeater.itemAt(0) : null
        return index >= 0 && index < teamRepeater.count ? teamRepeater.itemAt(index) : null
    }

    objectName: "editorCanvas"

    // Pressing the empty floor closes whatever menu is open.
    MouseArea {
        anchors.fill: parent
        onPressed: canvas.itemPressed()
    }

    Repeater {
        id: primaryRepeater
        model: canvas.layout && canvas.layout.primaryDisplay ? [canvas.layout.primaryDisplay] : []

        PrimaryDisplayBlock {
            id: primaryView
            routingBlockObject: modelData
            roomScale: canvas.roomScale

            BlockDragArea {
                canvasLeft: canvas.canvasLeft
                writeOnlyAfterDrag: false
                onBlockPressed: canvas.itemPressed()
            }

            // Beside the display's top corner, clear of the name above it.
            BlockMenuButton {
                x: parent.width + Common.pixelWidth(4)
                y: 0
                onMenuRequested: canvas.blockMenuRequested(primaryView.routingBlockObject, windowX, windowY)
            }
        }
    }

    Repeater {
        id: teamRepeater
        model: canvas.layout ? canvas.layout.teamBlocks : []

        TeamBlockObject {
            id: teamView
            routingBlockObject: modelData
            roomScale: canvas.roomScale
            // The stored size follows the zoom, in design-grid units like the position, so resizing the
            // window leaves the layout as it is.
            function storeSize() {
                if (!routingBlockObject)
                    return
                routingBlockObject.displayWidth = designWidth
                routingBlockObject.displayHeight = designHeight
            }
            onDesignWidthChanged: storeSize()
            onDesignHeightChanged: storeSize()
            Component.onCompleted: storeSize()

            BlockDragArea {
                canvasLeft: canvas.canvasLeft
                onBlockPressed: canvas.itemPressed()
            }

            // On the corner below the name band, so a long name never runs under it.
            BlockMenuButton {
                x: parent.width + Common.pixelWidth(12) - width
                y: teamView.nameBandHeight
                onMenuRequested: canvas.blockMenuRequested(teamView.routingBlockObject, windowX, windowY)
            }
        }
    }

    Repeater {
        model: canvas.layout ? canvas.layout.furniture : []

        CanvasFurniture {
            id: piece
            icon: modelData
            roomScale: canvas.roomScale
            onPressed: canvas.furniturePressed(piece)
        }
    }
}
