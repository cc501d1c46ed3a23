import QtQuick 2.12
import Common 1.0
import "../Components"

// A line of text on a classroom card.
ElidedText {
    color: Common.textColor
    font.family: Common.gPrimaryFont
}
