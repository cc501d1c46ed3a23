import QtQuick 2.12
import Common 1.0

// The front display: its name above a framed screen that shows one coloured cell per incoming route.
RoutableBlock {
    id: primary

    readonly property var incomingRoutes: routingBlockObject ? routingBlockObject.incomingRoutes : []

    width: 120 * contentScale * roomScale
    height: 104 * contentScale * roomScale

    BlockLabel {
        anchors.bottom: parent.top
        anchors.bottomMargin: Common.pixelHeight(10)
        anchors.horizontalCenter: parent.horizontalCenter
        text: primary.displayName
    }

    Image {
        anchors.centerIn: parent
        width: parent.width - 3 * primary.contentScale * primary.roomScale
        height: parent.height - 3 * primary.contentScale * primary.roomScale
        sourceSize: Qt.size(width, height)
        source: "qrc:///images/teamblock/Background.svg"
    }

    TintedImage {
        anchors.fill: parent
        source: "qrc:///images/teamblock/Border.svg"
        color: primary.displayColor
    }

    Image {
        x: 10 * primary.contentScale
        y: 10 * primary.contentScale
        width: 15
        height: 15
        sourceSize: Qt.size(width, height)
        source: "qrc:///images/icons/Audio.svg"
        visible: primary.isAudioSource
    }

    ScaledIcon {
        id: screen
        anchors.centerIn: parent
        factor: primary.roomScale * primary.contentScale
        source: primary.displayIcon.length > 0 ? "qrc:///images/icons/" + primary.displayIcon + ".svg" : ""
    }

    // One cell per incoming route, over the icon's screen (its stand takes the lower fifth).
    Grid {
        id: routeCells
        readonly property int rows: Math.ceil(primary.incomingRoutes.length / columns)
        x: screen.x + 2 * primary.contentScale * primary.roomScale
        y: screen.y + 2
        width: screen.width - 4 * primary.contentScale * primary.roomScale
        height: screen.height * 0.8 - 6
        columns: 2

        Repeater {
            model: primary.incomingRoutes

            Rectangle {
                width: routeCells.width / routeCells.columns
                height: routeCells.height / routeCells.rows
                color: modelData.displayColor
                border.color: "black"
                border.width: 1
            }
        }
    }

    DisconnectedOverlay {
        visible: primary.showsDisconnected
        addressRefused: primary.addressRefused
    }

    ConnectingOverlay {
        visible: primary.showsConnecting
    }
}
