import QtQuick 2.12
import Common 1.0

// Add and refresh, one under the other at the top right.
Column {
    id: buttons

    property alias addVisible: addButton.visible
    signal addClicked
    signal refreshClicked

    anchors.right: parent.right
    anchors.rightMargin: Common.pixelWidth(15)
    anchors.top: parent.top
    anchors.topMargin: Common.pixelHeight(40)
    spacing: Common.pixelHeight(10)

    // Keeps its place while hidden, so refresh does not jump up.
    Item {
        width: addButton.width
        height: addButton.height

        HomeIconButton {
            id: addButton
            objectName: "addButton"
            Accessible.name: qsTr("Add classroom")
            source: "qrc:///images/Floating.png"
            onClicked: buttons.addClicked()
        }
    }

    HomeIconButton {
        objectName: "refreshButton"
        Accessible.name: qsTr("Refresh")
        source: "qrc:///images/Refresh.png"
        onClicked: buttons.refreshClicked()
    }
}
