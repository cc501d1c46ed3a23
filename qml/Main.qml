import QtQuick 2.12
import QtQuick.Window 2.12
import Common 1.0
import "Components"
import "Editor"
import "Login"
import "Settings"

// The one window: the top bar, the current screen, the settings overlay and the window-wide dialogs.
Window {
    id: mainRoot

    property string userName
    // Closing waits for the answers to what signing out and leaving the editor ask;
    // an answered question is not asked again while the same close goes on.
    property bool closeRequested: false
    property bool unsavedChangesSettled: false
    property bool logoutPasswordChecked: false

    function pixelWidth(base) { return Common.pixelWidth(base) }
    function pixelWidthReverse(base) { return Common.pixelWidthReverse(base) }
    function pixelHeight(base) { return Common.pixelHeight(base) }
    function pixelHeightReverse(base) { return Common.pixelHeightReverse(base) }
    function pixelFont(base) { return Common.pixelFont(base) }
    function pixelScale() { return Common.pixelScale() }

    // Ends a running routing session before signing out, and leaves the settings screen.
    function logOut() {
        if (routeScreen.item)
            routeScreen.item.terminateOnExit()
        stateManager.performLogout()
        mainRootContainer.showSettings = false
    }

    function hasUnsavedEdits() {
        return mainRootContainer.state === "Create" && stateManager.saveRequired()
    }

    function abandonClose() {
        closeRequested = false
        unsavedChangesSettled = false
    }

    // Declining to sign in again signs out, once unsaved edits are given up.
    function signOutAfterExpiry() {
        if (hasUnsavedEdits())
            signOutDialog.visible = true
        else
            logOut()
    }

    function attemptLogout() {
        if (settingsManager.doesRequirePasswordLogout)
            logoutDialog.showDialog()
        else
            logOut()
    }

    width: Common.mainRootWidth
    height: Common.mainRootHeight
    visible: true
    color: Common.gBackgroundColor
    title: IS_QT_DEBUG ? "Trellion [DEBUGGING]" : "Trellion"

    Binding { target: Common; property: "windowWidth"; value: mainRoot.width }
    Binding { target: Common; property: "windowHeight"; value: mainRoot.height }

    FontLoader { source: "qrc:///fonts/Montserrat-Regular.ttf" }
    FontLoader { source: "qrc:///fonts/Montserrat-Bold.ttf" }

    Component.onCompleted: console.log("Width: " + width + " Height: " + height)

    // Unsaved edits and the logout password are asked about first. A routing session is ended
    // last; the window closes a second later, once its routes are gone.
    onClosing: {
        if (!unsavedChangesSettled && hasUnsavedEdits()) {
            close.accepted = false
            closeRequested = true
            closeDialog.visible = true
            return
        }
        if (!logoutPasswordChecked && networkManager.isLoggedIn && settingsManager.doesRequirePasswordLogout) {
            close.accepted = false
            closeRequested = true
            logoutDialog.showDialog()
            return
        }
        if (!routeScreen.item || !routeScreen.item.isSessionActive())
            return
        close.accepted = false
        routeScreen.item.terminateOnExit()
        shutdownTimer.start()
    }

    Timer {
        id: shutdownTimer
        interval: 1000
        onTriggered: mainRoot.close()
    }

    Connections {
        target: networkManager
        function onSignInExpired() { reSignInDialog.showDialog() }
    }

    Connections {
        target: createScreen.item
        function onSaveFinished(succeeded) {
            if (!mainRoot.closeRequested)
                return
            if (!succeeded) {
                mainRoot.abandonClose()
                return
            }
            mainRoot.unsavedChangesSettled = true
            mainRoot.close()
        }
    }

    Connections {
        target: stateManager
        function onLoginSuccess(username) {
            homeScreen.screen().orbethDownloadClassrooms = true
            homeScreen.screen().opensStationRoom = true
            mainRoot.userName = username
            mainRootContainer.state = "Home"
        }
        function onLoggedOut() {
            mainRoot.userName = ""
            mainRootContainer.state = "Login"
        }
    }

    Item {
        id: mainRootContainer

        property bool showSettings: false

        onShowSettingsChanged: {
            if (showSettings)
                settingsScreen.screen()
        }

        anchors.top: topBar.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        Component.onCompleted: state = networkManager.isLoggedIn ? "Home" : "Login"

        ScreenLoader {
            id: loginScreen
            source: "Login/LoginScreen.qml"
        }

        ScreenLoader {
            id: homeScreen
            source: "Home/HomeScreen.qml"
        }

        Connections {
            target: homeScreen.item
            function onCreateNewClassroom() {
                roomSettingsScreen.screen().classroomId = ""
                mainRootContainer.state = "CreateRoom"
            }
            function onEditClassroom(classroomId) {
                createScreen.screen().classroomId = classroomId
                mainRootContainer.state = "Create"
            }
            function onEnterClassroom(classroomId) {
                routeScreen.screen().classroomId = classroomId
                mainRootContainer.state = "Route"
            }
        }

        ScreenLoader {
            id: roomSettingsScreen
            source: "Home/RoomSettingsScreen.qml"
        }

        Connections {
            target: roomSettingsScreen.item
            function onFinishedEditing(classroomId) {
                console.log("EVENT: Confirmed room creation: classroomId=[" + classroomId + "]")
                createScreen.screen().classroomId = classroomId
                mainRootContainer.state = "Create"
            }
            function onCancelledEditing(wasCreatingNewRoom) {
                console.log("EVENT: Cancelled room creation: wasCreatingNewRoom=[" + wasCreatingNewRoom + "]")
                mainRootContainer.state = wasCreatingNewRoom ? "Home" : "Create"
            }
        }

        ScreenLoader {
            id: createScreen
            source: "Editor/CreateScreen.qml"
        }

        Connections {
            target: createScreen.item
            function onNeedToEditClassroom(classroomId) {
                console.log("EVENT: Editing a classroom: classroomId=[" + classroomId + "]")
                roomSettingsScreen.screen().classroomId = classroomId
                mainRootContainer.state = "CreateRoom"
            }
            // Unsaved edits live on in the library's model; a fresh download drops them as promised.
            function onExited(changesDropped) {
                if (changesDropped)
                    homeScreen.screen().orbethDownloadClassrooms = true
                mainRootContainer.state = "Home"
            }
        }

        ScreenLoader {
            id: routeScreen
            source: "Routing/RouteScreen.qml"
        }

        Connections {
            target: routeScreen.item
            function onExited() { mainRootContainer.state = "Home" }
        }

        ScreenLoader {
            id: settingsScreen
            source: "Settings/SettingsScreen.qml"
            visible: mainRootContainer.showSettings
            enabled: mainRootContainer.showSettings
        }

        Connections {
            target: settingsScreen.item
            function onClosed() { mainRootContainer.showSettings = false }
        }

        states: [
            State {
                name: "Login"
                PropertyChanges { target: loginScreen; visible: true }
                StateChangeScript { script: loginScreen.screen().enterScreen() }
            },
            State {
                name: "Home"
                PropertyChanges { target: homeScreen; visible: true }
                StateChangeScript { script: homeScreen.screen().enterScreen() }
            },
            State {
                name: "CreateRoom"
                PropertyChanges { target: roomSettingsScreen; visible: true }
                StateChangeScript { script: roomSettingsScreen.screen().enterScreen() }
            },
            State {
                name: "Create"
                PropertyChanges { target: createScreen; visible: true }
                StateChangeScript { script: createScreen.screen().enterScreen() }
            },
            State {
                name: "Route"
                PropertyChanges { target: routeScreen; visible: true }
                StateChangeScript { script: routeScreen.screen().enterScreen() }
            }
        ]
    }

    MouseArea {
        anchors.fill: parent
        visible: topBar.menuOpen
        onClicked: {
            console.debug("EVENT: Clicked area to close Top Bar menu")
            topBar.menuOpen = false
        }
    }

    TopBar {
        id: topBar
        anchors.top: parent.top
        width: parent.width
        height: Common.pixelHeight(60)
        userName: mainRoot.userName
        onAboutRequested: aboutDialog.showDialog()
        onSettingsRequested: mainRootContainer.showSettings = true
        onLogoutRequested: mainRoot.attemptLogout()
    }

    Rectangle {
        id: modalLayer
        objectName: "modalLayer"
        anchors.fill: parent
        color: "black"
        opacity: 0.3
        visible: aboutDialog.visible || logoutDialog.visible || reSignInDialog.visible || closeDialog.visible
                 || signOutDialog.visible

        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.LeftButton
        }
    }

    AboutDialog {
        id: aboutDialog
        anchors.centerIn: parent
        width: Common.pixelWidth(640)
        height: Common.pixelHeight(480)
    }

    LogoutDialog {
        id: logoutDialog
        anchors.centerIn: parent
        width: Common.pixelWidth(400)
        onLogoutConfirmed: {
            if (!mainRoot.closeRequested) {
                mainRoot.logOut()
                return
            }
            mainRoot.logoutPasswordChecked = true
            mainRoot.close()
        }
        onCancelled: mainRoot.abandonClose()
    }

    ReSignInDialog {
        id: reSignInDialog
        anchors.centerIn: parent
        width: Common.pixelWidth(400)
        email: mainRoot.userName
        onCancelled: mainRoot.signOutAfterExpiry()
    }

    LeaveDialog {
        id: signOutDialog
        anchors.centerIn: parent
        onConfirmed: {
            visible = false
            mainRoot.logOut()
        }
        onCancelled: {
            visible = false
            reSignInDialog.showDialog()
        }
    }

    CloseDialog {
        id: closeDialog
        anchors.centerIn: parent
        onConfirmed: {
            visible = false
            createScreen.item.save()
        }
        onAlternativeChosen: {
            visible = false
            mainRoot.unsavedChangesSettled = true
            mainRoot.close()
        }
        onCancelled: {
            visible = false
            mainRoot.abandonClose()
        }
    }
}
