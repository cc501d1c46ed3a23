import QtQuick 2.12
import Common 1.0

// A labelled button; in the "Processing" state a loading ring replaces the label and clicks are ignored.
Rectangle {
    id: button

    property string textToShow: "DEFAULT"
    property alias textColor: label.color
    property real fontSize: 12
    readonly property bool isProcessing: state === "Processing"
    signal buttonClicked

    implicitWidth: Math.max(Common.buttonWidth, label.implicitWidth + 5)
    implicitHeight: Common.buttonHeight
    radius: Common.buttonRadius
    Accessible.role: Accessible.Button
    Accessible.name: textToShow
    Accessible.onPressAction: if (!isProcessing) buttonClicked()

    Text {
        id: label
        anchors.centerIn: parent
        visible: !button.isProcessing
        text: button.textToShow
        color: Common.textColor
        font.family: Common.gPrimaryFont
        font.bold: true
        font.pixelSize: button.fontSize
    }

    LoadingRing {
        anchors.centerIn: parent
        height: Math.max(4, button.height - Common.pixelHeight(20))
        visible: button.isProcessing
    }

    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.LeftButton
        enabled: !button.isProcessing
        cursorShape: Qt.PointingHandCursor
        onClicked: button.buttonClicked()
    }

    states: State { name: "Processing" }
}
