import QtQuick 2.12
import QtTest 1.2
import "qrc:/qml/Common/SettingsLogic.js" as SettingsLogic
import "qrc:/qml/Settings"

Item {
    width: 1024
    height: 768

    // Stands in for the application's state manager: records the checks the dialog asks for.
    QtObject {
        id: stateManager
        property var checkedPasswords: []
        signal testLogoutSuccess
        signal testLogoutFailure(string networkProblem)
        function performTestLogout(password) { checkedPasswords.push(password) }
    }

    LogoutDialog {
        id: logoutDialog
        width: 400
    }

    SignalSpy {
        id: confirmedSpy
        target: logoutDialog
        signalName: "logoutConfirmed"
    }

    TestCase {
        name: "SettingsLogic"

        function test_managedNotice_data() {
            return [
                { tag: "nothing enforced", password: false, fullscreen: false, expected: "" },
                { tag: "password only", password: true, fullscreen: false,
                  expected: "Some settings below may be managed by your administrator" },
                { tag: "full screen only", password: false, fullscreen: true,
                  expected: "Some settings below may be managed by your administrator" },
                { tag: "both", password: true, fullscreen: true,
                  expected: "The settings below are managed by your administrator" }
            ]
        }

        function test_managedNotice(data) {
            compare(SettingsLogic.managedNotice(data.password, data.fullscreen), data.expected)
        }

        function test_columnWidth() {
            compare(SettingsLogic.columnWidth(1024), 800)
            compare(SettingsLogic.columnWidth(840), 800)
            compare(SettingsLogic.columnWidth(800), 760)
        }

        function test_narrowScreens() {
            compare(SettingsLogic.boxPadding(420, 4), 28)
            compare(SettingsLogic.boxPadding(419, 4), 16)
            compare(SettingsLogic.switchGap(410, 4), 28)
            compare(SettingsLogic.switchGap(409, 4), 14)
        }

        function test_baseLine() {
            compare(SettingsLogic.baseLine(3.78), 1)
            compare(SettingsLogic.baseLine(10), 3)
            compare(SettingsLogic.baseLine(1), 1)
        }

        function test_modeColumns_data() {
            // 4 px per millimetre: 9 mm = 36 px, 3 mm = 12 px.
            return [
                { tag: "plenty of room", available: 500, sideBySide: true, spacing: 36 },
                { tag: "exactly 9 mm left", available: 236, sideBySide: true, spacing: 36 },
                { tag: "less than 9 mm left", available: 220, sideBySide: true, spacing: 20 },
                { tag: "exactly 3 mm left", available: 212, sideBySide: false },
                { tag: "no room", available: 150, sideBySide: false }
            ]
        }

        function test_modeColumns(data) {
            var arrangement = SettingsLogic.modeColumns(data.available, 100, 100, 4)
            compare(arrangement.sideBySide, data.sideBySide)
            if (data.sideBySide)
                compare(arrangement.spacing, data.spacing)
        }
    }

    TestCase {
        name: "LogoutDialog"
        when: windowShown

        function init() {
            stateManager.checkedPasswords = []
            confirmedSpy.clear()
            logoutDialog.showDialog()
        }

        function cleanup() {
            logoutDialog.visible = false
        }

        function item(name) {
            return findChild(logoutDialog, name)
        }

        function submit(password) {
            var field = item("logoutPasswordField")
            compare(field.activeFocus, true)
            field.text = password
            keyClick(Qt.Key_Return)
        }

        function test_wrongPasswordShowsErrorsAndStaysOpen() {
            var closedHeight = logoutDialog.implicitHeight
            submit("wrong")
            compare(stateManager.checkedPasswords, ["wrong"])
            compare(item("logoutButton").state, "Processing")
            stateManager.testLogoutFailure("")
            compare(logoutDialog.visible, true)
            compare(item("logoutErrors").visible, true)
            tryVerify(function() { return logoutDialog.implicitHeight > closedHeight })
            compare(item("logoutButton").state, "")
            compare(item("logoutPasswordField").activeFocus, true)
            compare(confirmedSpy.count, 0)
        }

        function test_secondSubmitWhileCheckingIsIgnored() {
            submit("once")
            mouseClick(item("logoutButton"))
            compare(stateManager.checkedPasswords, ["once"])
        }

        function test_successConfirmsAndCloses() {
            submit("right")
            stateManager.testLogoutSuccess()
            compare(confirmedSpy.count, 1)
            compare(logoutDialog.visible, false)
        }

        function test_answersWhileHiddenAreIgnored() {
            mouseClick(item("logoutCancelButton"))
            compare(logoutDialog.visible, false)
            stateManager.testLogoutSuccess()
            stateManager.testLogoutFailure("")
            compare(confirmedSpy.count, 0)
            compare(logoutDialog.visible, false)
        }

        function test_closingResets() {
            var closedHeight = logoutDialog.implicitHeight
            submit("wrong")
            stateManager.testLogoutFailure("")
            item("logoutPasswordField").text = "typed"
            mouseClick(item("logoutCancelButton"))
            logoutDialog.showDialog()
            compare(item("logoutErrors").visible, false)
            tryCompare(logoutDialog, "implicitHeight", closedHeight)
            compare(item("logoutPasswordField").text, "")
            compare(item("logoutButton").state, "")
        }
    }
}
