import QtQuick 2.12
import Common 1.0

// Plus and minus for the room zoom, stacked in a small dark box.
Rectangle {
    id: zoom

    signal zoomIn
    signal zoomOut

    width: Common.pixelWidth(30)
    height: Common.pixelHeight(60)
    radius: 5
    color: Common.cardColor

    component ZoomButton: MouseArea {
        property alias iconSource: icon.source
        width: zoom.width
        height: zoom.height / 2
        cursorShape: Qt.PointingHandCursor
        signal activated
        onClicked: activated()
        Accessible.role: Accessible.Button
        Accessible.onPressAction: activated()

        Image {
            id: icon
            anchors.centerIn: parent
        }
    }

    ZoomButton {
        objectName: "zoomPlus"
        Accessible.name: qsTr("Zoom in")
        iconSource: "qrc:///images/icons/PlusIconLight.png"
        onActivated: zoom.zoomIn()
    }

    Rectangle {
        anchors.verticalCenter: parent.verticalCenter
        width: parent.width
        height: 1
        color: "#A2DDD4"
    }

    ZoomButton {
        objectName: "zoomMinus"
        Accessible.name: qsTr("Zoom out")
        y: zoom.height / 2
        iconSource: "qrc:///images/icons/MinusWhite.png"
        onActivated: zoom.zoomOut()
    }
}
