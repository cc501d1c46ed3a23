import QtQuick 2.12
import QtTest 1.2
import "qrc:/qml/Routing"

// Leaving a room: without a password EXIT leaves at once; with one, the password is checked
// first, a wrong one keeps the dialog open with its error, and only a right one leaves.
Item {
    width: 1024
    height: 708

    QtObject {
        id: stateManager
        property var checked: []
        signal testLogoutSuccess
        signal testLogoutFailure(string networkProblem)
        function performTestLogout(password) { checked.push(password) }
    }

    RouteExitDialog {
        id: dialog
        anchors.centerIn: parent
    }

    SignalSpy {
        id: left
        target: dialog
        signalName: "exitConfirmed"
    }

    TestCase {
        name: "RouteExit"
        when: windowShown

        function exitButton() { return findChild(dialog, "exitButton") }
        function passwordField() { return findChild(dialog, "exitPasswordField") }
        function errorLine() { return findChild(dialog, "exitError") }

        function init() {
            left.clear()
            stateManager.checked = []
            dialog.resetDialog()
        }

        function test_withoutPasswordExitLeavesAtOnce() {
            dialog.showDialog("Studio 4", true, false)
            verify(!passwordField().visible)
            mouseClick(exitButton())
            compare(left.count, 1)
            compare(stateManager.checked.length, 0)
        }

        function test_wrongPasswordKeepsTheDialog() {
            dialog.showDialog("Studio 4", false, true)
            verify(passwordField().activeFocus)
            keyClick("x")
            keyClick(Qt.Key_Return)
            compare(stateManager.checked, ["x"])
            compare(exitButton().state, "Processing")
            stateManager.testLogoutFailure("")
            compare(errorLine().text, "Invalid password, please try again.")
            compare(exitButton().state, "")
            verify(dialog.visible)
            compare(left.count, 0)
        }

        function test_rightPasswordLeavesAndResets() {
            dialog.showDialog("Studio 4", true, true)
            keyClick("p")
            mouseClick(exitButton())
            stateManager.testLogoutSuccess()
            compare(left.count, 1)
            verify(!dialog.visible)
            compare(passwordField().text, "")
        }

        function test_answersWhileHiddenAreIgnored() {
            stateManager.testLogoutSuccess()
            stateManager.testLogoutFailure("")
            compare(left.count, 0)
            compare(errorLine().text, "")
        }
    }
}
