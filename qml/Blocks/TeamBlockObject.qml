import QtQuick 2.12
import Common 1.0
import "../Common/BlockLogic.js" as BlockLogic

// A team block: its name over a square area holding the display, table and furniture, turned as a whole.
RoutableBlock {
    id: teamBlock

    property real teamRotation: routingBlockObject ? routingBlockObject.teamRotation : 0
    property string teamTableIcon: routingBlockObject ? routingBlockObject.teamTableIcon : ""
    property real teamTableIconRotation: routingBlockObject ? routingBlockObject.teamTableIconRotation : 0
    property real teamTableIconScale: routingBlockObject ? routingBlockObject.teamTableIconScale : 2.0
    property string colorOfRoutingSource: routingBlockObject ? routingBlockObject.colorOfRoutingSource : "black"
    property var teamFurniture: routingBlockObject ? routingBlockObject.teamFurniture : []

    property bool hideNameLabel: false
    property bool hideAudioIcon: false
    property bool enableIconSelection: false
    // The turned, scaled square that furniture positions are measured in.
    readonly property alias contents: contents

    // The item picked inside the block: a furniture icon object, or the table.
    property QtObject selectedFurniture: null
    property bool isTableSelected: false

    function deselectIcons() {
        selectedFurniture = null
        isTableSelected = false
    }

    function scaleItem(step) {
        if (selectedFurniture)
            selectedFurniture.iconScale = BlockLogic.stepFurnitureScale(selectedFurniture.iconScale, step)
        else if (isTableSelected)
            routingBlockObject.teamTableIconScale = BlockLogic.stepTableScale(teamTableIconScale, step)
    }

    function rotateItem(step) {
        if (selectedFurniture)
            selectedFurniture.iconRotation += step
        else if (isTableSelected)
            routingBlockObject.teamTableIconRotation += step
    }

    function deleteItem() {
        if (selectedFurniture) {
            var iconIndex = selectedFurniture.iconIndex
            deselectIcons()
            routingBlockObject.removeFurnitureAt(iconIndex)
        } else if (isTableSelected) {
            deselectIcons()
            routingBlockObject.teamTableIcon = ""
            routingBlockObject.teamTableIconScale = 2
            routingBlockObject.teamTableIconRotation = 0.0
        }
    }

    // The size on the design grid, what the layout stores; the window's scale only draws it larger.
    readonly property real designWidth: 150 * roomScale
    readonly property real designHeight: 177 * roomScale

    width: designWidth * contentScale
    height: designHeight * contentScale
    nameBandHeight: height - imageArea.height
    lineAnchor: Qt.point(imageArea.x + imageArea.width / 2, imageArea.y + imageArea.height / 2)

    BlockLabel {
        anchors.top: parent.top
        anchors.bottom: imageArea.top
        width: parent.width
        verticalAlignment: Text.AlignVCenter
        visible: !teamBlock.hideNameLabel
        text: teamBlock.displayName
    }

    Item {
        id: imageArea
        anchors.bottom: parent.bottom
        width: parent.width
        height: 150 * teamBlock.contentScale * teamBlock.roomScale

        Image {
            anchors.centerIn: parent
            width: parent.width - 4 * teamBlock.contentScale * teamBlock.roomScale
            height: parent.height - 4 * teamBlock.contentScale * teamBlock.roomScale
            sourceSize: Qt.size(width, height)
            source: "qrc:///images/teamblock/Background.svg"
        }

        // A press on the block's empty floor drops the selection.
        MouseArea {
            anchors.fill: parent
            enabled: teamBlock.enableIconSelection
            onPressed: teamBlock.deselectIcons()
        }

        TeamBlockContents {
            id: contents
            anchors.centerIn: parent
            block: teamBlock
        }

        TintedImage {
            anchors.fill: parent
            source: "qrc:///images/teamblock/Border.svg"
            color: teamBlock.displayColor
        }

        Image {
            x: 16 * teamBlock.contentScale
            y: 14 * teamBlock.contentScale
            width: 20
            height: 20
            sourceSize: Qt.size(width, height)
            source: "qrc:///images/icons/Audio.svg"
            visible: teamBlock.isAudioSource && !teamBlock.hideAudioIcon
        }
    }

    // Over the table only: the team's name stays readable.
    DisconnectedOverlay {
        anchors.fill: imageArea
        visible: teamBlock.showsDisconnected
        addressRefused: teamBlock.addressRefused
    }

    ConnectingOverlay {
        anchors.fill: imageArea
        visible: teamBlock.showsConnecting
    }
}
