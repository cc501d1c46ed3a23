import QtQuick 2.12

// Stub: replaced by the real screen.
Item {
    property string classroomId
    signal exited
    function enterScreen() {}
    function isSessionActive() { return false }
    function terminateOnExit() {}
}
