import QtQuick 2.12
import Common 1.0
import "../Components"

// Veils a block while its pod has not yet answered the session's first configure: a turning ring
// and "Connecting…" along the bottom edge, so a slow display is not taken for a lost one.
Rectangle {
    id: overlay

    anchors.fill: parent
    color: Common.dimmingColor

    LoadingRing {
        anchors.centerIn: parent
        height: Math.min(overlay.width, overlay.height) * 0.35
    }

    // Shrinks to fit rather than cut: no tool tip to linger over a block that has joined meanwhile.
    Text {
        anchors.bottom: parent.bottom
        width: parent.width
        horizontalAlignment: Text.AlignHCenter
        text: qsTr("Connecting…")
        color: Common.textColor
        font.family: Common.gPrimaryFont
        font.pixelSize: Common.pixelFont(14)
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: Common.pixelFont(9)
    }
}
