import QtQuick 2.12
import Common 1.0
import ".."
import "../Components"

// Connects the primary display to its pod: the pod address and whether it plays audio.
DialogFrame {
    id: dialog

    property bool isEditing: false
    property alias displayAddress: addressInput.inputText
    property bool displayIsAudioSource: false
    signal confirm(string displayAddress, bool displayIsAudioSource)
    signal cancel

    function showDialogForNewBlock() {
        console.log("EVENT: Creating a new Primary Display")
        open(false, "", false)
    }

    function showDialogForEditingBlock(address, isAudioEnabled) {
        console.log("EVENT: Editing the existing Primary Display")
        open(true, address, isAudioEnabled)
    }

    function open(editing, address, isAudioEnabled) {
        isEditing = editing
        displayAddress = address
        displayIsAudioSource = isAudioEnabled
        visible = true
    }

    function save() {
        if (displayAddress.length === 0) {
            console.debug("Preventing save because no team IP")
            addressInput.problem = qsTr("A primary display needs its pod's address.")
            return
        }
        if (!addressInput.isWellFormed) {
            console.debug("Preventing save because the address is malformed")
            return
        }
        console.log("EVENT: New Primary Display confirmed: address=[" + displayAddress
                    + "] isAudioSource=[" + displayIsAudioSource + "]")
        confirm(displayAddress, displayIsAudioSource)
        visible = false
    }

    function dismiss() {
        cancel()
        visible = false
    }

    title: qsTr("Primary Display")
    width: Common.windowWidth * 0.39
    height: Common.windowHeight * 0.488
    visible: false
    focus: visible
    Keys.onEscapePressed: dismiss()

    Column {
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.top: parent.top
        anchors.topMargin: parent.height * 0.1
        width: addressInput.width
        spacing: parent.height * 0.05

        Text {
            text: qsTr("Connect Primary Display to a \nLumaret Pod.")
            color: Common.textColor
            font.family: Common.gPrimaryFont
            font.pixelSize: 18
        }

        PodAddressField {
            id: addressInput
            inputObjectName: "primaryAddressInput"
            width: dialog.width * 0.75
            height: dialog.height * 0.2
            labelText: qsTr("Pod Address")
            exampleText: qsTr("Pod Address")
            onAccepted: dialog.save()
        }

        AudioOutputRow {
            x: -Common.pixelWidth(20)
            checked: dialog.displayIsAudioSource
            onToggled: dialog.displayIsAudioSource = !dialog.displayIsAudioSource
        }
    }

    DialogButtons {
        anchors.right: parent.right
        anchors.rightMargin: parent.width * 0.07
        anchors.bottom: parent.bottom
        anchors.bottomMargin: parent.height * 0.07
        spacing: parent.width * 0.013
        buttonWidth: parent.width * 0.26
        buttonHeight: parent.height * 0.08
        saveObjectName: "primarySave"
        cancelObjectName: "primaryCancel"
        onSaveClicked: dialog.save()
        onCancelClicked: dialog.dismiss()
    }
}
