import QtQuick 2.12
import QtTest 1.2
import RoutingSession 1.0
import LayoutEditingSession 1.0

// The screens reach the sessions' objects through properties: each must arrive as a usable object.
TestCase {
    name: "SessionObjects"

    RoutingSession { id: routing }
    LayoutEditingSession { id: editing }

    function test_routingSessionObjects() {
        var manager = routing.overlayMessageManager
        verify(manager, "overlay message manager is readable")
        compare(typeof manager.addMessage, "function")
        compare(typeof manager.removeMessage, "function")
        compare(manager.messages.length, 1)
        var builtIn = manager.messages[0]
        compare(builtIn.message, "Eyes Up Front")
        compare(builtIn.canBeDeleted, false)
        verify(routing.layout, "layout is readable")
        compare(routing.layout.teamBlocks.length, 0)
        compare(routing.routingLines.length, 0)
    }

    function test_editingSessionLayout() {
        verify(editing.layout, "layout is readable")
        compare(typeof editing.layout.addTeamBlock, "function")
        compare(editing.layout.furniture.length, 0)
        compare(editing.layout.primaryDisplay, null)
    }
}
