import QtQuick 2.12

// Stub: replaced by the real screen.
Item {
    property bool orbethDownloadClassrooms: false
    signal createNewClassroom
    signal editClassroom(string classroomId)
    signal enterClassroom(string classroomId)
    function enterScreen() {}
}
