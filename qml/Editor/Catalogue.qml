import QtQuick 2.12
import Common 1.0
import "../Components"
import "../Common/EditorLogic.js" as EditorLogic

// The left-hand menu: the classroom name (a click edits the room), the sections of things to drag onto
// the canvas, and the classroom's settings. In block mode only what a team block can hold is offered.
Rectangle {
    id: catalogue

    property string classroomId
    property string classroomName
    property bool blockMode: false
    property bool hasPrimaryDisplay: false
    property string activeMenu: EditorLogic.normalModeMenu
    signal editRoomRequested
    signal entryDragMoved(var entry, real windowX, real windowY)
    signal entryDragReleased(var entry, real windowX, real windowY)

    objectName: "catalogue"
    color: Common.gToolbarColor
    onBlockModeChanged: activeMenu = blockMode ? EditorLogic.blockModeMenu : EditorLogic.normalModeMenu

    // Clicks on empty parts of the menu stay in the menu.
    MouseArea { anchors.fill: parent }

    Item {
        id: header
        width: parent.width
        height: Common.pixelHeight(65)
        Accessible.role: Accessible.Button
        Accessible.name: qsTr("Room settings")
        Accessible.onPressAction: catalogue.editRoomRequested()

        ElidedText {
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.margins: Common.pixelWidth(11)
            anchors.verticalCenter: parent.verticalCenter
            text: catalogue.classroomName
            color: "white"
            font.family: Common.gPrimaryFont
            font.pixelSize: Common.pixelFont(18)
        }

        Image {
            anchors.top: parent.top
            anchors.right: parent.right
            width: sourceSize.width * 0.7
            height: sourceSize.height * 0.7
            source: "qrc:///images/EditIcon.png"
        }

        Rectangle {
            anchors.bottom: parent.bottom
            anchors.horizontalCenter: parent.horizontalCenter
            width: parent.width - Common.pixelWidth(20)
            height: 2
            color: "#55736E"
        }

        MouseArea {
            anchors.fill: parent
            cursorShape: Qt.PointingHandCursor
            onClicked: catalogue.editRoomRequested()
        }
    }

    Column {
        anchors.top: header.bottom
        width: parent.width

        Repeater {
            model: EditorLogic.sections

            CatalogueSection {
                title: modelData.title
                panelHeight: modelData.panelHeight
                open: catalogue.activeMenu === modelData.title
                visible: EditorLogic.isSectionShown(modelData.title, catalogue.blockMode)
                onHeaderClicked: catalogue.activeMenu = modelData.title

                Loader {
                    anchors.fill: parent
                    sourceComponent: modelData.entries.length ? entryList : settingsPanel
                    property var entries: modelData.entries
                }
            }
        }
    }

    Component {
        id: entryList

        Column {
            readonly property var entries: parent ? parent.entries : []

            topPadding: Common.pixelHeight(15)
            spacing: Common.pixelHeight(15)

            Repeater {
                model: parent.entries

                CatalogueTile {
                    width: catalogue.width
                    entry: modelData
                    // Only one primary display per room.
                    enabled: EditorLogic.dropKind(modelData.iconName) !== "primaryDisplay"
                             || !catalogue.hasPrimaryDisplay
                    onDragMoved: catalogue.entryDragMoved(entry, windowX, windowY)
                    onDragReleased: catalogue.entryDragReleased(entry, windowX, windowY)
                }
            }
        }
    }

    Component {
        id: settingsPanel

        CatalogueSettings {
            classroomId: catalogue.classroomId
        }
    }
}
