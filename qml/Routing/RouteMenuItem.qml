import QtQuick 2.12
import QtQuick.Controls 2.12
import Common 1.0
import "../Common/RoutingLogic.js" as RoutingLogic

// One cell of the route menu: a captioned icon, centred in a cell wide enough for a readable caption.
Item {
    id: item

    property string caption
    property alias iconName: icon.iconName
    property alias iconType: icon.iconType
    property alias iconText: icon.iconText
    property alias activeState: icon.activeState
    property bool withCircle: false
    // The key sequence that clicks it too, named in its tool tip.
    property string shortcut
    property bool shortcutEnabled: true
    signal clicked

    objectName: "menuItem_" + caption
    width: Common.pixelWidth(RoutingLogic.menuCellWidth)
    height: icon.height
    opacity: enabled ? 1.0 : 0.4
    ToolTip.visible: hover.hovered
    ToolTip.delay: 500
    ToolTip.text: qsTr("%1 (%2)").arg(caption).arg(keys.nativeText)

    Shortcut {
        id: keys
        sequence: item.shortcut
        enabled: item.shortcutEnabled && item.enabled && item.visible
        onActivated: item.clicked()
    }

    HoverHandler {
        id: hover
    }

    CustomIcon {
        id: icon
        anchors.horizontalCenter: parent.horizontalCenter
        inMenu: true
        hideBackground: !item.withCircle
        labelText: item.caption
        captionWidth: item.width
        onClicked: item.clicked()
    }
}
