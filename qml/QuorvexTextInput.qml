import QtQuick 2.12
import QtQuick.Controls 2.12
import Common 1.0

// A labelled single-line input with an underline, a hint while empty and an optional check mark.
// A refused value is marked in the accent colour with `problem` under the field until the text
// changes; reaching the length limit says so there too.
Column {
    id: input

    property string labelText: "Label Text"
    property string exampleText: "Example Text"
    property bool showCheckMark: true
    // Green when true; by default, once something is typed.
    property bool checkPassed: inputContainsText
    property alias inputText: field.text
    readonly property bool inputContainsText: field.text.length > 0
    property int limitCharacters: 255
    property string problem
    readonly property string notice: problem.length > 0 ? problem
        : field.text.length >= field.maximumLength ? qsTr("At most %n characters", "", field.maximumLength) : ""
    property alias echoMode: field.echoMode
    // The width that shows the whole hint, in whichever language it comes.
    readonly property real hintWidth: hintMetrics.advanceWidth + field.leftPadding + field.rightPadding
    signal accepted

    function clearText() { field.clear() }
    function focusInput() { field.forceActiveFocus() }

    width: 300 // default width: a Column's implicitWidth is read-only

    TextMetrics {
        id: hintMetrics
        font: field.font
        text: input.exampleText
    }
    spacing: Common.pixelHeight(6)

    Text {
        text: input.labelText
        visible: text.length > 0
        color: Common.textColor
        font.family: Common.gPrimaryFont
        font.pixelSize: Common.pixelFont(17)
    }

    Row {
        width: input.width

        TextField {
            id: field
            width: input.width - (check.visible ? check.width : 0)
            implicitHeight: 32
            maximumLength: 40
            color: Common.textColor
            selectByMouse: true
            font.family: Common.gPrimaryFont
            font.bold: true
            font.pixelSize: Common.pixelFont(12)
            leftPadding: Common.pixelWidth(10)
            background: Rectangle {
                color: "transparent"
                Rectangle {
                    anchors.bottom: parent.bottom
                    width: parent.width
                    height: 2
                    color: input.problem.length > 0 ? Common.accentColor : Common.inputUnderlineColor
                }
            }
            Accessible.name: input.labelText.length > 0 ? input.labelText : input.exampleText
            Accessible.description: input.notice
            onAccepted: input.accepted()
            onTextChanged: input.problem = ""

            // Under the underline, outside the layout, so a notice moves nothing around it.
            Text {
                anchors.top: parent.bottom
                anchors.topMargin: 2
                visible: input.notice.length > 0
                text: input.notice
                color: Common.accentColor
                font.family: Common.gPrimaryFont
                font.pixelSize: Common.pixelFont(10)
            }

            Text {
                anchors.verticalCenter: parent.verticalCenter
                x: Common.pixelWidth(10)
                visible: field.text.length === 0
                text: input.exampleText
                color: Common.textColor
                font.family: Common.gPrimaryFont
                font.pixelSize: Common.pixelFont(12)
            }
        }

        Item {
            id: check
            visible: input.showCheckMark
            width: Common.pixelWidth(35)
            height: field.height

            Image {
                anchors.centerIn: parent
                width: Math.min(parent.width, parent.height) * 0.7
                height: width
                source: input.checkPassed ? "qrc:///images/PositiveCheck.png"
                                                : "qrc:///images/NegativeCheck.png"
            }
        }
    }

}
