import QtQuick 2.12
import QtGraphicalEffects 1.12
import Common 1.0

// The white strip of item actions: grow, shrink, turn left, turn right, delete.
Item {
    id: toolbar

    readonly property var actions: [
        { icon: "PlusIconDark.png", label: qsTr("Larger"), signalName: "plusClicked" },
        { icon: "MinusIconDark.png", label: qsTr("Smaller"), signalName: "minusClicked" },
        { icon: "RotateLeftIconDark.png", label: qsTr("Turn left"), signalName: "leftClicked" },
        { icon: "RotateRightIconDark.png", label: qsTr("Turn right"), signalName: "rightClicked" },
        { icon: "TrashIconRed.png", label: qsTr("Delete"), signalName: "deleteClicked" }
    ]
    signal plusClicked
    signal minusClicked
    signal leftClicked
    signal rightClicked
    signal deleteClicked

    width: Common.pixelWidth(265)
    height: Common.pixelHeight(50)

    DropShadow {
        anchors.fill: strip
        source: strip
        radius: 12
        samples: 17
        color: "#AE000000"
    }

    Rectangle {
        id: strip
        anchors.fill: parent
        radius: 5
        color: "white"

        Row {
            anchors.fill: parent

            Repeater {
                model: toolbar.actions

                Item {
                    width: (strip.width - (toolbar.actions.length - 1)) / toolbar.actions.length + (index > 0 ? 1 : 0)
                    height: strip.height
                    Accessible.role: Accessible.Button
                    Accessible.name: modelData.label
                    Accessible.onPressAction: toolbar[modelData.signalName]()

                    Rectangle {
                        visible: index > 0
                        width: 1
                        height: parent.height
                        color: "#787B83"
                    }

                    Image {
                        anchors.centerIn: parent
                        anchors.horizontalCenterOffset: index > 0 ? 0.5 : 0
                        scale: 0.6
                        source: "qrc:///images/icons/" + modelData.icon
                    }

                    MouseArea {
                        anchors.fill: parent
                        cursorShape: Qt.PointingHandCursor
                        onClicked: toolbar[modelData.signalName]()
                    }
                }
            }
        }
    }
}
