import QtQuick 2.12
import Common 1.0

// Shown over an empty library.
Column {
    objectName: "firstUsePanel"
    anchors.centerIn: parent
    width: 284
    height: Common.pixelHeight(281)
    spacing: Common.pixelHeight(20)
    visible: false

    Text {
        anchors.horizontalCenter: parent.horizontalCenter
        text: qsTr("Create your first room")
        color: Common.textColor
        font.family: Common.gPrimaryFont
        font.bold: true
        font.pixelSize: Common.pixelFont(24)
    }

    Text {
        anchors.horizontalCenter: parent.horizontalCenter
        horizontalAlignment: Text.AlignHCenter
        text: qsTr("Create a room and add furniture\n elements to bring your room to life.")
        color: Common.textColor
        font.family: Common.gPrimaryFont
        font.pixelSize: Common.pixelFont(16)
    }
}
