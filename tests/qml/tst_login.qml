import QtQuick 2.12
import QtTest 1.2
import "qrc:/qml/Login"
import "qrc:/qml/Common/LoginLogic.js" as LoginLogic

// The sign-in form against stand-ins for the account state and the settings.
Item {
    id: root
    width: 1024
    height: 708

    TestCase {
        id: testCase
        name: "Login"
        when: windowShown

        QtObject {
            id: stateManager
            property var logins: []
            signal loginSuccess(string username)
            signal loginFailure(string reason)
            function performLogin(email, password, remember) { logins.push([email, password, remember]) }
            function serviceProblem() { return "" }
        }

        QtObject {
            id: settingsManager
            property string savedUsername
        }

        Component {
            id: screenComponent
            LoginScreen { anchors.fill: parent }
        }

        function test_validationError_data() {
            return [
                { tag: "both empty", email: "", password: "", expected: "Enter Email and Password" },
                { tag: "email empty", email: "", password: "secret", expected: "Enter Email" },
                { tag: "password empty", email: "a@b.c", password: "", expected: "Enter Password" },
                { tag: "both given", email: "a@b.c", password: "secret", expected: "" },
                { tag: "a space is an answer", email: " ", password: " ", expected: "" }
            ]
        }

        function test_validationError(data) {
            compare(LoginLogic.validationError(data.email, data.password), data.expected)
        }

        function openScreen(savedName) {
            stateManager.logins = []
            settingsManager.savedUsername = savedName
            var screen = createTemporaryObject(screenComponent, root)
            screen.enterScreen()
            waitForRendering(screen)
            return screen
        }

        function fillIn(screen, email, password) {
            findChild(screen, "emailField").text = email
            findChild(screen, "passwordField").text = password
        }

        function test_noSavedNameFocusesEmail() {
            var screen = openScreen("")
            verify(findChild(screen, "emailField").activeFocus)
            verify(!findChild(screen, "rememberCheckbox").isChecked)
        }

        function test_savedNameFocusesPasswordAndIsRemembered() {
            var screen = openScreen("teacher@school.example")
            compare(findChild(screen, "emailField").text, "teacher@school.example")
            verify(findChild(screen, "passwordField").activeFocus)
            verify(findChild(screen, "rememberCheckbox").isChecked)
        }

        function test_emptyFieldsSendNothing() {
            var screen = openScreen("")
            mouseClick(findChild(screen, "loginButton"))
            compare(stateManager.logins.length, 0)
            var error = findChild(screen, "loginError")
            verify(error.visible)
            compare(error.text, "Enter Email and Password")
        }

        function test_secondPressWhileSigningInSendsNothing() {
            var screen = openScreen("")
            fillIn(screen, "teacher@school.example", "secret")
            var button = findChild(screen, "loginButton")
            mouseClick(button)
            mouseClick(button)
            compare(stateManager.logins.length, 1)
            compare(stateManager.logins[0], ["teacher@school.example", "secret", false])
            verify(!findChild(screen, "loginError").visible)
            verify(screen.signingIn)
        }

        function test_enterInPasswordSignsIn() {
            var screen = openScreen("teacher@school.example")
            findChild(screen, "passwordField").text = "secret"
            keyClick(Qt.Key_Return)
            compare(stateManager.logins.length, 1)
            compare(stateManager.logins[0], ["teacher@school.example", "secret", true])
        }

        function test_failureShowsReasonAndAllowsAnotherTry() {
            var screen = openScreen("")
            fillIn(screen, "teacher@school.example", "wrong")
            mouseClick(findChild(screen, "loginButton"))
            stateManager.loginFailure("Invalid email or password.")
            verify(!screen.signingIn)
            compare(findChild(screen, "loginError").text, "Invalid email or password.")
            mouseClick(findChild(screen, "loginButton"))
            compare(stateManager.logins.length, 2)
        }

        function test_timeOutEndsTheAttempt() {
            var screen = openScreen("")
            fillIn(screen, "teacher@school.example", "secret")
            mouseClick(findChild(screen, "loginButton"))
            var timer = findChild(screen, "loginTimer")
            compare(timer.interval, 30000)
            timer.stop()
            timer.triggered()
            verify(!screen.signingIn)
            var error = findChild(screen, "loginError")
            verify(error.visible)
            compare(error.text, "Login timed out.")
        }

        function test_successClearsThePassword() {
            var screen = openScreen("")
            fillIn(screen, "teacher@school.example", "secret")
            mouseClick(findChild(screen, "loginButton"))
            settingsManager.savedUsername = ""
            stateManager.loginSuccess("teacher@school.example")
            verify(!screen.signingIn)
            compare(findChild(screen, "emailField").text, "")
            compare(findChild(screen, "passwordField").text, "")
        }
    }
}
