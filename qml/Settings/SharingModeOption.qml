import QtQuick 2.12

// One primary-display sharing mode: its label and radio mark above a picture of the mode.
// A click on the box chooses it.
SettingsBox {
    id: option

    property alias text: label.text
    property alias picture: picture.source
    property bool checked: false
    signal chosen

    readonly property real markSize: 3 * style.mm

    verticalPadding: 2 * style.mm
    contentWidth: content.implicitWidth
    contentHeight: content.implicitHeight
    Accessible.role: Accessible.RadioButton
    Accessible.name: text
    Accessible.checkable: true
    Accessible.checked: checked
    Accessible.onPressAction: if (!locked) chosen()

    Column {
        id: content
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: 5 * option.style.mm

        Row {
            spacing: 6 * option.style.mm

            SettingLabel {
                id: label
                box: option
                anchors.verticalCenter: parent.verticalCenter
            }

            Rectangle {
                anchors.verticalCenter: parent.verticalCenter
                width: option.markSize
                height: option.markSize
                radius: width / 2
                color: "white"
                border.width: option.style.line
                border.color: option.foreground

                Rectangle {
                    anchors.centerIn: parent
                    visible: option.checked
                    width: option.markSize / 2
                    height: width
                    radius: width / 2
                    color: option.locked ? option.style.lockedColor : "black"
                }
            }
        }

        Image {
            id: picture
            width: 40 * option.style.mm
            height: width * 100 / 160
            fillMode: Image.PreserveAspectFit
            opacity: option.locked ? 0.6 : 1
        }
    }

    // The whole box answers, padding included.
    MouseArea {
        parent: option
        anchors.fill: parent
        enabled: !option.locked
        cursorShape: Qt.PointingHandCursor
        onClicked: option.chosen()
    }
}
