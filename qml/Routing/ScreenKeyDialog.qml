import QtQuick 2.12
import Common 1.0
import "../Components"
import "../Common/RoutingLogic.js" as RoutingLogic

// Asks a user who may not edit for the screen key that one of the room's displays shows.
DialogFrame {
    id: dialog

    property string classroomName
    property bool checking: false
    readonly property string key: RoutingLogic.screenKey([field0.text, field1.text, field2.text, field3.text])
    signal keyConfirmed(string key)
    signal cancelled

    function showDialog(name) {
        classroomName = name
        resetDialog()
        visible = true
    }
    function resetDialog() {
        for (var i = 0; i < fields.length; ++i)
            fields[i].text = ""
        field0.focusField()
    }
    function confirm() {
        if (key.length === 0 || checking)
            return
        keyConfirmed(key)
    }
    function focusAfter(index) {
        if (index + 1 < fields.length)
            fields[index + 1].focusField()
        else
            dialog.forceActiveFocus() // the last cell filled: Enter now confirms
    }

    readonly property var fields: [field0, field1, field2, field3]

    title: qsTr("Enter a Screen Key")
    objectName: "screenKeyDialog"
    visible: false
    Keys.onReturnPressed: confirm()
    Keys.onEnterPressed: confirm()
    Keys.onEscapePressed: cancelled()
    width: Common.pixelWidth(400)
    height: Common.pixelHeight(375)

    Text {
        id: prompt
        anchors.top: parent.top
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: Common.pixelWidth(30)
        anchors.topMargin: Common.pixelHeight(40)
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        textFormat: Text.StyledText
        text: qsTr("<b>Enter</b> a <b>Screen Key</b> on one <br>of the displays in <br> <b>%1</b>").arg(dialog.classroomName)
        color: Common.textColor
        font.family: Common.gPrimaryFont
        font.pixelSize: Common.pixelFont(20)
    }

    Row {
        id: cells
        readonly property real cellWidth: width / 8
        anchors.top: prompt.bottom
        anchors.topMargin: Common.pixelHeight(30)
        x: Common.pixelWidth(20)
        width: parent.width - 2 * x
        spacing: 0

        Item { width: cells.cellWidth * 2; height: 1 }
        ScreenKeyField { id: field0; objectName: "screenKeyField0"; position: 1; width: cells.cellWidth; onFilled: dialog.focusAfter(0) }
        ScreenKeyField { id: field1; objectName: "screenKeyField1"; position: 2; width: cells.cellWidth; onFilled: dialog.focusAfter(1) }
        ScreenKeyField { id: field2; objectName: "screenKeyField2"; position: 3; width: cells.cellWidth; onFilled: dialog.focusAfter(2) }
        ScreenKeyField { id: field3; objectName: "screenKeyField3"; position: 4; width: cells.cellWidth; onFilled: dialog.focusAfter(3) }
    }

    Row {
        anchors.right: parent.right
        anchors.rightMargin: Common.pixelWidth(40)
        anchors.bottom: parent.bottom
        anchors.bottomMargin: Common.pixelHeight(30)
        spacing: Common.pixelWidth(10)
        layoutDirection: Qt.RightToLeft

        ButtonBase {
            objectName: "screenKeyConfirm"
            width: Common.pixelWidth(Common.buttonWidth)
            height: Common.pixelHeight(Common.buttonHeight)
            textToShow: qsTr("CONFIRM")
            color: dialog.key.length > 0 ? Common.positiveColor : Common.inertColor
            state: dialog.checking ? "Processing" : ""
            onButtonClicked: dialog.confirm()
        }

        ButtonNeutral {
            width: Common.pixelWidth(Common.buttonWidth)
            height: Common.pixelHeight(Common.buttonHeight)
            textToShow: qsTr("CANCEL")
            onButtonClicked: dialog.cancelled()
        }
    }
}
