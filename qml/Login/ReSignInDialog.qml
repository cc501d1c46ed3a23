import QtQuick 2.12
import Common 1.0
import "../Components"
import "../Settings"

// Asks the signed-in user's password again after the service stopped accepting the sign-in;
// the screen below stays as it was. Main gives it its width and centres it.
DialogFrame {
    id: dialog

    property string email
    signal cancelled

    function showDialog() {
        console.log("Showing sign-in again dialog")
        failure.text = ""
        passwordField.clear()
        signInButton.state = ""
        visible = true
        passwordField.forceActiveFocus()
    }

    function submit() {
        if (signInButton.state === "Processing" || passwordField.text.length === 0)
            return
        console.log("EVENT: Signing in again")
        failure.text = ""
        signInButton.state = "Processing"
        stateManager.performReSignIn(passwordField.text)
    }

    function cancel() {
        console.log("EVENT: Cancelled signing in again")
        visible = false
        cancelled()
    }

    title: qsTr("Sign In Again")
    objectName: "reSignInDialog"
    visible: false
    implicitHeight: content.implicitHeight + content.y + 23

    Keys.onEscapePressed: cancel()

    Connections {
        target: stateManager
        enabled: dialog.visible
        function onReSignInFailure(reason) {
            failure.text = reason
            signInButton.state = ""
            passwordField.forceActiveFocus()
        }
        function onReSignInSuccess() {
            dialog.visible = false
            passwordField.clear()
        }
    }

    Column {
        id: content
        y: 20
        width: parent.width - 60
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: 20

        DialogText {
            text: qsTr("Sign In Again")
            font.bold: true
            font.pixelSize: Common.pixelFont(20)
        }

        DialogText {
            text: qsTr("Your sign-in has expired. Enter the password of<br><b>%1"
                  + "</b><br>to continue where you left off.").arg(dialog.email)
            textFormat: Text.StyledText
        }

        PasswordField {
            id: passwordField
            objectName: "reSignInPasswordField"
            width: parent.width
            onAccepted: dialog.submit()
            Keys.onEscapePressed: dialog.cancel()
        }

        DialogText {
            id: failure
            objectName: "reSignInFailure"
            visible: text.length > 0
            color: Common.accentColor
            font.bold: true
        }

        Item {
            width: parent.width
            height: 50

            Row {
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                spacing: 10

                ButtonNeutral {
                    objectName: "reSignInCancelButton"
                    textToShow: qsTr("SIGN OUT")
                    onButtonClicked: dialog.cancel()
                }

                ButtonPositive {
                    id: signInButton
                    objectName: "reSignInButton"
                    textToShow: qsTr("SIGN IN")
                    onButtonClicked: dialog.submit()
                }
            }
        }
    }
}
