import QtQuick 2.12
import Common 1.0
import RoomDisplayCheck 1.0
import "../Components"

// The account's classrooms as a grid of cards, with add and refresh, the per-classroom menu and delete.
Item {
    id: homeScreen

    property bool orbethDownloadClassrooms: false
    // Set at sign-in: the first download opens the station's own room, if the administrator named one.
    property bool opensStationRoom: false
    property point lastMousePosition
    readonly property bool dialogOpen: deleteDialog.visible
    signal createNewClassroom
    signal editClassroom(string classroomId)
    signal enterClassroom(string classroomId)

    function enterScreen() {
        console.log("EVENT: Entering Home Screen, download from Orbeth: " + orbethDownloadClassrooms)
        // Signing out through the top bar can leave them open.
        menu.close()
        deleteDialog.visible = false
        if (!orbethDownloadClassrooms)
            return
        // The refresh empties the library at once; the ring stays until the download answers.
        classroomLayoutManager.refreshClassroomList()
        loadingRing.visible = true
        firstUsePanel.visible = false
    }

    function openStationRoom() {
        var wanted = settingsManager.defaultClassroom()
        if (wanted.length === 0)
            return
        var classroomId = classroomLayoutManager.findClassroom(wanted)
        if (classroomId.length === 0)
            return
        console.log("EVENT: Opening the station's classroom: id=[" + classroomId + "]")
        homeScreen.enterClassroom(classroomId)
    }

    function showCurrentList() {
        var classrooms = classroomLayoutManager.classrooms
        firstUsePanel.visible = classrooms.length === 0
        grid.show(classrooms)
    }

    Connections {
        target: classroomLayoutManager
        function onClassroomsChanged() {
            loadingRing.visible = false
            homeScreen.showCurrentList()
        }
        function onOrbethRequestSuccess() {
            homeScreen.orbethDownloadClassrooms = false
            loadingRing.visible = false
            failurePanel.visible = false
            firstUsePanel.visible = classroomLayoutManager.classrooms.length === 0
            if (homeScreen.opensStationRoom) {
                homeScreen.opensStationRoom = false
                homeScreen.openStationRoom()
            }
        }
        function onOrbethRequestFailure() {
            homeScreen.orbethDownloadClassrooms = true
            loadingRing.visible = false
            firstUsePanel.visible = false
            failurePanel.visible = true
        }
    }

    ScreenBackground {}

    ClassroomGrid {
        id: grid
        canEdit: stateManager.canUserEdit
        displayChecks: displayCheck.results
        onMovementStarted: menu.close()
        onClassroomOpened: {
            if (homeScreen.dialogOpen)
                return
            console.log("EVENT: Classroom clicked: id=[" + classroomId + "] name=[" + classroomName + "]")
            menu.close()
            homeScreen.enterClassroom(classroomId)
        }
        onMenuRequested: {
            if (!homeScreen.dialogOpen)
                menu.openFor(classroomId, classroomName, homeScreen.lastMousePosition.x, homeScreen.lastMousePosition.y)
        }
    }

    HomeButtons {
        // Only editors may create rooms; the cloud service refuses anyone else.
        addVisible: !failurePanel.visible && stateManager.canUserEdit
        onAddClicked: {
            if (homeScreen.dialogOpen)
                return
            console.log("EVENT: Create Classroom Button Clicked")
            homeScreen.createNewClassroom()
            menu.close()
        }
        onRefreshClicked: {
            if (homeScreen.dialogOpen)
                return
            console.log("EVENT: Refresh Classroom List Clicked")
            homeScreen.orbethDownloadClassrooms = true
            homeScreen.enterScreen()
        }
    }

    FirstUsePanel { id: firstUsePanel }

    FailurePanel {
        id: failurePanel
        reason: classroomLayoutManager.failureText
        onRetry: {
            console.log("EVENT: Retrying Orbeth fetch")
            visible = false
            loadingRing.visible = true
            homeScreen.enterScreen()
        }
    }

    LoadingRing {
        id: loadingRing
        objectName: "homeLoadingRing"
        anchors.centerIn: parent
        width: Common.pixelWidth(120)
        height: width
    }

    // Any press anywhere closes the menu and still reaches what lies below.
    MouseArea {
        anchors.fill: parent
        hoverEnabled: true
        onPositionChanged: homeScreen.lastMousePosition = Qt.point(mouse.x, mouse.y)
        onPressed: {
            homeScreen.lastMousePosition = Qt.point(mouse.x, mouse.y)
            menu.close()
            mouse.accepted = false
        }
    }

    ClassroomMenu {
        id: menu
        onEditRequested: {
            var room = classroomLayoutManager.classroomLayout(classroomId)
            if (room && room.loadProblem === "")
                homeScreen.editClassroom(classroomId)
        }
        onDeleteRequested: deleteDialog.openFor(classroomId, classroomName)
        onCheckDisplaysRequested: displayCheck.check(classroomId)
    }

    RoomDisplayCheck {
        id: displayCheck
    }

    DimmingLayer { visible: deleteDialog.visible }

    DeleteClassroomDialog {
        id: deleteDialog
        onDeleted: homeScreen.showCurrentList()
    }
}
