import QtQuick 2.12
import QtGraphicalEffects 1.12
import Common 1.0

// Dims and softens whatever lies below while a screen's dialog is open; swallows every click.
Item {
    anchors.fill: parent
    visible: false

    Rectangle {
        id: shade
        anchors.fill: parent
        color: Common.dimmingColor
    }

    GaussianBlur {
        anchors.fill: parent
        source: shade
        radius: 8
        samples: 16
    }

    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.AllButtons
        hoverEnabled: true
        onWheel: wheel.accepted = true
    }
}
