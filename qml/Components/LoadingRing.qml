import QtQuick 2.12

// A ring turning once every 800 ms while it is shown. Its own visibility, not its parent's: a hidden
// ring in a shown button would turn, and redraw the window, for as long as the button is there.
Image {
    id: ring

    source: "qrc:///images/LoadingRing.svg"
    fillMode: Image.PreserveAspectFit
    sourceSize: Qt.size(128, 128)
    width: height

    RotationAnimation on rotation {
        running: ring.visible
        from: 0
        to: 360
        duration: 800
        loops: Animation.Infinite
    }
}
