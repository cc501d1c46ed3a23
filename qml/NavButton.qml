import QtQuick 2.12
import Common 1.0

// A round icon button with its label underneath.
Item {
    id: navButton

    property string iconName: "Logout"
    property string buttonLabel: "Logout"
    // Filled with the positive colour while pressing it would do something worth doing.
    property bool highlighted: false
    signal buttonClicked

    Accessible.role: Accessible.Button
    Accessible.name: buttonLabel
    Accessible.onPressAction: buttonClicked()

    Rectangle {
        id: disc
        anchors.top: parent.top
        anchors.horizontalCenter: parent.horizontalCenter
        width: Math.min(parent.width, parent.height - caption.height)
        height: width
        radius: width / 2
        color: navButton.highlighted ? Common.positiveColor : Common.dialogBorderColor

        Image {
            anchors.centerIn: parent
            width: parent.width * 0.6
            height: width
            fillMode: Image.PreserveAspectFit
            source: "qrc:///images/" + navButton.iconName + "Icon.png"
        }
    }

    Text {
        id: caption
        anchors.top: disc.bottom
        anchors.horizontalCenter: parent.horizontalCenter
        text: navButton.buttonLabel
        color: Common.textColor
        font.family: Common.gPrimaryFont
        font.pixelSize: Common.readablePixels(12)
    }

    MouseArea {
        anchors.fill: parent
        cursorShape: Qt.PointingHandCursor
        onClicked: navButton.buttonClicked()
    }
}
