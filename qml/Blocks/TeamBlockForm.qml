import QtQuick 2.12
import Common 1.0
import ".."

// The right part of the team block dialog. Name, style and audio go straight to the block being
// edited; the address is taken only on SAVE.
Column {
    id: form

    property var teamBlock
    property bool isNewBlock: false
    property alias teamName: nameInput.inputText
    property alias podAddress: addressInput.inputText
    readonly property bool podAddressWellFormed: addressInput.isWellFormed
    property alias styleColor: colorPicker.selectedColor
    property real buttonsRightMargin
    property real buttonsSpacing
    signal saveClicked
    signal cancelClicked

    // Marks the fields a team cannot be saved without; true when both are filled.
    function checkRequired() {
        nameInput.problem = teamName.length === 0 ? qsTr("A team needs a name.") : ""
        addressInput.problem = podAddress.length === 0 ? qsTr("A team needs its pod's address.") : ""
        return nameInput.problem.length === 0 && addressInput.problem.length === 0
    }

    spacing: Common.pixelHeight(12)

    Text {
        text: form.isNewBlock ? qsTr("New team block") : qsTr("Edit team block")
        color: Common.textColor
        font.family: Common.gPrimaryFont
        font.bold: true
        font.pixelSize: Common.pixelFont(15)
    }

    QuorvexTextInput {
        id: nameInput
        objectName: "teamNameInput"
        width: Math.min(Common.pixelWidth(300), form.width - Common.pixelWidth(30))
        labelText: qsTr("Team Name")
        exampleText: qsTr("Enter Team Name")
        onInputTextChanged: form.teamBlock.displayName = inputText
        onAccepted: form.saveClicked()
    }

    PodAddressField {
        id: addressInput
        inputObjectName: "podAddressInput"
        width: nameInput.width
        labelText: qsTr("Pod Address")
        exampleText: qsTr("Enter Pod Address")
        onAccepted: form.saveClicked()
    }

    QuorvexColorPicker {
        id: colorPicker
        width: form.width
        height: Common.pixelHeight(160)
        onColorPicked: form.teamBlock.displayColor = color
    }

    // Its caption lines up with the inputs above.
    AudioOutputRow {
        x: -Common.pixelWidth(20)
        checked: form.teamBlock.isAudioSource
        onToggled: form.teamBlock.isAudioSource = !form.teamBlock.isAudioSource
    }

    Item {
        width: form.width
        height: Common.pixelHeight(88)

        DialogButtons {
            anchors.verticalCenter: parent.verticalCenter
            anchors.right: parent.right
            anchors.rightMargin: form.buttonsRightMargin
            spacing: form.buttonsSpacing
            buttonWidth: Common.pixelWidth(Common.buttonWidth)
            buttonHeight: Common.pixelHeight(Common.buttonHeight)
            saveObjectName: "teamBlockSave"
            cancelObjectName: "teamBlockCancel"
            onSaveClicked: form.saveClicked()
            onCancelClicked: form.cancelClicked()
        }
    }
}
