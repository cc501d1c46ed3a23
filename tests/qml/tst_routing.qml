import QtQuick 2.12
import QtTest 1.2
import "qrc:/qml/Common/RoutingLogic.js" as RoutingLogic
import "qrc:/qml/Common/RoomWalls.js" as RoomWalls

TestCase {
    name: "Routing"

    function test_pulseColor_data() {
        return [
            { tag: "six digits", color: "#2E91D9", expected: "#662E91D9" },
            { tag: "lower case", color: "#b8bdbf", expected: "#66B8BDBF" },
            { tag: "alpha replaced", color: "#FF2E91D9", expected: "#662E91D9" },
            { tag: "short form", color: "#abc", expected: "#66AABBCC" }
        ]
    }

    function test_pulseColor(data) {
        compare(RoutingLogic.pulseColor(data.color), data.expected)
    }

    function test_lineGeometry() {
        compare(RoutingLogic.lineLength(10, 10, 13, 14), 5)
        compare(RoutingLogic.lineAngle(0, 0, 10, 0), 0)
        compare(RoutingLogic.lineAngle(0, 0, 0, 10), 90)
        compare(RoutingLogic.lineAngle(0, 0, -10, 0), 180)
        compare(RoutingLogic.lineAngle(0, 0, 0, -10), -90)
    }

    function test_toggledSelection() {
        compare(RoutingLogic.toggledSelection(-1, 2), 2)
        compare(RoutingLogic.toggledSelection(2, 2), -1)
        compare(RoutingLogic.toggledSelection(2, 0), 0)
    }

    function test_menuWidth() {
        compare(RoutingLogic.menuWidth(1), 590)
        compare(RoutingLogic.menuWidth(5), 970) // the most messages still fit the design width
    }

    function test_messageRefusal_order() {
        compare(RoutingLogic.messageRefusal(5, false, ""), "limit")
        compare(RoutingLogic.messageRefusal(4, false, ""), "selection")
        compare(RoutingLogic.messageRefusal(4, true, ""), "text")
        compare(RoutingLogic.messageRefusal(1, true, "Hands up"), "")
        compare(RoutingLogic.refusalLogs["limit"], "Blocking message creation: at limit")
    }

    function test_iconChoices() {
        var choices = RoutingLogic.iconChoices()
        compare(choices.length, 21)
        compare(choices[0].iconName, "Break")
        verify(choices[11].iconType)
        compare(choices[11].iconName, "Walk")
        verify(!choices[12].iconType)
        compare(choices[12].iconText, "1")
        compare(choices[12].iconName, "")
        compare(choices[20].iconText, "9")
    }

    function test_screenKey() {
        compare(RoutingLogic.screenKey(["K", "7", "Q", "M"]), "K7QM")
        compare(RoutingLogic.screenKey(["a", "5", "z", "5"]), "A5Z5")
        compare(RoutingLogic.screenKey(["K", "", "Q", "M"]), "")
        compare(RoutingLogic.screenKey(["K", "7", "Q"]), "")
    }

    // One table for both screens; at the design size it puts the walls where each screen always had
    // them: the editor's 75 px inside its canvas, the routing screen's as far from its plan's edge.
    function test_roomWalls() {
        var square = RoomWalls.wallsFor("square")
        compare([square.left, square.top, 1024 - square.right, 708 - square.bottom, square.closed], [150 + 75, 35, 75, 35, true])
        var rectangle = RoomWalls.wallsFor("rectangle")
        compare([rectangle.left - 75, rectangle.top, 1024 - rectangle.right + 75, 708 - rectangle.bottom], [115, 80, 115, 145])
        compare(RoomWalls.wallsFor("open").closed, false)
        compare(RoomWalls.wallsFor("none"), null)
        compare(RoomWalls.wallsFor("toString"), null)
    }

    function test_snapshotName() {
        compare(RoutingLogic.snapshotName("127.0.0.1:9001"), "http://127.0.0.1:9001/lookin/thedisplay.jpg")
        verify(RoutingLogic.isSnapshotOf("http://127.0.0.1:9001/lookin/thedisplay.jpg", "127.0.0.1:9001"))
        verify(RoutingLogic.isSnapshotOf("http://pod-a.local/lookin/thedisplay.jpg", "Pod-A.local"))
        verify(!RoutingLogic.isSnapshotOf("http://127.0.0.1:9002/lookin/thedisplay.jpg", "127.0.0.1:9001"))
        verify(!RoutingLogic.isSnapshotOf("http:///lookin/thedisplay.jpg", ""))
    }
}
