import QtQuick 2.12
import Common 1.0
import "../Components"
import "../Common/LoginLogic.js" as LoginLogic

// Sign-in form: e-mail, password, "Remember Username"; one sign-in at a time, given up after 30 s.
Item {
    id: loginScreen

    readonly property bool signingIn: loginTimer.running

    function enterScreen() {
        var savedName = settingsManager.savedUsername
        emailField.text = savedName
        passwordField.clear()
        rememberUsername.isChecked = savedName.length > 0
        // An unconfigured station says so before anyone types a password.
        errorLine.text = stateManager.serviceProblem()
        errorLine.visible = errorLine.text.length > 0
        if (savedName.length > 0)
            passwordField.forceActiveFocus()
        else
            emailField.forceActiveFocus()
    }

    function tryLogin() {
        console.log("EVENT: User wants to login")
        Qt.inputMethod.hide()
        loginScreen.forceActiveFocus()
        if (loginTimer.running)
            return
        var problem = LoginLogic.validationError(emailField.text, passwordField.text)
        errorLine.text = problem
        errorLine.visible = problem.length > 0
        if (errorLine.visible)
            return
        // First: a refusal comes back at once and must stop the timer.
        loginTimer.restart()
        stateManager.performLogin(emailField.text, passwordField.text, rememberUsername.isChecked)
    }

    function showError(text) {
        loginTimer.stop()
        errorLine.text = text
        errorLine.visible = true
    }

    Timer {
        id: loginTimer
        objectName: "loginTimer"
        interval: 30000
        onTriggered: loginScreen.showError(qsTr("Login timed out."))
    }

    Connections {
        target: stateManager
        function onLoginSuccess(username) {
            emailField.text = settingsManager.savedUsername
            passwordField.clear()
            loginTimer.stop()
        }
        function onLoginFailure(reason) { loginScreen.showError(reason) }
    }

    ScreenBackground {}

    Column {
        anchors.horizontalCenter: parent.horizontalCenter
        width: Common.pixelWidth(516)
        spacing: Common.pixelHeight(15)

        Item { width: 1; height: Common.pixelHeight(200) }

        Text {
            width: parent.width
            height: Common.pixelHeight(40)
            text: qsTr("Sign In")
            color: Common.textColor
            font.family: Common.gPrimaryFont
            font.bold: true
            font.pixelSize: Common.pixelFont(30)
        }

        LoginField {
            id: emailField
            objectName: "emailField"
            placeholderText: "   " + qsTr("Email")
            inputMethodHints: Qt.ImhEmailCharactersOnly | Qt.ImhNoAutoUppercase | Qt.ImhPreferLowercase
            onAccepted: passwordField.forceActiveFocus()
        }

        LoginField {
            id: passwordField
            objectName: "passwordField"
            placeholderText: "   " + qsTr("Password")
            echoMode: TextInput.Password
            inputMethodHints: Qt.ImhSensitiveData | Qt.ImhNoAutoUppercase | Qt.ImhNoPredictiveText
            onAccepted: loginScreen.tryLogin()
        }

        RememberUsername { id: rememberUsername }

        PillButton {
            objectName: "loginButton"
            width: parent.width
            height: Common.pixelHeight(60)
            text: qsTr("Login")
            labelVisible: !loginScreen.signingIn
            onClicked: loginScreen.tryLogin()

            LoadingRing {
                anchors.centerIn: parent
                height: parent.height - Common.pixelHeight(20)
                visible: loginScreen.signingIn
            }
        }

        Text {
            id: errorLine
            objectName: "loginError"
            width: parent.width
            height: Common.pixelHeight(60)
            visible: false
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            color: Common.accentColor
            font.family: Common.gPrimaryFont
            font.bold: true
            font.pixelSize: Common.pixelFont(17)
        }
    }
}
