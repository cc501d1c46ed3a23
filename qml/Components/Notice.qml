import QtQuick 2.12
import Common 1.0
import AccessibleAlert 1.0

// Short messages shown for a moment, newest last; a few that arrive together stay together.
Rectangle {
    id: notice

    readonly property int maxLines: 3
    property var lines: []

    function show(text) {
        lines = lines.concat([text]).slice(-maxLines)
        visible = true
        hideTimer.restart()
    }

    objectName: "notice"
    visible: false
    width: message.implicitWidth + Common.pixelWidth(30)
    height: message.implicitHeight + Common.pixelHeight(14)
    radius: Common.dialogRadius
    color: Common.dialogColor
    border.color: Common.dialogBorderColor
    border.width: 1
    Accessible.role: Accessible.AlertMessage
    Accessible.name: message.text

    Text {
        id: message
        objectName: "noticeText"
        anchors.centerIn: parent
        horizontalAlignment: Text.AlignHCenter
        text: notice.lines.join("\n")
        color: Common.textColor
        font.family: Common.gPrimaryFont
        font.pixelSize: Common.pixelFont(13)
    }

    AccessibleAlert {
        item: notice
        text: message.text
    }

    Timer {
        id: hideTimer
        interval: 5000
        onTriggered: {
            notice.visible = false
            notice.lines = []
        }
    }
}
