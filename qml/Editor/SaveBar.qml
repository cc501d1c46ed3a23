import QtQuick 2.12
import Common 1.0
import ".."

// Save and Exit, side by side in a small bar at the bottom of the canvas.
Rectangle {
    id: bar

    signal saveClicked
    signal exitClicked

    width: Common.windowWidth * 0.152
    height: Common.windowHeight * 0.12
    radius: 5
    color: Common.gToolbarColor

    Shortcut {
        sequence: StandardKey.Save
        enabled: bar.visible
        onActivated: bar.saveClicked()
    }

    Row {
        anchors.horizontalCenter: parent.horizontalCenter
        y: bar.height * 0.17
        spacing: bar.width * 0.15

        NavButton {
            objectName: "saveButton"
            width: bar.width * 0.3
            height: bar.height * 0.75
            iconName: "Save"
            buttonLabel: qsTr("Save")
            highlighted: stateManager.isSaveRequired
            onButtonClicked: bar.saveClicked()
        }

        NavButton {
            objectName: "exitButton"
            width: bar.width * 0.3
            height: bar.height * 0.75
            iconName: "Logout"
            buttonLabel: qsTr("Exit")
            onButtonClicked: bar.exitClicked()
        }
    }
}
