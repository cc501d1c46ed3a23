import QtQuick 2.12
import Common 1.0

// A line of text on a classroom card.
Text {
    color: Common.textColor
    elide: Text.ElideRight
    font.family: Common.gPrimaryFont
}
