import QtQuick 2.12
import Common 1.0

// Centred, word-wrapped white text as the routing dialogs write it.
Text {
    width: parent ? parent.width : implicitWidth
    horizontalAlignment: Text.AlignHCenter
    wrapMode: Text.WordWrap
    color: Common.textColor
    font.family: Common.gPrimaryFont
    font.pixelSize: Common.pixelFont(12)
}
