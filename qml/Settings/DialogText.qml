import QtQuick 2.12
import Common 1.0

// Dialog text: white, centred, wrapped to the width of its column.
Text {
    width: parent.width
    horizontalAlignment: Text.AlignHCenter
    wrapMode: Text.WordWrap
    color: Common.textColor
    font.family: Common.gPrimaryFont
    font.pixelSize: Common.pixelFont(12)
}
