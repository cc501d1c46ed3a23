import QtQuick 2.12
import Common 1.0
import "../Components"

// The existing messages, each deletable unless it is the built-in one.
Column {
    id: tab

    property var messages: []
    signal removeClicked(string messageId)

    spacing: Common.pixelHeight(10)

    Text {
        text: qsTr("Existing Messages")
        color: Common.textColor
        font.family: Common.gPrimaryFont
        font.pixelSize: Common.pixelFont(15)
    }

    ListView {
        id: list
        width: Math.min(parent.width, Common.pixelWidth(325))
        height: Common.pixelHeight(320)
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        model: tab.messages

        delegate: Item {
            width: list.width
            height: Common.pixelHeight(100)

            CustomIcon {
                id: icon
                anchors.verticalCenter: parent.verticalCenter
                iconName: modelData.iconName
                iconType: modelData.iconType
                iconText: modelData.iconText
            }

            ElidedText {
                anchors.left: icon.right
                anchors.leftMargin: Common.pixelWidth(20)
                anchors.right: remove.left
                anchors.verticalCenter: parent.verticalCenter
                text: modelData.message
                color: Common.textColor
                font.family: Common.gPrimaryFont
                font.pixelSize: Common.pixelFont(15)
            }

            Image {
                id: remove
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                width: modelData.canBeDeleted ? Common.pixelScale() * 24 : 0
                height: width
                fillMode: Image.PreserveAspectFit
                visible: modelData.canBeDeleted
                source: "qrc:///images/DeleteIcon.png"
                Accessible.role: Accessible.Button
                Accessible.name: qsTr("Delete %1").arg(modelData.message)
                Accessible.onPressAction: tab.removeClicked(modelData.messageId)

                MouseArea {
                    anchors.fill: parent
                    cursorShape: Qt.PointingHandCursor
                    onClicked: tab.removeClicked(modelData.messageId)
                }
            }

            Rectangle {
                visible: index > 0
                width: parent.width
                height: 1
                color: "white"
            }
        }
    }
}
