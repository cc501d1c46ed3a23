import QtQuick 2.12
import Common 1.0

Text {
    color: Common.textColor
    font.family: Common.gPrimaryFont
    font.bold: true
    font.pixelSize: Common.pixelFont(18)
}
