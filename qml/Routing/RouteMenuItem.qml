import QtQuick 2.12
import Common 1.0

// One cell of the route menu: a captioned icon, centred in a cell of fixed design width.
Item {
    id: item

    property real cellWidth: 60
    property string caption
    property alias iconName: icon.iconName
    property alias iconType: icon.iconType
    property alias iconText: icon.iconText
    property alias activeState: icon.activeState
    property alias isSpecialIcon: icon.isSpecialIcon
    property bool withCircle: false
    signal clicked

    objectName: "menuItem_" + caption
    width: Common.pixelWidth(cellWidth)
    height: icon.height
    opacity: enabled ? 1.0 : 0.4

    CustomIcon {
        id: icon
        anchors.horizontalCenter: parent.horizontalCenter
        inMenu: true
        hideBackground: !item.withCircle
        labelText: item.caption
        onClicked: item.clicked()
    }
}
