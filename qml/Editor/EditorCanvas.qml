import QtQuick 2.12
import Common 1.0
import "../Blocks"
import "../Components"

// The room's floor plan: the primary display, the team blocks and the loose furniture.
// Positions are screen positions; the catalogue covers the left strip.
Item {
    id: canvas

    property QtObject layout
    // The editing session: it holds the selection the keys act on.
    property QtObject session
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

    // The view of a selected block or piece of furniture.
    function viewOf(item) {
        if (!item)
            return null
        return item.iconIndex !== undefined ? furnitureRepeater.itemAt(item.iconIndex) : blockView(item.blockIndex)
    }

    // What was pressed is what the keys act on next.
    function pick(item) {
        session.select(item)
        forceActiveFocus()
    }

    objectName: "editorCanvas"
    focus: true

    Keys.onPressed: event.accepted = canvas.session.keyPressed(event.key, event.modifiers)

    // Pressing the empty floor closes whatever menu is open.
    MouseArea {
        anchors.fill: parent
        onPressed: {
            canvas.pick(null)
            canvas.itemPressed()
        }
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
                onBlockPressed: {
                    canvas.pick(primaryView.routingBlockObject)
                    canvas.itemPressed()
                }
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
                onBlockPressed: {
                    canvas.pick(teamView.routingBlockObject)
                    canvas.itemPressed()
                }
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
        id: furnitureRepeater
        model: canvas.layout ? canvas.layout.furniture : []

        CanvasFurniture {
            id: piece
            icon: modelData
            roomScale: canvas.roomScale
            onPressed: {
                canvas.pick(piece.icon)
                canvas.furniturePressed(piece)
            }
        }
    }

    FocusRing {
        objectName: "selectionRing"
        target: canvas.activeFocus ? canvas.viewOf(canvas.session.selection) : null
    }
}
