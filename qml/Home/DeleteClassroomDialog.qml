import QtQuick 2.12
import Common 1.0
import "../Components"
import "../Common/HomeLogic.js" as HomeLogic

// Asks before a classroom is deleted from the library.
ConfirmDialog {
    id: dialog

    property string classroomId
    property string classroomName
    signal deleted

    function openFor(id, name) {
        classroomId = id
        classroomName = name
        visible = true
    }

    title: qsTr("Delete %1?").arg(classroomName)
    objectName: "deleteDialog"
    anchors.centerIn: parent
    width: Common.pixelWidth(400)
    height: Common.pixelHeight(375)
    iconSource: "qrc:///images/DeleteDialogIcon.png"
    iconAreaHeight: Common.pixelHeight(175)
    text: HomeLogic.deleteQuestion(classroomName)
    textPixelSize: Common.pixelFont(20)
    buttonWidth: Common.pixelWidth(Common.buttonWidth)
    buttonHeight: Common.pixelHeight(Common.buttonHeight)
    buttonRightMargin: Common.pixelWidth(40)
    buttonSpacing: Common.pixelWidth(10)

    onConfirmed: {
        visible = false
        classroomLayoutManager.deleteClassroomLayout(classroomId)
        deleted()
    }
    onCancelled: visible = false
}
