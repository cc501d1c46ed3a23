import QtQuick 2.12
import "qrc:/qml/Common/SettingsLogic.js" as SettingsLogic

// Lengths and colours of the settings screen. Lengths are physical: millimetres turned
// into pixels with the screen's density, not the design-grid scaling of the other screens.
QtObject {
    property real screenWidth
    property real mm

    readonly property real line: SettingsLogic.baseLine(mm)
    readonly property real boxPadding: SettingsLogic.boxPadding(screenWidth, mm)
    readonly property real switchGap: SettingsLogic.switchGap(screenWidth, mm)
    readonly property real itemSpacing: 5 * mm
    readonly property real labelSize: 3 * mm

    readonly property color ruleColor: "#66A2DDD4"
    readonly property color lockedColor: "#A8A8A8"
    readonly property color switchOnColor: "#34C759"
    readonly property color switchOffColor: "#29787880"
    readonly property color lockedKnobColor: "#D4D4D5"
    readonly property color shadowColor: "#26000000"
}
