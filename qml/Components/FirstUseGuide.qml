import QtQuick 2.12
import Common 1.0

// A few pictures with captions shown the first time a screen is used; NEXT pages, SKIP closes,
// and the last page has DONE alone. Enter pages on, Escape skips.
DialogFrame {
    id: guide

    property var steps: [] // [{ picture, caption }]
    property bool fitPictures: true
    property int currentStep: 0
    readonly property bool onLastStep: currentStep + 1 >= steps.length
    signal finished

    function next() {
        if (onLastStep)
            close()
        else
            currentStep++
    }

    function open() {
        currentStep = 0
        visible = true
    }
    function close() {
        visible = false
        finished()
    }

    title: qsTr("Getting started")
    visible: false
    focus: visible
    Keys.onReturnPressed: next()
    Keys.onEnterPressed: next()
    Keys.onEscapePressed: close()

    Image {
        id: picture
        anchors.top: parent.top
        anchors.topMargin: Common.pixelHeight(30)
        anchors.horizontalCenter: parent.horizontalCenter
        width: guide.fitPictures ? parent.width - Common.pixelWidth(80) : implicitWidth
        height: guide.fitPictures ? parent.height * 0.65 : implicitHeight
        fillMode: Image.PreserveAspectFit
        source: guide.steps.length ? guide.steps[guide.currentStep].picture : ""
    }

    Text {
        id: caption
        anchors.top: picture.bottom
        anchors.topMargin: Common.pixelHeight(20)
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.margins: Common.pixelWidth(40)
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        text: guide.steps.length ? guide.steps[guide.currentStep].caption : ""
        color: Common.textColor
        font.family: Common.gPrimaryFont
        font.pixelSize: Common.pixelFont(16)
    }

    Row {
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.verticalCenter: buttons.verticalCenter
        spacing: Common.pixelWidth(5)

        Repeater {
            model: guide.steps.length
            Rectangle {
                width: Common.pixelWidth(10)
                height: Common.pixelHeight(10)
                radius: width / 2
                color: "white"
                opacity: index === guide.currentStep ? 1.0 : 0.3
            }
        }
    }

    Row {
        id: buttons
        anchors.right: parent.right
        anchors.rightMargin: Common.pixelWidth(40)
        anchors.bottom: parent.bottom
        anchors.bottomMargin: Common.pixelHeight(25)
        spacing: Common.pixelWidth(10)
        layoutDirection: Qt.RightToLeft

        ButtonPositive {
            width: Common.pixelWidth(Common.buttonWidth)
            height: Common.pixelHeight(Common.buttonHeight)
            textToShow: guide.onLastStep ? qsTr("DONE") : qsTr("NEXT")
            onButtonClicked: guide.next()
        }

        ButtonNeutral {
            visible: !guide.onLastStep
            width: Common.pixelWidth(Common.buttonWidth)
            height: Common.pixelHeight(Common.buttonHeight)
            textToShow: qsTr("SKIP")
            onButtonClicked: guide.close()
        }
    }
}
