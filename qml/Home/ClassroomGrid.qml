import QtQuick 2.12
import Common 1.0
import "../Common/HomeLogic.js" as HomeLogic

// The classroom cards, three to a row, scrolled without a scroll bar; keeps its place between visits.
GridView {
    id: grid

    property bool canEdit: false
    property real savedScroll: 0.0
    signal classroomOpened(string classroomId, string classroomName)
    signal menuRequested(string classroomId, string classroomName)
    // Outcomes of "Check displays", by classroom id.
    property var displayChecks: ({})

    function saveScroll() {
        savedScroll = HomeLogic.scrollFraction(contentY - originY, contentHeight)
    }

    // A new list would start at the top; the place the user scrolled to is put back.
    function show(classrooms) {
        if (visible && count > 0)
            saveScroll()
        model = classrooms
        forceLayout()
        contentY = originY + HomeLogic.scrollOffset(savedScroll, contentHeight, height)
    }

    objectName: "classroomGrid"
    x: Common.pixelWidth(20)
    y: Common.pixelHeight(40)
    width: Common.pixelWidth(930)
    height: parent.height - y
    cellWidth: Common.pixelWidth(310)
    cellHeight: Common.pixelHeight(220)
    clip: true
    boundsBehavior: Flickable.StopAtBounds
    onVisibleChanged: {
        if (!visible)
            saveScroll()
    }

    delegate: ClassroomCard {
        // Cleared classrooms are deleted before the cards that showed them.
        readonly property var classroom: modelData
        classroomName: classroom ? classroom.classroomName : ""
        building: classroom ? classroom.classroomBuilding : ""
        roomNumber: classroom ? classroom.classroomNumber : ""
        roomType: classroom ? classroom.classroomType : ""
        problem: classroom ? classroom.loadProblem : ""
        canEdit: grid.canEdit
        displayCheck: classroom ? grid.displayChecks[classroom.classroomId] : undefined
        onOpened: grid.classroomOpened(classroom.classroomId, classroom.classroomName)
        onMenuRequested: grid.menuRequested(classroom.classroomId, classroom.classroomName)
    }
}
