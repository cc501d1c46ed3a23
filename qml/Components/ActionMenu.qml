import QtQuick 2.12
import Common 1.0
import "../Common/Placement.js" as Placement

// A small pop-up menu of rows separated by thin lines, kept inside its parent's width; Escape closes it.
DialogFrame {
    id: menu

    property var rows: [QT_TR_NOOP("Edit"), QT_TR_NOOP("Duplicate"), QT_TR_NOOP("Delete")]
    property var inertRows: []
    // The width its longest row needs, in whichever language the rows come: a menu is at least this
    // wide.
    readonly property real rowsWidth: Math.max.apply(null, rows.map(function (row) {
        return rowFont.advanceWidth(qsTranslate("ActionMenu", row))
    })) + Common.pixelWidth(24)
    signal rowClicked(string row)

    function openAt(px, py) {
        x = Placement.fitX(px, width, parent.width)
        y = py
        visible = true
    }
    function close() { visible = false }

    visible: false
    focus: visible
    Keys.onEscapePressed: close()
    Accessible.role: Accessible.PopupMenu

    FontMetrics {
        id: rowFont
        font.family: Common.gPrimaryFont
        font.bold: true
        font.pixelSize: Common.pixelFont(14)
    }

    Column {
        anchors.fill: parent

        Repeater {
            model: menu.rows

            Item {
                id: row
                width: menu.width
                height: menu.height / menu.rows.length
                readonly property bool inert: menu.inertRows.indexOf(modelData) >= 0
                Accessible.role: Accessible.MenuItem
                Accessible.name: modelData
                Accessible.onPressAction: if (!inert) choose()

                function choose() {
                    menu.close()
                    menu.rowClicked(modelData)
                }

                Text {
                    anchors.centerIn: parent
                    text: qsTranslate("ActionMenu", modelData)
                    color: parent.inert ? Common.inertColor : Common.textColor
                    font: rowFont.font
                }

                Rectangle {
                    visible: index > 0
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: menu.width * 0.8
                    height: 1
                    color: Common.menuDividerColor
                }

                MouseArea {
                    anchors.fill: parent
                    enabled: !parent.inert
                    onClicked: row.choose()
                }
            }
        }
    }
}
