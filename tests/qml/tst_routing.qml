import QtQuick 2.12
import QtTest 1.2
import "qrc:/qml/Common/RoutingLogic.js" as RoutingLogic
import "qrc:/qml/Common/RoomWalls.js" as RoomWalls

TestCase {
    name: "Routing"

    readonly property var primary: Qt.rect(400, 40, 120, 104)
    readonly property var teams: [Qt.rect(0, 200, 150, 177), Qt.rect(100, 250, 150, 177), Qt.rect(300, 200, 150, 177)]

    function test_hitTest_data() {
        return [
            { tag: "inside the primary display", x: 450, y: 90, found: true, isPrimary: true, index: -1 },
            { tag: "primary display edge counts", x: 520, y: 144, found: true, isPrimary: true, index: -1 },
            { tag: "team block corner counts", x: 450, y: 377, found: true, isPrimary: false, index: 2 },
            { tag: "overlapping blocks: lowest index wins", x: 120, y: 300, found: true, isPrimary: false, index: 0 },
            { tag: "only the second block", x: 200, y: 420, found: true, isPrimary: false, index: 1 },
            { tag: "just outside", x: 521, y: 90, found: false, isPrimary: false, index: -1 },
            { tag: "empty floor", x: 900, y: 700, found: false, isPrimary: false, index: -1 }
        ]
    }

    function test_hitTest(data) {
        var hit = RoutingLogic.hitTest(primary, teams, data.x, data.y)
        compare(hit.found, data.found)
        compare(hit.isPrimary, data.isPrimary)
        compare(hit.index, data.index)
    }

    function test_hitTest_primaryFirst() {
        // A team block lying over the primary display does not take its presses.
        var hit = RoutingLogic.hitTest(primary, [Qt.rect(380, 20, 200, 200)], 450, 90)
        verify(hit.isPrimary)
    }

    function test_hitTest_withoutPrimary() {
        var hit = RoutingLogic.hitTest(null, teams, 450, 90)
        verify(!hit.found)
        compare(RoutingLogic.hitTest(null, teams, 10, 210).index, 0)
    }

    function test_describeHit() {
        compare(RoutingLogic.describeHit(RoutingLogic.hitTest(primary, teams, 450, 90)), "Point is in Primary Block")
        compare(RoutingLogic.describeHit(RoutingLogic.hitTest(primary, teams, 440, 300)), "Point is in Team Block [2]")
        compare(RoutingLogic.describeHit(RoutingLogic.hitTest(primary, teams, 900, 700)), "Point is not in a block")
    }

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

    function test_releaseOutcome() {
        var none = { found: false, isPrimary: false, index: -1 }
        var team2 = { found: true, isPrimary: false, index: 2 }
        var primaryHit = { found: true, isPrimary: true, index: -1 }
        compare(RoutingLogic.releaseOutcome(none, true, 1, false), "none")
        compare(RoutingLogic.releaseOutcome(team2, false, 1, true), "noSource")
        compare(RoutingLogic.releaseOutcome(team2, true, 2, true), "same")
        compare(RoutingLogic.releaseOutcome(primaryHit, true, -1, true), "same")
        compare(RoutingLogic.releaseOutcome(team2, true, 1, false), "rejected")
        compare(RoutingLogic.releaseOutcome(team2, true, 1, true), "add")
        compare(RoutingLogic.releaseOutcome(primaryHit, true, 0, true), "add")
    }

    function test_holdAction() {
        var primaryHit = { found: true, isPrimary: true, index: -1 }
        var team3 = { found: true, isPrimary: false, index: 3 }
        compare(RoutingLogic.holdAction(primaryHit, true, -1, false, false), "primaryToAll")
        compare(RoutingLogic.holdAction(primaryHit, true, -1, true, false), "removeAll")
        compare(RoutingLogic.holdAction(primaryHit, true, -1, false, true), "removeAll")
        compare(RoutingLogic.holdAction(primaryHit, false, 2, false, false), "")
        compare(RoutingLogic.holdAction(team3, false, 3, false, false), "blockToAll")
        compare(RoutingLogic.holdAction(team3, false, 3, true, false), "removeFromBlock")
        compare(RoutingLogic.holdAction(team3, false, 1, true, false), "")
        compare(RoutingLogic.holdAction(team3, true, -1, false, false), "")
        compare(RoutingLogic.holdAction({ found: false, isPrimary: false, index: -1 }, false, 3, false, false), "")
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
