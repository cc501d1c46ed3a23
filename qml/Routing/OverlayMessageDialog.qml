import QtQuick 2.12
import Common 1.0
import "../Components"
import "../Common/RoutingLogic.js" as RoutingLogic

// Creates custom overlay messages ("Create") and deletes them ("Edit").
DialogFrame {
    id: dialog

    property var messageManager
    readonly property var messages: messageManager ? messageManager.messages : []
    property bool editing: false
    signal messageConfirmed(string text, string iconName, bool iconType, string iconText)

    function showDialog() {
        editing = false
        messagesFull.visible = false
        visible = true
        createTab.focusInput()
    }
    function closeDialog() {
        console.log("EVENT: Closed custom message dialog")
        visible = false
    }
    function cancel() {
        createTab.clear()
        closeDialog()
    }
    function confirmOrClose() {
        if (editing)
            closeDialog()
        else
            confirm()
    }
    function confirm() {
        var choice = createTab.selectedChoice
        var refusal = RoutingLogic.messageRefusal(messages.length, choice !== null, createTab.text)
        if (refusal.length > 0) {
            console.log(RoutingLogic.refusalLogs[refusal])
            messagesFull.visible = refusal === "limit"
            return
        }
        var text = createTab.text
        createTab.clear()
        messageConfirmed(text, choice.iconName, choice.iconType, choice.iconText)
        closeDialog()
    }

    title: qsTr("Custom Messages")
    objectName: "messageDialog"
    visible: false
    Keys.onReturnPressed: confirmOrClose()
    Keys.onEnterPressed: confirmOrClose()
    Keys.onEscapePressed: cancel()
    width: Common.pixelWidth(400)
    height: Common.pixelHeight(525)

    Item {
        id: inner
        anchors.fill: parent
        anchors.margins: 30 * Common.pixelScale()

        Row {
            id: tabs
            spacing: Common.pixelWidth(30)

            DialogTab {
                text: qsTr("Create")
                current: !dialog.editing
                onClicked: {
                    console.debug("EVENT: Navigating to Create Overlay Messages")
                    dialog.editing = false
                }
            }
            DialogTab {
                text: qsTr("Edit")
                current: dialog.editing
                onClicked: {
                    console.debug("EVENT: Navigating to Edit Overlay Messages")
                    dialog.editing = true
                }
            }
        }

        MessageCreateTab {
            id: createTab
            anchors.top: tabs.bottom
            anchors.topMargin: Common.pixelHeight(20)
            width: parent.width
            visible: !dialog.editing
        }

        MessageEditTab {
            anchors.top: tabs.bottom
            anchors.topMargin: Common.pixelHeight(20)
            width: parent.width
            visible: dialog.editing
            messages: dialog.messages
            onRemoveClicked: {
                console.log("EVENT: Removing an overlay message")
                messagesFull.visible = false
                dialog.messageManager.removeMessage(messageId)
            }
        }

        Row {
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            spacing: Common.pixelWidth(10)

            ButtonNeutral {
                visible: !dialog.editing
                width: Common.pixelWidth(Common.buttonWidth)
                height: Common.pixelHeight(Common.buttonHeight)
                fontSize: Common.pixelFont(12)
                textToShow: qsTr("CANCEL")
                onButtonClicked: dialog.cancel()
            }
            ButtonPositive {
                width: Common.pixelWidth(Common.buttonWidth)
                height: Common.pixelHeight(Common.buttonHeight)
                fontSize: Common.pixelFont(12)
                textToShow: dialog.editing ? qsTr("CLOSE") : qsTr("CONFIRM")
                onButtonClicked: dialog.confirmOrClose()
            }
        }
    }

    Text {
        id: messagesFull
        visible: false
        x: Common.pixelWidth(15)
        anchors.bottom: parent.bottom
        anchors.bottomMargin: Common.pixelHeight(35)
        text: qsTr("Messages Full")
        color: Common.accentColor
        font.family: Common.gPrimaryFont
        font.pixelSize: Common.pixelFont(15)
    }
}
