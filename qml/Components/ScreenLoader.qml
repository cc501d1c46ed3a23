import QtQuick 2.12

// A screen made on its first visit and kept from then on: a start builds only the screen it shows,
// and every screen still keeps its state between visits.
Loader {
    // The screen, made now if this is its first visit.
    function screen() {
        active = true
        return item
    }

    anchors.fill: parent
    active: false
    visible: false
    focus: visible
}
