import QtQuick 2.12
import Common 1.0

// The frame each setting sits in; its border and text turn grey while the setting is enforced.
// Content goes into a padded area; contentWidth/contentHeight give the box its implicit size.
Rectangle {
    id: box

    property SettingsStyle style
    property bool locked: false
    property real verticalPadding: 1.5 * style.mm
    property real contentWidth
    property real contentHeight
    readonly property color foreground: locked ? style.lockedColor : Common.textColor
    default property alias content: area.data

    implicitWidth: contentWidth + 2 * style.boxPadding
    implicitHeight: contentHeight + 2 * verticalPadding
    color: Common.formColor
    radius: style.mm
    border.width: style.line
    border.color: foreground

    Item {
        id: area
        anchors.fill: parent
        anchors.leftMargin: box.style.boxPadding
        anchors.rightMargin: box.style.boxPadding
        anchors.topMargin: box.verticalPadding
        anchors.bottomMargin: box.verticalPadding
    }
}
