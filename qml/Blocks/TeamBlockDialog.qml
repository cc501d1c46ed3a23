import QtQuick 2.12
import Common 1.0
import "../Common/BlockLogic.js" as BlockLogic

// Sets up one team block on a scratch copy: name, pod address, style, audio, rotation, table and
// furniture. The editor gives it the canvas area and copies the scratch block back on `confirm`.
Rectangle {
    id: dialog

    property bool isCreatingNewBlock: false
    property var stagingTeamBlock: classroomLayoutManager.stagingTeamBlock
    // The editor's drop area, in whose coordinates dropped furniture arrives.
    property Item dropArea
    signal confirm(int originalBlockIndex)
    signal cancel

    Accessible.role: Accessible.Dialog
    Accessible.name: isCreatingNewBlock ? qsTr("New Team Block") : qsTr("Edit Team Block")

    function showDialogForBlock(block, isNewBlock) {
        console.log("EVENT: Modifying a Team Block")
        isCreatingNewBlock = isNewBlock
        stagingTeamBlock.copy(block, true)
        form.teamName = stagingTeamBlock.displayName
        form.podAddress = stagingTeamBlock.displayAddress
        form.styleColor = stagingTeamBlock.displayColor
        visible = true
    }

    function dropIcon(x, y, width, height, iconName) {
        if (BlockLogic.isTableIcon(iconName)) {
            console.log("EVENT: Dropping new Table on team block: " + iconName)
            stagingTeamBlock.teamTableIcon = iconName
            return
        }
        console.log("EVENT: Dropping new Furniture on team block")
        // Measured in the block's own turned and scaled square, so it lands where it was let go.
        var contents = editArea.preview.contents
        var dropped = contents.mapFromItem(dropArea, x, y)
        var position = BlockLogic.furnitureDropPosition(dropped.x, dropped.y, contents.width, contents.zoom)
        if (position)
            stagingTeamBlock.addFurniture(position.x, position.y, iconName, 1.0)
    }

    function close() {
        visible = false
        editArea.preview.deselectIcons()
    }

    function dismiss() {
        cancel()
        close()
    }

    function save() {
        if (!form.checkRequired()) {
            console.log("Blocking settings confirmation: blank Team Block name or address")
            return
        }
        if (!form.podAddressWellFormed) {
            console.log("Blocking settings confirmation: malformed Team Block address")
            return
        }
        stagingTeamBlock.displayAddress = form.podAddress
        confirm(stagingTeamBlock.blockIndex)
        close()
    }

    visible: false
    focus: visible
    Keys.onEscapePressed: dismiss()
    color: Common.formColor

    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.AllButtons
        onWheel: wheel.accepted = true
    }

    FormRules {
        anchors.fill: parent
    }

    TeamBlockEditArea {
        id: editArea
        height: parent.height
        teamBlock: dialog.stagingTeamBlock
    }

    TeamBlockForm {
        id: form
        anchors.left: editArea.right
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        teamBlock: dialog.stagingTeamBlock
        isNewBlock: dialog.isCreatingNewBlock
        buttonsRightMargin: dialog.width * 0.053
        buttonsSpacing: dialog.width * 0.013
        onSaveClicked: dialog.save()
        onCancelClicked: dialog.dismiss()
    }
}
