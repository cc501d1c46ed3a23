import QtQuick 2.12
import Common 1.0

// A framed question with a picture on top, a confirming button, an optional cancel button and an
// optional third answer between them. Enter confirms, Escape cancels.
DialogFrame {
    id: dialog

    property url iconSource
    property real iconAreaHeight: height * 0.466
    property alias text: question.text
    property real textPixelSize: 20
    property string confirmText: qsTr("CONFIRM")
    property string cancelText: qsTr("CANCEL")
    property string alternativeText
    property real buttonWidth: width * 0.28
    property real buttonHeight: height * 0.088
    property real buttonRightMargin: width * 0.1
    property real buttonSpacing: 10
    signal confirmed
    signal cancelled
    signal alternativeChosen

    visible: false
    focus: visible
    Keys.onReturnPressed: confirmed()
    Keys.onEnterPressed: confirmed()
    Keys.onEscapePressed: cancelled()

    Item {
        id: iconArea
        width: parent.width
        height: dialog.iconAreaHeight

        Image {
            anchors.centerIn: parent
            width: Math.min(sourceSize.width * Common.pixelScale(), parent.height * 0.8)
            height: width
            fillMode: Image.PreserveAspectFit
            source: dialog.iconSource
        }
    }

    Text {
        id: question
        anchors.top: iconArea.bottom
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: Common.pixelWidth(30)
        anchors.topMargin: 0
        horizontalAlignment: Text.AlignHCenter
        textFormat: Text.StyledText
        wrapMode: Text.WordWrap
        color: Common.textColor
        font.family: Common.gPrimaryFont
        font.pixelSize: dialog.textPixelSize
    }

    Row {
        anchors.right: parent.right
        anchors.rightMargin: dialog.buttonRightMargin
        anchors.bottom: parent.bottom
        anchors.bottomMargin: Common.pixelHeight(25)
        spacing: dialog.buttonSpacing
        layoutDirection: Qt.RightToLeft

        ButtonPositive {
            objectName: "confirmButton"
            width: dialog.buttonWidth
            height: dialog.buttonHeight
            textToShow: dialog.confirmText
            onButtonClicked: dialog.confirmed()
        }

        ButtonNeutral {
            objectName: "alternativeButton"
            visible: dialog.alternativeText.length > 0
            width: dialog.buttonWidth
            height: dialog.buttonHeight
            textToShow: dialog.alternativeText
            onButtonClicked: dialog.alternativeChosen()
        }

        ButtonNeutral {
            visible: dialog.cancelText.length > 0
            width: dialog.buttonWidth
            height: dialog.buttonHeight
            textToShow: dialog.cancelText
            onButtonClicked: dialog.cancelled()
        }
    }
}
