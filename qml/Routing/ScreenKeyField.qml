import QtQuick 2.12
import Common 1.0

// One cell holding one character of the screen key; emptied when focused, reports a typed character.
Item {
    id: cell

    property alias text: input.text
    // Which character of the key the cell holds, from 1.
    property int position
    readonly property bool editing: input.activeFocus
    signal filled

    function focusField() { input.forceActiveFocus() }

    height: Common.pixelHeight(56)

    Rectangle {
        anchors.fill: parent
        anchors.margins: Common.pixelWidth(4)
        radius: 5
        color: "transparent"
        border.width: 2
        border.color: input.text.length > 0 ? "#2E91D9" : "red"

        TextInput {
            id: input
            anchors.fill: parent
            horizontalAlignment: TextInput.AlignHCenter
            verticalAlignment: TextInput.AlignVCenter
            maximumLength: 1
            color: Common.textColor
            font.family: Common.gPrimaryFont
            font.bold: true
            font.capitalization: Font.AllUppercase
            font.pixelSize: Common.pixelFont(24)
            activeFocusOnTab: true
            Accessible.role: Accessible.EditableText
            Accessible.name: qsTr("Screen key character %1").arg(cell.position)
            onActiveFocusChanged: if (activeFocus) clear()
            onTextEdited: if (text.length === 1) cell.filled()
        }
    }
}
