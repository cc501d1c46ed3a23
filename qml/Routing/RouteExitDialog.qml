import QtQuick 2.12
import Common 1.0
import "../Components"

// Asks before leaving a room that has routes or that needs the user's password to be left.
DialogFrame {
    id: dialog

    property string classroomName
    property bool activeSession: false
    property bool passwordRequired: false
    signal exitConfirmed
    signal cancelled

    function showDialog(name, sessionActive, needsPassword) {
        classroomName = name
        activeSession = sessionActive
        passwordRequired = needsPassword
        console.log("showDialog: activeSession? " + sessionActive)
        console.log("showDialog: passwordRequired? " + needsPassword)
        visible = true
        if (needsPassword)
            password.forceActiveFocus()
    }

    function resetDialog() {
        visible = false
        password.clear()
        errorLine.text = ""
        exitButton.state = ""
    }

    function submit() {
        if (!passwordRequired) {
            console.log("EVENT: No password needed to exit")
            exitConfirmed()
            return
        }
        console.log("EVENT: Verifying password with test logout")
        console.log("showDialog: verifying user password")
        Qt.inputMethod.hide()
        errorLine.text = ""
        exitButton.state = "Processing"
        stateManager.performTestLogout(password.text)
    }

    function cancel() {
        resetDialog()
        cancelled()
    }

    title: qsTr("Exit room?")
    objectName: "exitDialog"
    visible: false
    width: Common.windowWidth * 0.39
    height: content.height + Common.pixelHeight(60)

    Connections {
        target: stateManager
        enabled: dialog.visible
        function onTestLogoutFailure(networkProblem) {
            console.log("EVENT: RouteExitDialog processing logout failure")
            errorLine.text = networkProblem || qsTr("Invalid password, please try again.")
            exitButton.state = ""
            password.forceActiveFocus()
        }
        function onTestLogoutSuccess() {
            console.log("EVENT: RouteExitDialog processing logout success")
            dialog.resetDialog()
            dialog.exitConfirmed()
        }
    }

    Column {
        id: content
        y: 30
        anchors.horizontalCenter: parent.horizontalCenter
        width: parent.width - 60
        spacing: 20

        Image {
            anchors.horizontalCenter: parent.horizontalCenter
            width: 50
            height: 50
            sourceSize: Qt.size(width, height)
            source: "qrc:///images/icons/CircleExclamationPoint.svg"
        }

        DialogText {
            text: qsTr("Exit room?")
            font.bold: true
            font.pixelSize: Common.pixelFont(20)
        }

        DialogText {
            visible: dialog.activeSession
            textFormat: Text.StyledText
            text: qsTr("Exiting will remove active routes to<br>displays in <b>%1</b>").arg(dialog.classroomName)
            font.pixelSize: 12
        }

        DialogText {
            visible: dialog.passwordRequired
            text: qsTr("Enter your password to continue.")
        }

        PasswordField {
            id: password
            objectName: "exitPasswordField"
            visible: dialog.passwordRequired
            width: parent.width
            onAccepted: dialog.submit()
            Keys.onEscapePressed: dialog.cancel()
        }

        DialogText {
            id: errorLine
            objectName: "exitError"
            visible: dialog.passwordRequired
            color: Common.accentColor
            font.bold: true
        }

        Row {
            anchors.right: parent.right
            spacing: Common.pixelWidth(10)

            ButtonNeutral {
                textToShow: qsTr("CANCEL")
                onButtonClicked: dialog.cancel()
            }

            ButtonPositive {
                id: exitButton
                objectName: "exitButton"
                textToShow: qsTr("EXIT")
                onButtonClicked: dialog.submit()
            }
        }
    }
}
