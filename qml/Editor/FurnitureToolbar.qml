import QtQuick 2.12
import Common 1.0
import "../Blocks"
import "../Common/EditorLogic.js" as EditorLogic

// The item toolbar for one piece of loose furniture, shown just below it.
TeamBlockToolbar {
    id: toolbar

    property QtObject layout
    property Item target: null

    function close() { target = null }

    visible: target !== null
    x: target ? target.x - Common.pixelWidth(55) : 0
    y: target ? target.y + target.height + Common.pixelHeight(5) : 0
    scale: 0.6
    transformOrigin: Item.TopLeft

    onPlusClicked: {
        console.log("EVENT: Growing furniture")
        target.icon.iconScale = EditorLogic.stepFurnitureScale(target.icon.iconScale, EditorLogic.furnitureScaleStep)
    }
    onMinusClicked: {
        console.log("EVENT: Shrinking furniture")
        target.icon.iconScale = EditorLogic.stepFurnitureScale(target.icon.iconScale, -EditorLogic.furnitureScaleStep)
    }
    onLeftClicked: {
        console.log("EVENT: Rotating furniture counter-clockwise")
        target.icon.iconRotation -= EditorLogic.furnitureRotationStep
    }
    onRightClicked: {
        console.log("EVENT: Rotating furniture clockwise")
        target.icon.iconRotation += EditorLogic.furnitureRotationStep
    }
    onDeleteClicked: {
        console.log("EVENT: Deleting furniture")
        var index = target.icon.iconIndex
        close()
        layout.removeFurnitureAt(index)
    }
}
