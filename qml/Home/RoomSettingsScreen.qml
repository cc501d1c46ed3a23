import QtQuick 2.12

// Stub: replaced by the real screen.
Item {
    property string classroomId
    signal finishedEditing(string classroomId)
    signal cancelledEditing(bool wasCreatingNewRoom)
    function enterScreen() {}
}
