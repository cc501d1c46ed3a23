import QtQuick 2.12

// The pair of rules framing the settings: a wide, thick one outside a narrower, thin one.
Column {
    id: rules

    property SettingsStyle style
    // The bottom pair has its thin rule on top.
    property bool mirrored: false

    spacing: style.mm

    Repeater {
        model: rules.mirrored ? [{ share: 0.75, lines: 1 }, { share: 0.9, lines: 2 }]
                              : [{ share: 0.9, lines: 2 }, { share: 0.75, lines: 1 }]

        Rectangle {
            anchors.horizontalCenter: parent.horizontalCenter
            width: rules.width * modelData.share
            height: rules.style.line * modelData.lines
            color: rules.style.ruleColor
        }
    }
}
