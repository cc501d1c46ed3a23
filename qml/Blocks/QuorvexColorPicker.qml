import QtQuick 2.12
import Common 1.0

// "Style": a fixed grid of colour swatches; a click selects one and reports it.
Column {
    id: picker

    property string selectedColor: "#B8BDBF"
    signal colorPicked(string color)

    Text {
        height: 30
        text: qsTr("Style")
        color: Common.textColor
        font.family: Common.gPrimaryFont
        font.pixelSize: 17
    }

    GridView {
        id: grid
        width: 6 * cellWidth
        height: 180
        cellWidth: 54
        cellHeight: 54
        interactive: false
        model: QuorvexColorPickerModel {}

        delegate: Item {
            width: grid.cellWidth
            height: grid.cellHeight

            Rectangle {
                objectName: "swatch_" + colorValue.substring(1)
                anchors.centerIn: parent
                width: 44
                height: 44
                radius: 5
                color: colorValue
                border.color: "white"
                border.width: picker.selectedColor.toUpperCase() === colorValue ? 3 : 0
                Accessible.role: Accessible.RadioButton
                Accessible.name: qsTr("Colour %1").arg(colorValue)
                Accessible.checkable: true
                Accessible.checked: picker.selectedColor.toUpperCase() === colorValue
                Accessible.onPressAction: pick()

                function pick() {
                    picker.selectedColor = colorValue
                    picker.colorPicked(colorValue)
                }

                MouseArea {
                    anchors.fill: parent
                    cursorShape: Qt.PointingHandCursor
                    onClicked: parent.pick()
                }
            }
        }
    }
}
