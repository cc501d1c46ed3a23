import QtQuick 2.12
import Common 1.0

// Keeps a user who may not edit out of the plan until a display of the room accepts the typed key.
Item {
    id: gate

    property var routingSession
    property var dimming
    property bool checking: false
    readonly property bool locked: blocker.visible
    signal cancelled

    function lock(name) {
        checking = false
        blocker.visible = true
        dimming.visible = true
        keyDialog.showDialog(name)
        mismatchDialog.classroomName = name
    }
    function unlock() {
        checking = false
        blocker.visible = false
        keyDialog.visible = false
        mismatchDialog.visible = false
    }

    Connections {
        target: gate.routingSession
        enabled: gate.checking
        function onScreenkeyAccepted() {
            console.log("Screenkey accepted")
            gate.dimming.visible = false
            gate.unlock()
        }
        function onScreenkeyRejected() {
            console.log("Screenkey rejected")
            gate.checking = false
            mismatchDialog.visible = true
        }
    }

    // Swallows every mouse event; lifted over the key dialog while a key is being checked.
    MouseArea {
        id: blocker
        anchors.fill: parent
        z: gate.checking ? 2 : 0
        visible: false
        acceptedButtons: Qt.AllButtons
        hoverEnabled: true
        onWheel: wheel.accepted = true
    }

    ScreenKeyDialog {
        id: keyDialog
        anchors.centerIn: parent
        z: 1
        checking: gate.checking
        onKeyConfirmed: {
            console.log("EVENT: User confirmed screenkey")
            gate.checking = true
            gate.routingSession.verifyScreenkeyOnPods(key)
        }
        onCancelled: gate.cancelled()
    }

    ScreenKeyMismatchDialog {
        id: mismatchDialog
        anchors.centerIn: parent
        z: 3
        function dismiss() {
            visible = false
            keyDialog.resetDialog()
        }
        onConfirmed: dismiss()
        onCancelled: dismiss()
    }
}
