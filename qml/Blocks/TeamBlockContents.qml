import QtQuick 2.12
import "../Common/BlockLogic.js" as BlockLogic

// What a team block holds, turned by the block's rotation: the display (filled with the feeding
// block's colour while it receives a route), the furniture and the table. It is laid out in design
// units and scaled evenly, so furniture keeps its place around the table in a window of any shape.
Item {
    id: contents

    property Item block
    readonly property real zoom: block.roomScale

    function iconSource(name, suffix) {
        return name.length > 0 ? "qrc:///images/icons/" + name + suffix : ""
    }

    width: 150 * zoom
    height: width
    scale: block.contentScale
    rotation: block.teamRotation

    ScaledIcon {
        id: display
        x: (parent.width - width) / 2 + 2 * contents.zoom
        y: 20 * contents.zoom
        factor: 2 * contents.zoom
        source: contents.iconSource(contents.block.displayIcon, ".svg")
    }

    TintedImage {
        anchors.fill: display
        visible: contents.block.isBeingSinkedInto
        source: contents.iconSource(contents.block.displayIcon, "Mask.png")
        color: contents.block.colorOfRoutingSource
    }

    Repeater {
        model: contents.block.teamFurniture

        BlockFurnitureIcon {
            icon: modelData
            zoom: contents.zoom
            interactive: contents.block.enableIconSelection
            selected: contents.block.selectedFurniture === modelData
            onPicked: {
                contents.block.isTableSelected = false
                contents.block.selectedFurniture = modelData
            }
        }
    }

    SelectableIcon {
        anchors.horizontalCenter: parent.horizontalCenter
        y: display.y + display.height + 10 * contents.zoom
        visible: contents.block.teamTableIcon.length > 0
        source: contents.iconSource(contents.block.teamTableIcon, ".svg")
        factor: BlockLogic.effectiveScale(contents.block.teamTableIconScale) * contents.zoom
        rotation: contents.block.teamTableIconRotation
        interactive: contents.block.enableIconSelection
        selected: contents.block.isTableSelected
        onPicked: {
            contents.block.selectedFurniture = null
            contents.block.isTableSelected = true
        }
    }
}
