import QtQuick 2.12
import QtGraphicalEffects 1.12
import Common 1.0
import "../Components"

// A message icon: a picture or a number in a circle, blue while active; in the route menu it is
// smaller and carries a caption underneath.
Item {
    id: icon

    property string iconName
    property bool iconType: true
    property string iconText
    property string labelText
    property bool inMenu: false
    property bool activeState: false
    property bool hideBackground: false
    // How wide the caption under a menu icon may run before it is cut.
    property real captionWidth: circleSize * 1.5
    signal clicked

    // The active blue of message icons, a shade apart from the buttons' blue.
    readonly property color activeColor: "#1F8FFA"
    readonly property real circleSize: Common.pixelScale() * (inMenu ? 36 : 56)

    implicitWidth: circleSize
    implicitHeight: circleSize + (caption.visible ? caption.anchors.topMargin + caption.height : 0)

    Accessible.role: Accessible.Button
    Accessible.name: labelText.length > 0 ? labelText : (iconType ? iconName : iconText)
    Accessible.onPressAction: clicked()

    Rectangle {
        id: circle
        anchors.horizontalCenter: parent.horizontalCenter
        width: icon.circleSize
        height: width
        radius: width / 2
        color: icon.hideBackground ? "transparent"
                                   : icon.activeState ? icon.activeColor : Common.dialogBorderColor

        Image {
            id: picture
            anchors.centerIn: parent
            visible: icon.iconType && !icon.activeState
            width: icon.circleSize * (icon.hideBackground ? 0.75 : 0.6)
            height: width
            fillMode: Image.PreserveAspectFit
            smooth: true
            source: icon.iconType && icon.iconName.length > 0
                    ? "qrc:///images/icons/" + icon.iconName + (icon.inMenu ? "Small.png" : ".png") : ""
        }

        ColorOverlay {
            anchors.fill: picture
            source: picture
            visible: icon.iconType && icon.activeState
            color: "white"
        }

        Text {
            anchors.centerIn: parent
            visible: !icon.iconType
            text: icon.iconText
            color: icon.activeState ? "white" : Common.dialogColor
            font.family: Common.gPrimaryFont
            font.pixelSize: 22
        }
    }

    ElidedText {
        id: caption
        visible: icon.inMenu
        anchors.top: circle.bottom
        anchors.topMargin: Common.pixelHeight(2)
        anchors.horizontalCenter: parent.horizontalCenter
        width: icon.captionWidth
        horizontalAlignment: Text.AlignHCenter
        text: icon.labelText
        color: Common.dialogBorderColor
        font.family: Common.gPrimaryFont
        font.pixelSize: Common.readablePixels(12)
    }

    MouseArea {
        anchors.fill: parent
        cursorShape: Qt.PointingHandCursor
        onClicked: icon.clicked()
    }
}
