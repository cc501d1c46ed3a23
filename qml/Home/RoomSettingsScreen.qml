import QtQuick 2.12
import "../Components"

// Names a new classroom and picks its shape, or changes an existing one's name, number, building and shape.
Item {
    id: roomSettings

    property string classroomId
    readonly property bool creatingNewRoom: classroomId === ""
    signal finishedEditing(string classroomId)
    signal cancelledEditing(bool wasCreatingNewRoom)

    function enterScreen() {
        var layout = creatingNewRoom ? null : classroomLayoutManager.classroomLayout(classroomId)
        if (layout)
            form.fill(layout.classroomName, layout.classroomNumber, layout.classroomBuilding, layout.classroomType)
        else
            form.fill("", "", "", "square")
    }

    Connections {
        target: classroomLayoutManager
        function onNewRoomCreated(newClassroomId) {
            if (!roomSettings.visible)
                return
            creationWait.stop()
            console.log("New room has been created: newClassroomId=[" + newClassroomId + "]")
            roomSettings.finishedEditing(newClassroomId)
        }
    }

    // A refused creation sends no answer; after the cloud time-out SAVE may be pressed again.
    Timer {
        id: creationWait
        interval: 15000
        onTriggered: form.saving = false
    }

    ScreenBackground {}

    RoomForm {
        id: form
        anchors.fill: parent

        onConfirmed: {
            if (roomSettings.creatingNewRoom) {
                console.log("EVENT: New Room settings confirmed")
                // SAVE stays busy until the service has created the room.
                form.saving = true
                creationWait.restart()
                classroomLayoutManager.createClassroom(name, building, number, shape)
                return
            }
            console.log("EVENT: Existing Room settings confirmed")
            var layout = classroomLayoutManager.classroomLayout(roomSettings.classroomId)
            if (layout) {
                layout.classroomNumber = number
                layout.classroomBuilding = building
                layout.classroomType = shape
                layout.classroomName = name
            }
            roomSettings.finishedEditing(roomSettings.classroomId)
        }

        onCancelled: {
            creationWait.stop()
            form.clearName()
            form.shape = "square"
            roomSettings.cancelledEditing(roomSettings.creatingNewRoom)
        }
    }
}
