import QtQuick 2.12

// Marks the selected item with two short white strokes at each of its corners.
Item {
    id: corners

    readonly property real strokeWidth: width * 0.2
    readonly property real strokeHeight: height * 0.2

    Repeater {
        model: 4

        Item {
            readonly property bool atRight: index % 2 === 1
            readonly property bool atBottom: index >= 2

            Rectangle {
                x: parent.atRight ? corners.width - width : 0
                y: parent.atBottom ? corners.height - height : 0
                width: corners.strokeWidth
                height: 1
                color: "white"
            }

            Rectangle {
                x: parent.atRight ? corners.width - width : 0
                y: parent.atBottom ? corners.height - height : 0
                width: 1
                height: corners.strokeHeight
                color: "white"
            }
        }
    }
}
