import QtQuick 2.12
import QtTest 1.2
import "qrc:/qml/Common/EditorLogic.js" as EditorLogic

TestCase {
    name: "EditorLogic"

    function clickZoom(start, step, clicks) {
        var value = start
        for (var i = 0; i < clicks; ++i)
            value = EditorLogic.stepZoom(value, step)
        return value
    }

    function test_zoom_data() {
        return [
            { tag: "eight clicks on plus stop at 1.6", start: 1.0, step: 0.2, clicks: 8, expected: 1.6 },
            { tag: "three clicks on plus reach exactly 1.6", start: 1.0, step: 0.2, clicks: 3, expected: 1.6 },
            { tag: "two clicks on minus reach exactly 0.6", start: 1.0, step: -0.2, clicks: 2, expected: 0.6 },
            { tag: "minus stops at 0.6", start: 1.0, step: -0.2, clicks: 6, expected: 0.6 },
            { tag: "one click on plus", start: 1.0, step: 0.2, clicks: 1, expected: 1.2 },
            { tag: "a stored zoom outside the range is pulled in by a click", start: 3.0, step: -0.2, clicks: 1, expected: 1.6 },
            { tag: "there and back again", start: 0.6, step: 0.2, clicks: 2, expected: 1.0 }
        ]
    }

    function test_zoom(data) {
        compare(clickZoom(data.start, data.step, data.clicks), data.expected)
    }

    function test_furnitureScale_data() {
        return [
            { tag: "zero becomes the smallest scale", scale: 0, expected: 0.1 },
            { tag: "negative becomes the smallest scale", scale: -1, expected: 0.1 },
            { tag: "positive is kept", scale: 2.5, expected: 2.5 }
        ]
    }

    function test_furnitureScale(data) {
        compare(EditorLogic.furnitureScale(data.scale), data.expected)
    }

    function test_stepFurnitureScale_data() {
        return [
            { tag: "grows without an upper limit", scale: 5.0, step: 0.2, expected: 5.2 },
            { tag: "shrinking to zero gives 0.1", scale: 0.2, step: -0.2, expected: 0.1 },
            { tag: "shrinking below zero gives 0.1", scale: 0.1, step: -0.2, expected: 0.1 },
            { tag: "no rounding noise", scale: 0.1, step: 0.2, expected: 0.3 }
        ]
    }

    function test_stepFurnitureScale(data) {
        compare(EditorLogic.stepFurnitureScale(data.scale, data.step), data.expected)
    }

    function test_shrinkingTenTimesFromTwoEndsAtSmallestScale() {
        var scale = 2.0
        for (var i = 0; i < 10; ++i)
            scale = EditorLogic.stepFurnitureScale(scale, -0.2)
        compare(scale, 0.1)
    }

    function test_dragBounds() {
        compare(EditorLogic.dragBounds(150, 1024, 708, 150, 177), { minX: 150, maxX: 874, minY: 0, maxY: 531 })
        // A block larger than the canvas (high zoom in a small window) must not get an inverted range.
        compare(EditorLogic.dragBounds(150, 300, 100, 240, 283), { minX: 150, maxX: 150, minY: 0, maxY: 0 })
    }

    function test_furnitureDropPosition() {
        compare(EditorLogic.furnitureDropPosition(300, 200, 80, 80), { x: 340, y: 160 })
    }

    function test_dropKind_data() {
        return [
            { tag: "primary display", name: "PrimaryFlatScreen", expected: "primaryDisplay" },
            { tag: "flat panel", name: "DisplayYellow", expected: "teamBlock" },
            { tag: "projector", name: "ProjectorYellow", expected: "teamBlock" },
            { tag: "door", name: "DoorYellow", expected: "furniture" },
            { tag: "table", name: "OvalTableYellow", expected: "furniture" },
            { tag: "chair", name: "ChairSquareYellow", expected: "furniture" }
        ]
    }

    function test_dropKind(data) {
        compare(EditorLogic.dropKind(data.name), data.expected)
    }

    function test_blockModeSections() {
        verify(!EditorLogic.isSectionShown("Door", true))
        verify(!EditorLogic.isSectionShown("Displays", true))
        verify(EditorLogic.isSectionShown("Tables", true))
        verify(EditorLogic.isSectionShown("Chairs", true))
        verify(EditorLogic.isSectionShown("Settings", true))
        verify(EditorLogic.isSectionShown("Door", false))
        verify(EditorLogic.isSectionShown("Displays", false))
    }

    function test_tileIconFactor() {
        // A 28 px door at scale 2 fits a 52 px tile only when shrunk.
        compare(EditorLogic.tileIconFactor(28, 28, 2, 52, 52), 52 / 28)
        compare(EditorLogic.tileIconFactor(12, 12, 2, 52, 52), 2)
        compare(EditorLogic.tileIconFactor(100, 60, 0.5, 52, 52), 0.5)
        compare(EditorLogic.tileIconFactor(0, 0, 2, 52, 52), 2)
    }
}
