import QtQuick 2.12
import QtQuick.Window 2.12
import Common 1.0
import "Login"
import "Home"
import "Editor"
import "Routing"
import "Settings"

// The one window: the top bar, the current screen, the settings overlay and the window-wide dialogs.
Window {
    id: mainRoot

    property string userName

    function pixelWidth(base) { return Common.pixelWidth(base) }
    function pixelWidthReverse(base) { return Common.pixelWidthReverse(base) }
    function pixelHeight(base) { return Common.pixelHeight(base) }
    function pixelHeightReverse(base) { return Common.pixelHeightReverse(base) }
    function pixelFont(base) { return Common.pixelFont(base) }
    function pixelScale() { return Common.pixelScale() }

    // Ends a running routing session before signing out, and leaves the settings screen.
    function logOut() {
        routeScreen.terminateOnExit()
        stateManager.performLogout()
        mainRootContainer.showSettings = false
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

    // A routing session is ended first; the window closes a second later, once its routes are gone.
    onClosing: {
        if (!routeScreen.isSessionActive())
            return
        close.accepted = false
        routeScreen.terminateOnExit()
        shutdownTimer.start()
    }

    Timer {
        id: shutdownTimer
        interval: 1000
        onTriggered: mainRoot.close()
    }

    Connections {
        target: stateManager
        function onLoginSuccess(username) {
            homeScreen.orbethDownloadClassrooms = true
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

        anchors.top: topBar.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        Component.onCompleted: state = networkManager.isLoggedIn ? "Home" : "Login"

        LoginScreen {
            id: loginScreen
            anchors.fill: parent
            visible: false
        }

        HomeScreen {
            id: homeScreen
            anchors.fill: parent
            visible: false
            onCreateNewClassroom: {
                roomSettingsScreen.classroomId = ""
                mainRootContainer.state = "CreateRoom"
            }
            onEditClassroom: {
                createScreen.classroomId = classroomId
                mainRootContainer.state = "Create"
            }
            onEnterClassroom: {
                routeScreen.classroomId = classroomId
                mainRootContainer.state = "Route"
            }
        }

        RoomSettingsScreen {
            id: roomSettingsScreen
            anchors.fill: parent
            visible: false
            onFinishedEditing: {
                console.log("EVENT: Confirmed room creation: classroomId=[" + classroomId + "]")
                createScreen.classroomId = classroomId
                mainRootContainer.state = "Create"
            }
            onCancelledEditing: {
                console.log("EVENT: Cancelled room creation: wasCreatingNewRoom=[" + wasCreatingNewRoom + "]")
                mainRootContainer.state = wasCreatingNewRoom ? "Home" : "Create"
            }
        }

        CreateScreen {
            id: createScreen
            anchors.fill: parent
            visible: false
            onNeedToEditClassroom: {
                console.log("EVENT: Editing a classroom: classroomId=[" + classroomId + "]")
                roomSettingsScreen.classroomId = classroomId
                mainRootContainer.state = "CreateRoom"
            }
            // Unsaved edits live on in the library's model; a fresh download drops them as promised.
            onExited: {
                if (changesDropped)
                    homeScreen.orbethDownloadClassrooms = true
                mainRootContainer.state = "Home"
            }
        }

        RouteScreen {
            id: routeScreen
            anchors.fill: parent
            visible: false
            onExited: mainRootContainer.state = "Home"
        }

        SettingsScreen {
            anchors.fill: parent
            visible: mainRootContainer.showSettings
            enabled: mainRootContainer.showSettings
            onClosed: mainRootContainer.showSettings = false
        }

        states: [
            State {
                name: "Login"
                PropertyChanges { target: loginScreen; visible: true }
                StateChangeScript { script: loginScreen.enterScreen() }
            },
            State {
                name: "Home"
                PropertyChanges { target: homeScreen; visible: true }
                StateChangeScript { script: homeScreen.enterScreen() }
            },
            State {
                name: "CreateRoom"
                PropertyChanges { target: roomSettingsScreen; visible: true }
                StateChangeScript { script: roomSettingsScreen.enterScreen() }
            },
            State {
                name: "Create"
                PropertyChanges { target: createScreen; visible: true }
                StateChangeScript { script: createScreen.enterScreen() }
            },
            State {
                name: "Route"
                PropertyChanges { target: routeScreen; visible: true }
                StateChangeScript { script: routeScreen.enterScreen() }
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
        anchors.fill: parent
        color: "black"
        opacity: 0.3
        visible: aboutDialog.visible || logoutDialog.visible

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
        onLogoutConfirmed: mainRoot.logOut()
    }
}
