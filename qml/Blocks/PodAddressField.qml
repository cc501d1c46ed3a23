import QtQuick 2.12
import Common 1.0
import PodAddressCheck 1.0
import ".."

// The pod address input of the block dialogs: its form is checked as it is typed, and the check
// mark turns green once a pod answers there. A silent pod is only noted: rooms are often laid
// out before their pods are installed.
Column {
    id: field

    property alias inputText: input.inputText
    property alias inputObjectName: input.objectName
    property alias labelText: input.labelText
    property alias exampleText: input.exampleText
    property alias problem: input.problem
    readonly property bool isWellFormed: check.isWellFormed
    signal accepted

    spacing: Common.pixelHeight(4)

    PodAddressCheck {
        id: check
        address: input.inputText
    }

    QuorvexTextInput {
        id: input
        width: field.width
        checkPassed: check.isAnswering
        onAccepted: field.accepted()
    }

    Text {
        objectName: "podAddressStatus"
        width: field.width
        wrapMode: Text.WordWrap
        text: check.problem.length > 0 ? check.problem
              : check.isChecking ? qsTr("Looking for the pod…")
              : check.isWellFormed && !check.isAnswering ? qsTr("Not answering now") : ""
        visible: text.length > 0
        color: check.problem.length > 0 ? Common.failureColor : Common.mutedTextColor
        font.family: Common.gPrimaryFont
        font.pixelSize: Common.pixelFont(11)
    }
}
