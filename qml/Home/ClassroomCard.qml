import QtQuick 2.12
import QtQuick.Controls 2.12
import QtGraphicalEffects 1.12
import Common 1.0
import "../Common/HomeLogic.js" as HomeLogic

// One grid cell: a card with the classroom's building, name, number and room shape.
Item {
    id: cell

    property string classroomName
    property string building
    property string roomNumber
    property string roomType
    // Why this room cannot be opened; its card then says so instead of opening.
    property string problem
    property bool canEdit: false
    // The outcome of "Check displays", when asked: {checking, answering, total, silent}.
    property var displayCheck
    signal opened
    signal menuRequested

    width: Common.pixelWidth(310)
    height: Common.pixelHeight(220)

    DropShadow {
        anchors.fill: card
        source: card
        horizontalOffset: 5
        verticalOffset: 5
        radius: 8
        samples: 17
        color: "#20000000"
    }

    Rectangle {
        id: card
        objectName: "classroomCard"
        x: Common.pixelWidth(10)
        y: Common.pixelHeight(10)
        width: Common.pixelWidth(300)
        height: Common.pixelHeight(200)
        color: Common.cardColor
        border.width: 2
        border.color: Common.cardBorderColor
        radius: Common.dialogRadius
        Accessible.role: Accessible.Button
        Accessible.name: cell.classroomName
        Accessible.description: cell.problem !== "" ? cell.problem : cell.building
        Accessible.onPressAction: open()

        function open() {
            if (cell.problem === "")
                cell.opened()
        }

        MouseArea {
            anchors.fill: parent
            cursorShape: cell.problem === "" ? Qt.PointingHandCursor : Qt.ArrowCursor
            onClicked: card.open()
        }

        CardText {
            id: buildingText
            x: 20
            y: 10
            width: card.width - Common.pixelWidth(60)
            horizontalAlignment: Text.AlignHCenter
            text: cell.building
            font.pixelSize: Common.pixelFont(17)
        }

        CardText {
            id: nameText
            x: 20
            anchors.top: buildingText.bottom
            anchors.topMargin: 25
            width: picture.x - 10 - x
            text: cell.classroomName
            font.bold: true
            font.pixelSize: Common.pixelFont(20)
        }

        CardText {
            x: 20
            anchors.top: nameText.bottom
            anchors.topMargin: 25
            width: nameText.width
            text: HomeLogic.roomNumberText(cell.roomNumber)
            font.pixelSize: Common.pixelFont(15)
        }

        Image {
            id: picture
            anchors.right: parent.right
            anchors.rightMargin: 20
            anchors.verticalCenter: parent.verticalCenter
            width: Common.pixelWidth(80)
            height: Common.pixelHeight(70)
            sourceSize: Qt.size(width, height)
            fillMode: Image.PreserveAspectFit
            source: HomeLogic.roomPicture(cell.roomType)

            NoneBox {
                anchors.centerIn: parent
                width: parent.width
                visible: cell.roomType === "none"
            }
        }

        CardText {
            anchors.top: picture.bottom
            anchors.horizontalCenter: picture.horizontalCenter
            text: HomeLogic.roomTypeName(cell.roomType)
            font.pixelSize: Common.pixelFont(14)
        }

        CardText {
            objectName: "cardProblemText"
            x: 20
            anchors.bottom: parent.bottom
            anchors.bottomMargin: Common.pixelHeight(8)
            width: card.width - 40
            visible: cell.problem !== ""
            text: cell.problem
            wrapMode: Text.WordWrap
            maximumLineCount: 2
            color: Common.failureColor
            font.pixelSize: Common.pixelFont(13)
        }

        CardText {
            objectName: "displayCheckText"
            x: 20
            anchors.bottom: parent.bottom
            anchors.bottomMargin: Common.pixelHeight(8)
            visible: cell.displayCheck !== undefined && cell.problem === ""
            text: !cell.displayCheck ? ""
                  : cell.displayCheck.checking ? qsTr("Checking displays…")
                  : qsTr("%1 of %n displays answer", "", cell.displayCheck.total).arg(cell.displayCheck.answering)
            color: cell.displayCheck && !cell.displayCheck.checking
                   && cell.displayCheck.answering < cell.displayCheck.total ? Common.failureColor : Common.textColor
            font.pixelSize: Common.pixelFont(13)

            MouseArea {
                id: checkHover
                anchors.fill: parent
                hoverEnabled: true
                acceptedButtons: Qt.NoButton
            }
            ToolTip.visible: checkHover.containsMouse && ToolTip.text.length > 0
            ToolTip.text: cell.displayCheck && cell.displayCheck.silent && cell.displayCheck.silent.length > 0
                          ? qsTr("Not answering: %1").arg(cell.displayCheck.silent.join(", ")) : ""
        }

        Image {
            anchors.right: parent.right
            anchors.rightMargin: Common.pixelWidth(20)
            anchors.top: parent.top
            anchors.topMargin: Common.pixelHeight(10)
            sourceSize: Qt.size(4, 16)
            source: "qrc:///images/ThreeDotMenu.svg"
            visible: cell.canEdit
        }

        MouseArea {
            objectName: "classroomMenuButton"
            anchors.right: parent.right
            anchors.top: parent.top
            width: Common.pixelWidth(40)
            height: Common.pixelHeight(35)
            visible: cell.canEdit
            cursorShape: Qt.PointingHandCursor
            Accessible.role: Accessible.ButtonMenu
            Accessible.name: qsTr("Menu of %1").arg(cell.classroomName)
            Accessible.onPressAction: cell.menuRequested()
            onClicked: cell.menuRequested()
        }
    }
}
