import QtQuick 2.12
import Common 1.0
import "../Components"

// Asks for the account password before signing out. Main gives it its width and centres it;
// its height follows its content, which grows by the error lines after a wrong password.
DialogFrame {
    id: dialog

    signal logoutConfirmed
    signal cancelled

    function showDialog() {
        console.log("Showing MDM Logout Dialog")
        visible = true
        passwordField.forceActiveFocus()
    }

    function attemptLogout() {
        if (logoutButton.isProcessing)
            return
        console.log("EVENT: Attempting JAMF Logout")
        Qt.inputMethod.hide()
        passwordField.focus = false
        logoutButton.state = "Processing"
        stateManager.performTestLogout(passwordField.text)
    }

    function cancel() {
        console.log("EVENT: Canceling JAMF Logout")
        visible = false
        cancelled()
    }

    title: qsTr("Logout")
    visible: false
    implicitHeight: content.implicitHeight + content.y + 23

    // Any way of closing leaves the dialog fresh for the next time.
    onVisibleChanged: {
        if (visible)
            return
        errorLines.visible = false
        passwordField.clear()
        logoutButton.state = ""
    }

    // The routing screen's exit check asks the same question; only answers meant for us count.
    Connections {
        target: stateManager
        enabled: dialog.visible
        function onTestLogoutFailure(networkProblem) {
            console.log("EVENT: LogoutDialog processing logout failure")
            errorLines.networkProblem = networkProblem || ""
            errorLines.visible = true
            logoutButton.state = ""
            passwordField.forceActiveFocus()
        }
        function onTestLogoutSuccess() {
            console.log("EVENT: LogoutDialog processing logout success")
            dialog.logoutConfirmed()
            dialog.visible = false
        }
    }

    Column {
        id: content
        y: 20
        width: parent.width - 60
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: 20

        Image {
            anchors.horizontalCenter: parent.horizontalCenter
            width: 50
            height: 50
            sourceSize: Qt.size(100, 100)
            source: "qrc:///images/icons/CircleExclamationPoint.svg"
        }

        DialogText {
            text: qsTr("Logout")
            font.bold: true
            font.pixelSize: Common.pixelFont(20)
        }

        DialogText {
            text: qsTr("Enter your password to continue.")
        }

        PasswordField {
            id: passwordField
            objectName: "logoutPasswordField"
            width: parent.width
            onAccepted: dialog.attemptLogout()
            Keys.onEscapePressed: dialog.cancel()
        }

        Column {
            id: errorLines

            // Empty when the password was refused; else why it could not be checked.
            property string networkProblem

            objectName: "logoutErrors"
            width: parent.width
            spacing: parent.spacing
            visible: false

            DialogText {
                text: errorLines.networkProblem || qsTr("Invalid password")
                color: Common.accentColor
                font.bold: true
            }

            DialogText {
                visible: !errorLines.networkProblem
                text: qsTr("To reset your password, please contact your Trellion Admin.")
                color: Common.accentColor
                font.bold: true
            }
        }

        Item {
            width: parent.width
            height: 50

            Row {
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                spacing: 10

                ButtonNeutral {
                    objectName: "logoutCancelButton"
                    textToShow: qsTr("CANCEL")
                    onButtonClicked: dialog.cancel()
                }

                ButtonPositive {
                    id: logoutButton
                    objectName: "logoutButton"
                    textToShow: qsTr("LOGOUT")
                    onButtonClicked: dialog.attemptLogout()
                }
            }
        }
    }
}
