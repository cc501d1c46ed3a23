import QtQuick 2.12
import RoutingRules 1.0
import "../Components"

// Routing from the keyboard: forwards the keys to the session's keyboard state and draws it, a ring
// around the focused block and, once a source is picked, the line from it as a drag draws one.
Item {
    id: layer

    property var plan
    property var keyboard
    // False while a dialog, the live view or the screen-key gate lies over the plan.
    property bool acceptsKeys: true

    readonly property var focusedView: viewOf(keyboard.focusedBlock)
    readonly property var pickedView: viewOf(keyboard.pickedBlock)

    function viewOf(index) { return index === RoutingRules.NoBlock ? null : plan.viewFor(index) }

    objectName: "keyboardLayer"
    focus: true

    Keys.onPressed: event.accepted = layer.acceptsKeys && layer.keyboard.keyPressed(event.key, event.modifiers)
    // A closed dialog may keep the focus in its hidden fields: the plan takes it back.
    onAcceptsKeysChanged: {
        if (acceptsKeys)
            forceActiveFocus()
    }

    onPickedViewChanged: {
        if (!pickedView) {
            pulse.stop()
            return
        }
        var origin = pickedView.getOrigin()
        pulse.blockColor = pickedView.displayColor
        pulse.start(origin.x, origin.y)
    }

    RubberBand {
        anchors.fill: parent
        visible: layer.pickedView !== null && layer.focusedView !== null
        color: layer.pickedView ? layer.pickedView.displayColor : "transparent"
        from: layer.pickedView ? layer.pickedView.getOrigin() : Qt.point(0, 0)
        to: layer.focusedView ? layer.focusedView.getOrigin() : Qt.point(0, 0)
    }

    SourcePulse { id: pulse }

    FocusRing {
        objectName: "focusRing"
        target: layer.activeFocus ? layer.focusedView : null

        Accessible.role: Accessible.Indicator
        Accessible.name: target ? target.displayName : ""
    }
}
