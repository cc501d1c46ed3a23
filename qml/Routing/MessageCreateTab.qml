import QtQuick 2.12
import QtQuick.Controls 2.12
import Common 1.0
import ".."
import "../Common/RoutingLogic.js" as RoutingLogic

// The message text and the grid of icon choices of the message dialog.
Column {
    id: tab

    readonly property alias text: input.inputText
    readonly property var choices: RoutingLogic.iconChoices()
    property int selectedIndex: -1
    readonly property var selectedChoice: selectedIndex >= 0 ? choices[selectedIndex] : null

    function clear() {
        input.clearText()
        selectedIndex = -1
    }
    function focusInput() { input.focusInput() }

    spacing: Common.pixelHeight(10)

    QuorvexTextInput {
        id: input
        objectName: "messageInput"
        width: parent.width
        height: Common.pixelHeight(80)
        labelText: qsTr("Create Custom Message")
        exampleText: qsTr("I have a question")
    }

    Text {
        text: qsTr("Pick an Icon")
        color: Common.textColor
        font.family: Common.gPrimaryFont
        font.pixelSize: Common.pixelFont(15)
    }

    GridView {
        id: grid
        width: parent.width
        height: Common.pixelHeight(240)
        clip: true
        cellWidth: (width - scrollBar.width) / 4
        cellHeight: height / 3
        model: tab.choices
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar {
            id: scrollBar
            policy: ScrollBar.AlwaysOn
            Accessible.name: qsTr("Scroll icons")
        }

        delegate: Item {
            width: grid.cellWidth
            height: grid.cellHeight

            CustomIcon {
                anchors.centerIn: parent
                // In a window wider than the design the icons grow faster than the rows: keep them apart.
                scale: Math.min(1, grid.cellHeight / (implicitHeight + Common.pixelHeight(6)))
                iconName: modelData.iconName
                iconType: modelData.iconType
                iconText: modelData.iconText
                activeState: tab.selectedIndex === index
                onClicked: tab.selectedIndex = index
            }
        }
    }
}
