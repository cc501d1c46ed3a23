import QtQuick 2.12
import "../Blocks"

// The two block settings dialogs and what their answers do to the layout.
Item {
    id: dialogs

    property QtObject layout
    property Item dropArea
    readonly property bool teamBlockDialogOpen: teamBlockDialog.visible

    function editBlock(block) {
        if (block.isPrimaryBlock())
            primaryDisplayDialog.showDialogForEditingBlock(block.displayAddress, block.isAudioSource)
        else
            teamBlockDialog.showDialogForBlock(block, false)
    }

    function openForNewTeamBlock(blockIndex) {
        teamBlockDialog.showDialogForBlock(layout.routableBlock(blockIndex), true)
    }

    function openForNewPrimaryDisplay() {
        primaryDisplayDialog.showDialogForNewBlock()
    }

    // Furniture dropped while a team block is being edited goes into that block; (x, y) in the drop area.
    function dropIcon(x, y, width, height, iconName) {
        teamBlockDialog.dropIcon(x, y, width, height, iconName)
    }

    TeamBlockDialog {
        id: teamBlockDialog
        x: dialogs.dropArea.x
        width: dialogs.dropArea.width
        height: dialogs.height
        dropArea: dialogs.dropArea
        onConfirm: {
            console.log("EVENT: Team Block settings confirmed")
            var block = dialogs.layout.routableBlock(originalBlockIndex)
            block.copy(stagingTeamBlock, false)
            block.queryDeviceId()
            dialogs.layout.setAudioSource(originalBlockIndex, block.isAudioSource)
        }
        onCancel: {
            console.log("EVENT: Team Block settings cancelled: isCreatingNewBlock=[" + isCreatingNewBlock + "]")
            if (isCreatingNewBlock)
                dialogs.layout.removeTeamBlockAt(stagingTeamBlock.blockIndex)
        }
    }

    // The primary display dialog is modal: nothing else on the screen reacts while it is open.
    MouseArea {
        anchors.fill: parent
        visible: primaryDisplayDialog.visible
        acceptedButtons: Qt.AllButtons
        onWheel: wheel.accepted = true
    }

    PrimaryDisplayDialog {
        id: primaryDisplayDialog
        x: dialogs.dropArea.x + (dialogs.dropArea.width - width) / 2
        y: dialogs.height * 0.1
        onConfirm: {
            console.log("EVENT: Primary Display settings confirmed")
            var display = dialogs.layout.primaryDisplay
            display.displayAddress = displayAddress
            display.queryDeviceId()
            dialogs.layout.setAudioSource(-1, displayIsAudioSource)
        }
        onCancel: {
            console.log("EVENT: Primary Display settings cancelled")
            if (!isEditing)
                dialogs.layout.removePrimaryDisplay()
        }
    }
}
