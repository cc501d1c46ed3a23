import QtQuick 2.12

// A dialog built the first time it is wanted, as a child of `host`: a screen keeps several dialogs
// that most visits never open, and built they weigh megabytes together.
QtObject {
    property Component component
    property Item host
    // Set once the dialog is built; given here, where the screen's ids are in reach (inside
    // `component` a dialog's own property of the same name would hide them).
    property var properties: ({})
    property Item item: null
    readonly property bool shown: item !== null && item.visible

    function get() {
        if (!item)
            item = component.createObject(host, properties)
        return item
    }
}
