import QtQuick 2.12
import Common 1.0

// The thin decorative rules across the top and bottom of the team block dialog.
Item {
    id: rules

    Repeater {
        model: [
            { thickness: 2, inset: 50, atBottom: false },
            { thickness: 1, inset: 100, atBottom: false },
            { thickness: 2, inset: 50, atBottom: true },
            { thickness: 1, inset: 100, atBottom: true }
        ]

        Rectangle {
            readonly property real inset: Common.pixelHeight(modelData.inset)
            y: modelData.atBottom ? rules.height - inset : inset - height
            width: rules.width
            height: modelData.thickness
            color: Common.formRuleColor
        }
    }
}
