import QtQuick 2.12
import Common 1.0
import "../Components"

// Shown when the classroom list could not be downloaded.
Column {
    id: panel

    // Why the list could not be shown, when it is more than the network's fault.
    property string reason
    signal retry

    objectName: "failurePanel"
    anchors.centerIn: parent
    width: 516
    spacing: Common.pixelHeight(50)
    visible: false

    Text {
        objectName: "failureText"
        width: parent.width
        height: Common.pixelHeight(30)
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        text: panel.reason !== "" ? panel.reason : qsTr("There was a problem loading your rooms.\nPlease try again.")
        color: Common.textColor
        font.family: Common.gPrimaryFont
        font.bold: true
        font.pixelSize: Common.pixelFont(24)
    }

    PillButton {
        objectName: "retryButton"
        width: parent.width
        height: Common.pixelHeight(50)
        text: qsTr("Retry")
        onClicked: panel.retry()
    }
}
