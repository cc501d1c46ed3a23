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
    signal checkDisplaysRequested(string classroomId)

    // Kept inside the screen both ways, so a card near an edge still shows the whole menu.
    function openFor(id, name, px, py) {
        classroomId = id
        classroomName = name
        openAt(px, Placement.fitX(py, height, parent.height))
    }

    objectName: "classroomMenu"
    rows: [QT_TRANSLATE_NOOP("ActionMenu", "Edit"), QT_TRANSLATE_NOOP("ActionMenu", "Duplicate"),
        QT_TRANSLATE_NOOP("ActionMenu", "Check displays"), QT_TRANSLATE_NOOP("ActionMenu", "Delete")]
    width: Math.max(Common.pixelWidth(130), rowsWidth)
    height: Common.pixelHeight(168)

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
        case "Check displays":
            console.log("EVENT: Check displays clicked: id=[" + classroomId + "]")
            checkDisplaysRequested(classroomId)
            break
        case "Delete":
            console.log("EVENT: Delete classroom button clicked: id=[" + classroomId + "]")
            deleteRequested(classroomId, classroomName)
            break
        }
    }
}
