import QtQuick 2.12
import "../Common/BlockLogic.js" as BlockLogic

// One piece of a team block's furniture, drawn from its icon object; a drag writes the position back.
SelectableIcon {
    id: furniture

    property QtObject icon
    property real zoom: 1

    function followIcon() {
        x = Qt.binding(function() { return furniture.icon.iconX * furniture.zoom })
        y = Qt.binding(function() { return furniture.icon.iconY * furniture.zoom })
    }

    source: icon.iconName.length > 0 ? "qrc:///images/icons/" + icon.iconName + ".svg" : ""
    factor: BlockLogic.effectiveScale(icon.iconScale) * zoom
    rotation: icon.iconRotation
    draggable: true
    Component.onCompleted: followIcon()

    onXChanged: if (dragging) icon.iconX = x / zoom
    onYChanged: if (dragging) icon.iconY = y / zoom
    onDraggingChanged: if (!dragging) followIcon()
}
