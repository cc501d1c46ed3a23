import QtQuick 2.12
import QtQuick.Controls 2.12

// An on/off switch drawn as a rounded track with a round knob; each screen sets its own sizes and colours.
// `checked` shows the bound value; a click raises `toggled()` and leaves the writing to the owner.
AbstractButton {
    id: control

    property real trackWidth: 48
    property real trackHeight: 26
    property real knobSize: trackHeight
    property real knobInset: 0
    property color onColor: "#17a81a"
    property color offColor: "white"
    property color onBorderColor: onColor
    property color offBorderColor: "#cccccc"
    property color knobColor: "white"
    property color knobPressedColor: knobColor
    property color knobBorderColor: "transparent"
    // An optional layer effect on the knob, such as a drop shadow.
    property Component knobEffect: null
    signal toggled

    implicitWidth: trackWidth
    implicitHeight: Math.max(trackHeight, knobSize)
    padding: 0
    onClicked: toggled()
    // Named where it is used, after the label beside it.
    Accessible.checkable: true
    Accessible.checked: checked

    contentItem: Item {}
    indicator: Rectangle {
        width: control.trackWidth
        height: control.trackHeight
        anchors.verticalCenter: parent.verticalCenter
        radius: height / 2
        color: control.checked ? control.onColor : control.offColor
        border.color: control.checked ? control.onBorderColor : control.offBorderColor

        Rectangle {
            objectName: "knob"
            width: control.knobSize
            height: control.knobSize
            radius: width / 2
            anchors.verticalCenter: parent.verticalCenter
            x: control.checked ? parent.width - width - control.knobInset : control.knobInset
            color: control.pressed ? control.knobPressedColor : control.knobColor
            border.color: control.knobBorderColor
            layer.enabled: control.knobEffect !== null
            layer.effect: control.knobEffect
        }
    }
}
