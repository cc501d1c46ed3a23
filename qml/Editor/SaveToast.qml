import QtQuick 2.12
import Common 1.0

// The outcome of a save: success is shown and faded out; a failure stays, offering RETRY,
// until it is dismissed or a later save succeeds.
Rectangle {
    id: toast

    property bool failed: false
    property bool refused: false
    signal retryClicked

    function show(succeeded) {
        showOutcome(succeeded, succeeded ? qsTr("Room Saved") : qsTr("Room Save Failed"))
    }

    // A save that was not even tried: why, with nothing to retry.
    function showRefusal(reason) {
        showOutcome(false, reason)
        refused = true
    }

    function showOutcome(succeeded, text) {
        failed = !succeeded
        refused = false
        color = succeeded ? Common.successColor : Common.failureColor
        message.text = text
        fade.stop()
        opacity = 1
        if (succeeded)
            fade.start()
    }

    function dismiss() {
        fade.stop()
        opacity = 0
    }

    objectName: "saveToast"
    width: failed ? row.width + Common.pixelWidth(24) : Common.pixelWidth(160)
    height: Common.pixelHeight(30)
    radius: 5
    opacity: 0
    visible: opacity > 0

    Row {
        id: row
        anchors.centerIn: parent
        spacing: Common.pixelWidth(14)

        Text {
            id: message
            anchors.verticalCenter: parent.verticalCenter
            color: "white"
            font.family: Common.gPrimaryFont
            font.pixelSize: Common.pixelFont(12)
        }

        Repeater {
            // The failure's answers: try the same save again, or put the message away.
            model: !toast.failed ? []
                   : toast.refused ? [{ label: qsTr("DISMISS"), retry: false }]
                   : [{ label: qsTr("RETRY"), retry: true }, { label: qsTr("DISMISS"), retry: false }]

            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: modelData.label
                color: "white"
                Accessible.role: Accessible.Button
                Accessible.name: text
                Accessible.onPressAction: choose()

                function choose() {
                    toast.dismiss()
                    if (modelData.retry)
                        toast.retryClicked()
                }
                font.family: Common.gPrimaryFont
                font.bold: true
                font.underline: true
                font.pixelSize: Common.pixelFont(12)

                MouseArea {
                    anchors.fill: parent
                    anchors.margins: -Common.pixelWidth(4)
                    cursorShape: Qt.PointingHandCursor
                    onClicked: parent.choose()
                }
            }
        }
    }

    NumberAnimation {
        id: fade
        target: toast
        property: "opacity"
        from: 1
        to: 0
        duration: 2000
    }
}
