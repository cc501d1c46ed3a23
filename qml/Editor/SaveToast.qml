import QtQuick 2.12
import Common 1.0

// The outcome of a save, shown at once and faded out.
Rectangle {
    id: toast

    function show(succeeded) {
        color = succeeded ? Common.successColor : Common.failureColor
        message.text = succeeded ? "Room Saved" : "Room Save Failed"
        fade.restart()
    }

    objectName: "saveToast"
    width: Common.pixelWidth(160)
    height: Common.pixelHeight(30)
    radius: 5
    opacity: 0
    visible: opacity > 0

    Text {
        id: message
        anchors.centerIn: parent
        color: "white"
        font.family: Common.gPrimaryFont
        font.pixelSize: Common.pixelFont(12)
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
