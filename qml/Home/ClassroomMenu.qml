import QtQuick 2.12
import Common 1.0
import "../Components"
import "../Common/Placement.js" as Placement

// Edit, duplicate or delete one classroom; opened from a card's three-dot corner.
ActionMenu {
    id: menu

    property string classroomId
    property string classroomName
    signal editRequested(string classroomId)
    signal deleteRequested(string classroomId, string classroomName)

    // Kept inside the screen both ways, so a card near an edge still shows the whole menu.
    function openFor(id, name, px, py) {
        classroomId = id
        classroomName = name
        openAt(px, Placement.fitX(py, height, parent.height))
    }

    objectName: "classroomMenu"
    width: Common.pixelWidth(100)
    height: Common.pixelHeight(126)

    onRowClicked: {
        switch (row) {
        case "Edit":
            console.log("EVENT: Edit classroom button clicked: id=[" + classroomId + "]")
            editRequested(classroomId)
            break
        case "Duplicate":
            console.log("EVENT: Duplicate classroom button clicked: id=[" + classroomId + "]")
            classroomLayoutManager.duplicateClassroom(classroomId)
            break
        case "Delete":
            console.log("EVENT: Delete classroom button clicked: id=[" + classroomId + "]")
            deleteRequested(classroomId, classroomName)
            break
        }
    }
}
