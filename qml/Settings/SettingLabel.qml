import QtQuick 2.12
import Common 1.0
import "../Components"

// The one-line label of a setting, in its box's text colour.
ElidedText {
    property SettingsBox box

    color: box.foreground
    font.family: Common.gPrimaryFont
    font.pixelSize: box.style.labelSize
}
