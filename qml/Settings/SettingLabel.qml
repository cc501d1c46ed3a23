import QtQuick 2.12
import Common 1.0

// The one-line label of a setting, in its box's text colour.
Text {
    property SettingsBox box

    elide: Text.ElideRight
    color: box.foreground
    font.family: Common.gPrimaryFont
    font.pixelSize: box.style.labelSize
}
