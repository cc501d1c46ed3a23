import QtQuick 2.12
import Common 1.0

// The blue note telling that an administrator fixes some settings; as wide as its text needs, up to maximumWidth.
Rectangle {
    id: notice

    property SettingsStyle style
    property alias text: label.text
    property real maximumWidth

    readonly property real padding: 2 * style.mm
    readonly property real iconSize: 3.6 * style.mm

    implicitWidth: row.implicitWidth + 2 * padding
    implicitHeight: row.implicitHeight + 2 * padding
    color: Common.positiveColor
    radius: style.mm

    Row {
        id: row
        x: notice.padding
        anchors.verticalCenter: parent.verticalCenter
        spacing: notice.padding

        Image {
            anchors.verticalCenter: parent.verticalCenter
            width: notice.iconSize
            height: notice.iconSize
            sourceSize: Qt.size(width * 2, height * 2)
            source: "qrc:///images/icons/Info.svg"
        }

        Text {
            id: label
            anchors.verticalCenter: parent.verticalCenter
            width: Math.min(implicitWidth, notice.maximumWidth - notice.iconSize - 3 * notice.padding)
            wrapMode: Text.WordWrap
            color: Common.textColor
            font.family: Common.gPrimaryFont
            font.pixelSize: notice.style.labelSize
        }
    }
}
