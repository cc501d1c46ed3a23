import QtQuick 2.12
import Common 1.0
import "../Components"

// A catalogue section: a header that opens it and, while open, its panel.
Column {
    id: section

    property string title
    property real panelHeight: 0
    property bool open: false
    default property alias panelContent: panel.data
    signal headerClicked

    readonly property color openColor: "#171D2B"

    width: parent ? parent.width : 0

    Rectangle {
        width: section.width
        height: Common.pixelHeight(50)
        color: section.open ? section.openColor : Common.gToolbarColor
        Accessible.role: Accessible.Button
        Accessible.name: section.title
        Accessible.checkable: true
        Accessible.checked: section.open
        Accessible.onPressAction: section.headerClicked()

        Rectangle {
            width: Common.pixelWidth(5)
            height: parent.height
            color: "#F33B69"
            visible: section.open
        }

        ElidedText {
            anchors.left: parent.left
            anchors.right: chevronCell.left
            anchors.leftMargin: Common.pixelWidth(11)
            anchors.rightMargin: Common.pixelWidth(11)
            anchors.verticalCenter: parent.verticalCenter
            text: qsTranslate("EditorLogic", section.title)
            color: "white"
            font.family: Common.gPrimaryFont
            font.pixelSize: Common.pixelFont(16)
        }

        Item {
            id: chevronCell
            anchors.right: parent.right
            width: 25
            height: parent.height

            Image {
                anchors.centerIn: parent
                source: "qrc:///images/chevron.png"
                rotation: section.open ? 0 : 90
            }
        }

        MouseArea {
            anchors.fill: parent
            onClicked: section.headerClicked()
        }
    }

    Rectangle {
        id: panel
        width: section.width
        height: Common.pixelHeight(section.panelHeight)
        visible: section.open
        color: section.openColor
    }
}
