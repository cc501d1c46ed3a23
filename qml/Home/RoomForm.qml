import QtQuick 2.12
import Common 1.0
import ".."
import "../Components"

// The room's name, number, building and shape, with SAVE and CANCEL.
Rectangle {
    id: form

    property alias shape: shapePicker.shape
    property bool saving: false
    signal confirmed(string name, string number, string building, string shape)
    signal cancelled

    function fill(name, number, building, shape) {
        nameInput.inputText = name
        numberInput.inputText = number
        buildingInput.inputText = building
        shapePicker.shape = shape
        nameInput.problem = ""
        saving = false
        nameInput.focusInput()
    }

    function clearName() { nameInput.clearText() }

    color: Common.formColor

    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.AllButtons
        onWheel: wheel.accepted = true
    }

    FormRules {
        anchors.top: parent.top
        anchors.topMargin: Common.pixelHeight(40)
    }

    Column {
        x: Common.pixelWidth(130)
        y: Common.pixelHeight(110)
        width: parent.width - 2 * x
        spacing: Common.pixelHeight(15)

        FormHeading { text: qsTr("Please name your room.") }

        Row {
            width: parent.width
            spacing: Common.pixelWidth(20)

            QuorvexTextInput {
                id: nameInput
                objectName: "roomNameInput"
                width: (parent.width - numberInput.width - 2 * parent.spacing) / 2
                labelText: ""
                exampleText: qsTr("Enter Room Name")
            }

            QuorvexTextInput {
                id: numberInput
                objectName: "roomNumberInput"
                width: Math.max(Common.pixelWidth(125), hintWidth)
                labelText: ""
                exampleText: qsTr("Enter Room #")
                showCheckMark: false
            }

            QuorvexTextInput {
                id: buildingInput
                objectName: "roomBuildingInput"
                width: nameInput.width
                labelText: ""
                exampleText: qsTr("Enter Building Name")
                showCheckMark: false
            }
        }

        Item { width: 1; height: Common.pixelHeight(30) - parent.spacing }

        FormHeading { text: qsTr("Choose the room shape that best represents your room. ") }

        RoomShapePicker {
            id: shapePicker
            width: parent.width
        }
    }

    Row {
        anchors.right: parent.right
        anchors.rightMargin: parent.width * 0.07
        anchors.bottom: bottomRules.top
        anchors.bottomMargin: Common.pixelHeight(30)
        spacing: parent.width * 0.013

        ButtonNeutral {
            objectName: "roomCancelButton"
            width: Common.pixelWidth(Common.buttonWidth)
            height: Common.pixelHeight(Common.buttonHeight)
            textToShow: qsTr("CANCEL")
            onButtonClicked: form.cancelled()
        }

        ButtonPositive {
            id: saveButton
            objectName: "roomSaveButton"
            width: Common.pixelWidth(Common.buttonWidth)
            height: Common.pixelHeight(Common.buttonHeight)
            textToShow: qsTr("SAVE")
            state: form.saving ? "Processing" : ""
            onButtonClicked: {
                if (nameInput.inputText.length === 0) {
                    console.log("Blocking room confirmation: blank room name")
                    nameInput.problem = qsTr("A room needs a name.")
                    return
                }
                form.confirmed(nameInput.inputText, numberInput.inputText, buildingInput.inputText, form.shape)
            }
        }
    }

    FormRules {
        id: bottomRules
        wideFirst: false
        anchors.bottom: parent.bottom
        anchors.bottomMargin: Common.pixelHeight(40)
    }
}
