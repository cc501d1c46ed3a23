import QtQuick 2.12
import Common 1.0
import "../Common/HomeLogic.js" as HomeLogic

// The four room shapes side by side; the one in `shape` is shown selected.
Row {
    id: picker

    property string shape: "square"

    spacing: Common.pixelWidth(20)
    height: Common.pixelHeight(170)

    Repeater {
        model: ["square", "rectangle", "open", "none"]

        RoomShapeTile {
            width: (picker.width - 3 * picker.spacing) / 4
            height: picker.height
            shape: modelData
            caption: HomeLogic.roomTypeName(modelData)
            selected: picker.shape === modelData
            onPicked: picker.shape = modelData
        }
    }
}
