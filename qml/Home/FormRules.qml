import QtQuick 2.12
import Common 1.0

// The pair of thin decorative rules across the top or bottom of the room form.
Item {
    property bool wideFirst: true

    width: parent.width
    height: Common.pixelHeight(10)

    Rectangle {
        x: Common.pixelWidth(75)
        y: parent.wideFirst ? 0 : parent.height - height
        width: parent.width - 2 * x
        height: 2
        color: Common.formRuleColor
    }

    Rectangle {
        x: Common.pixelWidth(125)
        y: parent.wideFirst ? parent.height - height : 0
        width: parent.width - 2 * x
        height: 1
        color: Common.formRuleColor
    }
}
