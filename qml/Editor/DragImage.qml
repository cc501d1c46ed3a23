import QtQuick 2.12
import Common 1.0
import "../Blocks"
import "../Common/EditorLogic.js" as EditorLogic

// What follows the pointer while a catalogue entry is dragged: the icon, or the block it will become.
Loader {
    id: dragImage

    property var entry: null
    property real roomScale: 1.0
    readonly property string kind: entry ? EditorLogic.dropKind(entry.iconName) : ""

    // Keeps the pointer at the image's centre.
    function follow(px, py) {
        x = px - width / 2
        y = py - height / 2
    }

    sourceComponent: kind === "primaryDisplay" ? primaryImage
                   : kind === "teamBlock" ? teamImage
                   : kind === "furniture" ? furnitureImage : null

    Component {
        id: furnitureImage

        Item {
            width: 80
            height: 80

            ScaledIcon {
                anchors.centerIn: parent
                source: "qrc:///images/icons/" + dragImage.entry.iconName + ".svg"
                factor: dragImage.entry.iconScale
            }
        }
    }

    Component {
        id: primaryImage

        PrimaryDisplayBlock {
            roomScale: dragImage.roomScale
            displayName: qsTr("Primary Display")
            displayColor: Common.productNameColor
            displayIcon: "PrimaryFlatScreen"
        }
    }

    Component {
        id: teamImage

        TeamBlockObject {
            roomScale: dragImage.roomScale
            displayName: ""
            displayColor: "#b8bdbf"
            displayIcon: dragImage.entry.iconName
        }
    }
}
