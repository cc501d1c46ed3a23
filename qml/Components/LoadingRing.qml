import QtQuick 2.12

// A ring turning once every 800 ms while visible.
Image {
    source: "qrc:///images/LoadingRing.svg"
    fillMode: Image.PreserveAspectFit
    sourceSize: Qt.size(128, 128)
    width: height

    RotationAnimation on rotation {
        running: parent.visible
        from: 0
        to: 360
        duration: 800
        loops: Animation.Infinite
    }
}
