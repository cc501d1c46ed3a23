import QtQuick 2.12
import "../Components"
import "../Common/EditorLogic.js" as EditorLogic

// The walls of the edited room, by room type; a room of type "none" has none.
RoomOutline {
    property string classroomType
    // The outline's margins, or null for a room without walls.
    readonly property var margins: EditorLogic.outlineFor(classroomType)

    visible: margins !== null
    topMargin: margins ? margins.top : 0
    leftMargin: margins ? margins.left : 0
    rightMargin: margins ? margins.right : 0
    bottomMargin: margins ? margins.bottom : 0
    showBottomLine: margins ? margins.showBottomLine : false
}
