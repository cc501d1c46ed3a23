import QtQuick 2.12

// Stub: replaced by the real screen.
Item {
    visible: false
    function showDialog() {}
}
