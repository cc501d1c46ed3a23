import QtQuick 2.12
import Common 1.0

// A round picture button of the home screen, scaled with the window.
Image {
    signal clicked

    width: sourceSize.width * Common.pixelScale()
    height: sourceSize.height * Common.pixelScale()
    // Named where it is used, after what it does.
    Accessible.role: Accessible.Button
    Accessible.onPressAction: clicked()

    MouseArea {
        anchors.fill: parent
        cursorShape: Qt.PointingHandCursor
        onClicked: parent.clicked()
    }
}
