import QtQuick 2.12
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
    signal clicked

    objectName: "menuItem_" + caption
    width: Common.pixelWidth(RoutingLogic.menuCellWidth)
    height: icon.height
    opacity: enabled ? 1.0 : 0.4

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
