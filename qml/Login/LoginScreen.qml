import QtQuick 2.12

// Stub: replaced by the real screen.
Item {
    function enterScreen() {}
}
