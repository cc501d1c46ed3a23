import QtQuick 2.12
import QtQuick.Controls 2.12

// A line of text that ends in "…" when it does not fit and then shows all of it as a tool tip.
Text {
    id: label

    elide: Text.ElideRight
    ToolTip.visible: truncated && hover.hovered
    ToolTip.delay: 500
    ToolTip.text: text

    HoverHandler {
        id: hover
    }
}
