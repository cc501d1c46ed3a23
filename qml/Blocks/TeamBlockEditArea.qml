import QtQuick 2.12
import Common 1.0

// The left part of the team block dialog: the block drawn large, the dial that turns it and the
// toolbar acting on the item picked inside it.
Item {
    id: area

    property alias teamBlock: preview.routingBlockObject
    readonly property alias preview: preview

    width: Common.pixelWidth(500)

    TeamBlockObject {
        id: preview
        objectName: "teamBlockPreview"
        x: (area.width - width) / 2
        y: (area.height - height) / 2
        roomScale: 2
        hideNameLabel: true
        hideAudioIcon: true
        enableIconSelection: true
    }

    TeamBlockToolbar {
        x: Common.pixelWidth(103)
        y: preview.y + preview.height + Common.pixelHeight(25)
        onPlusClicked: {
            console.log("EVENT: Clicked Icon Scale Up")
            preview.scaleItem(0.2)
        }
        onMinusClicked: {
            console.log("EVENT: Clicked Icon Scale Down")
            preview.scaleItem(-0.2)
        }
        onLeftClicked: {
            console.log("EVENT: Clicked Icon Rotate Left")
            preview.rotateItem(-15)
        }
        onRightClicked: {
            console.log("EVENT: Clicked Icon Rotate Right")
            preview.rotateItem(15)
        }
        onDeleteClicked: {
            console.log("EVENT: Clicked Icon Delete")
            preview.deleteItem()
        }
    }

    // Declared last so its handle stays above the toolbar; only the handle takes the mouse. The handle
    // keeps to this part of the dialog, clear of the catalogue and the form beside it.
    RotationDial {
        anchors.horizontalCenter: preview.horizontalCenter
        y: preview.y - Common.pixelHeight(200)
        width: preview.width + Common.pixelWidth(500)
        height: preview.height + Common.pixelHeight(450)
        handleRadius: Math.min(0.4 * Math.min(width, height), area.width / 2 - Common.pixelWidth(20))
        value: preview.teamRotation
        onMoved: area.teamBlock.teamRotation = value
    }
}
