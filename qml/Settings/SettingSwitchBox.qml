import QtQuick 2.12
import QtGraphicalEffects 1.12
import "../Components"

// One on/off setting: its label and, on the right, the switch. A click asks for the
// opposite value through `toggled()`; the owner writes the setting.
SettingsBox {
    id: box

    property alias text: label.text
    property bool checked: false
    property alias switchObjectName: toggle.objectName
    signal toggled

    contentHeight: Math.max(label.implicitHeight, toggle.implicitHeight)

    SettingLabel {
        id: label
        box: box
        anchors.left: parent.left
        anchors.right: toggle.left
        anchors.rightMargin: box.style.switchGap
        anchors.verticalCenter: parent.verticalCenter
    }

    ToggleSwitch {
        id: toggle
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        enabled: !box.locked
        checked: box.checked
        Accessible.name: box.text
        trackWidth: 9 * box.style.mm
        trackHeight: 5.5 * box.style.mm
        knobSize: 4.75 * box.style.mm
        knobInset: 2
        onColor: box.locked ? box.style.lockedColor : box.style.switchOnColor
        offColor: box.style.switchOffColor
        offBorderColor: "transparent"
        knobColor: box.locked ? box.style.lockedKnobColor : "white"
        knobEffect: DropShadow {
            transparentBorder: true
            verticalOffset: 3
            radius: 8
            samples: 17
            color: box.style.shadowColor
        }
        onToggled: box.toggled()
    }
}
