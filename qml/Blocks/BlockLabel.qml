import QtQuick 2.12
import Common 1.0
import "../Components"

// The white caption of a block view: its name, or "(Disconnected)".
ElidedText {
    horizontalAlignment: Text.AlignHCenter
    color: Common.textColor
    font.family: Common.gPrimaryFont
    font.pixelSize: Common.pixelFont(14)
}
